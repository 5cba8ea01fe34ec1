// Each departure of docs/departures.md, and why it cannot raise the governing utilisation of a
// case that passes every test below (the watch compares with the exponent of 8 kept, so 8 is no
// difference, and 9 is not switched):
// 1 (web shear reduced by M*x): the clause's φVvm = φVv·(2.2 − 1.6·M*x/(φMsx)) at worst; the
//   checker's web shear is not reduced (no M*y) and takes the lower fy (2), so the standard's
//   ratio is at most the checker's divided by that factor, required to stay within the
//   governing one; the flanges carry no shear and no M*y.
// 2 (web fy for shear): Vu = min(0.6·fy·Aw, the shear buckling capacity, which does not depend
//   on fy) grows with fy, and the web's fy is never below the section's: never higher.
// 3 (Mbxo): only segments under uniform moment (no transverse load, F or P ends, not a
//   cantilever) of a compact doubly symmetric I section take it; there are none, or the section
//   is not compact overall under either sign of moment (see 7).
// 4 (βm of a span loaded in one plane): βm of the major axis is the same (no minor-axis load,
//   so the span is loaded about x under both) and βm of the minor axis meets only M*y = 0.
// 5 (critical flange), 6 (cantilever): both flanges held alike at every point and along every
//   sub-span, so end types, continuous restraint and segment ends read the same whichever
//   flange is critical, and the segments and cantilevers are the same (SegmentsReadAlike);
//   then so are kt, kl, kr and αm.
// 7 (Mrx ≤ Msx, web term): without axial force the clause's Mrx is at least k·Msx with
//   k = min(1, 1 + 0.18·(82 − λw)/(82 − λwy)), so its section check is at most
//   (M*x/(φ·k·Msx))^1.4, required to stay within the governing ratio. Mrx enters only the
//   biaxial check of cl. 8.3.4, which the section check applies to compact doubly symmetric
//   sections: where the overall class (the same under both rule sets: it takes the section's
//   least fy) is not compact under either sign of moment, both take the same linear check and
//   k = 1. So does kf = 1 (the 1.18 form, capped at Msx: at N* = 0 exactly Msx).
// Axial force (compression or tension) is let through only on a section not compact overall:
// its section check is then linear and its member check (cl. 8.4) the general form, with
// neither Mrx nor Mbxo, so 3 and 7 do not arise; 1, 2 and 4 to 6 read as above.
// A quick check stops at the first failure. Where the checker's stopped in the member checks
// (a member ratio above 1), the standard's, whose member checks are those very checks (3 to 6),
// stops there too; where it stopped in the section checks, the standard's may run on past it,
// and the case runs again.
#include "app/WatchScope.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "app/RunCheck.h"

