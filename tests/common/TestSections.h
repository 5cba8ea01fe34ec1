// Test fixtures shared by the member, span, buckling, section and shape tests: a section
// calculator whose properties are plain values the test sets (its flexural column capacities
// come from the real column curve of cl. 6.3.3), a member built from point positions, restraint
// words and sub-span actions, and a member built through the module's factory from the
// catalogue.
#pragma once

#include <cmath>
#include <initializer_list>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "MemberTestAccess.h"
#include "host/Catalogue.h"
#include "section/AS4100Section.h"
#include "shapes/ColumnStrength.h"

namespace as4100test {

using namespace Arbor::Steel;
using namespace Arbor::Steel::SteelAS4100;
using A = MemberTestAccess;

inline constexpr double kInf = std::numeric_limits<double>::infinity();

// Restraint words: pinned and fixed ends for flexural buckling (Figure 4.6.3.2); an F end
// (cl. 5.4): supported, both flanges held laterally, twist fully restrained.
inline constexpr unsigned kPinned = RestraintBit::TranslationXX | RestraintBit::TranslationYY;
inline constexpr unsigned kFixed = kPinned | RestraintBit::RotationXX | RestraintBit::RotationYY;
inline constexpr unsigned kFEnd = 0x200000 | 0x100000 | 64 | 128 | 512 | 1024;
// Supported ends of cl. 5.4 for flange 1 critical: L held laterally alone, U free to twist.
inline constexpr unsigned kLEnd = 0x200000 | 0x100000 | 512;
inline constexpr unsigned kUEnd = 0x200000 | 0x100000;

// What the driver asked of the section: "local" at every local check point (with the actions
// set there), "buckling" at every flexural capacity.
struct CallLog {
    struct Local {
        double N, Vy, Vx, T, Mx, My;
        unsigned restraintBits;
    };
    std::vector<std::string> events;
    std::vector<Local> locals;
};

// Default: a compact, doubly symmetric 5000 mm² I-section with rx = 126.5 mm, ry = 44.72 mm,
// fy = 250 MPa, kf = 1 and αb = 0 (Ns = 1250 kN), fully restrained in the sense of cl. 5.3.2.4.
struct TestSectionProps {
    double area = 5.0e-3, ixx = 8.0e-5, iyy = 1.0e-5, j = 1.5e-7, iw = 0.0;
    double zex = 6.0e-4, zey = 1.4e-4, areaCompEffective = 5.0e-3, alphaB = 0.0;
    double zexHogging = 0.0;  // Ze under a negative Mx when not 0 (a monosymmetric section)
    double fy = 250e6, fu = 440e6, E = 200e9, G = 80e9, depth = 0.3, maxThick = 0.01;
    double moa = kInf;                          // elastic buckling moment
    double ncT = kInf, noz = kInf;              // NcT, and Noz at le = 1 m (falls with 1/le²)
    double ncTF = kInf, ncTFAux = 0.0;          // NcTF and its auxiliary value
    double deltaMxxPerN = 0, deltaMyyPerN = 0;  // eccentricity moments ΔM = k·N
    double kt = 1.0, kr = 1.0;                  // twist, rotation factors
    double capacityScale = 1.0;  // multiplies effective moduli, areas and shear/torsion capacity
    bool fullyRestrained = true;
    CAS4100_98Section::BucklingClass overallClass = CAS4100_98Section::Compact;
    bool doubly = true, iOrH = true, rectangular = false, hollow = false, circular = false,
         square = false;
    // Angle strut: principal moduli, and Mb about u-u when mbxx > 0 (the calculator's own Mbxx
    // otherwise).
    bool strut = false;
    double zuu = 2.0e-4, zvv = 1.0e-4, mbxx = 0.0;
    std::shared_ptr<CallLog> log;

