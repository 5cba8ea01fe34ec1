// Member buckling checks: the order in which the member is walked span by span for flexural
// (cl. 6.3), torsional and flexural-torsional (cl. 6.3.3), lateral-torsional (cl. 5.6)
// buckling and the combined check (cl. 8.4).
#include "member/AS4100Member.h"

namespace Arbor::Steel::SteelAS4100 {

namespace {

bool WantsText(const CMemberResult* result) {
    return result && result->TextEnabled();
}

void Report(CMemberResult* result, const wchar_t* line) {
    if (WantsText(result)) result->AddOutputString(line);
}

// Iyy above 1.01 Ixx: the x-x axis is not the major axis the checks assume. Compared as a
// product so that Iyy = 1.01 Ixx exactly gives no warning.
bool IsMinorStiffer(const CAS4100_98Section& section) {
    return section.Iyy() > 1.01 * section.Ixx();
}

bool SameSpanLT(const CInteractionData& a, const CInteractionData& b) {
    return a.SpanLT == b.SpanLT;
}

bool SameSpans(const CInteractionData& a, const CInteractionData& b) {
    return a.SpanXX == b.SpanXX && a.SpanYY == b.SpanYY && a.SpanLT == b.SpanLT;
}

}  // namespace

// Angles are checked as struts in their principal axes. The span values shared by records
// are kept for the walk only.
bool CAS4100_98Member::CheckBuckling() const {
    const SpanMemo::Scope memo(spanMemo_);
    if (section_ && section_->IsStrutAndTieOnly()) return CheckBucklingStrut();
    return CheckBucklingGen();
}

namespace {

// When a record loop asks for the quick-check stop.
enum class StopTest { AfterEach, AfterEachButFirst, Never };

// The member walked span by span for one driver: the working span, the records and the
// quick-check stop. Each loop returns false when the stop fired.
class BucklingWalk {
  public:
    using FindNext = bool (CAS4100_98Member::*)(CAS4100Span&) const;
    using SpanCheck = bool (CAS4100_98Member::*)(const CAS4100Span&) const;
    using Stop = bool (CAS4100_98Member::*)() const;

    BucklingWalk(const CAS4100_98Member& member, std::vector<CInteractionData>& records, Stop stop)
        : member_(member),
          records_(records),
          stop_(stop),
          span_(&member.GetMemberPointVec(), &member.GetSubSpanVec(), 0, 0) {}

    // Every span that `findNext` finds, after the heading, one level in.
    bool SpanLoop(const wchar_t* heading, FindNext findNext, SpanCheck check) {
        Report(member_.Result(), heading);
        CResultIndent indent(member_.Result());
        span_.SetNull();
        if (!(member_.*findNext)(span_)) return true;
        do {
            (member_.*check)(span_);
            if ((member_.*stop_)()) return false;
            if (!span_.IsValid()) break;
        } while ((member_.*findNext)(span_));
        return true;
    }

    // The first record and each record whose spans (as `same` compares them) differ from the
    // previous record's.
    template <typename Same, typename Check>
    bool RecordLoop(Same same, Check check, StopTest test) {
        for (size_t i = 0; i < records_.size(); ++i) {
            if (i > 0 && same(records_[i], records_[i - 1])) continue;
            check(records_[i]);
            const bool testNow =
                test == StopTest::AfterEach || (test == StopTest::AfterEachButFirst && i > 0);
            if (testNow && (member_.*stop_)()) return false;
        }
        return true;
    }

