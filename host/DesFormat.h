// Number formatter of the host's report (ArUtil): SI values in, engineering units out.
#pragma once

#include "host/CString.h"

namespace Arbor::Util {

class CDesFormat {
public:
    // Each takes an SI value and returns it in engineering units with the unit word:
    // m, mm, mm², 10³ mm³, 10⁶ mm⁴, 10⁹ mm⁶, kN, kN·m, MPa; NoDim and Util carry no unit.
    // Infinity prints as "inf", NaN as "nan".
    CString Length(double metres) const;        // "6.000 m"
    CString LengthSmall(double metres) const;   // "304.0 mm"
    CString AreaCS(double m2) const;            // "5210 mm²"
    CString LCubed(double m3) const;            // "633.0×10³ mm³"
    CString LFourth(double m4) const;           // "86.40×10⁶ mm⁴"
    CString LSixth(double m6) const;            // "118.0×10⁹ mm⁶"
    CString Force(double newtons) const;        // "123.45 kN"
    CString Moment(double newtonMetres) const;  // "45.00 kN·m"
    CString Stress(double pascals) const;       // "320.0 MPa"
    CString NoDim(double value) const;          // "0.852"
    CString Util(double value) const;           // "0.852"
    CString Int(int value) const;               // "3"
};

}  // namespace Arbor::Util

namespace Arbor::Steel {
using Arbor::Util::CDesFormat;
}
