// Moment amplification for a braced member (cl. 4.4.2.2): δb = cm / (1 − N*/Nomb) with
// cm = 0.6 − 0.4 βm, and the two ways of finding βm (end moments, or the deflections of
// Figure 4.4.2.2 for a member with transverse load).
#include <algorithm>
#include <cmath>
#include <limits>

#include "member/AS4100Member.h"
#include "section/RuleNote.h"

namespace Arbor::Steel::SteelAS4100 {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNoCompression = 1e-10;
constexpr double kZeroMoment = 1e-10;
constexpr double kZeroDeflection = 1e-10;
constexpr double kMidSpanTolerance = 0.01;  // metres: a member point this close is mid-span

constexpr int kMajor = 1;  // Vec3 component of the major-axis moment
constexpr int kMinor = 2;

bool WantsText(const CMemberResult* result) {
    return result && result->TextEnabled();
}

double Clamp(double betaM) {
    return std::clamp(betaM, -1.0, 1.0);
}

// βm from two end moments: the smaller over the larger, negative for single curvature
// (moments of one sign in the host's convention); −1 (uniform moment) when both vanish.
double EndMomentRatio(double start, double end) {
    const double larger = std::fabs(start) >= std::fabs(end) ? start : end;
    const double smaller = std::fabs(start) >= std::fabs(end) ? end : start;
    if (std::fabs(larger) < kZeroMoment) return -1.0;
    return Clamp(-smaller / larger);
}

// One sample of the moment diagram along a span: position from its start, actual moment M and
// the moment m of a unit load at mid-span of a simple span of the same length.
struct MomentSample {
    double x = 0.0, M = 0.0, m = 0.0;
};

// Calls visit(sample, isMid) for the samples of the span between member points `left` and
// `right` in order: every member point, mid-span (interpolated when no point is within the
// tolerance) and the far end. Nothing is stored, so a check allocates nothing for it.
template <typename Visit>
void VisitSamples(const MemberPointVec& points, const SubSpanVec& subSpans, int left, int right,
                  int component, Visit visit) {
    const double start = points[static_cast<size_t>(left)].Position();
    const double L = points[static_cast<size_t>(right)].Position() - start;
    const double half = L / 2.0;
    auto position = [&](int p) { return points[static_cast<size_t>(p)].Position() - start; };
    auto leftMoment = [&](int p) {
        return subSpans[static_cast<size_t>(p)].GetMomentsLeft()[component];
    };

    // The point samples before mid-span are sent one behind, so the last of them can be
    // marked as mid-span when it lies there.
    MomentSample pending;
    bool hasPending = false;
    int p = left;
    for (; p < right && position(p) <= half + kMidSpanTolerance; ++p) {
        if (hasPending) visit(pending, false);
        pending = {position(p), leftMoment(p), position(p) / 2.0};
        hasPending = true;
    }
    const int lastBefore = p - 1;
    if (std::fabs(pending.x - half) <= kMidSpanTolerance) {
        visit(pending, true);
    } else {
        visit(pending, false);
        // Mid-span lies inside sub-span `lastBefore`: its moment by linear interpolation.
        const CSubSpan& sub = subSpans[static_cast<size_t>(lastBefore)];
        const double x0 = position(lastBefore);
        const double t = (half - x0) / (position(lastBefore + 1) - x0);
        const double M0 = sub.GetMomentsLeft()[component];
        visit(MomentSample{half, M0 + t * (sub.GetMomentsRight()[component] - M0), L / 4.0}, true);
    }
    for (; p < right; ++p)
        visit(MomentSample{position(p), leftMoment(p), L / 4.0 - (position(p) - half) / 2.0},
              false);
    visit(
        MomentSample{L, subSpans[static_cast<size_t>(right - 1)].GetMomentsRight()[component], 0.0},
        false);
}

// ∫ f(x) M m dx-style sums over consecutive samples, f and m linear between samples; the
// two-point Gauss rule integrates each segment exactly. Add(a, b, f) adds the segment a→b.
class VirtualWork {
  public:
    template <typename F>
    void Add(const MomentSample& a, const MomentSample& b, F f) {
        const double halfLength = (b.x - a.x) / 2.0;
        const double centre = (b.x + a.x) / 2.0;
        for (double sign : {-1.0, 1.0}) {
            const double xg = centre + sign * halfLength * offset_;
            const double t = halfLength > 0.0 ? (xg - a.x) / (2.0 * halfLength) : 0.0;
            const double M = a.M + t * (b.M - a.M);
            const double m = a.m + t * (b.m - a.m);
            sum_ += halfLength * f(xg, M) * m;
        }
    }
    double Sum() const { return sum_; }

  private:
    double offset_ = 1.0 / std::sqrt(3.0);
    double sum_ = 0.0;
};

}  // namespace

