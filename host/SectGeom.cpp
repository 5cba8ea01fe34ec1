// Gross properties of the host's I-section geometry: plates plus the four root fillets.
#include "host/SectGeom.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

#include "host/MemberResult.h"

namespace Arbor::Steel {

namespace {

using std::numbers::pi;

constexpr double kAlike = 1e-9;  // m: two flanges within this are the same flange

// ---- root fillet (spandrel) -------------------------------------------------------------
// The material between the web face, the flange face and a root radius r: an r × r square
// less a quarter disc centred on its far corner. s is the distance from the flange face.

double SpandrelArea(double r) {
    return (1.0 - pi / 4.0) * r * r;
}

// Centroid distance from each of the two faces it touches: r(10 − 3π)/(3(4 − π)).
double SpandrelCentroid(double r) {
    return r * (10.0 - 3.0 * pi) / (3.0 * (4.0 - pi));
}

// Second moment about its own centroidal axis parallel to one face (the same for both).
double SpandrelInertia(double r) {
    const double r4 = r * r * r * r;
    const double discArea = pi * r * r / 4.0;
    const double discOffset = 4.0 * r / (3.0 * pi);  // disc centroid from the disc centre
    const double discOwn = pi * r4 / 16.0 - discArea * discOffset * discOffset;
    const double discFromFace = r - discOffset;
    const double aboutFace = r4 / 3.0 - (discOwn + discArea * discFromFace * discFromFace);
    const double e = SpandrelCentroid(r);
    return aboutFace - SpandrelArea(r) * e * e;
}

// Antiderivatives used to integrate the spandrel's width w(s) = r − sqrt(r² − (r − s)²).
double CircleStripIntegral(double u, double r) {  // ∫ sqrt(r² − u²) du
    const double root = std::sqrt(std::max(0.0, r * r - u * u));
    return 0.5 * (u * root + r * r * std::asin(std::clamp(u / r, -1.0, 1.0)));
}
double CircleMomentIntegral(double u, double r) {  // ∫ (r − u)·sqrt(r² − u²) du
    const double c = std::max(0.0, r * r - u * u);
    return r * CircleStripIntegral(u, r) + c * std::sqrt(c) / 3.0;
}

// Area of one spandrel within distance s0 of its flange face.
double SpandrelAreaNearFace(double s0, double r) {
    if (r <= 0.0 || s0 <= 0.0) return 0.0;
    s0 = std::min(s0, r);
    return r * s0 - (CircleStripIntegral(r, r) - CircleStripIntegral(r - s0, r));
}

// First moment, about the flange face, of that same part of the spandrel.
double SpandrelMomentNearFace(double s0, double r) {
    if (r <= 0.0 || s0 <= 0.0) return 0.0;
    s0 = std::min(s0, r);
    return r * s0 * s0 / 2.0 - (CircleMomentIntegral(r, r) - CircleMomentIntegral(r - s0, r));
}

// ---- the section as parts stacked along y ------------------------------------------------
// A part is a plate (a rectangle from y0 to y1) or the pair of root fillets on one flange
// face (y0 = the face, up = true when the fillets stand above it). Each part answers its
// area, centroid, own second moment about x, and the area and first moment (about y = 0) of
// its material below a given level, from which the plastic neutral axis follows.
struct Part {
    enum Kind { Plate, FilletPair } kind;
    double y0, y1;  // plate: bottom and top; fillet pair: face and r (in y1)
    double width;   // plate only
    bool up;        // fillet pair only

    double R() const { return y1; }

