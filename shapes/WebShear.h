// Shear capacity of a web or of flanges in shear (cl. 5.11), written once for the open
// sections: the I section, the channel and the T each supply their own shear area, plate
// slenderness dp/tw and ratio of maximum to average shear stress.
#pragma once

#include <memory>
#include <type_traits>
#include <utility>

#include "host/MemberResult.h"

namespace Arbor::Steel::SteelAS4100::WebShear {

// Plate slenderness limit 82/sqrt(fy/250) of cl. 5.11.2; beyond it the plate is shear-slender.
bool IsShearSlender(double dpOnTw, double fy);

struct Plate {
    double fy = 0.0;       // design yield stress
    double aw = 0.0;       // shear area Aw
    double dpOnTw = 0.0;   // plate slenderness dp/tw
    bool slender = false;  // dp/tw beyond the limit of cl. 5.11.2
};

// Uniform shear capacity Vu: 0.6·fy·Aw for a stocky plate (cl. 5.11.2(a)), αv·Vw with
// αv = (82/((dp/tw)·sqrt(fy/250)))² for a slender one (cl. 5.11.5), with its report lines.
double UniformCapacity(const Plate& plate, CMemberResult* result);

// The end of the "Vv = " line when the shear is taken as uniform: "\n" for the I section,
// " ref. AS 4100:1998 cl. 5.11.2\n" for the channel and the T.
enum class UniformLine { Plain, WithClause };

// A callable borrowed for the length of one call: unlike std::function it never allocates,
// so the report callbacks cost nothing on a quick check.
template <typename Signature>
class CallbackRef;
template <typename R, typename... Args>
class CallbackRef<R(Args...)> {
  public:
    template <typename F,
              typename = std::enable_if_t<!std::is_same_v<std::decay_t<F>, CallbackRef>>>
    CallbackRef(F&& f)  // NOLINT: implicit, as a lambda argument
        : object_(const_cast<void*>(static_cast<const void*>(std::addressof(f)))),
          call_([](void* o, Args... args) -> R {
              return (*static_cast<std::remove_reference_t<F>*>(o))(std::forward<Args>(args)...);
          }) {}
    R operator()(Args... args) const { return call_(object_, std::forward<Args>(args)...); }

  private:
    void* object_;
    R (*call_)(void*, Args...);
};

// Writes the lines that explain the stress ratio (when reporting the non-uniform case) and
// returns the text shown between "(0.9 + (" and "))" in the Vv line.
using RatioLines = CallbackRef<CString(const CDesFormat& format)>;

// The average stress line "fva = V/Aw" (`formula` opens it) for the non-uniform case; returns
// "fvm/fva" for the Vv line.
CString AverageStressLines(const wchar_t* formula, double v, double aw, double fvm,
                           CMemberResult* result, const CDesFormat& f);

// Non-uniform shear (cl. 5.11.3): Vv = 2·Vu/(0.9 + fvm/fva), never more than Vu. A ratio that
// is not a number (zero shear force) takes the uniform capacity.
double NonUniformCapacity(double vu, double stressRatio, UniformLine uniformLine,
                          RatioLines ratioLines, CMemberResult* result);

// First moment AyBar of the half of an I or channel section above mid-depth (flange B × T,
// web tw): B·(D/2)²/2 − (B − tw)·((D − 2T)/2)²/2.
double HalfIFirstMoment(double D, double B, double T, double tw);

// Maximum elastic shear stress fvm = |V|·AyBar/(I·n·t) over n plates t thick, with its report
// line opened by `formula` ("fvm = Vy*AyBar/(Ixx*Tw)\n    = "); n = 2 shows as "* 2*".
double MaxStress(const wchar_t* formula, double v, double ayBar, double inertia, int plates,
                 double t, CMemberResult* result);

// The whole procedure for a plate whose non-uniform factor comes from the maximum elastic shear
// stress fvm (the I section and the channel): Vu, then Vv with fva = |V|/Aw. `fvmLine` writes
// the fvm line into the report; `fvaFormula` opens the fva line ("fva = Vy/Aw\n    = ").
double CapacityFromStresses(const Plate& plate, double v, double fvm, CallbackRef<void()> fvmLine,
                            const wchar_t* fvaFormula, UniformLine uniformLine,
                            CMemberResult* result);

// CapacityFromStresses with the report off, from the plate's Vu (as UniformCapacity gives it)
// and Aw: the same arithmetic, none of the shear-force-independent work.
double QuickCapacityFromStresses(double vu, double aw, double v, double fvm);

}  // namespace Arbor::Steel::SteelAS4100::WebShear
