// Shear capacity of the I section (cl. 5.11): the web carries Vy, the two flanges Vx.
// Also the maximum elastic shear stresses for non-uniform shear (cl. 5.11.3), the thickest
// element and the simple St. Venant torsion capacity.
#include <cmath>

#include "section/ResultSink.h"
#include "shapes/FlangedShear.h"
#include "shapes/SectionCalcI.h"

namespace Arbor::Steel::SteelAS4100 {

namespace FS = FlangedShear;

double CSectionCalcI::ShearAreaX(CMemberResult*) const {
    return FS::FlangeArea(*this);
}

double CSectionCalcI::ShearAreaY(CMemberResult*) const {
    return FS::WebShearDepth(*this) * GetTw();
}

bool CSectionCalcI::IsWebYShearSlender() const {
    return FS::IsWebSlender(*this);
}

bool CSectionCalcI::IsWebXShearSlender() const {
    return FS::IsFlangeSlender(*this);
}

double CSectionCalcI::MaxThick() const {
    return FS::ThickestPlate(*this);
}

// Flange shear flow at the web: both outstands of flange 1 with their first moment of area;
// the section is taken as having two flanges like flange 1.
double CSectionCalcI::MaxShearStressX(CMemberResult* result) const {
    const double outstand = (GetB1() - GetTw()) / 2.0;
    const double ayBar = 2.0 * GetT1() * outstand * (GetTw() + outstand) / 2.0;
    return WebShear::MaxStress(L"fvm = Vx*AyBar/(Iyy*2*T1)\n    = ", ShearX(), ayBar, Iyy(), 2,
                               GetT1(), result);
}

double CSectionCalcI::MaxShearStressY(CMemberResult* result) const {
    return FS::WebMaxStress(*this, result);
}

double CSectionCalcI::ShearCapacityY(CMemberResult* result) const {
    return FS::WebCapacity(*this, WebShear::UniformLine::Plain, result);
}

double CSectionCalcI::ShearCapacityX(CMemberResult* result) const {
    return FS::FlangeCapacity(*this, WebShear::UniformLine::Plain, result);
}

// Shear stress of the St. Venant torsion at yield in shear, fy/√3, over the thickest element.
double CSectionCalcI::TorsionCapacity(CMemberResult*) const {
    const double shearYield = DesignStressMin() / std::sqrt(3.0);
    return J() * shearYield / MaxThick();
}

}  // namespace Arbor::Steel::SteelAS4100
