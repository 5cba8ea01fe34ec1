// Division of the member into buckling spans for each axis and into lateral-torsional
// segments, their effective lengths (cl. 4.6.3, 5.6.3), and the effective length data
// returned to the host.
#include <algorithm>
#include <cmath>
#include <limits>

#include "buckling/SpanActions.h"
#include "member/AS4100Member.h"
#include "span/AS4100Table.h"

namespace Arbor::Steel::SteelAS4100 {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Either of two freedoms held at a point ends a span.
struct StopBits {
    unsigned first, second;
    bool StopsAt(const CRestraint& r) const {
        return r.IsRestrained(first, true) || r.IsRestrained(second, true);
    }
};

int LastPoint(const MemberPointVec& points) {
    return static_cast<int>(points.size()) - 1;
}

// Left end of the next span: the previous span's right end, 0 for a null span.
int NextStart(const CAS4100Span& span) {
    return span.GetCMPIndexRight();
}

// cl. 5.6.3 / 5.4: restraint types that make a segment of an effective length. F and P pair
// with anything; L with F, P or L; U with F or P (cantilevers and segments supported at both
// ends).
bool IsValidSupportedPair(unsigned left, unsigned right) {
    using namespace RestraintType;
    if (left == L && right == U) return false;
    if (left == U && (right == L || right == U)) return false;
    return true;
}

// Advances `span` to the next span whose end points are the first ones holding one of the
// two freedoms; the whole member under an effective length override.
bool FindNextSpan(const CAS4100_98Member& member, CAS4100Span& span, StopBits stop,
                  bool lengthOverride) {
    const MemberPointVec& points = member.GetMemberPointVec();
    const int last = LastPoint(points);
    if (span.GetCMPIndexRight() >= last) {
        span.SetNull();
        return false;
    }
    if (lengthOverride) {
        span.Set(0, last);
        return true;
    }
    const int start = NextStart(span);
    int j = start + 1;
    while (j < last && !stop.StopsAt(points[static_cast<size_t>(j)].GetRestraint())) ++j;
    span.Set(start, j);
    return true;
}

}  // namespace

double CAS4100_98Member::OverrideLength(double value) const {
    return value >= 0.0 ? value : -value * Length();
}

bool CAS4100_98Member::FindNextXXSpan(CAS4100Span& span) const {
    return FindNextSpan(*this, span, {RestraintBit::TranslationXX, RestraintBit::RotationXX},
                        LengthOverride());
}

bool CAS4100_98Member::FindNextYYSpan(CAS4100Span& span) const {
    return FindNextSpan(*this, span, {RestraintBit::TranslationYY, RestraintBit::RotationYY},
                        LengthOverride());
}

// An angle strut buckles about v-v between points held against translation either way.
bool CAS4100_98Member::FindNextVVStrutSpan(CAS4100Span& span) const {
    return FindNextSpan(*this, span, {RestraintBit::TranslationYY, RestraintBit::TranslationXX},
                        LengthOverride());
}

bool CAS4100_98Member::FindNextXXStrutSpan(CAS4100Span& span) const {
    return FindNextXXSpan(span);
}

bool CAS4100_98Member::FindNextYYStrutSpan(CAS4100Span& span) const {
    return FindNextYYSpan(span);
}

// A segment grows over intermediate points until its end restraints make a valid segment
// (cl. 5.6.3); the last one ends at the member's end whatever its ends are. The end moments of
// the growing segment are carried along, so that finding it costs its length.
bool CAS4100_98Member::FindNextLTSpan(CAS4100Span& span) const {
    const MemberPointVec& points = GetMemberPointVec();
    const SubSpanVec& subSpans = GetSubSpanVec();
    const int last = LastPoint(points);
    if (span.GetCMPIndexRight() >= last) {
        span.SetNull();
        return false;
    }
    // Hollow sections of equal stiffness about both axes do not buckle laterally (cl. 5.3.1).
    if ((section_ && (section_->IsCircular() || section_->IsSquare())) || LengthOverride()) {
        span.Set(0, last);
        return true;
    }
    const int start = NextStart(span);
    int j = start + 1;
    CAS4100Span trial(&points, &subSpans, start, j);
    SpanActions::EndMoments moments = SpanActions::MajorAxisEndMoments(trial);
    while (j < last && !IsValidSegmentLT(trial, moments)) {
        SpanActions::Include(moments, subSpans[static_cast<size_t>(j)]);
        trial.Set(start, ++j);
    }
    span.Set(start, j);
    return true;
}

double CAS4100_98Member::EffectiveLengthXX(const CAS4100Span& span) const {
    if (LengthOverride()) return OverrideLength(Lyy());
    if (span.ContinuousRestraint().IsRestrained(RestraintBit::TranslationXX, true)) return 0.0;
    const CAS4100_98Table table(nullptr);
    return table.Table4_6_3_2_XX(span.RestraintEndL(), span.RestraintEndR()) * span.Length();
}

