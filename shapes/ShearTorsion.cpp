// Shear capacity of the I section (cl. 5.11): the web carries Vy, the two flanges Vx.
// Also the maximum elastic shear stresses for non-uniform shear (cl. 5.11.3), the thickest
// element and the simple St. Venant torsion capacity.
#include <algorithm>
#include <cmath>

#include "section/ResultSink.h"
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

}  // namespace

bool CSectionCalcI::IsWebYShearSlender() const {
    return WebShear::IsShearSlender(WebDpOnTw(IsWelded(), GetD(), GetT1(), GetT2(), GetTw()),
                                    DesignStressMin());
}

bool CSectionCalcI::IsWebXShearSlender() const {
    return WebShear::IsShearSlender(std::max(GetB1() / GetT1(), GetB2() / GetT2()),
                                    DesignStressMin());
}

double CSectionCalcI::MaxThick() const {
    return std::max({GetT1(), GetT2(), GetTw()});
}

// Flange shear flow at the web: both outstands of flange 1 with their first moment of area;
// the section is taken as having two flanges like flange 1.
double CSectionCalcI::MaxShearStressX(CMemberResult* result) const {
    const double outstand = (GetB1() - GetTw()) / 2.0;
    const double ayBar = 2.0 * GetT1() * outstand * (GetTw() + outstand) / 2.0;
    return WebShear::MaxStress(L"fvm = Vx*AyBar/(Iyy*2*T1)\n    = ", ShearX(), ayBar, Iyy(), 2,
                               GetT1(), result);
}

// Web shear stress at mid-depth: first moment of the half section above the centre.
double CSectionCalcI::MaxShearStressY(CMemberResult* result) const {
    return WebShear::MaxStress(L"fvm = Vy*AyBar/(Ixx*Tw)\n    = ", ShearY(),
                               WebShear::HalfIFirstMoment(GetD(), GetB1(), GetT1(), GetTw()), Ixx(),
                               1, GetTw(), result);
}

double CSectionCalcI::ShearCapacityY(CMemberResult* result) const {
    const double dpOnTw = WebDpOnTw(IsWelded(), GetD(), GetT1(), GetT2(), GetTw());
    const WebShear::Plate web{DesignStressMin(), ShearAreaY(result), dpOnTw, IsWebYShearSlender()};
    return WebShear::CapacityFromStresses(
        web, std::fabs(ShearY()), MaxShearStressY(nullptr), [&] { MaxShearStressY(result); },
        L"fva = Vy/Aw\n    = ", WebShear::UniformLine::Plain, result);
}

double CSectionCalcI::ShearCapacityX(CMemberResult* result) const {
    const double dpOnTw = std::max(GetB2() / GetT2(), GetB1() / GetT1());
    const WebShear::Plate flanges{DesignStressMin(), ShearAreaX(result), dpOnTw,
                                  IsWebXShearSlender()};
    return WebShear::CapacityFromStresses(
        flanges, std::fabs(ShearX()), MaxShearStressX(nullptr), [&] { MaxShearStressX(result); },
        L"fva = Vx/Aw\n    = ", WebShear::UniformLine::Plain, result);
}

// Shear stress of the St. Venant torsion at yield in shear, fy/√3, over the thickest element.
double CSectionCalcI::TorsionCapacity(CMemberResult*) const {
    const double shearYield = DesignStressMin() / std::sqrt(3.0);
    return J() * shearYield / MaxThick();
}

}  // namespace Arbor::Steel::SteelAS4100
