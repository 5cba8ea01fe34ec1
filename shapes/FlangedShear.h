// Shear (cl. 5.11) of the sections with two flanges B1 × T1, B2 × T2 and a web tw over the
// depth D, the I section and the channel: the same areas, slenderness and procedures, read
// through the calculator's own geometry accessors and stress operations.
#pragma once

#include <algorithm>
#include <cmath>

#include "section/RuleNote.h"
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

// fy of the plates in shear (cl. 5.11.4): the web for Vy, the thicker flange for Vx (the
// section's design stress by the rules as written).
template <typename Calc>
double WebShearStress(const Calc& c) {
    return c.ShearYieldStress(c.GetTw());
}
template <typename Calc>
double FlangeShearStress(const Calc& c) {
    return c.ShearYieldStress(std::max(c.GetT1(), c.GetT2()));
}

template <typename Calc>
bool IsWebSlender(const Calc& c) {
    return WebShear::IsShearSlender(WebShearDepth(c) / c.GetTw(), WebShearStress(c));
}

template <typename Calc>
bool IsFlangeSlender(const Calc& c) {
    return WebShear::IsShearSlender(FlangeDpOnTw(c), FlangeShearStress(c));
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

// The plates in shear (cl. 5.11.2, 5.11.4): the web for Vy, the flanges for Vx.
template <typename Calc>
WebShear::Plate WebPlate(const Calc& c, CMemberResult* result) {
    return {WebShearStress(c), c.ShearAreaY(result), WebShearDepth(c) / c.GetTw(),
            c.IsWebYShearSlender()};
}
template <typename Calc>
WebShear::Plate FlangePlate(const Calc& c, CMemberResult* result) {
    return {FlangeShearStress(c), c.ShearAreaX(result), FlangeDpOnTw(c), c.IsWebXShearSlender()};
}

// With the report off, Vu of the plate is kept per section revision: only the stress ratio of
// the actual shear force is worked out.
template <typename Calc>
double QuickCapacity(const Calc& c, bool xDirection, double v, double fvm) {
    const double vu = c.KeptUniformShear(xDirection, [&] {
        return WebShear::UniformCapacity(
            xDirection ? FlangePlate(c, nullptr) : WebPlate(c, nullptr), nullptr);
    });
    const double aw = xDirection ? c.ShearAreaX(nullptr) : c.ShearAreaY(nullptr);
    return WebShear::QuickCapacityFromStresses(vu, aw, v, fvm);
}

template <typename Calc>
double WebCapacity(const Calc& c, WebShear::UniformLine line, CMemberResult* result) {
    if (!IsTextOn(result))
        return QuickCapacity(c, false, std::fabs(c.ShearY()), c.MaxShearStressY(nullptr));
    WriteRuleNote(result, c.Rules(), L"fy of the web (cl. 5.11.4)");
    return WebShear::CapacityFromStresses(
        WebPlate(c, result), std::fabs(c.ShearY()), c.MaxShearStressY(nullptr),
        [&] { c.MaxShearStressY(result); }, L"fva = Vy/Aw\n    = ", line, result);
}

template <typename Calc>
double FlangeCapacity(const Calc& c, WebShear::UniformLine line, CMemberResult* result) {
    if (!IsTextOn(result))
        return QuickCapacity(c, true, std::fabs(c.ShearX()), c.MaxShearStressX(nullptr));
    WriteRuleNote(result, c.Rules(), L"fy of the flanges (cl. 5.11.4)");
    return WebShear::CapacityFromStresses(
        FlangePlate(c, result), std::fabs(c.ShearX()), c.MaxShearStressX(nullptr),
        [&] { c.MaxShearStressX(result); }, L"fva = Vx/Aw\n    = ", line, result);
}

}  // namespace Arbor::Steel::SteelAS4100::FlangedShear
