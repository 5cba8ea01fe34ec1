// Local (section) capacity check at one member point: shear (cl. 5.11.1 with cl. 5.12.3),
// axial compression (cl. 6.2) or tension (cl. 7.2), bending (cl. 5.2), combined actions
// (cl. 8.3) and a simple St. Venant torsion check. Sections designed as struts or ties only
// are checked about their principal axes with the linear interaction.
#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "section/AS4100Section.h"
#include "section/ResultSink.h"
#include "section/RuleNote.h"

namespace Arbor::Steel::SteelAS4100 {

namespace {

constexpr double kPhi = CAS4100_98Section::kPhi;
// Torsion at or above this share of the St. Venant capacity is reported as unsupported.
constexpr double kTorsionWarningRatio = 0.05;
constexpr double kKfUnityTolerance = 1e-6;

using Section = CAS4100_98Section;
using CapacityFn = double (Section::*)(CMemberResult*) const;

// Where a ratio line puts its "= value": on the same line (compression) or below, lined up
// under the equals sign of the formula (tension).
struct LineEnds {
    const wchar_t* shear;
    const wchar_t* axial;
    const wchar_t* moment;
};
constexpr LineEnds kSameLine{L") = ", L") = ", L") = "};
constexpr LineEnds kNextLine{L")\n             = ", L")\n           = ", L")\n              = "};

const wchar_t* const kClauseShear = L"\t<i>ref. AS 4100:1998 cl. 5.11.1</i>\n";
const wchar_t* const kFailLine = L"<b><red>Fail:</red></b>\n";

// Design actions of the point as the checks use them (magnitudes).
struct PointActions {
    double n = 0.0;
    double vx = 0.0;
    double vy = 0.0;
    double majorMoment = 0.0;
    double minorMoment = 0.0;
};

struct ShearRatios {
    double x = 0.0;  // minor axis direction, Vx
    double y = 0.0;  // major axis direction, Vy
};

struct AxialRatio {
    double u = 0.0;         // N/(φ·capacity), filtered
    double capacity = 0.0;  // Ns or Nt
    double kf = 1.0;        // form factor (compression only)
};

struct MomentRatio {
    double u = 0.0;
    double capacity = 0.0;
};

struct CombinedRatio {
    double u = 0.0;
    double resultant = 0.0;  // um of the circular form, 0 otherwise
};

// The line is built only when text is on: quick checks do no string work.
void OpenHeading(CMemberResult* result, const wchar_t* heading, const wchar_t* clause) {
    if (IsTextOn(result)) result->AddOutputString(JoinLine({heading, clause}));
}

// The moment that reduces the shear capacity in one direction. The rules as written reduce
// the flanges' Vx by the major-axis moment and the web's Vy by the minor-axis one; cl. 5.12.3
// reduces the web by the major-axis moment (and so the flanges by the minor-axis one).
bool IsReducedByMajorMoment(const Section& s, bool xDirection, CMemberResult* result) {
    if (s.Rules() == RuleSet::AsWritten) return xDirection;
    WriteRuleNote(result, s.Rules(),
                  xDirection ? L"flange shear reduced by the minor-axis moment (cl. 5.12.3)"
                             : L"web shear reduced by the major-axis moment (cl. 5.12.3)");
    return !xDirection;
}

// One shear direction: Vv reduced for the coincident moment (cl. 5.12.3), ratio V/(φ·Vvm).
double ShearRatio(const Section& s, bool xDirection, double v, const wchar_t* heading,
                  const wchar_t* label, const wchar_t* end, CMemberResult* result) {
    OpenHeading(result, heading, kClauseShear);
    CResultIndent indent(result);
    const double vv = xDirection ? s.ShearCapacityX(result) : s.ShearCapacityY(result);
    const double vvm =
        s.InteractionShearCapacity(vv, IsReducedByMajorMoment(s, xDirection, result), result);
    const double u = CMemberResult::InfinitiseNANs(v / (vvm * kPhi));
    if (IsTextOn(result)) {
        const CDesFormat& f = result->DesFormat();
        result->AddOutputString(label + f.Force(v) + L"/(" + f.NoDim(kPhi) + L"*" + f.Force(vvm) +
                                end + f.Util(u) + L"\n");
    }
    return u;
}

struct ShearHeadings {
    const wchar_t* x;
    const wchar_t* y;
};
constexpr ShearHeadings kMemberShearHeadings{L"<b>Minor axis shear:</b>\n",
                                             L"<b>Major axis shear:</b>\n"};
constexpr ShearHeadings kStrutShearHeadings{L"<b>X axis shear:</b>\n", L"<b>Y axis shear:</b>\n"};

// cl. 5.11.1: both shear directions; stores both ratios and flags a ratio of 1 or more.
ShearRatios CheckShear(const Section& s, const PointActions& a, const ShearHeadings& headings,
                       const wchar_t* end, CMemberResult* result) {
    ShearRatios u;
    u.x = ShearRatio(s, true, a.vx, headings.x, L"Vx/(Phi*Vvx) = ", end, result);
    u.y = ShearRatio(s, false, a.vy, headings.y, L"Vy/(Phi*Vvy) = ", end, result);
    StoreUtil(result, &CMemberResult::SetUtilLocalShearMinor, u.x);
    StoreUtil(result, &CMemberResult::SetUtilLocalShearMajor, u.y);
    if (u.x >= 1.0 || u.y >= 1.0) AddFlag(result, ResultFlag::LocalFail);
    return u;
}

double StoreAxial(double n, double capacity, CMemberResult* result) {
    const double u = CMemberResult::InfinitiseNANs(n / (capacity * kPhi));
    StoreUtil(result, &CMemberResult::SetUtilLocalAxial, u);
    if (u >= 1.0) AddFlag(result, ResultFlag::LocalFail);
    return u;
}

// cl. 6.2.1: Ns = kf·An·fy with kf = Ae/Ag (An = Ag at the section check).
AxialRatio CheckCompression(const Section& s, double n, double fy, CMemberResult* result) {
    AxialRatio r;
    const double ae = s.AreaCompEffective();
    const double ag = s.Area();
    r.kf = ae / ag;
    r.capacity = r.kf * ag * fy;
    OpenHeading(result, L"<b>Axial compression:</b>\n", L"\t<i>ref. AS 4100:1998 cl. 6.2</i>\n");
    CResultIndent indent(result);
    r.u = StoreAxial(n, r.capacity, result);
    if (IsTextOn(result)) {
        const CDesFormat& f = result->DesFormat();
        result->AddOutputString(L"Kf = Ae/Ag\n   = " + f.AreaCS(ae) + L"/" + f.AreaCS(ag) +
                                L"\n   = " + f.NoDim(r.kf) + L"\n");
        result->AddOutputString(L"Ns = kf*Ag*fy\n   = " + f.NoDim(r.kf) + L"*" + f.AreaCS(ag) +
                                L"*" + f.Stress(fy) + L"\n   = " + f.Force(r.capacity) + L"\n");
        result->AddOutputString(L"N/(Phi*Ns) = " + f.Force(n) + L"/(" + f.NoDim(kPhi) + L"*" +
                                f.Force(r.capacity) + kSameLine.axial + f.Util(r.u) + L"\n");
    }
    return r;
}

// cl. 7.2: the tension capacity Nt without its own derivation lines.
AxialRatio CheckTension(const Section& s, double n, CMemberResult* result) {
    AxialRatio r;
    r.capacity = s.Pt(nullptr);
    OpenHeading(result, L"<b>Axial tension:</b>\n", L"\t<i>ref. AS 4100:1998 cl. 7.2</i>\n");
    CResultIndent indent(result);
    r.u = StoreAxial(n, r.capacity, result);
    if (IsTextOn(result)) {
        const CDesFormat& f = result->DesFormat();
        result->AddOutputString(L"N/(Phi*Ns) = " + f.Force(n) + L"/(" + f.NoDim(kPhi) + L"*" +
                                f.Force(r.capacity) + kNextLine.axial + f.Util(r.u) + L"\n");
    }
    return r;
}

struct MomentAxis {
    const wchar_t* heading;
    CapacityFn capacity;
    const wchar_t* label;
    UtilSetter store;
};
constexpr MomentAxis kMajorAxis{L"<b>Major Axis moment:</b>\n", &Section::MsXX, L"Mx/(Phi*Msxx) = ",
                                &CMemberResult::SetUtilLocalMomMajor};
constexpr MomentAxis kMinorAxis{L"<b>Minor Axis moment:</b>\n", &Section::MsYY, L"My/(Phi*Msyy) = ",
                                &CMemberResult::SetUtilLocalMomMinor};
constexpr MomentAxis kUUAxis{L"<b>Major Axis moment:</b>\n", &Section::MsUU, L"Mu/(Phi*Msuu) = ",
                             &CMemberResult::SetUtilLocalMomMajor};
constexpr MomentAxis kVVAxis{L"<b>Minor Axis moment:</b>\n", &Section::MsVV, L"Mv/(Phi*Msvv) = ",
                             &CMemberResult::SetUtilLocalMomMinor};

// cl. 5.2: M*/(φ·Ms) about one axis; the capacity's own lines sit inside the level.
MomentRatio CheckMoment(const Section& s, const MomentAxis& axis, double m, const wchar_t* end,
                        CMemberResult* result) {
    WriteLine(result, axis.heading);
    CResultIndent indent(result);
    MomentRatio r;
    r.capacity = (s.*axis.capacity)(result);
    r.u = CMemberResult::InfinitiseNANs(m / (r.capacity * kPhi));
    StoreUtil(result, axis.store, r.u);
    if (r.u >= 1.0) AddFlag(result, ResultFlag::LocalFail);
    if (IsTextOn(result)) {
        const CDesFormat& f = result->DesFormat();
        result->AddOutputString(axis.label + f.Moment(m) + L"/(" + f.NoDim(kPhi) + L"*" +
                                f.Moment(r.capacity) + end + f.Util(r.u) + L"\n");
    }
    return r;
}

void WriteInteractionHeading(CMemberResult* result) {
    WriteLine(result, L"<b>Biaxial bending interaction</b>\n");
    WriteLine(result, L"<i>ref. AS 4100:1998 cl. 8.3.4</i>\n");
}

// Linear interaction: the plain sum of the three ratios.
double LinearInteraction(double un, double umajor, double uminor, const wchar_t* formula,
                         CMemberResult* result) {
    const double uc = umajor + un + uminor;
    StoreUtil(result, &CMemberResult::SetUtilLocalCombined, uc);
    WriteInteractionHeading(result);
    if (IsTextOn(result)) {
        const CDesFormat& f = result->DesFormat();
        result->AddOutputString(formula + f.NoDim(un) + L" + " + f.NoDim(umajor) + L" + " +
                                f.NoDim(uminor) + L" ) = " + f.Util(uc) + L"\n");
    }
    return uc;
}

// Everything the combined check of a member needs.
struct CombinedInputs {
    double n = 0.0;
    AxialRatio axial;
    bool tension = false;
    double mx = 0.0, my = 0.0;
    MomentRatio major, minor;
};

// Coefficient of the web term of cl. 8.3.2 for kf < 1: 0.018 by the rules as written, the
// clause's 0.18 by the standard's reading.
double WebTermCoefficient(RuleSet rules) {
    return rules == RuleSet::Standard ? 0.18 : 0.018;
}

// cl. 8.3.2 reduced major-axis capacity Mrx. In tension, and in compression with kf = 1, the
// 1.18 form; in compression with kf < 1 the web-slenderness form, uncapped here.
double ReducedMajorCapacity(const Section& s, const CombinedInputs& in, double ratio) {
    const bool fullForm = in.axial.kf == 1.0 || std::fabs(in.axial.kf - 1.0) < kKfUnityTolerance;
    if (in.tension || fullForm) return 1.18 * in.major.capacity * (1.0 - ratio);
    const double webTerm =
        WebTermCoefficient(s.Rules()) * (82.0 - s.LambdaWeb()) / (82.0 - s.LambdaWebYield());
    return in.major.capacity * (1.0 - ratio) * (1.0 + webTerm);
}

// cl. 8.3.3 reduced minor-axis capacity Mry, uncapped here.
double ReducedMinorCapacity(const Section& s, const CombinedInputs& in, double ratio) {
    if (s.IsRectangular()) return 1.18 * in.minor.capacity * (1.0 - ratio);
    return 1.19 * in.minor.capacity * (1.0 - ratio * ratio);
}

// Mr of cl. 8.3.2 and 8.3.3 is at most Ms; the rules as written leave it uncapped.
double CappedReducedCapacity(double mr, double ms, RuleSet rules) {
    return rules == RuleSet::Standard ? std::min(mr, ms) : mr;
}

// cl. 8.3.4 biaxial bending of compact doubly symmetric sections:
// (Mx/(φ·Mrx))^γ + (My/(φ·Mry))^γ with γ = min(1.4 + N/(φ·Ns), 2).
double BiaxialInteraction(const Section& s, const CombinedInputs& in, CMemberResult* result) {
    WriteLine(result,
              L"<b>Biaxial bending interaction</b>\n\t<i>ref. AS 4100:1998 cl. 8.3.4 "
              L"</i>\n");
    CResultIndent indent(result);
    const double gamma = std::min(1.4 + in.axial.u, 2.0);
    const double ratio = in.n / (kPhi * in.axial.capacity);
    WriteRuleNote(result, s.Rules(),
                  L"Mrx <= Msx and Mry <= Msy, web term 0.18 (cl. 8.3.2, 8.3.3)");
    const double mrx =
        CappedReducedCapacity(ReducedMajorCapacity(s, in, ratio), in.major.capacity, s.Rules());
    const double mry =
        CappedReducedCapacity(ReducedMinorCapacity(s, in, ratio), in.minor.capacity, s.Rules());
    const double rx = in.mx / (kPhi * mrx);
    const double ry = in.my / (kPhi * mry);
    const double exponent =
        s.CombinedExponent(gamma, rx >= Section::kNoMomentRatio && ry >= Section::kNoMomentRatio);
    if (exponent != gamma) {
        WriteRuleNote(result, s.Rules(),
                      L"bending about one axis, Mx <= Phi*Mrx or My <= Phi*Mry (cl. 8.3.2, 8.3.3)");
    }
    const double uc = std::pow(rx, exponent) + std::pow(ry, exponent);
    StoreUtil(result, &CMemberResult::SetUtilLocalCombined, uc);
    if (uc >= 1.0) AddFlag(result, ResultFlag::LocalFail);
    if (IsTextOn(result)) {
        const CDesFormat& f = result->DesFormat();
        result->AddOutputString(L"Mx/(Phi*Mrx) = " + f.Moment(in.mx) + L"/(" + f.NoDim(kPhi) +
                                L"*" + f.Moment(mrx) + L")= " + f.NoDim(rx) + L"\n");
        result->AddOutputString(L"My/(Phi*Mry) = " + f.Moment(in.my) + L"/(" + f.NoDim(kPhi) +
                                L"*" + f.Moment(mry) + L")= " + f.NoDim(ry) + L"\n");
        result->AddOutputString(L"(Mx/(Phi*Mrx))^gamma + (My/(Phi*Mry))^gamma = " + f.NoDim(rx) +
                                L"^" + f.NoDim(exponent) + L" + " + f.NoDim(ry) + L"^" +
                                f.NoDim(exponent) + L" = " + f.Util(uc) + L"\n");
    }
    return uc;
}

// cl. 8.3.4 for circular sections: the resultant moment against Msx.
CombinedRatio ResultantInteraction(const CombinedInputs& in, CMemberResult* result) {
    CombinedRatio c;
    const double m = std::sqrt(in.mx * in.mx + in.my * in.my);
    c.resultant = CMemberResult::InfinitiseNANs(m / (in.major.capacity * kPhi));
    c.u = c.resultant + in.axial.u;
    StoreUtil(result, &CMemberResult::SetUtilLocalCombined, c.u);
    WriteInteractionHeading(result);
    if (IsTextOn(result)) {
        const CDesFormat& f = result->DesFormat();
        result->AddOutputString(L"M = sqrt(Mx^2+My^2) = " + f.Moment(m) + L"\n");
        result->AddOutputString(L"N/(Phi*Ns) + M/(Phi*Ms) \n\t= ( " + f.NoDim(in.axial.u) + L" + " +
                                f.NoDim(c.resultant) + L" ) = " + f.Util(c.u) + L"\n");
    }
    return c;
}

// The combined check in one of three forms: biaxial for compact doubly symmetric sections
// (not circular), resultant moment for circular sections, otherwise linear.
CombinedRatio CheckCombined(const Section& s, Section::BucklingClass cls, const CombinedInputs& in,
                            CMemberResult* result) {
    if (s.IsDoublySymmetric() && !s.IsCircular() && cls == Section::Compact) {
        return {BiaxialInteraction(s, in, result), 0.0};
    }
    if (s.IsCircular()) return ResultantInteraction(in, result);
    const wchar_t* formula = in.tension ? L"N/(Phi*Ns) + Mx/(Phi*Msxx) + My/(Phi*Msyy)\n\t= ( "
                                        : L"N/(Phi*Ns) + Mx/(Phi*Msxx) + My/(Phi*Msyy) = ( ";
    return {LinearInteraction(in.axial.u, in.major.u, in.minor.u, formula, result), 0.0};
}

// Final flags: any ratio above 1 fails the point; the axial and moment ratios add their own.
void FlagFailures(std::initializer_list<double> ratios, double un, double umajor, double uminor,
                  CMemberResult* result) {
    const bool anyAbove =
        std::any_of(ratios.begin(), ratios.end(), [](double u) { return u > 1.0; });
    if (!anyAbove) return;
    AddFlag(result, ResultFlag::LocalFail);
    if (un > 1.0) AddFlag(result, ResultFlag::LocalAxialFail);
    if (umajor > 1.0) AddFlag(result, ResultFlag::LocalMajorMomentFail);
    if (uminor > 1.0) AddFlag(result, ResultFlag::LocalMinorMomentFail);
    WriteLine(result, kFailLine);
}

}  // namespace

void CAS4100_98Section::WriteClassLine(CMemberResult* result, BucklingClass cls,
                                       const wchar_t* tail) {
    if (IsTextOn(result))
        result->AddOutputString(JoinLine({L"Section is: <b>", GetLBCString(cls), tail}));
}

void CAS4100_98Section::LocalCapacityCheck(CMemberResult* result) const {
    // Zero axial force is checked as compression.
    if (ForceAxial() > 0.0) {
        LocalCapacityCheckTensionMember(result);
    } else {
        LocalCapacityCheckCompressionMember(result);
    }
    if (IsStrutAndTieOnly()) return;

    // Simple St. Venant torsion check: no capacity factor, the ratio is not filtered.
    const double tcsv = TorsionCapacity(result);
    const double ratio = std::fabs(Torsion() / tcsv);
    if (IsTextOn(result)) {
        const CDesFormat& f = result->DesFormat();
        result->AddOutputString(L"Simple St. Venant torsion check:\n");
        result->AddOutputString(L"\tT/Tcsv = ( " + f.Moment(Torsion()));
        result->AddOutputString(L" / " + f.Moment(tcsv));
        result->AddOutputString(L" ) = " + f.Util(ratio) + L"\n");
    }
    StoreUtil(result, &CMemberResult::SetUtilLocalTorsion, ratio);
    if (ratio >= kTorsionWarningRatio) {
        WriteLine(result, L"<b><orange>Warning:</orange></b> Torsion not properly supported!\n");
        WriteLine(result, L"Applied torsion causes shear stress of greater than 5% of capacity\n");
        AddFlag(result, ResultFlag::TorsionWarning);
    }
}

void CAS4100_98Section::LocalCapacityCheckCompressionMember(CMemberResult* result) const {
    if (IsStrutAndTieOnly()) {
        LocalCapacityCheckCompressionStrut(result);
        return;
    }
    const PointActions a{std::fabs(ForceAxial()), std::fabs(ShearX()), std::fabs(ShearY()),
                         std::fabs(SignedDesignMoment(true)), std::fabs(SignedDesignMoment(false))};
    const double fy = DesignStressMin();
    const BucklingClass cls = OverAllClass();

    WriteLine(result, L"Compression and bending check\n");
    WriteClassLine(result, cls, L"</b> in bending and compression\n");
    const ShearRatios shear = CheckShear(*this, a, kMemberShearHeadings, kSameLine.shear, result);
    CombinedInputs in;
    in.n = a.n;
    in.axial = CheckCompression(*this, a.n, fy, result);
    in.mx = a.majorMoment;
    in.my = a.minorMoment;
    in.major = CheckMoment(*this, kMajorAxis, a.majorMoment, kSameLine.moment, result);
    in.minor = CheckMoment(*this, kMinorAxis, a.minorMoment, kSameLine.moment, result);
    const CombinedRatio c = CheckCombined(*this, cls, in, result);
    FlagFailures({c.u, shear.y, shear.x, in.axial.u, in.major.u, in.minor.u, c.resultant},
                 in.axial.u, std::max(in.major.u, c.resultant), in.minor.u, result);
}

void CAS4100_98Section::LocalCapacityCheckTensionMember(CMemberResult* result) const {
    if (IsStrutAndTieOnly()) {
        LocalCapacityCheckTensionStrut(result);
        return;
    }
    const PointActions a{std::fabs(ForceAxial()), std::fabs(ShearX()), std::fabs(ShearY()),
                         std::fabs(SignedDesignMoment(true)), std::fabs(SignedDesignMoment(false))};
    const BucklingClass cls = OverAllClass();

    WriteLine(result, L"Tension and bending check\n");
    WriteClassLine(result, cls, L"</b> in bending and compression\n");
    const ShearRatios shear = CheckShear(*this, a, kMemberShearHeadings, kNextLine.shear, result);
    CombinedInputs in;
    in.n = a.n;
    in.tension = true;
    in.axial = CheckTension(*this, a.n, result);
    in.mx = a.majorMoment;
    in.my = a.minorMoment;
    in.major = CheckMoment(*this, kMajorAxis, a.majorMoment, kNextLine.moment, result);
    in.minor = CheckMoment(*this, kMinorAxis, a.minorMoment, kNextLine.moment, result);
    const CombinedRatio c = CheckCombined(*this, cls, in, result);
    FlagFailures({c.u, shear.y, shear.x, in.axial.u, in.major.u, in.minor.u, c.resultant},
                 in.axial.u, std::max(in.major.u, c.resultant), in.minor.u, result);
}

namespace {

// Moments of a strut about its principal axes, from the signed design moments.
struct PrincipalMoments {
    double u = 0.0;
    double v = 0.0;
};

PrincipalMoments ToPrincipal(const Section& s, double mx, double my) {
    return {s.Muu(mx, mx, my, my), s.Mvv(mx, mx, my, my)};
}

const wchar_t* const kStrutInteraction = L"N/(Phi*Ns) + Mu/(Phi*Msuu) + Mv/(Phi*Msvv) = ( ";

// Bending about u-u and v-v and the linear interaction, shared by both strut checks.
void CheckStrutBending(const Section& s, const PrincipalMoments& m, const ShearRatios& shear,
                       double un, CMemberResult* result) {
    const MomentRatio uu = CheckMoment(s, kUUAxis, std::fabs(m.u), kSameLine.moment, result);
    const MomentRatio vv = CheckMoment(s, kVVAxis, std::fabs(m.v), kSameLine.moment, result);
    const double uc = LinearInteraction(un, uu.u, vv.u, kStrutInteraction, result);
    FlagFailures({uc, shear.y, shear.x, un, uu.u, vv.u}, un, uu.u, vv.u, result);
}

}  // namespace

void CAS4100_98Section::LocalCapacityCheckCompressionStrut(CMemberResult* result) const {
    const PointActions a{std::fabs(ForceAxial()), std::fabs(ShearX()), std::fabs(ShearY()), 0.0,
                         0.0};
    const PrincipalMoments m =
        ToPrincipal(*this, SignedDesignMoment(true), SignedDesignMoment(false));
    const double fy = DesignStressMin();
    const BucklingClass cls = OverAllClass();

    WriteLine(result, L"Compression check\n");
    WriteClassLine(result, cls, L"</b> in compression\n");
    const ShearRatios shear = CheckShear(*this, a, kStrutShearHeadings, kSameLine.shear, result);
    const AxialRatio axial = CheckCompression(*this, a.n, fy, result);
    CheckStrutBending(*this, m, shear, axial.u, result);
}

void CAS4100_98Section::LocalCapacityCheckTensionStrut(CMemberResult* result) const {
    const PointActions a{std::fabs(ForceAxial()), std::fabs(ShearX()), std::fabs(ShearY()), 0.0,
                         0.0};
    const PrincipalMoments m =
        ToPrincipal(*this, SignedDesignMoment(true), SignedDesignMoment(false));

    WriteLine(result, L"Tension check:\n");
    const ShearRatios shear = CheckShear(*this, a, kMemberShearHeadings, kNextLine.shear, result);
    const AxialRatio axial = CheckTension(*this, a.n, result);
    CheckStrutBending(*this, m, shear, axial.u, result);
}

}  // namespace Arbor::Steel::SteelAS4100
