// Spans of a member: end data, force envelopes, moments along the span, transverse load found
// from equilibrium, and the simple-span deflections used for the moment factor βm (cl. 4.4.2.2).
#include "host/Span.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace Arbor::Steel {

namespace {

constexpr int kAxial = 0;  // axial force, torsion
constexpr int kMajor = 1;  // V major (along y) with M major (about x)
constexpr int kMinor = 2;  // V minor (along x) with M minor (about y)

// A change of shear counts as load when it exceeds this fraction of the span's transverse force
// level (end shears and end moments over the span length), and at least 1 mN: analysis output
// carries rounding noise of a few digits below its own values.
constexpr double kRelativeLoadTolerance = 1e-5;
constexpr double kAbsoluteLoadTolerance = 1e-3;
// Load heights within a micrometre of the shear centre count as at the shear centre.
constexpr double kLoadHeightTolerance = 1e-6;

const CSubSpan& SubSpan(const CSpan& span, int index) {
    return (*span.SubSpans())[static_cast<size_t>(index)];
}

double PointPosition(const CSpan& span, int index) {
    return (*span.MemberPoints())[static_cast<size_t>(index)].Position();
}

double SubSpanLength(const CSpan& span, int index) {
    return PointPosition(span, index + 1) - PointPosition(span, index);
}

// Uniform load carried by a sub-span about one axis: w = -(V right - V left) / length, positive
// in the sense that gives positive (sagging) moment.
double UniformLoad(const CSubSpan& sub, int axis, double length) {
    if (!(length > 0.0)) return 0.0;
    return -(sub.GetForcesRight()[axis] - sub.GetForcesLeft()[axis]) / length;
}

// Point load at an interior member point: the drop in shear across it.
double PointLoad(const CSpan& span, int point, int axis) {
    return SubSpan(span, point - 1).GetForcesRight()[axis] -
           SubSpan(span, point).GetForcesLeft()[axis];
}

double LoadTolerance(const CSpan& span) {
    const double length = span.Length();
    double level = 0.0;
    for (int k = span.GetCSSIndexLeft(); k <= span.GetCSSIndexRight(); ++k) {
        const CSubSpan& sub = SubSpan(span, k);
        for (int axis : {kMajor, kMinor}) {
            level = std::max({level, std::fabs(sub.GetForcesLeft()[axis]),
                              std::fabs(sub.GetForcesRight()[axis])});
            if (length > 0.0)
                level = std::max({level, std::fabs(sub.GetMomentsLeft()[axis]) / length,
                                  std::fabs(sub.GetMomentsRight()[axis]) / length});
        }
    }
    return std::max(kRelativeLoadTolerance * level, kAbsoluteLoadTolerance);
}

// A shear at a member end that is not supported is a load applied there (a cantilever tip).
// At a span end inside the member the shear is only passed on to the next span.
bool HasTipLoad(const CSpan& span, int axis, double tolerance) {
    const auto unsupported = [](const CRestraint& r) {
        return r.IsFree(RestraintBit::TranslationXX, true);
    };
    const bool left =
        span.IsLEndOfMember() && unsupported(span.RestraintEndL()) &&
        std::fabs(SubSpan(span, span.GetCSSIndexLeft()).GetForcesLeft()[axis]) > tolerance;
    const bool right =
        span.IsREndOfMember() && unsupported(span.RestraintEndR()) &&
        std::fabs(SubSpan(span, span.GetCSSIndexRight()).GetForcesRight()[axis]) > tolerance;
    return left || right;
}

bool HasLoad(const CSpan& span, int axis, bool pointLoadsOnly) {
    if (!span.IsValid()) return false;
    const double tolerance = LoadTolerance(span);
    for (int point = span.GetCMPIndexLeft() + 1; point < span.GetCMPIndexRight(); ++point)
        if (std::fabs(PointLoad(span, point, axis)) > tolerance) return true;
    if (HasTipLoad(span, axis, tolerance)) return true;
    if (pointLoadsOnly) return false;
    for (int k = span.GetCSSIndexLeft(); k <= span.GetCSSIndexRight(); ++k) {
        const CSubSpan& sub = SubSpan(span, k);
        if (std::fabs(sub.GetForcesRight()[axis] - sub.GetForcesLeft()[axis]) > tolerance)
            return true;
    }
    return false;
}

double LargestLoadHeight(const CSpan& span) {
    double height = -std::numeric_limits<double>::infinity();
    for (int point = span.GetCMPIndexLeft(); point <= span.GetCMPIndexRight(); ++point)
        height = std::max(
            height, (*span.MemberPoints())[static_cast<size_t>(point)].GetRestraint().LoadHeight());
    for (int k = span.GetCSSIndexLeft(); k <= span.GetCSSIndexRight(); ++k)
        height = std::max(height, SubSpan(span, k).GetRestraint().LoadHeight());
    return height;
}

// The four end vectors of a sub-span, folded component by component with `pick`.
template <class Pick>
CSubSpan Envelope(const CSpan& span, Pick pick) {
    if (!span.IsValid()) return {};
    const CSubSpan& first = SubSpan(span, span.GetCSSIndexLeft());
    Vec3 fl = first.GetForcesLeft(), fr = first.GetForcesRight();
    Vec3 ml = first.GetMomentsLeft(), mr = first.GetMomentsRight();
    for (int k = span.GetCSSIndexLeft() + 1; k <= span.GetCSSIndexRight(); ++k) {
        const CSubSpan& sub = SubSpan(span, k);
        for (int c = 0; c < 3; ++c) {
            fl[c] = pick(fl[c], sub.GetForcesLeft()[c]);
            fr[c] = pick(fr[c], sub.GetForcesRight()[c]);
            ml[c] = pick(ml[c], sub.GetMomentsLeft()[c]);
            mr[c] = pick(mr[c], sub.GetMomentsRight()[c]);
        }
    }
    return CSubSpan(span.GetCSSIndexLeft(), fl, fr, ml, mr);
}

// One component of Envelope, folded in the same order; left(sub) and right(sub) give the end
// vectors.
template <class Left, class Right>
CSpan::EndRange RangeOf(const CSpan& span, int c, Left left, Right right) {
    if (!span.IsValid()) return {0.0, 0.0, 0.0, 0.0};
    const CSubSpan& first = SubSpan(span, span.GetCSSIndexLeft());
    CSpan::EndRange r{left(first)[c], right(first)[c], left(first)[c], right(first)[c]};
    for (int k = span.GetCSSIndexLeft() + 1; k <= span.GetCSSIndexRight(); ++k) {
        const CSubSpan& sub = SubSpan(span, k);
        r.maxLeft = std::max(r.maxLeft, left(sub)[c]);
        r.maxRight = std::max(r.maxRight, right(sub)[c]);
        r.minLeft = std::min(r.minLeft, left(sub)[c]);
        r.minRight = std::min(r.minRight, right(sub)[c]);
    }
    return r;
}

// Left reaction of the span taken as simply supported under its transverse load about one
// axis: moments of the uniform loads (at their centres) and point loads about the right end.
double SimpleSpanLeftReaction(const CSpan& span, int axis, double length) {
    const double origin = span.PosLeft();
    double momentAboutRight = 0.0;
    for (int k = span.GetCSSIndexLeft(); k <= span.GetCSSIndexRight(); ++k) {
        const double from = PointPosition(span, k) - origin;
        const double to = PointPosition(span, k + 1) - origin;
        const double w = UniformLoad(SubSpan(span, k), axis, to - from);
        momentAboutRight += w * (to - from) * (length - 0.5 * (from + to));
    }
    for (int point = span.GetCMPIndexLeft() + 1; point < span.GetCMPIndexRight(); ++point)
        momentAboutRight +=
            PointLoad(span, point, axis) * (length - (PointPosition(span, point) - origin));
    return momentAboutRight / length;
}

// Deflection at x by virtual work: ∫ M(s)·m(s) ds / EI with m the moment of a unit load at x on
// the simple span. Between breakpoints (member points and x) M is at most quadratic and m
// linear, so Simpson's rule on each piece is exact. The load moment is carried from point to
// point with the shear (running sums), so the cost is linear in the member points.
double SimpleSpanDeflection(const CSpan& span, int axis, double x, double EI, bool withLeft,
                            bool withRight) {
    const double length = span.Length();
    if (!span.IsValid() || !(length > 0.0)) return 0.0;
    x = std::clamp(x, 0.0, length);
    const double mLeft =
        withLeft ? SubSpan(span, span.GetCSSIndexLeft()).GetMomentsLeft()[axis] : 0.0;
    const double mRight =
        withRight ? SubSpan(span, span.GetCSSIndexRight()).GetMomentsRight()[axis] : 0.0;
    const auto unitMoment = [&](double s) {
        return s <= x ? s * (length - x) / length : x * (length - s) / length;
    };

    const double origin = span.PosLeft();
    double shear = SimpleSpanLeftReaction(span, axis, length);  // just right of `from`
    double loadMoment = 0.0;                                    // at `from`
    double integral = 0.0;
    for (int k = span.GetCSSIndexLeft(); k <= span.GetCSSIndexRight(); ++k) {
        const double from = PointPosition(span, k) - origin;
        const double to = PointPosition(span, k + 1) - origin;
        const double w = UniformLoad(SubSpan(span, k), axis, to - from);
        const auto moment = [&](double s) {
            const double d = s - from;
            return loadMoment + shear * d - 0.5 * w * d * d + mLeft * (1.0 - s / length) +
                   mRight * s / length;
        };
        const auto simpson = [&](double a, double b) {
            if (!(b > a)) return 0.0;
            const double mid = 0.5 * (a + b);
            return (b - a) / 6.0 *
                   (moment(a) * unitMoment(a) + 4.0 * moment(mid) * unitMoment(mid) +
                    moment(b) * unitMoment(b));
        };
        if (from < x && x < to) {
            integral += simpson(from, x) + simpson(x, to);
        } else {
            integral += simpson(from, to);
        }
        const double l = to - from;
        loadMoment += shear * l - 0.5 * w * l * l;
        shear -= w * l;
        if (k + 1 < span.GetCMPIndexRight()) shear -= PointLoad(span, k + 1, axis);
    }
    return integral / EI;
}

}  // namespace