double CAS4100_98Member::EffectiveLengthYY(const CAS4100Span& span) const {
    if (LengthOverride()) return OverrideLength(Lzz());
    if (span.ContinuousRestraint().IsRestrained(RestraintBit::TranslationYY, true)) return 0.0;
    const CAS4100_98Table table(nullptr);
    return table.Table4_6_3_2_YY(span.RestraintEndL(), span.RestraintEndR()) * span.Length();
}

double CAS4100_98Member::EffectiveStrutLengthXX(const CAS4100Span& span, bool) const {
    return EffectiveLengthXX(span);
}

double CAS4100_98Member::EffectiveStrutLengthYY(const CAS4100Span& span, bool) const {
    return EffectiveLengthYY(span);
}

double CAS4100_98Member::EffectiveStrutLengthVV(const CAS4100Span& span, bool) const {
    if (LengthOverride()) return std::max(OverrideLength(Lyy()), OverrideLength(Lzz()));
    const CRestraint continuous = span.ContinuousRestraint();
    if (continuous.IsRestrained(RestraintBit::TranslationYY, true) ||
        continuous.IsRestrained(RestraintBit::TranslationXX, true)) {
        return 0.0;
    }
    const CAS4100_98Table table(nullptr);
    return table.Table4_6_3_2_VV(span.RestraintEndL(), span.RestraintEndR()) * span.Length();
}

namespace {

// IsFlange1Critical with the segment's end moments given.
bool FlangeOneCritical(bool cantilever, RuleSet rules, const SpanActions::EndMoments& m) {
    if (rules == RuleSet::AsWritten) return !cantilever;
    return CAS4100Span::IsFlange1Critical(cantilever,
                                          std::fabs(m.max) >= std::fabs(m.min) ? m.max : m.min);
}

// The standard's reading of a valid segment (cl. 5.4, 5.6.3): a cantilever's U tip pairs with
// an F or P end; a segment restrained at both ends has no U end. The ends are typed with the
// critical flange of cl. 5.5; the support bit plays no part.
bool IsValidSegmentByClause(const CAS4100Span& span, bool cantilever, bool flange1Critical) {
    const unsigned left = CAS4100Span::RestType(flange1Critical, span.RestraintEndL());
    const unsigned right = CAS4100Span::RestType(flange1Critical, span.RestraintEndR());
    if (cantilever) return IsValidSupportedPair(left, right);
    return left != RestraintType::U && right != RestraintType::U;
}

}  // namespace

// The segment length when its end restraints make a valid segment (cl. 5.6.3), else
// infinity; the twist, load height and rotation factors are applied by the moment capacity.
double CAS4100_98Member::EffectiveLengthLT(const CAS4100Span& span, double, bool) const {
    if (LengthOverride()) return OverrideLength(Llt());
    const SpanActions::EndMoments moments = rules_ == RuleSet::Standard
                                                ? SpanActions::MajorAxisEndMoments(span)
                                                : SpanActions::EndMoments{};
    return IsValidSegmentLT(span, moments) ? span.Length() : kInfinity;
}

// `moments` are the segment's major-axis end moments; only the standard's reading uses them.
bool CAS4100_98Member::IsValidSegmentLT(const CAS4100Span& span,
                                        const SpanActions::EndMoments& moments) const {
    if (rules_ == RuleSet::Standard) {
        const bool cantilever = IsCantilever(span);
        return IsValidSegmentByClause(span, cantilever,
                                      FlangeOneCritical(cantilever, rules_, moments));
    }
    const CRestraint& left = span.RestraintEndL();
    const CRestraint& right = span.RestraintEndR();
    const bool leftSupported = left.IsRestrained(RestraintBit::TranslationXX, true);
    const bool rightSupported = right.IsRestrained(RestraintBit::TranslationXX, true);
    const bool leftFree = left.IsFree(RestraintBit::TranslationXX, true);
    const bool rightFree = right.IsFree(RestraintBit::TranslationXX, true);

    bool valid = false;
    if ((leftFree && rightSupported && span.IsLEndOfMember()) ||
        (leftSupported && rightFree && span.IsREndOfMember())) {
        // Cantilever: flange 2 taken as the critical flange (cl. 5.5).
        valid = IsValidSupportedPair(CAS4100Span::RestType(false, left),
                                     CAS4100Span::RestType(false, right));
    } else if (leftSupported && rightSupported) {
        valid = IsValidSupportedPair(CAS4100Span::RestType(true, left),
                                     CAS4100Span::RestType(true, right));
    } else {
        // Neither a cantilever nor supported at both ends: no end may be unrestrained.
        valid = CAS4100Span::RestType(true, left) != RestraintType::U &&
                CAS4100Span::RestType(true, right) != RestraintType::U;
    }
    return valid;
}

