// Shear capacity of the I section (cl. 5.11): the web carries Vy, the two flanges Vx.
// Also the maximum elastic shear stresses for non-uniform shear (cl. 5.11.3), the thickest
// element and the simple St. Venant torsion capacity.
#include <algorithm>
#include <cmath>

#include "section/ResultSink.h"
#include "section/RuleNote.h"
#include "shapes/SectionCalcI.h"
#include "shapes/WebShear.h"

namespace Arbor::Steel::SteelAS4100 {

double CSectionCalcI::ShearAreaX(CMemberResult*) const {
    return GetB1() * GetT1() + GetB2() * GetT2();
}

// Rolled sections take the full depth, welded ones the clear depth between the flanges.
double CSectionCalcI::ShearAreaY(CMemberResult*) const {
    return (IsWelded() ? GetD() - GetT1() - GetT2() : GetD()) * GetTw();
}

namespace {

double WebDpOnTw(bool welded, double d, double t1, double t2, double tw) {
    return (welded ? d - t1 - t2 : d) / tw;
}

// fva = V/Aw with its line, returning "fvm/fva" for the Vv line.
CString AverageStressLines(const wchar_t* formula, double v, double aw, double fvm,
                           CMemberResult* result, const CDesFormat& f) {
    const double fva = v / aw;
    result->AddOutputString(formula + f.Force(v) + L"/" + f.AreaCS(aw) + L"\n    = " +
                            f.Stress(fva) + L"\n");
    return f.Stress(fvm) + L"/" + f.Stress(fva);
}

}  // namespace

// fy of the plates in shear: the web for Vy, the thicker flange for Vx (cl. 5.11.4).
double CSectionCalcI::WebShearStress() const {
    return ShearYieldStress(GetTw());
}
double CSectionCalcI::FlangeShearStress() const {
    return ShearYieldStress(std::max(GetT1(), GetT2()));
}

bool CSectionCalcI::IsWebYShearSlender() const {
    return WebShear::IsShearSlender(WebDpOnTw(IsWelded(), GetD(), GetT1(), GetT2(), GetTw()),
                                    WebShearStress());
}

bool CSectionCalcI::IsWebXShearSlender() const {
    return WebShear::IsShearSlender(std::max(GetB1() / GetT1(), GetB2() / GetT2()),
                                    FlangeShearStress());
}

double CSectionCalcI::MaxThick() const {
    return std::max({GetT1(), GetT2(), GetTw()});
}

// Flange shear flow at the web: both outstands of flange 1 with their first moment of area;
// the section is taken as having two flanges like flange 1.
double CSectionCalcI::MaxShearStressX(CMemberResult* result) const {
    const double vx = std::fabs(ShearX());
    const double outstand = (GetB1() - GetTw()) / 2.0;
    const double ayBar = 2.0 * GetT1() * outstand * (GetTw() + outstand) / 2.0;
    const double fvm = vx * ayBar / (Iyy() * 2.0 * GetT1());
    if (IsTextOn(result)) {
        const CDesFormat& f = result->DesFormat();
        result->AddOutputString(L"fvm = Vx*AyBar/(Iyy*2*T1)\n    = " + f.Force(vx) + L"*" +
                                f.LCubed(ayBar) + L"/(" + f.LFourth(Iyy()) + L"* 2*" +
                                f.LengthSmall(GetT1()) + L")\n    = " + f.Stress(fvm) + L"\n");
    }
    return fvm;
}

// Web shear stress at mid-depth: first moment of the half section above the centre.
double CSectionCalcI::MaxShearStressY(CMemberResult* result) const {
    const double vy = std::fabs(ShearY());
    const double halfDepth = GetD() / 2.0;
    const double halfClear = (GetD() - 2.0 * GetT1()) / 2.0;
    const double ayBar =
        GetB1() * halfDepth * halfDepth / 2.0 - (GetB1() - GetTw()) * halfClear * halfClear / 2.0;
    const double fvm = vy * ayBar / (Ixx() * GetTw());
    if (IsTextOn(result)) {
        const CDesFormat& f = result->DesFormat();
        result->AddOutputString(L"fvm = Vy*AyBar/(Ixx*Tw)\n    = " + f.Force(vy) + L"*" +
                                f.LCubed(ayBar) + L"/(" + f.LFourth(Ixx()) + L"*" +
                                f.LengthSmall(GetTw()) + L")\n    = " + f.Stress(fvm) + L"\n");
    }
    return fvm;
}

double CSectionCalcI::ShearCapacityY(CMemberResult* result) const {
    WriteRuleNote(result, Rules(), L"fy of the web (cl. 5.11.4)");
    const double fy = WebShearStress();
    const double aw = ShearAreaY(result);
    const double dpOnTw = WebDpOnTw(IsWelded(), GetD(), GetT1(), GetT2(), GetTw());
    const double vu = WebShear::UniformCapacity({fy, aw, dpOnTw, IsWebYShearSlender()}, result);
    const double vy = std::fabs(ShearY());
    const double fvm = MaxShearStressY(nullptr);
    return WebShear::NonUniformCapacity(
        vu, fvm / (vy / aw), WebShear::UniformLine::Plain,
        [&](const CDesFormat& f) {
            MaxShearStressY(result);
            return AverageStressLines(L"fva = Vy/Aw\n    = ", vy, aw, fvm, result, f);
        },
        result);
}

double CSectionCalcI::ShearCapacityX(CMemberResult* result) const {
    WriteRuleNote(result, Rules(), L"fy of the flanges (cl. 5.11.4)");
    const double fy = FlangeShearStress();
    const double aw = ShearAreaX(result);
    const double dpOnTw = std::max(GetB2() / GetT2(), GetB1() / GetT1());
    const double vu = WebShear::UniformCapacity({fy, aw, dpOnTw, IsWebXShearSlender()}, result);
    const double vx = std::fabs(ShearX());
    const double fvm = MaxShearStressX(nullptr);
    return WebShear::NonUniformCapacity(
        vu, fvm / (vx / aw), WebShear::UniformLine::Plain,
        [&](const CDesFormat& f) {
            MaxShearStressX(result);
            return AverageStressLines(L"fva = Vx/Aw\n    = ", vx, aw, fvm, result, f);
        },
        result);
}

// Shear stress of the St. Venant torsion at yield in shear, fy/√3, over the thickest element.
double CSectionCalcI::TorsionCapacity(CMemberResult*) const {
    const double shearYield = DesignStressMin() / std::sqrt(3.0);
    return J() * shearYield / MaxThick();
}

}  // namespace Arbor::Steel::SteelAS4100
