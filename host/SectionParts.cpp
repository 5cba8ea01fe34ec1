// Plates and root fillets stacked along one axis, and the St Venant torsion constant pieces.
#include "host/SectionParts.h"

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <numbers>

namespace Arbor::Steel::SectionParts {

namespace {

using std::numbers::pi;

// Antiderivatives used to integrate the spandrel's width w(s) = r − sqrt(r² − (r − s)²).
double CircleStripIntegral(double u, double r) {  // ∫ sqrt(r² − u²) du
    const double root = std::sqrt(std::max(0.0, r * r - u * u));
    return 0.5 * (u * root + r * r * std::asin(std::clamp(u / r, -1.0, 1.0)));
}
double CircleMomentIntegral(double u, double r) {  // ∫ (r − u)·sqrt(r² − u²) du
    const double c = std::max(0.0, r * r - u * u);
    return r * CircleStripIntegral(u, r) + c * std::sqrt(c) / 3.0;
}

// Area of one spandrel within distance s0 of its face.
double SpandrelAreaNearFace(double s0, double r) {
    if (r <= 0.0 || s0 <= 0.0) return 0.0;
    s0 = std::min(s0, r);
    return r * s0 - (CircleStripIntegral(r, r) - CircleStripIntegral(r - s0, r));
}

// First moment, about the face, of that same part of the spandrel.
double SpandrelMomentNearFace(double s0, double r) {
    if (r <= 0.0 || s0 <= 0.0) return 0.0;
    s0 = std::min(s0, r);
    return r * s0 * s0 / 2.0 - (CircleMomentIntegral(r, r) - CircleMomentIntegral(r - s0, r));
}

double SumOf(const std::vector<Part>& parts, double (Part::*f)(double) const, double y) {
    double sum = 0.0;
    for (const Part& p : parts) sum += (p.*f)(y);
    return sum;
}

// Plastic neutral axis: the level with half the area below it (bisection; the area below
// grows monotonically with y).
double EqualAreaAxis(const std::vector<Part>& parts, double area, double extent) {
    double lo = 0.0, hi = extent;
    for (int i = 0; i < 200 && hi - lo > 1e-15 * extent; ++i) {
        const double mid = 0.5 * (lo + hi);
        (SumOf(parts, &Part::AreaBelow, mid) < 0.5 * area ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}

}  // namespace

double SpandrelArea(double r) {
    return (1.0 - pi / 4.0) * r * r;
}

double SpandrelCentroid(double r) {
    return r * (10.0 - 3.0 * pi) / (3.0 * (4.0 - pi));
}

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

double Part::Area() const {
    return kind == Plate ? width * (y1 - y0) : count * SpandrelArea(R());
}

double Part::Centroid() const {
    if (kind == Plate) return 0.5 * (y0 + y1);
    const double e = SpandrelCentroid(R());
    return up ? y0 + e : y0 - e;
}

double Part::OwnInertia() const {
    if (kind == Plate) return width * std::pow(y1 - y0, 3) / 12.0;
    return count * SpandrelInertia(R());
}

double Part::AreaBelow(double y) const {
    if (kind == Plate) return width * std::clamp(y - y0, 0.0, y1 - y0);
    if (up) return count * SpandrelAreaNearFace(y - y0, R());
    return Area() - count * SpandrelAreaNearFace(y0 - y, R());
}

double Part::MomentBelow(double y) const {
    if (kind == Plate) {
        const double top = std::clamp(y, y0, y1);
        return width * (top * top - y0 * y0) / 2.0;
    }
    if (up) {
        const double s0 = y - y0;
        return count * (y0 * SpandrelAreaNearFace(s0, R()) + SpandrelMomentNearFace(s0, R()));
    }
    const double s0 = y0 - y;  // the part above y lies within s0 of the face
    const double above = y0 * SpandrelAreaNearFace(s0, R()) - SpandrelMomentNearFace(s0, R());
    return Area() * Centroid() - count * above;
}

StackProperties Stack(const std::vector<Part>& parts, double extent) {
    StackProperties p;
    double moment = 0.0;
    for (const Part& part : parts) {
        p.area += part.Area();
        moment += part.Area() * part.Centroid();
    }
    p.centroid = moment / p.area;
    for (const Part& part : parts) {
        const double arm = part.Centroid() - p.centroid;
        p.inertia += part.OwnInertia() + part.Area() * arm * arm;
    }
    // S = Σ A·|y − yp| = Q − 2·Q(below yp), first moments about y = 0, since half the area
    // lies below yp.
    p.plasticAxis = EqualAreaAxis(parts, p.area, extent);
    p.plasticModulus = moment - 2.0 * SumOf(parts, &Part::MomentBelow, p.plasticAxis);
    return p;
}

double FreePlateTorsion(double b, double t) {
    const double ratio = t / b;
    return b * t * t * t * (1.0 / 3.0 - 0.21 * ratio * (1.0 - std::pow(ratio, 4) / 12.0));
}

double OutstandTorsion(double b, double t) {
    const double ratio = t / b;
    return b * t * t * t * (1.0 / 3.0 - 0.105 * ratio * (1.0 - std::pow(ratio, 4) / 192.0));
}

double TeeJointTorsion(double T, double tw, double r) {
    const double t1 = std::min(T, tw), t2 = std::max(T, tw);
    const double alpha = (t1 / t2) * (0.15 + 0.10 * r / t1);
    const double dj = ((T + r) * (T + r) + tw * (r + tw / 4.0)) / (2.0 * r + T);
    return alpha * std::pow(dj, 4);
}

double CornerJointTorsion(double t1, double t2, double r) {
    const double ta = std::min(t1, t2), tb = std::max(t1, t2);
    const double alpha = (ta / tb) * (0.07 + 0.076 * r / ta);
    const double dj =
        2.0 * ((3.0 * r + t1 + t2) - std::sqrt(2.0 * (2.0 * r + t1) * (2.0 * r + t2)));
    return alpha * std::pow(dj, 4);
}

std::wstring Metres(double value) {
    wchar_t text[32];
    std::swprintf(text, 32, L"%g m", value);
    return text;
}

std::wstring SizeRefusal(const std::vector<double>& v, const std::vector<const wchar_t*>& names,
                         size_t zeroFrom) {
    if (v.size() != names.size()) {
        std::wstring list;
        for (const wchar_t* name : names) list += (list.empty() ? L"" : L", ") + std::wstring(name);
        return L"expected " + std::to_wstring(names.size()) + L" dimensions (" + list + L"), got " +
               std::to_wstring(v.size());
    }
    for (size_t i = 0; i < v.size(); ++i) {
        const bool bad = !std::isfinite(v[i]) || (i >= zeroFrom ? v[i] < 0.0 : v[i] <= 0.0);
        if (bad) return std::wstring(names[i]) + L" = " + Metres(v[i]) + L" is not a valid size";
    }
    return {};
}

}  // namespace Arbor::Steel::SectionParts
