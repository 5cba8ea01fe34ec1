// Gross properties of the host's channel geometry: plates plus the two root fillets.
#include "host/SectGeomPFC.h"

#include <algorithm>
#include <cmath>

#include "host/MemberResult.h"
#include "host/SectionParts.h"

namespace Arbor::Steel {

namespace {

namespace SP = SectionParts;
using SP::Part;

// Along y (major axis): flange 1 at the bottom, the web, flange 2 on top, one fillet on the
// inner face of each flange.
std::vector<Part> MajorParts(double D, double B, double T, double tw, double r) {
    std::vector<Part> parts{{Part::Plate, 0.0, T, B, false},
                            {Part::Plate, T, D - T, tw, false},
                            {Part::Plate, D - T, D, B, false}};
    if (r > 0.0) {
        parts.push_back({Part::FilletPair, T, r, 0.0, true, 1});
        parts.push_back({Part::FilletPair, D - T, r, 0.0, false, 1});
    }
    return parts;
}

// Along x (minor axis) from the back of the web: the web the full depth, the two flanges
// beyond it, the two fillets on the web's inner face.
std::vector<Part> MinorParts(double D, double B, double T, double tw, double r) {
    std::vector<Part> parts{{Part::Plate, 0.0, tw, D, false}, {Part::Plate, tw, B, 2.0 * T, false}};
    if (r > 0.0) parts.push_back({Part::FilletPair, tw, r, 0.0, true, 2});
    return parts;
}

// St Venant torsion constant after El Darwish & Johnston (1965): each flange an outstand with
// one free end, the web between the flanges, and the two corners.
double TorsionConstant(double D, double T, double tw, double r, double B) {
    return 2.0 * SP::OutstandTorsion(B, T) + (D - 2.0 * T) * std::pow(tw, 3) / 3.0 +
           2.0 * SP::CornerJointTorsion(T, tw, r);
}

// Why a set of dimensions makes no channel, naming the dimension and its value (empty when
// they make one).
std::wstring Refusal(const std::vector<double>& v) {
    if (std::wstring why = SP::SizeRefusal(v, {L"D", L"B", L"T", L"tw", L"r"}, 4); !why.empty())
        return why;
    const double D = v[0], B = v[1], T = v[2], tw = v[3], r = v[4];
    if (2.0 * T >= D)
        return L"2T = " + SP::Metres(2.0 * T) + L" is not less than D = " + SP::Metres(D);
    if (tw >= B)
        return L"tw = " + SP::Metres(tw) + L" is not less than the flange width B = " +
               SP::Metres(B);
    if (r > B - tw)
        return L"r = " + SP::Metres(r) + L" exceeds the flange outstand " + SP::Metres(B - tw);
    if (2.0 * r > D - 2.0 * T)
        return L"r = " + SP::Metres(r) + L" exceeds half the clear web depth " +
               SP::Metres((D - 2.0 * T) / 2.0);
    return {};
}

}  // namespace

GrossProperties CDesSectGeomPFC::Compute(double D, double B, double T, double tw, double r,
                                         double& x0) {
    GrossProperties p;
    const SP::StackProperties major = SP::Stack(MajorParts(D, B, T, tw, r), D);
    const SP::StackProperties minor = SP::Stack(MinorParts(D, B, T, tw, r), B);
    p.area = major.area;
    p.ybar = p.ybarPlastic = D / 2.0;
    p.ixx = p.iuu = major.inertia;
    p.zxx = p.ixx / (D / 2.0);
    p.sxx = major.plasticModulus;
    p.xbar = minor.centroid;
    p.xbarPlastic = minor.plasticAxis;
    p.iyy = p.ivv = minor.inertia;
    p.zyy = p.iyy / std::max(p.xbar, B - p.xbar);
    p.syy = minor.plasticModulus;
    p.j = TorsionConstant(D, T, tw, r, B);
    // Shear centre e from the web's centre line, e = T·(b·h)²/(4·Ixx) with b = B − tw/2 and
    // h = D − T between flange centres; the warping constant about it is that about the web
    // line, (h²/4)·Iy,web, less e²·Ixx.
    const double h = D - T;
    const double e = T * std::pow((B - tw / 2.0) * h, 2) / (4.0 * p.ixx);
    const double webOffset = p.xbar - tw / 2.0;
    p.iw = h * h / 4.0 * (p.iyy + p.area * webOffset * webOffset) - e * e * p.ixx;
    x0 = webOffset + e;
    return p;
}

bool CDesSectGeomPFC::SetArborSec(const Arbor::Data::CSection& section, CMemberResult* result) {
    if (section.Shape() != Arbor::Data::SecShape::PFC) return false;
    const std::vector<double>& v = section.Dimensions();
    if (const std::wstring why = Refusal(v); !why.empty()) {
        if (result && result->TextEnabled())
            result->AddOutputString(L"Section dimensions refused: " + why + L"\n");
        return false;
    }
    D_ = v[0], B_ = v[1], T_ = v[2], tw_ = v[3], r_ = v[4];
    SetCodes(section.Category(), section.FabricationCode());
    p_ = Compute(D_, B_, T_, tw_, r_, x0_);
    if (const auto& published = section.Published()) {
        TakePublished(*published, p_);
        p_.iuu = p_.ixx;
        p_.ivv = p_.iyy;
        if (!std::isnan(published->xL)) p_.xbar = published->xL;
        if (!std::isnan(published->xO)) x0_ = published->xO;
    }
    return true;
}

CString CDesSectGeomPFC::SectGeomString(const CDesFormat& format) const {
    const auto line = [&](const wchar_t* label, double value) {
        return CString(L"\t") + label + L" = " + format.LengthSmall(value) + L"\n";
    };
    return L"Section dimensions:\n" + line(L"D   ", D_) + line(L"B   ", B_) + line(L"T   ", T_) +
           line(L"tw  ", tw_) + line(L"r   ", r_) + line(L"x0  ", x0_);
}

}  // namespace Arbor::Steel