namespace as4100 {

namespace {

namespace Bit = Arbor::Steel::RestraintBit;
namespace Type = Arbor::Steel::SteelAS4100::RestraintType;
using Arbor::Data::CRestraint;
using Arbor::Steel::UtilKind;
using Arbor::Steel::SteelAS4100::CAS4100_98Section;
using Arbor::Steel::SteelAS4100::CAS4100Span;
using Arbor::Steel::SteelAS4100::CInteractionData;

constexpr double kMomentRatioBelowMs = 0.99;  // M*x/(φMsx) kept clear of 1 (shear set to 0)

// Whether the section check of a point may take the biaxial form of cl. 8.3.4 (compact doubly
// symmetric, not circular), under either sign of the major-axis moment (the class of a point
// is that of its moment's sign).
bool MayTakeBiaxialCheck(const CAS4100_98Section& s) {
    if (!s.IsDoublySymmetric() || s.IsCircular()) return false;
    const std::unique_ptr<CAS4100_98Section> probe(s.Clone());
    for (const double sign : {1.0, -1.0}) {
        probe->ClearForcesAndMoments();
        probe->SetMomentXX(sign);
        if (probe->BucklingClassOverAll(nullptr) == CAS4100_98Section::Compact) return true;
    }
    return false;
}

// The least Mrx/Msx of cl. 8.3.2 without axial force by the standard's reading (departure 7),
// from the web term alone.
double ReducedMajorCapacityFactor(const CAS4100_98Section& s) {
    const double webTerm = 0.18 * (82.0 - s.LambdaWeb()) / (82.0 - s.LambdaWebYield());
    return std::min(1.0, 1.0 + webTerm);
}

// Whether the standard's Mrx may fall below Msx: the biaxial check with kf < 1.
bool MrxMayFallBelowMsx(const CAS4100_98Section& s) {
    return s.AreaCompEffective() != s.Area() && MayTakeBiaxialCheck(s);
}

// Departure 4 and the flanges of 1: bending about the major axis and its shear alone.
bool MajorAxisBendingOnly(const LoadCase& loadCase) {
    for (const Arbor::Steel::CSubSpan& s : loadCase.subSpans) {
        for (const auto* f : {&s.GetForcesLeft(), &s.GetForcesRight()}) {
            if ((*f)[2] != 0.0) return false;
        }
        if (s.GetMomentsLeft()[2] != 0.0 || s.GetMomentsRight()[2] != 0.0) return false;
    }
    return true;
}

bool HasAxialForce(const LoadCase& loadCase) {
    for (const Arbor::Steel::CSubSpan& s : loadCase.subSpans) {
        if (s.GetForcesLeft()[0] != 0.0 || s.GetForcesRight()[0] != 0.0) return true;
    }
    return false;
}

bool FlangesHeldAlike(const CRestraint& r) {
    return r.IsRestrained(Bit::Flange1) == r.IsRestrained(Bit::Flange2);
}

bool IsSupported(const CRestraint& r) {
    return r.IsRestrained(Bit::TranslationXX);
}

// U (cl. 5.4.2.4) whichever flange is critical, once both flanges are held alike.
bool IsUnrestrained(const CRestraint& r) {
    return !r.IsRestrained(Bit::Flange1);
}

// Departures 5 and 6. The checker's segment search types a segment's ends against flange 1
// (flange 2 for a cantilever), calls a segment at an unsupported member end a cantilever and
// lets the support bit pick the validity rule; the clause's types them against the critical
// flange and calls a segment a cantilever when one end is a U member end and the other is not.
// With both flanges held alike the types agree; with each member end either held (supported,
// not U) or a free tip (unsupported, U), at most one tip, no supported point U and, beside a
// tip, every other point either U or supported, every segment the search tries is valid and
// a cantilever alike under both (a segment starts at a held end or at the end of a valid one,
// never at a U point inside the member).
bool SegmentsReadAlike(const MemberInput& member, const LoadCase& loadCase) {
    for (const Arbor::Steel::CSubSpan& s : loadCase.subSpans) {
        if (!FlangesHeldAlike(s.GetRestraint())) return false;
    }
    int tips = 0;
    for (const auto* end : {&member.points.front(), &member.points.back()}) {
        const bool supported = IsSupported(end->GetRestraint());
        const bool unrestrained = IsUnrestrained(end->GetRestraint());
        if (!supported && unrestrained) {
            ++tips;
        } else if (!supported || unrestrained) {
            return false;  // neither held nor a free tip
        }
    }
    if (tips > 1) return false;
    for (const Arbor::Steel::CMemberPoint& p : member.points) {
        const CRestraint& r = p.GetRestraint();
        if (!FlangesHeldAlike(r)) return false;
        if (IsSupported(r) && IsUnrestrained(r)) return false;
        if (tips == 1 && !IsSupported(r) && !IsUnrestrained(r)) return false;
    }
    return true;
}

// Departure 3: a segment that would take the uniform-moment Mbxo. The end types first: the
// load scan walks the segment's points.
bool IsUniformMomentSegment(const CAS4100Span& span) {
    return CAS4100Span::RestType(true, span.RestraintEndL()) <= Type::P &&
           CAS4100Span::RestType(true, span.RestraintEndR()) <= Type::P &&
           !span.IsMinorAxisLoaded();
}

// Any record's segment takes Mbxo. Records come sub-span by sub-span, so a segment's records
// follow one another: each segment is asked once (else a long unbraced member is quadratic).
bool AnyUniformMomentSegment(const std::vector<CInteractionData>& records) {
    int left = -1, right = -1;
    for (const CInteractionData& r : records) {
        const CAS4100Span& span = r.SpanLT;
        if (span.GetCMPIndexLeft() == left && span.GetCMPIndexRight() == right) continue;
        left = span.GetCMPIndexLeft();
        right = span.GetCMPIndexRight();
        if (IsUniformMomentSegment(span)) return true;
    }
    return false;
}

// Departures 1 and 7, from each sub-span's largest ratios of the checker's run.
bool SectionChecksBounded(const CaseResult& checked, double capacityFactor) {
    if (!(capacityFactor > 0.0)) return false;
    for (const EntryResult& entry : checked.entries) {
        if (entry.buckling) continue;
        const double moment = entry.util[static_cast<size_t>(UtilKind::LocalMomMajor)];
        const double shear = entry.util[static_cast<size_t>(UtilKind::LocalShearMajor)];
        if (!(moment <= kMomentRatioBelowMs)) return false;
        const double shearFactor = std::min(1.0, 2.2 - 1.6 * moment);  // cl. 5.12.3
        if (!(shear / shearFactor <= checked.governing)) return false;
        if (!(std::pow(moment / capacityFactor, 1.4) <= checked.governing)) return false;
    }
    return true;
}

// The quick check stopped in the member checks, before any section check.
bool StoppedInMemberChecks(const CaseResult& checked) {
    for (const EntryResult& entry : checked.entries) {
        if (!entry.buckling) continue;
        for (const double u : entry.util) {
            if (u > 1.0) return true;
        }
    }
    return false;
}

}  // namespace

bool StandardMayGovern(const MemberInput& member, const LoadCase& loadCase,
                       const CaseResult& checked,
                       const Arbor::Steel::SteelAS4100::CAS4100_98Member& checker,
                       const std::vector<CInteractionData>& records, bool quick) {
    namespace Shape = Arbor::Data::SecShape;
    const int shape = member.section.Shape();
    const auto* section = checker.Section();
    if ((shape != Shape::I && shape != Shape::WeldedI) || !section) return true;
    if (member.overrides.Any() || member.points.size() < 2) return true;
    if (!MajorAxisBendingOnly(loadCase) || !SegmentsReadAlike(member, loadCase)) return true;
    const bool axial = HasAxialForce(loadCase);
    const bool uniformMoment = AnyUniformMomentSegment(records);
    if ((axial || uniformMoment) && MayTakeBiaxialCheck(*section)) return true;
    if (quick && (checked.flags & Arbor::Steel::ResultFlag::Failed)) {
        return !StoppedInMemberChecks(checked);
    }
    if (!checked.ran) return true;
    // The web term's factor first: it settles most cases without asking for the class.
    const double factor = axial ? 1.0 : ReducedMajorCapacityFactor(*section);
    if (SectionChecksBounded(checked, factor)) return false;
    return factor == 1.0 || MrxMayFallBelowMsx(*section) || !SectionChecksBounded(checked, 1.0);
}

}  // namespace as4100
