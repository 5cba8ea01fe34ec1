// Section capacities: moment (cl. 5.2), tension (cl. 7.2), shear with coincident moment
// (cl. 5.12.3) and the design moments enlarged by the eccentricity of the axial force.
#include <cmath>

#include "section/AS4100Section.h"
#include "section/ResultSink.h"

namespace Arbor::Steel::SteelAS4100 {

namespace {

struct MomentCapacityText {
    const wchar_t* heading;
    const wchar_t* formula;
};

// cl. 5.2.1: Ms = fy·Ze, with its heading, clause and formula line.
double SectionMomentCapacity(double fy, double ze, const MomentCapacityText& text,
                             CMemberResult* result) {
    WriteLine(result, text.heading);
    WriteLine(result, L"\t<i> ref. AS 4100:1998 cl. 5.2</i>\n");
    const double ms = fy * ze;
    if (IsTextOn(result)) {
        CResultIndent indent(result);
        const CDesFormat& f = result->DesFormat();
        result->AddOutputString(text.formula + f.Stress(fy) + L"*" + f.LCubed(ze) + L"\n     = " +
                                f.Moment(ms) + L"\n");
    }
    return ms;
}

}  // namespace

double CAS4100_98Section::MsXX(CMemberResult* result) const {
    return SectionMomentCapacity(DesignStressMin(), ZxxEffective(),
                                 {L"Determine moment capacity MsXX\n", L"Msxx = Fy*Zex\n     = "},
                                 result);
}

double CAS4100_98Section::MsYY(CMemberResult* result) const {
    return SectionMomentCapacity(DesignStressMin(), ZyyEffective(),
                                 {L"Determine moment capacity Msyy\n", L"Msyy = Fy*Zey\n     = "},
                                 result);
}

double CAS4100_98Section::MsUU(CMemberResult* result) const {
    return SectionMomentCapacity(DesignStressMin(), ZuuEffective(),
                                 {L"Determine moment capacity MsUU\n", L"Msuu = Fy*Zeu\n     = "},
                                 result);
}

double CAS4100_98Section::MsVV(CMemberResult* result) const {
    return SectionMomentCapacity(DesignStressMin(), ZvvEffective(),
                                 {L"Determine moment capacity Msvv\n", L"Msvv = Fy*Zev\n     = "},
                                 result);
}

// cl. 7.2: Nt = min(Ag·fy, 0.85·kt·An·fu).
double CAS4100_98Section::Pt(CMemberResult* result) const {
    const double an = Anet();
    const double ag = Area();
    const double fu = TensileStrength();
    const double fy = DesignStressMin();
    const double kt = Kt();
    const double yieldCapacity = fy * ag;
    const double fractureCapacity = 0.85 * kt * an * fu;
    const double nt = fractureCapacity < yieldCapacity ? fractureCapacity : yieldCapacity;
    if (IsTextOn(result)) {
        const CDesFormat& f = result->DesFormat();
        result->AddOutputString(L"Nt = Ag*fy\n   = " + f.AreaCS(ag) + L" * " + f.Stress(fy) +
                                L"\n   = " + f.Force(yieldCapacity) + L"\n");
        result->AddOutputString(L"Nt = 0.85*Kt*An*fu\n   = 0.85*" + f.NoDim(kt) + L"*" +
                                f.AreaCS(an) + L"*" + f.Stress(fu) + L"\n   = " +
                                f.Force(fractureCapacity) + L"\n");
        result->AddOutputString(L"Nt = " + f.Force(nt) + L"\n");
    }
    return nt;
}

namespace {

double EnhancedMoment(double moment, double delta, const wchar_t* message, CMemberResult* result) {
    if (std::fabs(delta) <= CAS4100_98Section::kNegligibleEccentricityMoment) return moment;
    if (IsTextOn(result)) {
        result->AddOutputString(message + result->DesFormat().Moment(delta) + L"\n");
    }
    return moment + delta;
}

}  // namespace

double CAS4100_98Section::EnhancedMomentXX(CMemberResult* result) const {
    return EnhancedMoment(MomentXX(), DeltaMxx(result),
                          L"Eccentricity in axial force causes the major axis moment: ", result);
}

double CAS4100_98Section::EnhancedMomentYY(CMemberResult* result) const {
    return EnhancedMoment(MomentYY(), DeltaMyy(result),
                          L"Eccentricity in axial force causes the minor axis moment: ", result);
}

// cl. 5.12.3: full shear capacity up to M* = 0.75·φ·Ms, falling linearly to 0.6·Vv at φ·Ms,
// none beyond.
double CAS4100_98Section::InteractionShearCapacity(double Vv, bool major,
                                                   CMemberResult* result) const {
    const double phi = kPhi;
    const double designMoment = std::fabs(SignedDesignMoment(major));
    const double ms = DesignStressMin() * (major ? ZxxEffective() : ZyyEffective());
    if (designMoment >= phi * ms) {
        WriteLine(result, major ? L"Major axis moment utilzation exceeds unity. Shear capacity "
                                  L"is assumed as zero\n"
                                : L"Minor axis moment utilzation exceeds unity. Shear capacity "
                                  L"is assumed as zero\n");
        return 0.0;
    }
    if (designMoment < 0.75 * phi * ms) return Vv;
    const double reduced = Vv * (2.2 - 1.6 * designMoment / (phi * ms));
    if (IsTextOn(result)) {
        const CDesFormat& f = result->DesFormat();
        const wchar_t* formula = major ? L"Vvm = Vv*(2.2 - 1.6*Mx/(Phi*Msx))\n    = "
                                       : L"Vvm = Vv*(2.2 - 1.6*My/(Phi*Msy))\n    = ";
        result->AddOutputString(formula + f.Force(Vv) + L"*(2.2 - 1.6*" + f.Moment(designMoment) +
                                L"/(" + f.NoDim(phi) + L"*" + f.Moment(ms) + L"))\n    = " +
                                f.Force(reduced) + L"\n");
    }
    return reduced;
}

}  // namespace Arbor::Steel::SteelAS4100