CRestraint CSpan::ContinuousRestraint() const {
    if (!IsValid()) return {};
    unsigned bits = ~0u;
    for (int k = GetCSSIndexLeft(); k <= GetCSSIndexRight(); ++k)
        bits &= SubSpan(*this, k).GetRestraint().Bits();
    return CRestraint(static_cast<int>(bits));
}

CSubSpan CSpan::MaxForces() const {
    return Envelope(*this, [](double a, double b) { return std::max(a, b); });
}

CSubSpan CSpan::MinForces() const {
    return Envelope(*this, [](double a, double b) { return std::min(a, b); });
}

CSpan::EndRange CSpan::ForceRange(int component) const {
    return RangeOf(
        *this, component, [](const CSubSpan& s) -> const Vec3& { return s.GetForcesLeft(); },
        [](const CSubSpan& s) -> const Vec3& { return s.GetForcesRight(); });
}

CSpan::EndRange CSpan::MomentRange(int component) const {
    return RangeOf(
        *this, component, [](const CSubSpan& s) -> const Vec3& { return s.GetMomentsLeft(); },
        [](const CSubSpan& s) -> const Vec3& { return s.GetMomentsRight(); });
}

// The sub-span holding the point gives its end moments, linear between them, plus the parabola
// w·ξ·(l − ξ)/2 of its uniform load for the two bending axes.
Vec3 CSpan::InterpolateMoments(double fraction) const {
    if (!IsValid()) return {};
    const double x =
        PosLeft() + std::clamp(std::isnan(fraction) ? 0.0 : fraction, 0.0, 1.0) * Length();
    int k = GetCSSIndexLeft();
    while (k < GetCSSIndexRight() && x > PointPosition(*this, k + 1)) ++k;
    const CSubSpan& sub = SubSpan(*this, k);
    const double length = SubSpanLength(*this, k);
    const double xi = std::clamp(x - PointPosition(*this, k), 0.0, std::max(length, 0.0));
    const double ratio = length > 0.0 ? xi / length : 0.0;
    Vec3 moments;
    for (int axis : {kAxial, kMajor, kMinor}) {
        const double left = sub.GetMomentsLeft()[axis], right = sub.GetMomentsRight()[axis];
        moments[axis] = left + (right - left) * ratio;
    }
    for (int axis : {kMajor, kMinor})
        moments[axis] += 0.5 * UniformLoad(sub, axis, length) * xi * (length - xi);
    return moments;
}

