// Steel grade with thickness bands (ArData).
#pragma once

#include <vector>

#include "host/CString.h"
#include "host/DesFormat.h"

namespace Arbor::Data {

// One row of a grade: it applies to a thickness t when t < bound (Less), t <= bound
// (LessEqual) or always (Any). Rows are tried in order.
struct GradeBand {
    enum Op { Less, LessEqual, Any };
    Op op = Any;
    double bound = 0.0;  // metres
    double fy = 0.0;     // pascals
    double fu = 0.0;     // pascals
};

class CSteelGrade {
public:
    CSteelGrade() = default;
    CSteelGrade(const CString& name, std::vector<GradeBand> bands, double E = 2.0e11,
                double G = 8.0e10)
        : name_(name), bands_(std::move(bands)), E_(E), G_(G) {}

    const CString& Name() const { return name_; }
    const std::vector<GradeBand>& Bands() const { return bands_; }

    // fy and fu for plate thickness t (metres): the first band that holds; the last band
    // when none does; 0 for a grade without bands.
    double DesignStrength(double t) const;
    double TensileStrength(double t) const;
    double YoungsModulus() const { return E_; }
    double ShearModulus() const { return G_; }

    // "Steel grade: 300PLUS (fy = 320.0 MPa, fu = 440.0 MPa at t = 10.2 mm)\n" for the report.
    CString GetString(const Arbor::Util::CDesFormat& format, double t) const;

private:
    const GradeBand* BandFor(double t) const;

    CString name_;
    std::vector<GradeBand> bands_;
    double E_ = 2.0e11;
    double G_ = 8.0e10;
};

}  // namespace Arbor::Data

namespace Arbor::Steel {
using Arbor::Data::CSteelGrade;
}
