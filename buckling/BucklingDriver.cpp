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

// Angles are checked as struts (cl. 8.4 via the strut checks); no strut calculator exists yet,
// so every section takes the general driver.
bool CAS4100_98Member::CheckBuckling() const {
    return CheckBucklingGen();
}

// Runs `check` on every span that `findNext` finds, after the heading. False when the
// quick-check stop fired.
template <typename FindNext, typename Check>
static bool RunSpanLoop(const CAS4100_98Member& member, CAS4100Span& span, const wchar_t* heading,
                        FindNext findNext, Check check, bool (CAS4100_98Member::*stop)() const) {
    Report(member.Result(), heading);
    CResultIndent indent(member.Result());
    span.SetNull();
    if (!findNext(span)) return true;
    do {
        check(span);
        if ((member.*stop)()) return false;
        if (!span.IsValid()) break;
    } while (findNext(span));
    return true;
}

// Runs `check` on the first record and on each record whose spans (as `same` compares them)
// differ from the previous record's. False when the quick-check stop fired.
template <typename Same, typename Check>
static bool RunRecordLoop(std::vector<CInteractionData>& records, Same same, Check check,
                          bool testStop, const CAS4100_98Member& member,
                          bool (CAS4100_98Member::*stop)() const) {
    for (size_t i = 0; i < records.size(); ++i) {
        if (i > 0 && same(records[i], records[i - 1])) continue;
        check(records[i]);
        if (testStop && (member.*stop)()) return false;
    }
    return true;
}

bool CAS4100_98Member::CheckBucklingGen() const {
    if (!section_) return false;
    CMemberResult* result = Result();
    interaction_.clear();
    interaction_.resize(GetSubSpanVec().size());
    Report(result, L"<h4>Buckling capacity checks:</h4>\n");
    CResultIndent indent(result);
    CAS4100Span span(&GetMemberPointVec(), &GetSubSpanVec(), 0, 0);
    const auto stop = &CAS4100_98Member::QuickCheckStop;

    auto spanLoop = [&](const wchar_t* heading,
                        bool (CAS4100_98Member::*findNext)(CAS4100Span&) const,
                        bool (CAS4100_98Member::*check)(const CAS4100Span&) const) {
        return RunSpanLoop(
            *this, span, heading, [&](CAS4100Span& s) { return (this->*findNext)(s); },
            [&](const CAS4100Span& s) { (this->*check)(s); }, stop);
    };
    if (!spanLoop(L"<h5>Check axial buckling major axis</h5>\n", &CAS4100_98Member::FindNextXXSpan,
                  &CAS4100_98Member::CheckSpanXX)) {
        return false;
    }
    if (!spanLoop(L"<h5>Check axial buckling minor axis</h5>\n", &CAS4100_98Member::FindNextYYSpan,
                  &CAS4100_98Member::CheckSpanYY)) {
        return false;
    }
    if (!spanLoop(L"<h5>Check torsional buckling </h5>\n", &CAS4100_98Member::FindNextLTSpan,
                  &CAS4100_98Member::CheckSpanT)) {
        return false;
    }

    if (!section_->IsDoublySymmetric()) {
        Report(result, L"<h5>Check flexural-torsional buckling </h5>\n");
        if (!RunRecordLoop(
                interaction_, SameSpans, [this](CInteractionData& r) { CheckSpanTF(r); }, true,
                *this, stop)) {
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
        if (!RunRecordLoop(
                interaction_, SameSpanLT, [this](CInteractionData& r) { CheckSpanLT(r); }, true,
                *this, stop)) {
            return false;
        }
    }

    Report(result, L"<h5>Check buckling interaction</h5>\n");
    RunRecordLoop(
        interaction_, SameSpans, [this](CInteractionData& r) { CheckBucklingInteraction(r); },
        false, *this, stop);
    return true;
}

}  // namespace Arbor::Steel::SteelAS4100