    // A circular or a square hollow section.
    void MakeHollow(bool round) {
        iOrH = false;
        hollow = true;
        (round ? circular : square) = true;
        rectangular = !round;
    }
};

// A 310UB40.4 in 300PLUS (published properties; fy = 320 MPa for tf = 10.2 mm).
inline TestSectionProps UB310Props() {
    TestSectionProps v;
    v.area = v.areaCompEffective = 5.21e-3;
    v.ixx = 86.4e-6;
    v.iyy = 7.65e-6;
    v.j = 0.157e-6;
    v.iw = 165e-9;
    v.zex = 633e-6;
    v.zey = 142e-6;
    v.fy = 320e6;
    v.depth = 0.304;
    v.maxThick = 0.0102;
    v.fullyRestrained = false;
    return v;
}

// The same as a beam of 6 m between F ends, Mo = 95.20 kN·m; `change` adjusts the rest.
inline TestSectionProps UB310Beam(void (*change)(TestSectionProps&) = nullptr) {
    TestSectionProps v = UB310Props();
    v.moa = 95201.3;
    if (change) change(v);
    return v;
}

class TestSection : public CAS4100_98Section {
  public:
    explicit TestSection(const TestSectionProps& p = {}) : p_(p) {}
    TestSectionProps& Props() { return p_; }

    CAS4100_98Section* Clone() const override { return new TestSection(*this); }
    double Area() const override { return p_.area; }
    double Ybar() const override { return p_.depth / 2; }
    double Xbar() const override { return 0.08; }
    double Ixx() const override { return p_.ixx; }
    double Iyy() const override { return p_.iyy; }
    double Ixy() const override { return 0.0; }
    double Sxx() const override { return p_.zex; }
    double Syy() const override { return p_.zey; }
    double Zxx() const override { return p_.zex / 1.1; }
    double Zyy() const override { return p_.zey / 1.5; }
    double J() const override { return p_.j; }
    double Gamma() const override { return p_.iw; }
    BucklingClass BucklingClassXX(CMemberResult*) override { return p_.overallClass; }
    BucklingClass BucklingClassYY(CMemberResult*) override { return p_.overallClass; }
    BucklingClass BucklingClassOverAll(CMemberResult*) override { return p_.overallClass; }
    double Depth() const override { return p_.depth; }
    double AlphaB(const double&) const override { return p_.alphaB; }
    double Kt() const override { return 1.0; }
    double ZxxEffective() const override {
        return p_.capacityScale *
               (MomentXX() < 0.0 && p_.zexHogging > 0.0 ? p_.zexHogging : p_.zex);
    }
    double ZyyEffective() const override { return p_.capacityScale * p_.zey; }
    double AreaCompEffective() const override { return p_.capacityScale * p_.areaCompEffective; }
    double ZuuEffective() const override { return p_.zuu; }
    double ZvvEffective() const override { return p_.zvv; }
    double ShearAreaX(CMemberResult*) const override { return 3.0e-3; }
    double ShearAreaY(CMemberResult*) const override { return 2.0e-3; }
    bool IsCircular() const override { return p_.circular; }
    bool IsDoublySymmetric() const override { return p_.doubly; }
    bool IsHollow() const override { return p_.hollow; }
    bool IsIorHSection() const override { return p_.iOrH; }
    bool IsRectangular() const override { return p_.rectangular; }
    bool IsSquare() const override { return p_.square; }
    bool IsStrutAndTieOnly() const override { return p_.strut; }
    bool IsSectionXXStrut() const override { return false; }
    bool IsSectionYYStrut() const override { return false; }
    bool IsVVSpanExist() const override { return false; }
    bool IsWelded() const override { return false; }
    double MaxThick() const override { return p_.maxThick; }
    bool IsFullyRestrained(double, double, CMemberResult*) const override {
        return p_.fullyRestrained;
    }
    double ShearCapacityX(CMemberResult*) const override { return p_.capacityScale * 6.0e5; }
    double ShearCapacityY(CMemberResult*) const override { return p_.capacityScale * 4.0e5; }
    // Called once at every local check point: the place to see what the driver set.
    double TorsionCapacity(CMemberResult*) const override {
        if (p_.log) {
            p_.log->events.push_back("local");
            p_.log->locals.push_back({ForceAxial(), ShearY(), ShearX(), Torsion(), MomentXX(),
                                      MomentYY(), MemberRestraint().Bits()});
        }
        return p_.capacityScale * 1.0e4;
    }
    double Moa(const CAS4100Span&, CMemberResult*, bool, double) const override { return p_.moa; }
    double Ncxx(double le, double& ncr, CMemberResult* r) const override {
        return Flexural(le, BucklingAxis::XX, ncr, r);
    }
    double Ncyy(double le, double& ncr, CMemberResult* r) const override {
        return Flexural(le, BucklingAxis::YY, ncr, r);
    }
    double NcT(double le, double& noz, CMemberResult*) const override {
        noz = p_.noz / (le * le);
        return p_.ncT;
    }
    double NcTF(double, double, double, double& aux, CMemberResult*) const override {
        aux = p_.ncTFAux;
        return p_.ncTF;
    }
    double Ncuu(double le, double& ncr, CMemberResult* r) const override {
        return Ncxx(le, ncr, r);
    }
    double Ncvv(double le, double& ncr, CMemberResult* r) const override {
        return Ncyy(le, ncr, r);
    }
    double DeltaMxx(CMemberResult*) const override { return p_.deltaMxxPerN * ForceAxial(); }
    double DeltaMyy(CMemberResult*) const override { return p_.deltaMyyPerN * ForceAxial(); }
    double TwistFactor(const CAS4100Span&) const override { return p_.kt; }
    double RotationalFactor(const CAS4100Span&) const override { return p_.kr; }
    double DesignStressMin() const override { return p_.fy; }
    double TensileStrength() const override { return p_.fu; }
    double YoungsModulus() const override { return p_.E; }
    double ShearModulus() const override { return p_.G; }
    // Principal axes along x and y (α = 0): Mu and Mv are the end moments of larger magnitude.
    double Muu(double x1, double x2, double, double) const override { return Larger(x1, x2); }
    double Mvv(double, double, double y1, double y2) const override { return Larger(y1, y2); }
    double Mbxx(const CAS4100Span& span, double alphaM, CMemberResult* r, bool useOverride,
                double overrideLength) const override {
        return p_.mbxx > 0.0
                   ? p_.mbxx
                   : CAS4100_98Section::Mbxx(span, alphaM, r, useOverride, overrideLength);
    }

