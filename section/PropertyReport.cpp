// Section property block of the full report: description, gross properties, grade, the two
// user factors and the local buckling classes in pure compression and pure bending (cl. 5.2).
#include <memory>
#include <numbers>

#include "section/AS4100Section.h"

namespace Arbor::Steel::SteelAS4100 {

namespace {

CString PropertyLine(const wchar_t* label, const CString& value) {
    return label + value + L"\n";
}

}  // namespace

CString CAS4100_98Section::SectPropString(const CDesFormat& format) {
    const bool strutOrTie = IsStrutAndTieOnly();
    CString text = L"Section description:\n";
    text += L"\t" + GetArborSec().Description() + L"\n";
    text += L"Section Properties:\n";
    text += PropertyLine(L"\tA    = ", format.AreaCS(Area()));
    text += PropertyLine(L"\tIxx  = ", format.LFourth(Ixx()));
    text += PropertyLine(L"\tIyy  = ", format.LFourth(Iyy()));
    text += PropertyLine(L"\tJ    = ", format.LFourth(J()));
    if (!IsDoublySymmetric()) {
        text += PropertyLine(L"\tIuu  = ", format.LFourth(Iuu()));
        text += PropertyLine(L"\tIvv  = ", format.LFourth(Ivv()));
        text += PropertyLine(L"\tIxy  = ", format.LFourth(Ixy()));
        text += L"\tAlpha  = " + format.NoDim(Alpha() * 180.0 / std::numbers::pi) + L" deg\n";
    }
    if (!strutOrTie) {
        text += PropertyLine(L"\tSxx  = ", format.LCubed(Sxx()));
        text += PropertyLine(L"\tSyy  = ", format.LCubed(Syy()));
        text += PropertyLine(L"\tZxx  = ", format.LCubed(Zxx()));
        text += PropertyLine(L"\tZyy  = ", format.LCubed(Zyy()));
    }
    text += PropertyLine(L"\txbar = ", format.LengthSmall(Xbar()));
    text += PropertyLine(L"\tybar = ", format.LengthSmall(Ybar()));
    text += Grade().GetString(format, MaxThick());
    text += L"Net to gross area ratio = <b>" + format.NoDim(NetAreaRatio()) + L"</b>\n";
    if (!strutOrTie) {
        text += L"Maximum plastic/elastic bending capacity ratio: <b>" +
                format.NoDim(PlasticElasticRatio()) + L"</b>";
        if (IsPlasticElasticRatioDefault()) text += L" (default value)";
        text += L"\n";
    }

    // The classes are asked on a copy so that the actions of this section stay untouched:
    // in compression at the squash load, in bending with no axial force.
    std::unique_ptr<CAS4100_98Section> copy(Clone());
    text += L"Local buckling classification\n";
    text += L"\t<i>(in pure compression, or pure bending):</i>\n";
    copy->SetForceAxial(-DesignStressMin() * Area());
    text += L"\tOverall/Compression: <b>" + GetLBCString(copy->BucklingClassOverAll(nullptr)) +
            L"</b>\n";
    if (!strutOrTie) {
        copy->SetForceAxial(0.0);
        text += L"\tLocal buckling class XX(major) axis: <b>" +
                GetLBCString(copy->BucklingClassXX(nullptr)) + L"</b>\n";
        text += L"\tLocal buckling class YY(minor) axis: <b>" +
                GetLBCString(copy->BucklingClassYY(nullptr)) + L"</b>\n";
    }
    return text;
}

}  // namespace Arbor::Steel::SteelAS4100