  private:
    const CAS4100_98Member& member_;
    std::vector<CInteractionData>& records_;
    Stop stop_;
    CAS4100Span span_;
};

}  // namespace

bool CAS4100_98Member::CheckBucklingGen() const {
    if (!section_) return false;
    CMemberResult* result = Result();
    interaction_.clear();
    interaction_.resize(GetSubSpanVec().size());
    Report(result, L"<h4>Buckling capacity checks:</h4>\n");
    CResultIndent indent(result);
    BucklingWalk walk(*this, interaction_, &CAS4100_98Member::QuickCheckStop);

    if (!walk.SpanLoop(L"<h5>Check axial buckling major axis</h5>\n",
                       &CAS4100_98Member::FindNextXXSpan, &CAS4100_98Member::CheckSpanXX) ||
        !walk.SpanLoop(L"<h5>Check axial buckling minor axis</h5>\n",
                       &CAS4100_98Member::FindNextYYSpan, &CAS4100_98Member::CheckSpanYY) ||
        !walk.SpanLoop(L"<h5>Check torsional buckling </h5>\n", &CAS4100_98Member::FindNextLTSpan,
                       &CAS4100_98Member::CheckSpanT)) {
        return false;
    }
    if (!section_->IsDoublySymmetric()) {
        Report(result, L"<h5>Check flexural-torsional buckling </h5>\n");
        if (!walk.RecordLoop(
                SameSpans, [this](CInteractionData& r) { CheckSpanTF(r); }, StopTest::AfterEach)) {
            return false;
        }
    }
    {
        Report(result, L"<h5>Check LT buckling</h5>\n");
        CResultIndent ltIndent(result);
        if (IsMinorStiffer(*section_)) {
            Report(result, L"<b><orange>Warning:</orange></b> Iyy is greater than Ixx:\n");
            Report(result, L"\tthis may lead to errors\n");
            if (result) result->AddFlags(ResultFlag::Warning);
        }
        if (!walk.RecordLoop(
                SameSpanLT, [this](CInteractionData& r) { CheckSpanLT(r); }, StopTest::AfterEach)) {
            return false;
        }
    }
    Report(result, L"<h5>Check buckling interaction</h5>\n");
    walk.RecordLoop(
        SameSpans, [this](CInteractionData& r) { CheckBucklingInteraction(r); }, StopTest::Never);
    return true;
}

// Angle struts: principal axes (walking the v-v strut spans), then the geometric axes, then
// lateral-torsional buckling and the combined check in principal axes.
bool CAS4100_98Member::CheckBucklingStrut() const {
    if (!section_) return false;
    CMemberResult* result = Result();
    interaction_.clear();
    interaction_.resize(GetSubSpanVec().size());
    Report(result, L"<h4>Strut buckling capacity checks:</h4>\n");
    CResultIndent indent(result);
    BucklingWalk walk(*this, interaction_, &CAS4100_98Member::QuickCheckStop);

    if (!walk.SpanLoop(L"<h5>Check axial buckling(U-U) axis</h5>\n",
                       &CAS4100_98Member::FindNextVVStrutSpan,
                       &CAS4100_98Member::CheckStrutSpanUU) ||
        !walk.SpanLoop(L"<h5>Check axial buckling(V-V) axis</h5>\n",
                       &CAS4100_98Member::FindNextVVStrutSpan,
                       &CAS4100_98Member::CheckStrutSpanVV) ||
        !walk.SpanLoop(L"<h5>Check axial buckling major(X-X) axis</h5>\n",
                       &CAS4100_98Member::FindNextXXSpan, &CAS4100_98Member::CheckSpanXX) ||
        !walk.SpanLoop(L"<h5>Check axial buckling minor(Y-Y) axis</h5>\n",
                       &CAS4100_98Member::FindNextYYSpan, &CAS4100_98Member::CheckSpanYY) ||
        !walk.SpanLoop(L"<h5>Check torsional buckling </h5>\n", &CAS4100_98Member::FindNextLTSpan,
                       &CAS4100_98Member::CheckSpanT)) {
        return false;
    }
    if (!section_->IsDoublySymmetric()) {
        Report(result, L"<h5>Check flexural-torsional buckling </h5>\n");
        if (!walk.RecordLoop(
                SameSpans, [this](CInteractionData& r) { CheckSpanTF(r); },
                StopTest::AfterEachButFirst)) {
            return false;
        }
    }
    Report(result, L"<h5>Check LT buckling</h5>\n");
    if (!walk.RecordLoop(
            SameSpanLT, [this](CInteractionData& r) { CheckStrutSpanLT(r.SpanLT); },
            StopTest::AfterEach)) {
        return false;
    }
    Report(result, L"<h5>Check buckling interaction</h5>\n");
    return walk.RecordLoop(
        SameSpans, [this](CInteractionData& r) { CheckStrutBucklingInteraction(r); },
        StopTest::AfterEach);
}

}  // namespace Arbor::Steel::SteelAS4100
