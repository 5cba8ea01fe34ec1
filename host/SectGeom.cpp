// Gross properties of the host's I-section geometry: plates plus the four root fillets.
#include "host/SectGeom.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include "host/MemberResult.h"
#include "host/SectionParts.h"

namespace Arbor::Steel {

namespace {

namespace SP = SectionParts;
using SP::Part;
using SP::SpandrelArea;
using SP::SpandrelCentroid;
using SP::SpandrelInertia;

constexpr double kAlike = 1e-9;  // m: two flanges within this are the same flange

struct Dims {
    double D, B1, T1, B2, T2, tw, r;
    double WebHeight() const { return D - T1 - T2; }
};

std::vector<Part> PartsOf(const Dims& d) {
    std::vector<Part> parts{
        {Part::Plate, 0.0, d.T1, d.B1, false},
        {Part::Plate, d.T1, d.D - d.T2, d.tw, false},
        {Part::Plate, d.D - d.T2, d.D, d.B2, false},
    };
    if (d.r > 0.0) {
        parts.push_back({Part::FilletPair, d.T1, d.r, 0.0, true});
        parts.push_back({Part::FilletPair, d.D - d.T2, d.r, 0.0, false});
    }
    return parts;
}

// Minor-axis properties: every part is centred on the web's centre line.
void MinorAxis(const Dims& d, GrossProperties& p) {
    const double hw = d.WebHeight();
    p.iyy = (d.T1 * std::pow(d.B1, 3) + d.T2 * std::pow(d.B2, 3) + hw * std::pow(d.tw, 3)) / 12.0;
    p.syy = (d.T1 * d.B1 * d.B1 + d.T2 * d.B2 * d.B2 + hw * d.tw * d.tw) / 4.0;
    if (d.r > 0.0) {
        const double arm = d.tw / 2.0 + SpandrelCentroid(d.r);
        p.iyy += 4.0 * (SpandrelInertia(d.r) + SpandrelArea(d.r) * arm * arm);
        p.syy += 4.0 * SpandrelArea(d.r) * arm;
    }
    const double bMax = std::max(d.B1, d.B2);
    p.xbar = p.xbarPlastic = bMax / 2.0;
    p.zyy = p.iyy / (bMax / 2.0);
}

void MajorAxis(const Dims& d, GrossProperties& p) {
    const SP::StackProperties stack = SP::Stack(PartsOf(d), d.D);
    p.area = stack.area;
    p.ybar = stack.centroid;
    p.ixx = stack.inertia;
    p.zxx = p.ixx / std::max(p.ybar, d.D - p.ybar);
    p.ybarPlastic = stack.plasticAxis;
    p.sxx = stack.plasticModulus;
}

// St Venant torsion constant after El Darwish & Johnston (1965): each flange a plate with
// free ends, the web between the flanges hw·tw³/3 and a T joint at each web-flange junction.
// The joint term stays (with r = 0) for welded plates, so J does not jump as r goes to zero.
double TorsionConstant(const Dims& d) {
    return SP::FreePlateTorsion(d.B1, d.T1) + SP::FreePlateTorsion(d.B2, d.T2) +
           d.WebHeight() * std::pow(d.tw, 3) / 3.0 + SP::TeeJointTorsion(d.T1, d.tw, d.r) +
           SP::TeeJointTorsion(d.T2, d.tw, d.r);
}

// Warping constant of a mono-symmetric I: Iw = Iy1·Iy2/(Iy1 + Iy2)·hs², flanges only, hs
// between the flange centroids. With equal flanges it is the familiar Iy·hs²/4 (Iy of the
// two flanges).
double WarpingConstant(const Dims& d) {
    const double iy1 = d.T1 * std::pow(d.B1, 3) / 12.0;
    const double iy2 = d.T2 * std::pow(d.B2, 3) / 12.0;
    const double hs = d.D - d.T1 / 2.0 - d.T2 / 2.0;
    return iy1 * iy2 / (iy1 + iy2) * hs * hs;
}

std::string Metres(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g m", value);
    return text;
}

// Why a set of dimensions makes no I section, naming the dimension and its value (empty when
// they make one).
std::string Refusal(const std::vector<double>& v) {
    if (v.size() != 7)
        return "expected 7 dimensions (D, B1, T1, B2, T2, tw, r), got " + std::to_string(v.size());
    static constexpr std::array<const char*, 7> names{"D", "B1", "T1", "B2", "T2", "tw", "r"};
    for (size_t i = 0; i < v.size(); ++i) {
        const bool bad = !std::isfinite(v[i]) || (i == 6 ? v[i] < 0.0 : v[i] <= 0.0);
        if (bad) return std::string(names[i]) + " = " + Metres(v[i]) + " is not a valid size";
    }
    const Dims d{v[0], v[1], v[2], v[3], v[4], v[5], v[6]};
    const double bMin = std::min(d.B1, d.B2);
    if (d.T1 + d.T2 >= d.D)
        return "T1 + T2 = " + Metres(d.T1 + d.T2) + " is not less than D = " + Metres(d.D);
    if (d.tw > bMin)
        return "tw = " + Metres(d.tw) + " is wider than the narrower flange " + Metres(bMin);
    // The root fillets must fit beside the web on the narrower flange and between the flanges.
    if (d.r > (bMin - d.tw) / 2.0)
        return "r = " + Metres(d.r) + " exceeds the flange outstand " + Metres((bMin - d.tw) / 2.0);
    if (2.0 * d.r > d.WebHeight())
        return "r = " + Metres(d.r) + " exceeds half the clear web depth " +
               Metres(d.WebHeight() / 2.0);
    return {};
}

// The properties of dimensions computed lately on this thread. A batch checks the same few
// catalogue sections line after line, and the plastic axis bisection is most of preparing a
// member: the same dimensions, bit for bit, give the same properties, so they are computed
// once per section and thread (a batch's workers each keep their own, no lock).
GrossProperties KeptProperties(const Dims& d) {
    using Key = std::array<std::uint64_t, 7>;
    struct Kept {
        Key key;
        GrossProperties properties;
    };
    constexpr size_t kKept = 32;  // the oldest is replaced when all are taken
    thread_local std::array<Kept, kKept> kept;
    thread_local size_t computed = 0;
    const Key key{std::bit_cast<std::uint64_t>(d.D),  std::bit_cast<std::uint64_t>(d.B1),
                  std::bit_cast<std::uint64_t>(d.T1), std::bit_cast<std::uint64_t>(d.B2),
                  std::bit_cast<std::uint64_t>(d.T2), std::bit_cast<std::uint64_t>(d.tw),
                  std::bit_cast<std::uint64_t>(d.r)};
    for (size_t i = 0; i < std::min(computed, kKept); ++i) {
        if (kept[i].key == key) return kept[i].properties;
    }
    Kept& slot = kept[computed++ % kKept];
    slot = {key, CDesSectGeomI::Compute(d.D, d.B1, d.T1, d.B2, d.T2, d.tw, d.r)};
    return slot.properties;
}

}  // namespace

void TakePublished(const Arbor::Data::PublishedProperties& published, GrossProperties& p) {
    const auto take = [](double value, double& into) {
        if (!std::isnan(value)) into = value;
    };
    take(published.Ag, p.area);
    take(published.Ix, p.ixx);
    take(published.Iy, p.iyy);
    take(published.Zx, p.zxx);
    take(published.Zy, p.zyy);
    take(published.Sx, p.sxx);
    take(published.Sy, p.syy);
    take(published.J, p.j);
    take(published.Iw, p.iw);
}

bool CDesSectGeom::IsWelded() const {
    using namespace Arbor::Data::ResidualStress;
    return category_ == HW || category_ == LW || category_ == SR;
}

GrossProperties CDesSectGeomI::Compute(double D, double B1, double T1, double B2, double T2,
                                       double tw, double r) {
    const Dims d{D, B1, T1, B2, T2, tw, r};
    GrossProperties p;
    MajorAxis(d, p);
    MinorAxis(d, p);
    p.ixy = 0.0;
    p.j = TorsionConstant(d);
    p.iw = WarpingConstant(d);
    // x and y are principal axes of an I section (symmetric about y).
    p.iuu = p.ixx;
    p.ivv = p.iyy;
    p.alpha = 0.0;
    return p;
}

bool CDesSectGeomI::SetArborSec(const Arbor::Data::CSection& section, CMemberResult* result) {
    namespace Shape = Arbor::Data::SecShape;
    if (section.Shape() != Shape::I && section.Shape() != Shape::WeldedI) return false;
    const std::vector<double>& v = section.Dimensions();
    if (const std::string why = Refusal(v); !why.empty()) {
        if (result && result->TextEnabled())
            result->AddOutputString(L"Section dimensions refused: " + FromUtf8(why) + L"\n");
        return false;
    }
    D_ = v[0], B1_ = v[1], T1_ = v[2], B2_ = v[3], T2_ = v[4], tw_ = v[5], r_ = v[6];
    SetCodes(section.Category(), section.FabricationCode());
    p_ = KeptProperties({D_, B1_, T1_, B2_, T2_, tw_, r_});
    if (const auto& published = section.Published()) {
        TakePublished(*published, p_);
        p_.iuu = p_.ixx;
        p_.ivv = p_.iyy;
    }
    return true;
}

bool CDesSectGeomI::IsXXSymmetric() const {
    return std::abs(B1_ - B2_) <= kAlike && std::abs(T1_ - T2_) <= kAlike;
}

// Upside down: only the distances measured from the bottom change; every other property
// (published ones included) is the same for the mirrored section.
void CDesSectGeomI::MirrorXX() {
    std::swap(B1_, B2_);
    std::swap(T1_, T2_);
    p_.ybar = D_ - p_.ybar;
    p_.ybarPlastic = D_ - p_.ybarPlastic;
}

CString CDesSectGeomI::SectGeomString(const CDesFormat& format) const {
    const auto line = [&](const wchar_t* label, double value) {
        return CString(L"\t") + label + L" = " + format.LengthSmall(value) + L"\n";
    };
    CString text = L"Section dimensions:\n" + line(L"D   ", D_);
    if (IsXXSymmetric()) {
        text += line(L"B   ", B1_) + line(L"T   ", T1_);
    } else {
        text += line(L"B1  ", B1_) + line(L"T1  ", T1_) + line(L"B2  ", B2_) + line(L"T2  ", T2_);
    }
    return text + line(L"tw  ", tw_) + line(L"r   ", r_);
}

}  // namespace Arbor::Steel
