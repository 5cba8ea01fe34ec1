// Shear (cl. 5.11) of the sections with two flanges B1 × T1, B2 × T2 and a web tw over the
// depth D, the I section and the channel: the same areas, slenderness and procedures, read
// through the calculator's own geometry accessors and stress operations.
#pragma once

#include <algorithm>
#include <cmath>

#include "shapes/WebShear.h"

namespace Arbor::Steel::SteelAS4100::FlangedShear {

template <typename Calc>
double FlangeArea(const Calc& c) {
    return c.GetB1() * c.GetT1() + c.GetB2() * c.GetT2();
}

// Rolled sections take the full depth, welded ones the clear depth between the flanges.
template <typename Calc>
double WebShearDepth(const Calc& c) {
    return c.IsWelded() ? c.GetD() - c.GetT1() - c.GetT2() : c.GetD();
}

// The slenderer flange, B/T.
template <typename Calc>
double FlangeDpOnTw(const Calc& c) {
    return std::max(c.GetB2() / c.GetT2(), c.GetB1() / c.GetT1());
}

template <typename Calc>
bool IsWebSlender(const Calc& c) {
    return WebShear::IsShearSlender(WebShearDepth(c) / c.GetTw(), c.DesignStressMin());
}

template <typename Calc>
bool IsFlangeSlender(const Calc& c) {
    return WebShear::IsShearSlender(FlangeDpOnTw(c), c.DesignStressMin());
}

template <typename Calc>
double ThickestPlate(const Calc& c) {
    return std::max({c.GetT1(), c.GetT2(), c.GetTw()});
}

// Web shear stress at mid-depth: first moment of the half section above the centre.
template <typename Calc>
double WebMaxStress(const Calc& c, CMemberResult* result) {
    return WebShear::MaxStress(
        L"fvm = Vy*AyBar/(Ixx*Tw)\n    = ", c.ShearY(),
        WebShear::HalfIFirstMoment(c.GetD(), c.GetB1(), c.GetT1(), c.GetTw()), c.Ixx(), 1,
        c.GetTw(), result);
}

template <typename Calc>
double WebCapacity(const Calc& c, WebShear::UniformLine line, CMemberResult* result) {
    const WebShear::Plate web{c.DesignStressMin(), c.ShearAreaY(result),
                              WebShearDepth(c) / c.GetTw(), c.IsWebYShearSlender()};
    return WebShear::CapacityFromStresses(
        web, std::fabs(c.ShearY()), c.MaxShearStressY(nullptr), [&] { c.MaxShearStressY(result); },
        L"fva = Vy/Aw\n    = ", line, result);
}

template <typename Calc>
double FlangeCapacity(const Calc& c, WebShear::UniformLine line, CMemberResult* result) {
    const WebShear::Plate flanges{c.DesignStressMin(), c.ShearAreaX(result), FlangeDpOnTw(c),
                                  c.IsWebXShearSlender()};
    return WebShear::CapacityFromStresses(
        flanges, std::fabs(c.ShearX()), c.MaxShearStressX(nullptr),
        [&] { c.MaxShearStressX(result); }, L"fva = Vx/Aw\n    = ", line, result);
}

}  // namespace Arbor::Steel::SteelAS4100::FlangedShear
