// Gross properties of the host's circular hollow section geometry.
#include "host/SectGeomCHS.h"

#include <cmath>
#include <numbers>

#include "host/MemberResult.h"

namespace Arbor::Steel {

namespace {

using std::numbers::pi;

// Why a set of dimensions makes no tube, naming the dimension and its value (empty when they
// make one).
CString Refusal(const std::vector<double>& v) {
    if (v.size() != 2) return L"expected 2 dimensions (D, t), got " + std::to_wstring(v.size());
    const CDesFormat f;
    if (!std::isfinite(v[0]) || v[0] <= 0.0)
        return L"D = " + f.LengthSmall(v[0]) + L" is not a valid size";
    if (!std::isfinite(v[1]) || v[1] <= 0.0)
        return L"t = " + f.LengthSmall(v[1]) + L" is not a valid size";
    if (2.0 * v[1] >= v[0]) {
        return L"t = " + f.LengthSmall(v[1]) + L" is not less than half of D = " +
               f.LengthSmall(v[0]);
    }
    return {};
}

}  // namespace

GrossProperties CDesSectGeomCHS::Compute(double D, double t) {
    const double d = D - 2.0 * t;  // inside diameter
    GrossProperties p;
    p.area = pi / 4.0 * (D * D - d * d);
    p.ixx = p.iyy = p.iuu = p.ivv = pi / 64.0 * (std::pow(D, 4) - std::pow(d, 4));
    p.zxx = p.zyy = p.ixx / (D / 2.0);
    p.sxx = p.syy = (std::pow(D, 3) - std::pow(d, 3)) / 6.0;
    p.xbar = p.ybar = p.xbarPlastic = p.ybarPlastic = D / 2.0;
    p.j = 2.0 * p.ixx;
    return p;
}

bool CDesSectGeomCHS::SetArborSec(const Arbor::Data::CSection& section, CMemberResult* result) {
    if (section.Shape() != Arbor::Data::SecShape::CHS) return false;
    const std::vector<double>& v = section.Dimensions();
    if (const CString why = Refusal(v); !why.empty()) {
        if (result && result->TextEnabled()) {
            result->AddOutputString(L"Section dimensions refused: " + why + L"\n");
        }
        return false;
    }
    D_ = v[0], t_ = v[1];
    SetCodes(section.Category(), section.FabricationCode());
    p_ = Compute(D_, t_);
    if (const auto& published = section.Published()) {
        TakePublished(*published, p_);
        p_.iuu = p_.ixx;
        p_.ivv = p_.iyy;
    }
    return true;
}

CString CDesSectGeomCHS::SectGeomString(const CDesFormat& format) const {
    return L"Section dimensions:\n\tD    = " + format.LengthSmall(D_) + L"\n\tt    = " +
           format.LengthSmall(t_) + L"\n";
}

}  // namespace Arbor::Steel