bool CAS4100_98Member::IsCantilever(const CSpan& span) const {
    return CAS4100Span(span.MemberPoints(), span.SubSpans(), span.GetCMPIndexLeft(),
                       span.GetCMPIndexRight())
        .IsCantilever(rules_);
}

bool CAS4100_98Member::IsFlange1Critical(const CSpan& span) const {
    const bool cantilever = IsCantilever(span);
    if (rules_ == RuleSet::AsWritten) return !cantilever;
    return FlangeOneCritical(cantilever, rules_, SpanActions::MajorAxisEndMoments(span));
}

unsigned CAS4100_98Member::ContinuousRestraintFlangeBit(const CSpan& span) const {
    if (rules_ == RuleSet::AsWritten) return RestraintBit::Flange1;
    return IsFlange1Critical(span) ? RestraintBit::Flange1 : RestraintBit::Flange2;
}

bool CAS4100_98Member::IsEndsFullOrPartRestrained(const CAS4100Span& span) const {
    const bool flange1Critical = IsFlange1Critical(span);
    return CAS4100Span::RestType(flange1Critical, span.RestraintEndL()) <= RestraintType::P &&
           CAS4100Span::RestType(flange1Critical, span.RestraintEndR()) <= RestraintType::P;
}

// Without a calculator (no successful SetSection) there is nothing to report: empty.
std::optional<SubspanEffectiveLengthData> CAS4100_98Member::GetMemberEffectiveLengthData() {
    if (!ValidateInputData() || !Result() || !section_) return std::nullopt;
    interaction_.clear();
    interaction_.resize(GetSubSpanVec().size());
    SubspanEffectiveLengthData::Map lt = GetSubspanEffectiveLengthDataLT();
    SubspanEffectiveLengthData::Map minor = GetSubspanEffectiveLengthDataYY();
    SubspanEffectiveLengthData::Map major = GetSubspanEffectiveLengthDataXX();
    return SubspanEffectiveLengthData(std::move(major), std::move(minor), std::move(lt));
}

namespace {

// One map entry per span found by `findNext`, keyed by the span's ordinal number from 1.
template <typename FindNext, typename EffectiveLength>
SubspanEffectiveLengthData::Map CollectSpans(const MemberPointVec& points,
                                             const SubSpanVec& subSpans, FindNext findNext,
                                             EffectiveLength effectiveLength, double radius) {
    SubspanEffectiveLengthData::Map map;
    CAS4100Span span(&points, &subSpans, 0, 0);
    for (int key = 1; findNext(span); ++key) {
        map[key] = SubspanEffectiveLengthData::Entry(
            static_cast<std::uint64_t>(span.GetCMPIndexLeft()),
            static_cast<std::uint64_t>(span.GetCMPIndexRight()), span.PosLeft(), span.PosRight(),
            effectiveLength(span), radius);
        if (!span.IsValid()) break;
    }
    return map;
}

}  // namespace

SubspanEffectiveLengthData::Map CAS4100_98Member::GetSubspanEffectiveLengthDataXX() {
    return CollectSpans(
        GetMemberPointVec(), GetSubSpanVec(), [this](CAS4100Span& s) { return FindNextXXSpan(s); },
        [this](const CAS4100Span& s) { return EffectiveLengthXX(s); },
        std::sqrt(section_->Ixx() / section_->Area()));
}

SubspanEffectiveLengthData::Map CAS4100_98Member::GetSubspanEffectiveLengthDataYY() {
    return CollectSpans(
        GetMemberPointVec(), GetSubSpanVec(), [this](CAS4100Span& s) { return FindNextYYSpan(s); },
        [this](const CAS4100Span& s) { return EffectiveLengthYY(s); },
        std::sqrt(section_->Iyy() / section_->Area()));
}

// A segment held laterally or against twist along its length (slab, sheeting) has no
// lateral-torsional buckling length.
SubspanEffectiveLengthData::Map CAS4100_98Member::GetSubspanEffectiveLengthDataLT() {
    auto effectiveLength = [this](const CAS4100Span& s) {
        if (LengthOverride()) return OverrideLength(Llt());
        const CRestraint continuous = s.ContinuousRestraint();
        if (continuous.IsRestrained(ContinuousRestraintFlangeBit(s), true) ||
            continuous.IsRestrained(RestraintBit::FullTwist, true)) {
            return 0.0;
        }
        return EffectiveLengthLT(s, section_->Depth(), false);
    };
    return CollectSpans(
        GetMemberPointVec(), GetSubSpanVec(), [this](CAS4100Span& s) { return FindNextLTSpan(s); },
        effectiveLength, std::sqrt(section_->Ixx() / section_->Area()));
}

}  // namespace Arbor::Steel::SteelAS4100
