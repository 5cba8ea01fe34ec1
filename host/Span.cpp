// Spans of a member: end data, force envelopes, moments along the span, transverse load found
// from equilibrium, and the simple-span deflections used for the moment factor βm (cl. 4.4.2.2).
#include "host/Span.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

namespace Arbor::Steel {

namespace {

const CRestraint kNoRestraint;

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
CSubSpan Envelope(const CSpan& span, const std::function<double(double, double)>& pick) {
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

// Transverse load of the span about one axis, positions measured from the span's start.
struct SpanLoads {
    struct Uniform {
        double from, to, w;
    };
    struct Point {
        double at, p;
    };
    std::vector<Uniform> uniform;
    std::vector<Point> points;
};

SpanLoads CollectLoads(const CSpan& span, int axis) {
    SpanLoads loads;
    const double origin = span.PosLeft();
    for (int k = span.GetCSSIndexLeft(); k <= span.GetCSSIndexRight(); ++k) {
        const double from = PointPosition(span, k) - origin;
        const double to = PointPosition(span, k + 1) - origin;
        loads.uniform.push_back({from, to, UniformLoad(SubSpan(span, k), axis, to - from)});
    }
    for (int point = span.GetCMPIndexLeft() + 1; point < span.GetCMPIndexRight(); ++point)
        loads.points.push_back({PointPosition(span, point) - origin, PointLoad(span, point, axis)});
    return loads;
}

// Bending moment at s of a simply supported span of length L under the loads.
class SimpleSpanMoment {
  public:
    SimpleSpanMoment(const SpanLoads& loads, double length) : loads_(loads) {
        double momentAboutRight = 0.0;
        for (const auto& u : loads.uniform)
            momentAboutRight += u.w * (u.to - u.from) * (length - 0.5 * (u.from + u.to));
        for (const auto& p : loads.points) momentAboutRight += p.p * (length - p.at);
        leftReaction_ = momentAboutRight / length;
    }

    double operator()(double s) const {
        double m = leftReaction_ * s;
        for (const auto& u : loads_.uniform) {
            if (s <= u.from) continue;
            const double end = std::min(s, u.to);
            m -= 0.5 * u.w * ((s - u.from) * (s - u.from) - (s - end) * (s - end));
        }
        for (const auto& p : loads_.points)
            if (s > p.at) m -= p.p * (s - p.at);
        return m;
    }

  private:
    const SpanLoads& loads_;
    double leftReaction_ = 0.0;
};

// Deflection at x by virtual work: ∫ M(s)·m(s) ds / EI with m the moment of a unit load at x on
// the simple span. Between breakpoints (member points and x) M is at most quadratic and m
// linear, so Simpson's rule on each piece is exact.
double SimpleSpanDeflection(const CSpan& span, int axis, double x, double EI, bool withLeft,
                            bool withRight) {
    const double length = span.Length();
    if (!span.IsValid() || !(length > 0.0)) return 0.0;
    x = std::clamp(x, 0.0, length);
    const SpanLoads loads = CollectLoads(span, axis);
    const SimpleSpanMoment loadMoment(loads, length);
    const double mLeft =
        withLeft ? SubSpan(span, span.GetCSSIndexLeft()).GetMomentsLeft()[axis] : 0.0;
    const double mRight =
        withRight ? SubSpan(span, span.GetCSSIndexRight()).GetMomentsRight()[axis] : 0.0;
    const auto moment = [&](double s) {
        return loadMoment(s) + mLeft * (1.0 - s / length) + mRight * s / length;
    };
    const auto unitMoment = [&](double s) {
        return s <= x ? s * (length - x) / length : x * (length - s) / length;
    };

    std::vector<double> breaks{x};
    for (const auto& u : loads.uniform) breaks.insert(breaks.end(), {u.from, u.to});
    std::sort(breaks.begin(), breaks.end());
    double integral = 0.0;
    for (size_t i = 0; i + 1 < breaks.size(); ++i) {
        const double a = breaks[i], b = breaks[i + 1], mid = 0.5 * (a + b);
        if (!(b > a)) continue;
        integral += (b - a) / 6.0 *
                    (moment(a) * unitMoment(a) + 4.0 * moment(mid) * unitMoment(mid) +
                     moment(b) * unitMoment(b));
    }
    return integral / EI;
}

}  // namespace

bool CSpan::IsValid() const {
    return points_ && subSpans_ && left_ >= 0 && left_ < right_ &&
           right_ < static_cast<int>(points_->size()) &&
           right_ <= static_cast<int>(subSpans_->size());
}

bool CSpan::IsREndOfMember() const {
    return points_ && right_ + 1 == static_cast<int>(points_->size());
}

const CRestraint& CSpan::RestraintEndL() const {
    if (!points_ || left_ < 0 || left_ >= static_cast<int>(points_->size())) return kNoRestraint;
    return (*points_)[static_cast<size_t>(left_)].GetRestraint();
}

const CRestraint& CSpan::RestraintEndR() const {
    if (!points_ || right_ < 0 || right_ >= static_cast<int>(points_->size())) return kNoRestraint;
    return (*points_)[static_cast<size_t>(right_)].GetRestraint();
}

CRestraint CSpan::ContinuousRestraint() const {
    if (!IsValid()) return {};
    unsigned bits = ~0u;
    for (int k = GetCSSIndexLeft(); k <= GetCSSIndexRight(); ++k)
        bits &= SubSpan(*this, k).GetRestraint().Bits();
    return CRestraint(static_cast<int>(bits));
}

double CSpan::PosLeft() const {
    if (!points_ || left_ < 0 || left_ >= static_cast<int>(points_->size())) return 0.0;
    return (*points_)[static_cast<size_t>(left_)].Position();
}

double CSpan::PosRight() const {
    if (!points_ || right_ < 0 || right_ >= static_cast<int>(points_->size())) return 0.0;
    return (*points_)[static_cast<size_t>(right_)].Position();
}

CSubSpan CSpan::MaxForces() const {
    return Envelope(*this, [](double a, double b) { return std::max(a, b); });
}

CSubSpan CSpan::MinForces() const {
    return Envelope(*this, [](double a, double b) { return std::min(a, b); });
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
