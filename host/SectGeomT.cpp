// Gross properties of the host's T-section geometry: plates plus the two root fillets.
#include "host/SectGeomT.h"

#include <cmath>

#include "host/MemberResult.h"
#include "host/SectionParts.h"

namespace Arbor::Steel {

namespace {

namespace SP = SectionParts;
using SP::Part;

// Along y from the stem tip: the stem, the flange, the two fillets under the flange.
std::vector<Part> MajorParts(double D, double B, double T, double tw, double r) {
    std::vector<Part> parts{{Part::Plate, 0.0, D - T, tw, false},
                            {Part::Plate, D - T, D, B, false}};
    if (r > 0.0) parts.push_back({Part::FilletPair, D - T, r, 0.0, false, 2});
    return parts;
}

// Minor axis: every part is centred on the stem's centre line.
void MinorAxis(double D, double B, double T, double tw, double r, GrossProperties& p) {
    const double stem = D - T;
    p.iyy = (T * B * B * B + stem * tw * tw * tw) / 12.0;
    p.syy = (T * B * B + stem * tw * tw) / 4.0;
    if (r > 0.0) {
        const double arm = tw / 2.0 + SP::SpandrelCentroid(r);
        p.iyy += 2.0 * (SP::SpandrelInertia(r) + SP::SpandrelArea(r) * arm * arm);
        p.syy += 2.0 * SP::SpandrelArea(r) * arm;
    }
    p.xbar = p.xbarPlastic = B / 2.0;
    p.zyy = p.iyy / (B / 2.0);
}

// Why a set of dimensions makes no T section, naming the dimension and its value (empty when
// they make one).
std::wstring Refusal(const std::vector<double>& v) {
    if (std::wstring why = SP::SizeRefusal(v, {L"D", L"B", L"T", L"tw", L"r"}, 4); !why.empty())
        return why;
    const double D = v[0], B = v[1], T = v[2], tw = v[3], r = v[4];
    if (T >= D) return L"T = " + SP::Metres(T) + L" is not less than D = " + SP::Metres(D);
    if (tw >= B)
        return L"tw = " + SP::Metres(tw) + L" is not less than the flange width B = " +
               SP::Metres(B);
    if (r > (B - tw) / 2.0)
        return L"r = " + SP::Metres(r) + L" exceeds the flange outstand " +
               SP::Metres((B - tw) / 2.0);
    if (r > D - T)
        return L"r = " + SP::Metres(r) + L" exceeds the stem length " + SP::Metres(D - T);
    return {};
}

}  // namespace

GrossProperties CDesSectGeomT::Compute(double D, double B, double T, double tw, double r) {
    GrossProperties p;
    const SP::StackProperties major = SP::Stack(MajorParts(D, B, T, tw, r), D);
    p.area = major.area;
    p.ybar = major.centroid;
    p.ixx = p.iuu = major.inertia;
    p.zxx = p.ixx / std::max(p.ybar, D - p.ybar);
    p.ybarPlastic = major.plasticAxis;
    p.sxx = major.plasticModulus;
    MinorAxis(D, B, T, tw, r, p);
    p.ivv = p.iyy;
    // El Darwish & Johnston (1965): the flange with two free ends, the stem with one, the joint.
    p.j =
        SP::FreePlateTorsion(B, T) + SP::OutstandTorsion(D - T, tw) + SP::TeeJointTorsion(T, tw, r);
    // Warping of the two thin plates about the shear centre at the flange's mid-thickness.
    p.iw = std::pow(B * T, 3) / 144.0 + std::pow(tw * (D - T / 2.0), 3) / 36.0;
    return p;
}

bool CDesSectGeomT::SetArborSec(const Arbor::Data::CSection& section, CMemberResult* result) {
    if (section.Shape() != Arbor::Data::SecShape::T) return false;
    const std::vector<double>& v = section.Dimensions();
    if (const std::wstring why = Refusal(v); !why.empty()) {
        if (result && result->TextEnabled())
            result->AddOutputString(L"Section dimensions refused: " + why + L"\n");
        return false;
    }
    D_ = v[0], B_ = v[1], T_ = v[2], tw_ = v[3], r_ = v[4];
    SetCodes(section.Category(), section.FabricationCode());
    p_ = Compute(D_, B_, T_, tw_, r_);
    return true;
}

CString CDesSectGeomT::SectGeomString(const CDesFormat& format) const {
    const auto line = [&](const wchar_t* label, double value) {
        return CString(L"\t") + label + L" = " + format.LengthSmall(value) + L"\n";
    };
    return L"Section dimensions:\n" + line(L"D   ", D_) + line(L"B   ", B_) + line(L"T   ", T_) +
           line(L"tw  ", tw_) + line(L"r   ", r_);
}

}  // namespace Arbor::Steel
