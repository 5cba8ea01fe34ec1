// Shear capacity of a plate in shear (cl. 5.11.2, 5.11.3, 5.11.5).
#include "shapes/WebShear.h"

#include <cmath>

#include "section/ResultSink.h"
#include "shapes/Slenderness.h"

namespace Arbor::Steel::SteelAS4100::WebShear {

namespace {
constexpr double kShearSlendernessLimit = 82.0;
}  // namespace

bool IsShearSlender(double dpOnTw, double fy) {
    return dpOnTw > kShearSlendernessLimit / Slenderness::YieldRatio(fy);
}

double UniformCapacity(const Plate& plate, CMemberResult* result) {
    const double yieldCapacity = 0.6 * plate.fy * plate.aw;
    const bool text = IsTextOn(result);
    if (!plate.slender) {
        if (text) {
            const CDesFormat& f = result->DesFormat();
            result->AddOutputString(L"Vu = 0.6*Fy*Aw\n   = 0.6*" + f.Stress(plate.fy) + L" * " +
                                    f.AreaCS(plate.aw) + L"\n   = " + f.Force(yieldCapacity) +
                                    L"\n");
        }
        return yieldCapacity;
    }
    const double slenderness =
        kShearSlendernessLimit / (plate.dpOnTw * Slenderness::YieldRatio(plate.fy));
    const double alphaV = slenderness * slenderness;
    const double vu = alphaV * yieldCapacity;
    if (text) {
        const CDesFormat& f = result->DesFormat();
        result->AddOutputString(L"Vw = 0.6*Fy*Aw\n   = 0.6*" + f.Stress(plate.fy) + L" * " +
                                f.AreaCS(plate.aw) + L"\n   = " + f.Force(yieldCapacity) + L"\n");
        result->AddOutputString(L"dp/tw = " + f.NoDim(plate.dpOnTw) + L"\n");
        result->AddOutputString(L"alphaV = pow(82/(dp/tw*sqrt(fy/250)), 2)\n       = pow(82/(" +
                                f.NoDim(plate.dpOnTw) + L" * sqrt(" + f.Stress(plate.fy) +
                                L"/250)),2)\n       = " + f.NoDim(alphaV) + L"\n");
        result->AddOutputString(L"Vu = alphaV * Vw\n   = " + f.NoDim(alphaV) + L"*" +
                                f.Force(yieldCapacity) + L"\n   = " + f.Force(vu) + L"\n");
    }
    return vu;
}

CString AverageStressLines(const wchar_t* formula, double v, double aw, double fvm,
                           CMemberResult* result, const CDesFormat& f) {
    const double fva = v / aw;
    result->AddOutputString(formula + f.Force(v) + L"/" + f.AreaCS(aw) + L"\n    = " +
                            f.Stress(fva) + L"\n");
    return f.Stress(fvm) + L"/" + f.Stress(fva);
}

double NonUniformCapacity(double vu, double stressRatio, UniformLine uniformLine,
                          RatioLines ratioLines, CMemberResult* result) {
    const double factor = 2.0 / (stressRatio + 0.9);
    // A NaN factor compares false both ways and takes the uniform branch.
    if (!(factor < 1.0)) {
        if (IsTextOn(result)) {
            const wchar_t* end =
                uniformLine == UniformLine::Plain ? L"\n" : L" ref. AS 4100:1998 cl. 5.11.2\n";
            result->AddOutputString(L"Vv = " + result->DesFormat().Force(vu) + end);
        }
        return vu;
    }
    const double vv = factor * vu;
    if (IsTextOn(result)) {
        const CString ratioText = ratioLines(result->DesFormat());
        const CDesFormat& f = result->DesFormat();
        result->AddOutputString(L"Vv = 2*Vu/(0.9+(fvm/fva))\n   = 2*" + f.Force(vu) + L"/(0.9 + (" +
                                ratioText + L"))\n   = " + f.Force(vv) +
                                L" ref. AS 4100:1998 cl. 5.11.3\n");
    }
    return vv;
}

double HalfIFirstMoment(double D, double B, double T, double tw) {
    const double halfDepth = D / 2.0;
    const double halfClear = (D - 2.0 * T) / 2.0;
    return B * halfDepth * halfDepth / 2.0 - (B - tw) * halfClear * halfClear / 2.0;
}

double MaxStress(const wchar_t* formula, double v, double ayBar, double inertia, int plates,
                 double t, CMemberResult* result) {
    const double fvm = std::fabs(v) * ayBar / (inertia * plates * t);
    if (IsTextOn(result)) {
        const CDesFormat& f = result->DesFormat();
        result->AddOutputString(formula + f.Force(std::fabs(v)) + L"*" + f.LCubed(ayBar) + L"/(" +
                                f.LFourth(inertia) + (plates == 2 ? L"* 2*" : L"*") +
                                f.LengthSmall(t) + L")\n    = " + f.Stress(fvm) + L"\n");
    }
    return fvm;
}

double CapacityFromStresses(const Plate& plate, double v, double fvm, CallbackRef<void()> fvmLine,
                            const wchar_t* fvaFormula, UniformLine uniformLine,
                            CMemberResult* result) {
    const double vu = UniformCapacity(plate, result);
    const double fva = v / plate.aw;
    return NonUniformCapacity(
        vu, fvm / fva, uniformLine,
        [&](const CDesFormat& f) {
            fvmLine();
            result->AddOutputString(fvaFormula + f.Force(v) + L"/" + f.AreaCS(plate.aw) +
                                    L"\n    = " + f.Stress(fva) + L"\n");
            return f.Stress(fvm) + L"/" + f.Stress(fva);
        },
        result);
}

double QuickCapacityFromStresses(double vu, double aw, double v, double fvm) {
    const double fva = v / aw;
    return NonUniformCapacity(
        vu, fvm / fva, UniformLine::Plain, [](const CDesFormat&) { return CString(); }, nullptr);
}

}  // namespace Arbor::Steel::SteelAS4100::WebShear