  private:
    double Flexural(double le, BucklingAxis axis, double& ncr, CMemberResult* r) const {
        if (p_.log) p_.log->events.push_back("buckling");
        return FlexuralColumnCapacity(*this, le, axis, ncr, r);
    }
    static double Larger(double a, double b) { return std::fabs(b) > std::fabs(a) ? b : a; }
    TestSectionProps p_;
};

// --- members ------------------------------------------------------------------------------

struct PointDef {
    double x;
    unsigned bits;
    double loadHeight = 0.0;
};

// End actions of a sub-span and the restraint bits held along it.
struct SubSpanActions {
    Vec3 forcesLeft, forcesRight, momentsLeft, momentsRight;
    unsigned continuousBits = 0;
};

// Axial force N (tension positive), major-axis end moments and end shears; minor moment my.
inline SubSpanActions Bending(double N, double mLeft, double mRight, double vLeft = 0.0,
                              double vRight = 0.0, unsigned continuous = 0, double my = 0.0) {
    return {Vec3(N, vLeft, 0), Vec3(N, vRight, 0), Vec3(0, mLeft, my), Vec3(0, mRight, my),
            continuous};
}

inline MemberPointVec MakePoints(const std::vector<PointDef>& points) {
    MemberPointVec pts;
    for (const PointDef& p : points)
        pts.emplace_back(p.x, CRestraint(static_cast<int>(p.bits), 0, p.loadHeight));
    return pts;
}

// One sub-span between each pair of points; sub-span i gets actions[i] (none when absent).
inline SubSpanVec MakeSubSpans(size_t count, const std::vector<SubSpanActions>& actions) {
    SubSpanVec subs;
    for (size_t i = 0; i < count; ++i) {
        const SubSpanActions a = i < actions.size() ? actions[i] : SubSpanActions{};
        subs.emplace_back(static_cast<int>(i), a.forcesLeft, a.forcesRight, a.momentsLeft,
                          a.momentsRight, CRestraint(static_cast<int>(a.continuousBits)));
    }
    return subs;
}

inline CString Joined(const CMemberResult& result) {
    CString text;
    for (const ReportPiece& piece : result.Report()) text += piece.text;
    return text;
}

// The first of the pieces that is missing from the text or found before the one preceding it;
// empty when all appear in order.
inline CString FirstOutOfOrder(const CString& text, std::initializer_list<const wchar_t*> pieces) {
    size_t previous = 0;
    for (const wchar_t* piece : pieces) {
        const size_t at = text.find(piece);
        if (at == CString::npos || at < previous) return piece;
        previous = at;
    }
    return L"";
}

// A member over the given points with a TestSection of the given properties.
struct TestMember {
    CMemberResult result;
    CAS4100_98Member member;
    std::shared_ptr<TestSection> section;

