// Reaches the private checks of the member for the tests. Add forwarding functions as needed;
// never remove one another test uses.
#pragma once

#include <memory>
#include <vector>

#include "member/AS4100Member.h"

namespace Arbor::Steel::SteelAS4100 {

struct MemberTestAccess {
    using Member = CAS4100_98Member;

    static void SetCalculator(Member& m, std::shared_ptr<CAS4100_98Section> calc) {
        m.section_ = std::move(calc);
    }
    static std::vector<CInteractionData>& Records(Member& m) { return m.interaction_; }
    static bool CheckLocal(const Member& m) { return m.CheckLocal(); }
    static bool CheckBuckling(const Member& m) { return m.CheckBuckling(); }

    // Span search and effective lengths.
    static bool FindNextXXSpan(const Member& m, CAS4100Span& s) { return m.FindNextXXSpan(s); }
    static bool FindNextYYSpan(const Member& m, CAS4100Span& s) { return m.FindNextYYSpan(s); }
    static bool FindNextVVStrutSpan(const Member& m, CAS4100Span& s) {
        return m.FindNextVVStrutSpan(s);
    }
    static bool FindNextLTSpan(const Member& m, CAS4100Span& s) { return m.FindNextLTSpan(s); }
    static double EffectiveLengthXX(const Member& m, const CAS4100Span& s) {
        return m.EffectiveLengthXX(s);
    }
    static double EffectiveLengthYY(const Member& m, const CAS4100Span& s) {
        return m.EffectiveLengthYY(s);
    }
    static double EffectiveStrutLengthVV(const Member& m, const CAS4100Span& s) {
        return m.EffectiveStrutLengthVV(s, false);
    }
    static double EffectiveLengthLT(const Member& m, const CAS4100Span& s) {
        return m.EffectiveLengthLT(s, 0.0, false);
    }
    static bool IsEndsFullOrPartRestrained(const Member& m, const CAS4100Span& s) {
        return m.IsEndsFullOrPartRestrained(s);
    }

    // Axial buckling span checks and the general buckling driver.
    static bool CheckSpanXX(const Member& m, const CAS4100Span& s) { return m.CheckSpanXX(s); }
    static bool CheckSpanYY(const Member& m, const CAS4100Span& s) { return m.CheckSpanYY(s); }
    static bool CheckBucklingGen(const Member& m) { return m.CheckBucklingGen(); }
    static bool CheckStrutSpanUU(const Member& m, const CAS4100Span& s) {
        return m.CheckStrutSpanUU(s);
    }
    static bool CheckStrutSpanVV(const Member& m, const CAS4100Span& s) {
        return m.CheckStrutSpanVV(s);
    }
    static bool CheckStrutSpanLT(const Member& m, const CAS4100Span& s) {
        return m.CheckStrutSpanLT(s);
    }
    static bool CheckStrutBucklingInteraction(const Member& m, const CInteractionData& r) {
        return m.CheckStrutBucklingInteraction(r);
    }

    // Moment amplification.
    static double MomentAmplificationFactor(const Member& m, double N, double Nom, double betaM) {
        return m.MomentAmplificationFactor(N, Nom, betaM);
    }
    static double DeltaStrong(const Member& m, int left, int right, bool loaded, double N,
                              double Nom) {
        return m.MomentAmplificationFactorStrongAxis(left, right, loaded, N, Nom);
    }
    static double DeltaWeak(const Member& m, int left, int right, bool loaded, double N,
                            double Nom) {
        return m.MomentAmplificationFactorWeakAxis(left, right, loaded, N, Nom);
    }
    static double FactorBetaM(const Member& m, int left, int right, bool loaded, bool strong) {
        return m.FactorBetaM(left, right, loaded, strong);
    }

    // Torsional, lateral-torsional and combined member checks.
    static bool CheckSpanT(const Member& m, const CAS4100Span& s) { return m.CheckSpanT(s); }
    static bool CheckSpanTF(const Member& m, CInteractionData& r) { return m.CheckSpanTF(r); }
    static bool CheckSpanLT(const Member& m, const CInteractionData& r) { return m.CheckSpanLT(r); }
    static bool CheckBucklingInteraction(const Member& m, const CInteractionData& r) {
        return m.CheckBucklingInteraction(r);
    }
};

}  // namespace Arbor::Steel::SteelAS4100
