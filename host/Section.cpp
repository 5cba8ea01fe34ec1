// Section record of the host's section library.
#include "host/Section.h"

#include <array>
#include <cmath>
#include <limits>

#include "host/DesFormat.h"

namespace Arbor::Data {

namespace {

constexpr double kNotPublished = std::numeric_limits<double>::quiet_NaN();

const wchar_t* ShapeWords(int shape) {
    switch (shape) {
        case SecShape::I:
            return L"I section";
        case SecShape::WeldedI:
            return L"welded I section";
        case SecShape::PFC:
            return L"parallel-flange channel";
        case SecShape::T:
            return L"T section";
        case SecShape::Angle:
            return L"angle";
        case SecShape::CHS:
            return L"circular hollow section";
        case SecShape::RHS:
            return L"rectangular hollow section";
        default:
            return nullptr;
    }
}

const wchar_t* CategoryWords(unsigned category) {
    switch (category) {
        case ResidualStress::HW:
            return L"heavily welded";
        case ResidualStress::HR:
            return L"hot-rolled";
        case ResidualStress::CF:
            return L"cold-formed";
        case ResidualStress::LW:
            return L"lightly welded";
        case ResidualStress::SR:
            return L"stress-relieved";
        default:
            return nullptr;
    }
}

bool IsI(int shape) {
    return shape == SecShape::I || shape == SecShape::WeldedI;
}

// "D = 304.0 mm, B1 = 165.0 mm, ..." for an I section; other shapes list their dimensions in
// the order held, "100.0 × 50.0 × 4.0 mm".
CString DimensionWords(int shape, const std::vector<double>& dims) {
    static constexpr std::array<const wchar_t*, 7> kINames = {L"D",  L"B1", L"T1", L"B2",
                                                              L"T2", L"tw", L"r"};
    const Arbor::Util::CDesFormat format;
    CString text;
    if (IsI(shape) && dims.size() == kINames.size()) {
        for (size_t i = 0; i < dims.size(); ++i)
            text += (i ? L", " : L"") + CString(kINames[i]) + L" = " + format.LengthSmall(dims[i]);
        return text;
    }
    for (size_t i = 0; i < dims.size(); ++i) {
        const CString mm = format.LengthSmall(dims[i]);
        const bool last = i + 1 == dims.size();
        // the unit once, after the last dimension
        text += (i ? L" × " : L"") + (last ? mm : mm.substr(0, mm.rfind(L" mm")));
    }
    return text;
}

}  // namespace

PublishedProperties::PublishedProperties()
    : Ag(kNotPublished),
      Ix(kNotPublished),
      Iy(kNotPublished),
      Zx(kNotPublished),
      Zy(kNotPublished),
      Sx(kNotPublished),
      Sy(kNotPublished),
      J(kNotPublished),
      Iw(kNotPublished) {}

CSection::CSection() = default;

CSection::CSection(const CString& name) : name_(name) {}

// "310UB40.4, I section, hot-rolled, D = 304.0 mm, ..." with the parts switched on; a code
// without words is shown as its number.
CString CSection::Description(bool withShape, bool withCategory, bool withDimensions) const {
    CString text = name_;
    auto append = [&text](const CString& part) {
        if (part.empty()) return;
        text += (text.empty() ? L"" : L", ") + part;
    };
    if (withShape) {
        const wchar_t* words = ShapeWords(shape_);
        append(words ? CString(words) : L"shape code " + std::to_wstring(shape_));
    }
    if (withCategory) {
        const wchar_t* words = CategoryWords(category_);
        append(words ? CString(words) : L"residual stress category " + std::to_wstring(category_));
    }
    if (withDimensions) append(DimensionWords(shape_, dims_));
    return text;
}

}  // namespace Arbor::Data
