// Restraint types of a segment's ends (cl. 5.4: F, P, L, U), cantilever test and load heights.
#include "span/AS4100Span.h"

#include <algorithm>

namespace Arbor::Steel::SteelAS4100 {

unsigned CAS4100Span::RestType(bool flange1Critical, const CRestraint& restraint) {
    const unsigned critical = flange1Critical ? RestraintBit::Flange1 : RestraintBit::Flange2;
    const unsigned other = flange1Critical ? RestraintBit::Flange2 : RestraintBit::Flange1;
    auto held = [&restraint](unsigned bit) { return restraint.IsRestrained(bit, true); };

    // cl. 5.4.2.1: critical flange held laterally and the section against twist.
    if (held(critical) && held(RestraintBit::Twist)) return RestraintType::F;
    // cl. 5.4.2.1: the other flange held laterally and the section fully against twist.
    if (held(other) && held(RestraintBit::FullTwist)) return RestraintType::F;
    // cl. 5.4.2.2: the other flange held laterally with a twist restraint only.
    if (held(other) && held(RestraintBit::Twist)) return RestraintType::P;
    // cl. 5.4.2.3: the critical flange held laterally, the section free to twist.
    if (held(critical)) return RestraintType::L;
    return RestraintType::U;  // cl. 5.4.2.4
}

// Positive major-axis moment compresses flange 2. The critical flange (cl. 5.5) is the
// compression flange of a segment restrained at both ends and the tension flange of a
// cantilever, so the sign of the moment picks it.
unsigned CAS4100Span::LEndRestType(double m, RuleSet rules) const {
    return RestType(IsFlange1Critical(IsCantilever(rules), m), RestraintEndL());
}

unsigned CAS4100Span::REndRestType(double m, RuleSet rules) const {
    return RestType(IsFlange1Critical(IsCantilever(rules), m), RestraintEndR());
}

bool CAS4100Span::IsCantilever() const {
    const bool leftSupported = RestraintEndL().IsRestrained(RestraintBit::TranslationXX, true);
    const bool rightSupported = RestraintEndR().IsRestrained(RestraintBit::TranslationXX, true);
    const bool leftIsMemberEnd = IsLEndOfMember();
    const bool rightIsMemberEnd = IsREndOfMember();
    if (leftIsMemberEnd && rightIsMemberEnd) return !(leftSupported && rightSupported);
    if (leftIsMemberEnd) return !leftSupported;
    if (rightIsMemberEnd) return !rightSupported;
    return false;
}

namespace {

// U whichever flange is critical: neither flange held laterally (cl. 5.4.2.4).
bool IsUnrestrainedEnd(const CRestraint& r) {
    return r.IsFree(RestraintBit::Flange1, true) && r.IsFree(RestraintBit::Flange2, true);
}

}  // namespace

bool CAS4100Span::IsCantilever(RuleSet rules) const {
    if (rules == RuleSet::AsWritten) return IsCantilever();
    const bool leftFree = IsUnrestrainedEnd(RestraintEndL());
    const bool rightFree = IsUnrestrainedEnd(RestraintEndR());
    return (IsLEndOfMember() && leftFree && !rightFree) ||
           (IsREndOfMember() && rightFree && !leftFree);
}

double CAS4100Span::GetLoadHeightAtEnds() const {
    return std::max(RestraintEndR().LoadHeight(), RestraintEndL().LoadHeight());
}

// Largest load height applied inside the segment (cl. 5.6.3 load height factor): at interior
// member points and on the segment's sub-spans; never below 0.
double CAS4100Span::GetLoadHeightAtSpan() const {
    double height = 0.0;
    const MemberPointVec* points = MemberPoints();
    const SubSpanVec* subSpans = SubSpans();
    const int left = GetCMPIndexLeft();
    const int right = GetCMPIndexRight();
    if (points) {
        for (int p = left + 1; p < right && p < static_cast<int>(points->size()); ++p) {
            height =
                std::max(height, (*points)[static_cast<size_t>(p)].GetRestraint().LoadHeight());
        }
    }
    if (subSpans) {
        const int count = static_cast<int>(subSpans->size());
        for (int s = std::max(0, GetCSSIndexLeft()); s <= GetCSSIndexRight() && s < count; ++s) {
            height =
                std::max(height, (*subSpans)[static_cast<size_t>(s)].GetRestraint().LoadHeight());
        }
    }
    return height;
}

}  // namespace Arbor::Steel::SteelAS4100