double CAS4100_98Member::MomentAmplificationFactor(double N, double Nom, double betaM) const {
    if (!(Nom >= N) || N == Nom) return kInfinity;
    const double cm = std::min(1.0, 0.6 - 0.4 * betaM);
    return std::max(1.0, cm / (1.0 - N / Nom));
}

double CAS4100_98Member::MomentAmplificationFactorStrongAxis(int cmpLeft, int cmpRight, bool loaded,
                                                             double N, double Nom) const {
    if (N <= kNoCompression) return 1.0;
    if (deltaStrong_) return *deltaStrong_;
    return MomentAmplificationFactor(N, Nom, FactorBetaM(cmpLeft, cmpRight, loaded, true));
}

double CAS4100_98Member::MomentAmplificationFactorWeakAxis(int cmpLeft, int cmpRight, bool loaded,
                                                           double N, double Nom) const {
    if (N <= kNoCompression) return 1.0;
    if (deltaWeak_) return *deltaWeak_;
    return MomentAmplificationFactor(N, Nom, FactorBetaM(cmpLeft, cmpRight, loaded, false));
}

// Whether βm comes from the deflections of cl. 4.4.2.2(b). The rules as written take any
// transverse load on the span for both axes; the clause, only load that bends it about the
// axis in question (a span loaded in one plane has end-moment βm in the other).
bool CAS4100_98Member::IsLoadedForBetaM(const MemberPointVec& points, const SubSpanVec& subSpans,
                                        int cmpLeft, int cmpRight, bool loaded,
                                        bool strongAxis) const {
    if (rules_ == RuleSet::AsWritten) return loaded;
    const CSpan span(&points, &subSpans, cmpLeft, cmpRight);
    return strongAxis ? span.IsMinorAxisLoaded() : span.IsMajorAxisLoaded();
}

namespace {

// βm of cl. 4.4.2.2 between member points `left` and `right` about one axis (component), with
// the deflections when it comes from them; `loaded` as IsLoadedForBetaM decided.
SpanValues BetaMOfMemberSpan(const MemberPointVec& points, const SubSpanVec& subSpans, int left,
                             int right, bool loaded, int component, double EI) {
    SpanValues v;
    v.loaded = loaded;
    const double M1 = subSpans[static_cast<size_t>(left)].GetMomentsLeft()[component];
    const double M2 = subSpans[static_cast<size_t>(right - 1)].GetMomentsRight()[component];
    if (!loaded) {
        // cl. 4.4.2.2(a): end moments only; one end free of moment gives βm = 0.
        if (std::fabs(M1) >= kZeroMoment && std::fabs(M2) >= kZeroMoment) {
            v.betaM = std::fabs(M2) > std::fabs(M1) ? -M1 / M2 : -M2 / M1;
        }
        return v;
    }
    // cl. 4.4.2.2(b): βm = 1 − 2 δct/δcw from mid-span deflections by virtual work. An end
    // moment that bends the span the same way as the transverse load is left out of δcw.
    double Mmid = 0.0, L = 0.0;
    VisitSamples(points, subSpans, left, right, component, [&](const MomentSample& s, bool mid) {
        if (mid) Mmid = s.M;
        L = s.x;
    });
    const double Mt = Mmid - 0.5 * M1 - 0.5 * M2;
    const double M1w = M1 * Mt > 0.0 ? 0.0 : M1;
    const double M2w = M2 * Mt > 0.0 ? 0.0 : M2;
    VirtualWork total, withoutEnds;
    MomentSample previous;
    bool first = true;
    VisitSamples(points, subSpans, left, right, component, [&](const MomentSample& s, bool) {
        if (!first) {
            total.Add(previous, s, [](double, double M) { return M; });
            withoutEnds.Add(previous, s,
                            [&](double x, double M) { return M - (M1w + (M2w - M1w) * x / L); });
        }
        previous = s;
        first = false;
    });
    v.deltaCt = total.Sum() / EI;
    v.deltaCw = withoutEnds.Sum() / EI;
    v.betaM =
        std::fabs(v.deltaCw) < kZeroDeflection ? 1.0 : Clamp(1.0 - 2.0 * v.deltaCt / v.deltaCw);
    return v;
}

}  // namespace