bool CSpan::IsLoaded(bool pointLoadsOnly) const {
    return HasLoad(*this, kMajor, pointLoadsOnly) || HasLoad(*this, kMinor, pointLoadsOnly);
}

bool CSpan::IsMinorAxisLoaded() const {
    return HasLoad(*this, kMajor, false);
}

bool CSpan::IsMajorAxisLoaded() const {
    return HasLoad(*this, kMinor, false);
}

bool CSpan::IsLoadedWithPointLoad() const {
    return IsLoaded(true);
}

bool CSpan::IsDestabilized() const {
    return IsLoaded(false) && LargestLoadHeight(*this) > kLoadHeightTolerance;
}

double CSpan::DispYY(double x, double E, double I, bool withLeft, bool withRight) const {
    return SimpleSpanDeflection(*this, kMajor, x, E * I, withLeft, withRight);
}

double CSpan::DispXX(double x, double E, double I, bool withLeft, bool withRight) const {
    return SimpleSpanDeflection(*this, kMinor, x, E * I, withLeft, withRight);
}

CString CSpan::GetString(const CDesFormat& format) const {
    return L"points " + format.Int(left_ + 1) + L" to " + format.Int(right_ + 1) + L", " +
           format.Length(PosLeft()) + L" to " + format.Length(PosRight());
}

}  // namespace Arbor::Steel
