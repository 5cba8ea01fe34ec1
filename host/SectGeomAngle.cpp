// Gross and principal-axis properties of the host's angle geometry. The section is taken as
// a polygon (the rounded corners as fine chords), which gives the area, centroid and second
// moments directly and the plastic moduli about any axis by clipping at the equal-area axis.
#include "host/SectGeomAngle.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

#include "host/MemberResult.h"

namespace Arbor::Steel {

namespace {

using std::numbers::pi;

constexpr int kArcChords = 12;     // chords per rounded corner
constexpr double kSameLeg = 1e-6;  // m: legs within this are equal
constexpr int kBisections = 44;    // plastic neutral axis search, to 1e-13 of the width

struct Point {
    double x, y;
};
using Polygon = std::vector<Point>;

// Quarter arc about (cx, cy) from angle a0 to a1 (radians), end points included.
void AddArc(Polygon& poly, double cx, double cy, double r, double a0, double a1) {
    for (int i = 0; i <= kArcChords; ++i) {
        const double a = a0 + (a1 - a0) * i / kArcChords;
        poly.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
}

// Outline counter-clockwise from the heel: along the width leg, round its toe, back along the
// inside face, round the root, up the depth leg, round its toe and down the back. A toe radius
// larger than the thickness (as listed for some thin rolled angles) rounds the whole toe end.
Polygon Outline(double d, double b, double t, double r1, double toeRadius) {
    const double r2 = std::min(toeRadius, t);
    Polygon poly{{0.0, 0.0}, {b, 0.0}};
    AddArc(poly, b - r2, t - r2, r2, 0.0, pi / 2.0);
    AddArc(poly, t + r1, t + r1, r1, 1.5 * pi, pi);
    AddArc(poly, t - r2, d - r2, r2, 0.0, pi / 2.0);
    poly.push_back({0.0, d});
    return poly;
}

// Area and first moments of a polygon: A, ∫x dA, ∫y dA (shoelace sums).
struct Moments {
    double a = 0, qx = 0, qy = 0;  // qx = ∫x dA, qy = ∫y dA
};

Moments FirstMoments(const Polygon& poly) {
    Moments m;
    for (size_t i = 0; i < poly.size(); ++i) {
        const Point& p = poly[i];
        const Point& q = poly[(i + 1) % poly.size()];
        const double c = p.x * q.y - q.x * p.y;
        m.a += c / 2.0;
        m.qx += (p.x + q.x) * c / 6.0;
        m.qy += (p.y + q.y) * c / 6.0;
    }
    return m;
}

// Second moments about the point (cx, cy): ∫y² dA, ∫x² dA, ∫xy dA.
void SecondMoments(const Polygon& poly, double cx, double cy, GrossProperties& p) {
    double ixx = 0, iyy = 0, ixy = 0;
    for (size_t i = 0; i < poly.size(); ++i) {
        const double x0 = poly[i].x - cx, y0 = poly[i].y - cy;
        const Point& q = poly[(i + 1) % poly.size()];
        const double x1 = q.x - cx, y1 = q.y - cy;
        const double c = x0 * y1 - x1 * y0;
        ixx += (y0 * y0 + y0 * y1 + y1 * y1) * c / 12.0;
        iyy += (x0 * x0 + x0 * x1 + x1 * x1) * c / 12.0;
        ixy += (x0 * y1 + 2.0 * x0 * y0 + 2.0 * x1 * y1 + x1 * y0) * c / 24.0;
    }
    p.ixx = ixx;
    p.iyy = iyy;
    p.ixy = ixy;
}

// Distance of a point from the axis through the centroid at angle theta to x.
double Across(const Point& p, const GrossProperties& g, double theta) {
    return -(p.x - g.xbar) * std::sin(theta) + (p.y - g.ybar) * std::cos(theta);
}

// The part of the polygon on the side s < level of the axis at theta (one half-plane clip),
// written into `out`.
const Polygon& Below(const Polygon& poly, const GrossProperties& g, double theta, double level,
                     Polygon& out) {
    out.clear();
    for (size_t i = 0; i < poly.size(); ++i) {
        const Point& p = poly[i];
        const Point& q = poly[(i + 1) % poly.size()];
        const double sp = Across(p, g, theta) - level;
        const double sq = Across(q, g, theta) - level;
        if (sp < 0.0) out.push_back(p);
        if ((sp < 0.0) != (sq < 0.0)) {
            const double f = sp / (sp - sq);
            out.push_back({p.x + f * (q.x - p.x), p.y + f * (q.y - p.y)});
        }
    }
    return out;
}

// Plastic modulus about the axis at theta: S = ∫|s − sp| dA with sp the equal-area level,
// which is the first moment of the part above sp less that of the part below.
double PlasticModulus(const Polygon& poly, const GrossProperties& g, double theta) {
    double lo = 0.0, hi = 0.0;
    for (const Point& p : poly) {
        lo = std::min(lo, Across(p, g, theta));
        hi = std::max(hi, Across(p, g, theta));
    }
    Polygon part;
    part.reserve(2 * poly.size());
    for (int i = 0; i < kBisections; ++i) {
        const double mid = 0.5 * (lo + hi);
        (FirstMoments(Below(poly, g, theta, mid, part)).a < 0.5 * g.area ? lo : hi) = mid;
    }
    const Moments below = FirstMoments(Below(poly, g, theta, 0.5 * (lo + hi), part));
    // ∫s dA over the whole section is 0 (s is measured from the centroid).
    const double belowMoment = -(below.qx - below.a * g.xbar) * std::sin(theta) +
                               (below.qy - below.a * g.ybar) * std::cos(theta);
    return -2.0 * belowMoment;
}

// Extreme distances from the axis at theta on its negative and positive sides.
std::array<double, 2> FibreDistances(const Polygon& poly, const GrossProperties& g, double theta) {
    std::array<double, 2> far{0.0, 0.0};
    for (const Point& p : poly) {
        const double s = Across(p, g, theta);
        far[0] = std::max(far[0], -s);
        far[1] = std::max(far[1], s);
    }
    return far;
}

// Angle of the major principal axis u from x, in (0, π/2) for an angle (Ixy < 0).
double PrincipalAngle(const GrossProperties& p) {
    return 0.5 * std::atan2(-2.0 * p.ixy, p.ixx - p.iyy);
}

// Principal axes: u at alpha to x, Iu ≥ Iv.
void PrincipalAxes(GrossProperties& p) {
    p.alpha = PrincipalAngle(p);
    const double c = std::cos(p.alpha), s = std::sin(p.alpha);
    p.iuu = p.ixx * c * c + p.iyy * s * s - 2.0 * p.ixy * s * c;
    p.ivv = p.ixx + p.iyy - p.iuu;
}

// St Venant torsion constant of an L section (Roark, Table 10.7, after El Darwish & Johnston):
// the longer leg a full plate with both ends free, a·t³·(1/3 − 0.21(t/a)(1 − t⁴/(12a⁴))); the
// other leg from the inside face of the first, c = leg − t, with one free end,
// c·t³·(1/3 − 0.105(t/c)(1 − t⁴/(192c⁴))); and the joint α·D⁴ with α = 0.07 + 0.076·r/t and
// D = 2(2t + 3r − sqrt(2(2r + t)²)), the circle inscribed in the filleted corner.
double TorsionConstant(double d, double b, double t, double r) {
    const double a = std::max(d, b);
    const double c = std::min(d, b) - t;
    const double t3 = t * t * t, t4 = t3 * t;
    const double full =
        a * t3 * (1.0 / 3.0 - 0.21 * (t / a) * (1.0 - t4 / (12.0 * std::pow(a, 4))));
    const double free =
        c * t3 * (1.0 / 3.0 - 0.105 * (t / c) * (1.0 - t4 / (192.0 * std::pow(c, 4))));
    const double alpha = 0.07 + 0.076 * r / t;
    const double inscribed = 2.0 * (2.0 * t + 3.0 * r - std::sqrt(2.0) * (2.0 * r + t));
    return full + free + alpha * std::pow(inscribed, 4);
}

std::string Metres(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g m", value);
    return text;
}

// Why a set of dimensions makes no angle, naming the dimension and its value (empty when it
// makes one).
std::string Refusal(const std::vector<double>& v) {
    if (v.size() != 5)
        return "expected 5 dimensions (d, b, t, r1, r2), got " + std::to_string(v.size());
    static constexpr std::array<const char*, 5> names{"d", "b", "t", "r1", "r2"};
    for (size_t i = 0; i < v.size(); ++i) {
        const bool bad = !std::isfinite(v[i]) || (i >= 3 ? v[i] < 0.0 : v[i] <= 0.0);
        if (bad) return std::string(names[i]) + " = " + Metres(v[i]) + " is not a valid size";
    }
    const double d = v[0], b = v[1], t = v[2], r1 = v[3], r2 = v[4];
    for (size_t i = 0; i < 2; ++i) {
        if (v[i] <= t)
            return std::string(names[i]) + " = " + Metres(v[i]) +
                   " is not longer than t = " + Metres(t);
    }
    if (t + r1 + std::min(r2, t) > std::min(d, b))
        return "r1 = " + Metres(r1) + " and r2 = " + Metres(r2) + " do not fit on the leg " +
               Metres(std::min(d, b) - t);
    return {};
}

void Take(double value, double& into) {
    if (!std::isnan(value)) into = value;
}

// Every property the geometry holds is published (a catalogue row): nothing to compute.
bool IsComplete(const std::optional<Arbor::Data::PublishedProperties>& p,
                const std::optional<Arbor::Data::PublishedAngleProperties>& a) {
    if (!p || !a) return false;
    for (double v : {p->Ag, p->Ix, p->Iy, p->Zx, p->Zy, p->Sx, p->Sy, p->J, a->xbar, a->ybar,
                     a->Ixy, a->Iu, a->Iv, a->Zu, a->Zv1, a->Zv2, a->Su, a->Sv}) {
        if (std::isnan(v)) return false;
    }
    return true;
}

}  // namespace

void CDesSectGeomAngle::Compute(double d, double b, double t, double r1, double r2,
                                GrossProperties& p, PrincipalModuli& m) {
    const Polygon poly = Outline(d, b, t, r1, r2);
    const Moments first = FirstMoments(poly);
    p = GrossProperties{};
    p.area = first.a;
    p.xbar = first.qx / first.a;
    p.ybar = first.qy / first.a;
    SecondMoments(poly, p.xbar, p.ybar, p);
    p.zxx = p.ixx / std::max(p.ybar, d - p.ybar);
    p.zyy = p.iyy / std::max(p.xbar, b - p.xbar);
    p.sxx = PlasticModulus(poly, p, 0.0);
    p.syy = PlasticModulus(poly, p, pi / 2.0);
    p.j = TorsionConstant(d, b, t, r1);
    PrincipalAxes(p);

    // About u-u the width leg's toe lies on the negative side, about v-v the heel does.
    const std::array<double, 2> u = FibreDistances(poly, p, p.alpha);
    const std::array<double, 2> v = FibreDistances(poly, p, p.alpha + pi / 2.0);
    m.zuWidthToe = p.iuu / u[0];
    m.zuDepthToe = p.iuu / u[1];
    m.zvHeel = p.ivv / v[1];
    m.zvToe = p.ivv / v[0];
    m.suu = PlasticModulus(poly, p, p.alpha);
    m.svv = PlasticModulus(poly, p, p.alpha + pi / 2.0);
}

bool CDesSectGeomAngle::SetArborSec(const Arbor::Data::CSection& section, CMemberResult* result) {
    if (section.Shape() != Arbor::Data::SecShape::Angle) return false;
    const std::vector<double>& v = section.Dimensions();
    if (const std::string why = Refusal(v); !why.empty()) {
        if (result && result->TextEnabled())
            result->AddOutputString(L"Section dimensions refused: " + FromUtf8(why) + L"\n");
        return false;
    }
    d_ = v[0], b_ = v[1], t_ = v[2], r1_ = v[3], r2_ = v[4];
    SetCodes(section.Category(), section.FabricationCode());
    // The calculators take the section again on every check: a full published row spares the
    // computation.
    if (IsComplete(section.Published(), section.PublishedAngle())) {
        p_ = GrossProperties{};
        m_ = PrincipalModuli{};
    } else {
        Compute(d_, b_, t_, r1_, r2_, p_, m_);
    }
    if (const auto& published = section.Published()) TakePublished(*published, p_);
    if (const auto& published = section.PublishedAngle()) {
        Take(published->xbar, p_.xbar);
        Take(published->ybar, p_.ybar);
        Take(published->Ixy, p_.ixy);
        Take(published->Iu, p_.iuu);
        Take(published->Iv, p_.ivv);
        Take(published->Su, m_.suu);
        Take(published->Sv, m_.svv);
        Take(published->Zu, m_.zuDepthToe);
        Take(published->Zu, m_.zuWidthToe);
        // The heel is the farther fibre from v-v: it takes the smaller of the two moduli.
        if (!std::isnan(published->Zv1) && !std::isnan(published->Zv2)) {
            m_.zvHeel = std::min(published->Zv1, published->Zv2);
            m_.zvToe = std::max(published->Zv1, published->Zv2);
        }
    }
    p_.alpha = PrincipalAngle(p_);
    return true;
}

double CDesSectGeomAngle::Zuu() const {
    return std::min(m_.zuDepthToe, m_.zuWidthToe);
}

double CDesSectGeomAngle::Zvv() const {
    return std::min(m_.zvHeel, m_.zvToe);
}

bool CDesSectGeomAngle::IsEqualLegs() const {
    return d_ == b_ || std::abs(d_ - b_) < kSameLeg;
}

CString CDesSectGeomAngle::SectGeomString(const CDesFormat& format) const {
    const auto line = [&](const wchar_t* label, double value) {
        return CString(L"\t") + label + L" = " + format.LengthSmall(value) + L"\n";
    };
    return L"Section dimensions:\n" + line(L"d   ", d_) + line(L"b   ", b_) + line(L"t   ", t_) +
           line(L"r1  ", r1_) + line(L"r2  ", r2_);
}

}  // namespace Arbor::Steel