// βm of the span between two member points (Figure 4.4.2.2). A span that is not one of the
// member's (indices out of order or range) takes βm = −1, the uniform moment, as the safe side.
// The value is shared by the span's records (SpanMemo); its report lines are written per call.
double CAS4100_98Member::FactorBetaM(int cmpLeft, int cmpRight, bool loaded,
                                     bool strongAxis) const {
    const MemberPointVec& points = GetMemberPointVec();
    const SubSpanVec& subSpans = GetSubSpanVec();
    if (cmpLeft < 0 || cmpRight <= cmpLeft || cmpRight >= static_cast<int>(points.size()) ||
        cmpRight > static_cast<int>(subSpans.size()) || !section_) {
        return -1.0;
    }
    const SpanValues v = spanMemo_.Get(
        strongAxis ? SpanMemo::Kind::AmplificationStrong : SpanMemo::Kind::AmplificationWeak,
        cmpLeft, cmpRight, loaded, [&] {
            const double EI =
                section_->YoungsModulus() * (strongAxis ? section_->Ixx() : section_->Iyy());
            return BetaMOfMemberSpan(
                points, subSpans, cmpLeft, cmpRight,
                IsLoadedForBetaM(points, subSpans, cmpLeft, cmpRight, loaded, strongAxis),
                strongAxis ? kMajor : kMinor, EI);
        });
    CMemberResult* result = Result();
    WriteRuleNote(result, rules_, L"beta_m from the load in this axis' plane (cl. 4.4.2.2)");
    if (!WantsText(result)) return v.betaM;
    if (v.loaded) {
        result->AddOutputString(L"delta_ct " + result->DesFormat().LengthSmall(v.deltaCt) + L"\n");
        result->AddOutputString(L"delta_cw " + result->DesFormat().LengthSmall(v.deltaCw) + L"\n");
    }
    result->AddOutputString(
        JoinLine({L"beta_m ", strongAxis ? L"(strong axis)" : L"(weak axis)", L" = "}) +
        result->DesFormat().NoDim(v.betaM) + L" (ref: " + section_->CodeName() +
        L" clause 4.4.2.2)\n");
    return v.betaM;
}

namespace {

// βm of a host span about one axis: the deflection ratio of Figure 4.4.2.2 when the span
// carries transverse load bending it about that axis, else the end-moment ratio.
struct BetaMAxis {
    SpanMemo::Kind kind;
    int component;
    bool (CSpan::*loaded)() const;
    double I;
    double (CSpan::*disp)(double, double, double, bool, bool) const;
};

double BetaMOfSpan(const CSpan& span, bool cantilever, double E, const BetaMAxis& axis) {
    const double start = span.InterpolateMoments(0.0)[axis.component];
    const double end = span.InterpolateMoments(1.0)[axis.component];
    if (cantilever || !(span.*axis.loaded)()) return EndMomentRatio(start, end);
    const double half = span.Length() / 2.0;
    auto deflection = [&](bool withLeft, bool withRight) {
        return (span.*axis.disp)(half, E, axis.I, withLeft, withRight);
    };
    const double d00 = deflection(false, false);
    const double all[] = {d00, deflection(true, false), deflection(false, true),
                          deflection(true, true)};
    const double d11 = all[3];
    if (std::fabs(d11) < kZeroDeflection) return EndMomentRatio(start, end);
    const double dw = d11 < 0.0 ? *std::min_element(std::begin(all), std::end(all))
                                : *std::max_element(std::begin(all), std::end(all));
    return Clamp(1.0 - 2.0 * d00 / dw);
}

// βm of the span for the combined check, worked out once per span during a walk.
double SharedBetaM(SpanMemo& memo, const CSpan& span, bool cantilever, double E,
                   const BetaMAxis& axis) {
    return memo
        .Get(axis.kind, span.GetCMPIndexLeft(), span.GetCMPIndexRight(), 0,
             [&] { return SpanValues{BetaMOfSpan(span, cantilever, E, axis)}; })
        .betaM;
}

}  // namespace

double CAS4100_98Member::BetaM_x(const CSpan& span) const {
    const double E = section_ ? section_->YoungsModulus() : 0.0;
    const double I = section_ ? section_->Ixx() : 0.0;
    return SharedBetaM(
        spanMemo_, span, IsCantilever(span), E,
        {SpanMemo::Kind::BetaMx, kMajor, &CSpan::IsMinorAxisLoaded, I, &CSpan::DispYY});
}

double CAS4100_98Member::BetaM_y(const CSpan& span) const {
    const double E = section_ ? section_->YoungsModulus() : 0.0;
    const double I = section_ ? section_->Iyy() : 0.0;
    return SharedBetaM(
        spanMemo_, span, IsCantilever(span), E,
        {SpanMemo::Kind::BetaMy, kMinor, &CSpan::IsMajorAxisLoaded, I, &CSpan::DispXX});
}

bool CAS4100_98Member::IsSpanLoaded(const CSpan& span) const {
    return spanMemo_
        .Get(SpanMemo::Kind::Loaded, span.GetCMPIndexLeft(), span.GetCMPIndexRight(), 0,
             [&] {
                 SpanValues v;
                 v.loaded = span.IsLoaded(false);
                 return v;
             })
        .loaded;
}

}  // namespace Arbor::Steel::SteelAS4100
