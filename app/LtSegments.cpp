#include "app/LtSegments.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <memory>

#include "buckling/SpanActions.h"
#include "member/AS4100Member.h"

namespace as4100 {

namespace {

using Arbor::Steel::SteelAS4100::CAS4100_98Section;
using Arbor::Steel::SteelAS4100::CAS4100Span;
using Arbor::Steel::SteelAS4100::SpanActions::EndMoments;
namespace SpanActions = Arbor::Steel::SteelAS4100::SpanActions;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The moments whose member capacity the check asked for: both ends of a reverse-curved
// segment, else the larger in magnitude.
struct CheckedMoments {
    std::array<double, 2> moments{};
    size_t count = 1;
    CheckedMoments(const EndMoments& m, bool reverse) {
        if (reverse) {
            moments = {m.min, m.max};
            count = 2;
        } else {
            moments[0] = std::fabs(m.min) <= std::fabs(m.max) ? m.max : m.min;
        }
    }
    const double* begin() const { return moments.data(); }
    const double* end() const { return moments.data() + count; }
};

// The checker's record for the segment's first sub-span, when the check reached it.
const Arbor::Steel::SteelAS4100::CInteractionData* RecordOf(const CheckedCase& c,
                                                            const SpanLength& s) {
    if (s.from >= c.records.size()) return nullptr;
    const auto& record = c.records[s.from];
    const bool same = record.SpanLT.GetCMPIndexLeft() == static_cast<int>(s.from) &&
                      record.SpanLT.GetCMPIndexRight() == static_cast<int>(s.to);
    return same ? &record : nullptr;
}

const char* WhyNotRequired(const SpanLength& s, const EndMoments& m,
                           const CAS4100_98Section& section) {
    if (section.IsCircular() || section.IsSquare()) return "circular or square section";
    if (s.le == 0.0) return "restrained along its length";
    if (m.max == 0.0 && m.min == 0.0) return "no major-axis moment";
    return "fully laterally restrained (cl. 5.3.2.4)";
}

// The factors of cl. 5.6.3 for the segment bent by moment `moment`, from `section`, a copy of
// the checker's calculator, with that moment set alone (its sign chooses the critical flange,
// as in the check). The factors read only the actions and the values the calculator keeps for
// its section and grade, so one copy serves every segment of the case.
void Factors(const CheckedCase& c, CAS4100_98Section& section, const CAS4100Span& span,
             double moment, LtSegment& out) {
    section.ClearForcesAndMoments();
    section.SetMomentXX(moment);
    out.moment = moment;
    out.cantilever = span.IsCantilever();
    const bool flange1Critical = out.cantilever ? moment > 0.0 : moment <= 0.0;
    out.criticalFlange = flange1Critical ? 1 : 2;
    out.endLeft = CAS4100Span::RestType(flange1Critical, span.RestraintEndL());
    out.endRight = CAS4100Span::RestType(flange1Critical, span.RestraintEndR());
    out.alphaM = c.checker.Alpha_M(span);
    if (c.lengthOverride) {
        out.overridden = true;
        out.kl = section.LoadHeightFactor(span, true);
        out.le = out.kl * c.overrideLt;
        return;
    }
    out.kt = section.TwistFactor(span);
    out.kl = section.LoadHeightFactor(span, false);
    out.kr = section.RotationalFactor(span);
    out.le = out.kt * out.kl * out.kr * out.length;
}

}  // namespace

const char* RestraintTypeWord(unsigned code) {
    static const char* const kWords[] = {"F", "P", "L", "U"};
    return code < 4 ? kWords[code] : "?";
}

std::vector<LtSegment> DescribeLtSegments(const CheckedCase& c,
                                          const std::vector<SpanLength>& segments) {
    std::vector<LtSegment> out;
    if (!c.checker.Section() || segments.empty()) return out;
    out.reserve(segments.size() + 1);  // one more for a reverse-curved segment, the usual most
    const std::unique_ptr<CAS4100_98Section> section(c.checker.Section()->Clone());
    for (const SpanLength& s : segments) {
        const CAS4100Span span(&c.points, &c.subSpans, static_cast<int>(s.from),
                               static_cast<int>(s.to));
        if (!span.IsValid()) continue;
        LtSegment base;
        base.from = s.from;
        base.to = s.to;
        base.xFrom = s.xFrom;
        base.xTo = s.xTo;
        base.length = span.Length();
        base.kt = base.kl = base.kr = base.le = base.alphaM = kNaN;
        const auto* record = RecordOf(c, s);
        // The end moments and curvature as the lateral-torsional check reads them (cl. 5.6).
        const EndMoments m = SpanActions::MajorAxisEndMoments(span);
        if (!record) {
            base.status = LtSegment::Status::NotReached;
        } else if (!record->LTApplies) {
            base.status = LtSegment::Status::NotRequired;
            base.why = WhyNotRequired(s, m, *c.checker.Section());
        }
        if (base.status != LtSegment::Status::Checked) {
            // Ends and critical flange still tell the story; the checker's length stands, as
            // no member capacity (kt·kl·kr, αm) was asked for.
            Factors(c, *section, span, *CheckedMoments(m, false).begin(), base);
            base.kt = base.kl = base.kr = base.alphaM = kNaN;
            base.le = s.le;
            out.push_back(base);
            continue;
        }
        for (const double moment : CheckedMoments(m, SpanActions::IsReverseCurvature(m))) {
            LtSegment segment = base;
            Factors(c, *section, span, moment, segment);
            out.push_back(segment);
        }
    }
    return out;
}

}  // namespace as4100
