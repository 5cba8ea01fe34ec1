// Gross properties of the host's rectangular hollow section geometry.
#include "host/SectGeomRHS.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <utility>

#include "host/MemberResult.h"

namespace Arbor::Steel {

namespace {

using std::numbers::pi;

constexpr double kThinWall = 0.003;  // m: walls up to 3 mm take the tighter corner

// A rectangle b wide and d deep whose corners are rounded to radius r, taken apart as a core
// b × (d − 2r), two end strips (b − 2r) × r and four quarter discs centred at
// (±(b/2 − r), ±(d/2 − r)). Properties about its centroidal axis parallel to b.
struct RoundedRectangle {
    double b, d, r;

    double QuarterDiscArea() const { return pi * r * r / 4.0; }
    // Distance of a quarter disc's centroid from the axis: its centre plus 4r/(3π).
    double QuarterDiscArm() const { return d / 2.0 - r + 4.0 * r / (3.0 * pi); }

    double Area() const { return b * d - (4.0 - pi) * r * r; }

    double SecondMoment() const {
        const double core = b * std::pow(d - 2.0 * r, 3) / 12.0;
        const double stripArm = d / 2.0 - r / 2.0;
        const double strips = 2.0 * (b - 2.0 * r) * r * (r * r / 12.0 + stripArm * stripArm);
        // Quarter disc about its own centroidal axis parallel to a straight edge.
        const double discOwn = (pi / 16.0 - 4.0 / (9.0 * pi)) * std::pow(r, 4);
        const double arm = QuarterDiscArm();
        return core + strips + 4.0 * (discOwn + QuarterDiscArea() * arm * arm);
    }

    // Twice the first moment of the half on one side of the axis.
    double PlasticModulus() const {
        const double half = d / 2.0 - r;
        const double firstMoment = b * half * half / 2.0 + (b - 2.0 * r) * r * (d / 2.0 - r / 2.0) +
                                   2.0 * QuarterDiscArea() * QuarterDiscArm();
        return 2.0 * firstMoment;
    }

    RoundedRectangle Turned() const { return {d, b, r}; }
};

// Bredt's torsion constant of a closed thin-walled section, J = 4·Am²/∮ds/t, on the mid-line:
// the rectangle (B − tw) × (D − tf) with corners of radius rMid, the corner arcs counted at the
// flange thickness.
double BredtTorsionConstant(double D, double B, double tf, double tw, double rMid) {
    const double enclosed = (B - tw) * (D - tf) - (4.0 - pi) * rMid * rMid;
    const double flangeRun = 2.0 * (B - tw - 2.0 * rMid) + 2.0 * pi * rMid;
    const double webRun = 2.0 * (D - tf - 2.0 * rMid);
    return 4.0 * enclosed * enclosed / (flangeRun / tf + webRun / tw);
}

CString Mm(double metres) {
    return CDesFormat().LengthSmall(metres);
}

// Why a set of dimensions makes no tube, naming the dimension and its value (empty when they
// make one).
CString Refusal(const std::vector<double>& v) {
    if (v.size() != 4) {
        return L"expected 4 dimensions (D, B, tf, tw), got " + std::to_wstring(v.size());
    }
    static constexpr std::array<const wchar_t*, 4> names{L"D", L"B", L"tf", L"tw"};
    for (size_t i = 0; i < v.size(); ++i) {
        if (!std::isfinite(v[i]) || v[i] <= 0.0) {
            return CString(names[i]) + L" = " + Mm(v[i]) + L" is not a valid size";
        }
    }
    if (2.0 * v[3] >= v[1])
        return L"tw = " + Mm(v[3]) + L" is not less than half of B = " + Mm(v[1]);
    if (2.0 * v[2] >= v[0])
        return L"tf = " + Mm(v[2]) + L" is not less than half of D = " + Mm(v[0]);
    return {};
}

}  // namespace

double CDesSectGeomRHS::OuterCornerRadius(double t, bool welded, double smallerSide) {
    if (welded) return 0.0;
    return std::min(t <= kThinWall ? 2.0 * t : 2.5 * t, smallerSide / 2.0);
}

GrossProperties CDesSectGeomRHS::Compute(double D, double B, double tf, double tw, double rOuter) {
    const double holeWidth = B - 2.0 * tw, holeDepth = D - 2.0 * tf;
    const double rInner = std::clamp(rOuter - tf, 0.0, std::min(holeWidth, holeDepth) / 2.0);
    const RoundedRectangle outline{B, D, rOuter};
    const RoundedRectangle hole{holeWidth, holeDepth, rInner};
    GrossProperties p;
    p.area = outline.Area() - hole.Area();
    p.xbar = p.xbarPlastic = B / 2.0;
    p.ybar = p.ybarPlastic = D / 2.0;
    p.ixx = outline.SecondMoment() - hole.SecondMoment();
    p.iyy = outline.Turned().SecondMoment() - hole.Turned().SecondMoment();
    p.sxx = outline.PlasticModulus() - hole.PlasticModulus();
    p.syy = outline.Turned().PlasticModulus() - hole.Turned().PlasticModulus();
    p.zxx = p.ixx / (D / 2.0);
    p.zyy = p.iyy / (B / 2.0);
    p.j = BredtTorsionConstant(D, B, tf, tw, std::max(0.0, rOuter - tf / 2.0));
    p.iuu = p.ixx;  // doubly symmetric: x and y are principal
    p.ivv = p.iyy;
    return p;
}

bool CDesSectGeomRHS::SetArborSec(const Arbor::Data::CSection& section, CMemberResult* result) {
    if (section.Shape() != Arbor::Data::SecShape::RHS) return false;
    const std::vector<double>& v = section.Dimensions();
    if (const CString why = Refusal(v); !why.empty()) {
        if (result && result->TextEnabled()) {
            result->AddOutputString(L"Section dimensions refused: " + why + L"\n");
        }
        return false;
    }
    D_ = v[0], B_ = v[1], tf_ = v[2], tw_ = v[3];
    SetCodes(section.Category(), section.FabricationCode());
    rOuter_ = OuterCornerRadius(tf_, IsWelded(), std::min(B_, D_));
    p_ = Compute(D_, B_, tf_, tw_, rOuter_);
    if (const auto& published = section.Published()) {
        TakePublished(*published, p_);
        p_.iuu = p_.ixx;
        p_.ivv = p_.iyy;
    }
    return true;
}

double CDesSectGeomRHS::CornerRadiusInner() const {
    return std::max(0.0, rOuter_ - tf_);
}

double CDesSectGeomRHS::CornerRadiusMid() const {
    return std::max(0.0, rOuter_ - tf_ / 2.0);
}

void CDesSectGeomRHS::Rotate90Clockwise() {
    std::swap(D_, B_);
    std::swap(tf_, tw_);
    std::swap(p_.xbar, p_.ybar);
    std::swap(p_.xbarPlastic, p_.ybarPlastic);
    std::swap(p_.ixx, p_.iyy);
    std::swap(p_.iuu, p_.ivv);
    std::swap(p_.zxx, p_.zyy);
    std::swap(p_.sxx, p_.syy);
}

CString CDesSectGeomRHS::SectGeomString(const CDesFormat& format) const {
    const auto line = [&](const wchar_t* label, double value) {
        return CString(L"\t") + label + L" = " + format.LengthSmall(value) + L"\n";
    };
    CString text = L"Section dimensions:\n" + line(L"D   ", D_) + line(L"B   ", B_);
    if (tf_ == tw_) return text + line(L"t   ", tf_);
    return text + line(L"tf  ", tf_) + line(L"tw  ", tw_);
}

}  // namespace Arbor::Steel