    TestMember(const std::vector<PointDef>& points, const std::vector<SubSpanActions>& actions = {},
               const TestSectionProps& props = {})
        : section(std::make_shared<TestSection>(props)) {
        member.SetResult(&result);
        member.SetMemberPointVec(MakePoints(points));
        member.SetSubSpanVec(MakeSubSpans(points.empty() ? 0 : points.size() - 1, actions));
        section->SetCodeName(L"AS 4100-1998");
        A::SetCalculator(member, section);
        Records();
    }

    CAS4100Span Span(int left, int right) const {
        return CAS4100Span(&member.GetMemberPointVec(), &member.GetSubSpanVec(), left, right);
    }
    // The interaction records, one per sub-span (default ones from the constructor on), as the
    // span checks fill them.
    std::vector<CInteractionData>& Records() {
        auto& records = A::Records(member);
        records.resize(member.GetSubSpanVec().size());
        return records;
    }
    CInteractionData& Record(size_t i) { return Records()[i]; }
    double Util(UtilKind kind) const { return result.Util(result.CurrentIndex(), kind); }
    CString Report() const { return Joined(result); }
    bool Has(const CString& text) const { return Report().find(text) != CString::npos; }
    // The first of the lines that the report lacks; empty when it has them all.
    CString Missing(std::initializer_list<CString> lines) const {
        for (const CString& line : lines)
            if (!Has(line)) return line;
        return L"";
    }
    CString Moment(double m) const { return result.DesFormat().Moment(m); }
};

// A member as a host builds it: through the module's factory, with a catalogue section.
struct HostMember {
    CMemberResult result;
    std::unique_ptr<CSteelMemberGen> checker{NewCode()};

    HostMember(const MemberPointVec& points, const SubSpanVec& subSpans,
               const Arbor::Data::CSection& section, const CSteelGrade& grade) {
        checker->SetResult(&result);
        checker->SetMemberPointVec(points);
        checker->SetSubSpanVec(subSpans);
        accepted = checker->SetSection(section);
        accepted = checker->SetSteelDesignProp(grade) && accepted;
    }
    bool accepted;  // section and grade
    bool Has(const CString& text) const { return Joined(result).find(text) != CString::npos; }
};

inline const Arbor::Data::CSection& CatalogueSection(const char* name) {
    return Arbor::Data::Catalogue::Instance().FindSection(name)->section;
}
inline CSteelGrade CatalogueGrade(const char* name) {
    return *Arbor::Data::Catalogue::Instance().FindGrade(name);
}

}  // namespace as4100test
