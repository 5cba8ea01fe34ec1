// Helpers of the host library's tests: table units, section records, report search.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "host/MemberResult.h"
#include "host/Section.h"

namespace host_test {

namespace Shape = Arbor::Data::SecShape;
namespace Category = Arbor::Data::ResidualStress;
using Arbor::Data::CSection;

// The tables' units in SI.
constexpr double mm = 1e-3, mm2 = 1e-6, mm3 = 1e-9, mm4 = 1e-12, mm6 = 1e-18, MPa = 1e6;

inline CSection MakeSection(std::vector<double> dims, int shape = Shape::WeldedI,
                            unsigned category = Category::HW, const CString& name = L"test I") {
    CSection section(name);
    section.SetShape(shape);
    section.SetDimensions(std::move(dims));
    section.SetCategory(category);
    section.SetFabricationCode(2);
    return section;
}

// 310UB40.4 as its dimensions, no published properties.
inline CSection Ub310() {
    return MakeSection({0.304, 0.165, 0.0102, 0.165, 0.0102, 0.0061, 0.0114}, Shape::I,
                       Category::HR, L"310UB40.4");
}

inline bool ReportContains(const Arbor::Steel::CMemberResult& result, const CString& words) {
    for (const auto& piece : result.Report())
        if (piece.text.find(words) != CString::npos) return true;
    return false;
}

}  // namespace host_test