    double Area() const { return kind == Plate ? width * (y1 - y0) : 2.0 * SpandrelArea(R()); }
    double Centroid() const {
        if (kind == Plate) return 0.5 * (y0 + y1);
        const double e = SpandrelCentroid(R());
        return up ? y0 + e : y0 - e;
    }
    double OwnIxx() const {
        if (kind == Plate) return width * std::pow(y1 - y0, 3) / 12.0;
        return 2.0 * SpandrelInertia(R());
    }
    double AreaBelow(double y) const {
        if (kind == Plate) return width * std::clamp(y - y0, 0.0, y1 - y0);
        if (up) return 2.0 * SpandrelAreaNearFace(y - y0, R());
        return Area() - 2.0 * SpandrelAreaNearFace(y0 - y, R());
    }
    double MomentBelow(double y) const {
        if (kind == Plate) {
            const double top = std::clamp(y, y0, y1);
            return width * (top * top - y0 * y0) / 2.0;
        }
        if (up) {
            const double s0 = y - y0;
            return 2.0 * (y0 * SpandrelAreaNearFace(s0, R()) + SpandrelMomentNearFace(s0, R()));
        }
        const double s0 = y0 - y;  // the part above y lies within s0 of the face
        const double above = y0 * SpandrelAreaNearFace(s0, R()) - SpandrelMomentNearFace(s0, R());
        return Area() * Centroid() - 2.0 * above;
    }
};

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

double SumOf(const std::vector<Part>& parts, double (Part::*f)(double) const, double y) {
    double sum = 0.0;
    for (const Part& p : parts) sum += (p.*f)(y);
    return sum;
}

// Plastic neutral axis: the level with half the area below it (bisection; the area below
// grows monotonically with y).
double EqualAreaAxis(const std::vector<Part>& parts, double area, double depth) {
    double lo = 0.0, hi = depth;
    for (int i = 0; i < 200 && hi - lo > 1e-15 * depth; ++i) {
        const double mid = 0.5 * (lo + hi);
        (SumOf(parts, &Part::AreaBelow, mid) < 0.5 * area ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
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
    const std::vector<Part> parts = PartsOf(d);
    double area = 0.0, moment = 0.0;
    for (const Part& part : parts) {
        area += part.Area();
        moment += part.Area() * part.Centroid();
    }
    p.area = area;
    p.ybar = moment / area;
    p.ixx = 0.0;
    for (const Part& part : parts) {
        const double arm = part.Centroid() - p.ybar;
        p.ixx += part.OwnIxx() + part.Area() * arm * arm;
    }
    p.zxx = p.ixx / std::max(p.ybar, d.D - p.ybar);
    // S = Σ A·|y − yp| = Q − 2·Q(below yp), first moments about y = 0, since half the area
    // lies below yp.
    p.ybarPlastic = EqualAreaAxis(parts, area, d.D);
    p.sxx = moment - 2.0 * SumOf(parts, &Part::MomentBelow, p.ybarPlastic);
}

// St Venant torsion constant after El Darwish & Johnston (1965): each flange a plate with
// free ends, b·t³·(1/3 − 0.21·(t/b)·(1 − t⁴/(12 b⁴))); the web between the flanges hw·tw³/3;
// and at each web-flange joint α·Dj⁴, Dj the diameter of the circle inscribed in the joint,
// Dj = ((T + r)² + tw·(r + tw/4)) / (2r + T), α = (t1/t2)·(0.15 + 0.10·r/t1) with t1 the
// thinner and t2 the thicker of T and tw. The joint term stays (with r = 0) for welded plates,
// so J does not jump as r goes to zero.
double FlangeTorsion(double b, double t) {
    const double ratio = t / b;
    return b * t * t * t * (1.0 / 3.0 - 0.21 * ratio * (1.0 - std::pow(ratio, 4) / 12.0));
}
double JointTorsion(double T, double tw, double r) {
    const double t1 = std::min(T, tw), t2 = std::max(T, tw);
    const double alpha = (t1 / t2) * (0.15 + 0.10 * r / t1);
    const double dj = ((T + r) * (T + r) + tw * (r + tw / 4.0)) / (2.0 * r + T);
    return alpha * std::pow(dj, 4);
}
double TorsionConstant(const Dims& d) {
    return FlangeTorsion(d.B1, d.T1) + FlangeTorsion(d.B2, d.T2) +
           d.WebHeight() * std::pow(d.tw, 3) / 3.0 + JointTorsion(d.T1, d.tw, d.r) +
           JointTorsion(d.T2, d.tw, d.r);
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
    p_ = Compute(D_, B1_, T1_, B2_, T2_, tw_, r_);
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
