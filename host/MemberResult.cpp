// Result object of one member check: utilisations per entry, flags and the report mark-up.
#include "host/MemberResult.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace Arbor::Steel {

CMemberResult::CMemberResult() {
    IniDynaArray(1);
}

// Sizes and clears the entries; flags, report and an explicit overall value are kept.
void CMemberResult::IniDynaArray(int count) {
    entries_.assign(static_cast<size_t>(count > 0 ? count : 0), Entry{});
    current_ = 0;
    maxRecorded_ = 0.0;
}

// A negative index is taken as 0: the setters must always have an entry to fill.
void CMemberResult::SetCurrentIndex(int index) {
    current_ = index > 0 ? index : 0;
}

// An index beyond the entries grows them rather than losing the value.
void CMemberResult::GrowToCurrent() {
    entries_.resize(static_cast<size_t>(current_) + 1);
}

double CMemberResult::Util(int entry, UtilKind kind) const {
    const int k = static_cast<int>(kind);
    if (entry < 0 || entry >= NumEntries() || k < 0 || k >= kUtilKindCount) return 0.0;
    return entries_[static_cast<size_t>(entry)].util[static_cast<size_t>(k)];
}

void CMemberResult::SetUtilOverAll(double u) {
    overall_ = InfinitiseNANs(u);
    overallSet_ = true;
    if (overall_ > 1.0) flags_ |= ResultFlag::Failed;
}

double CMemberResult::UtilOverAll() const {
    return overallSet_ ? overall_ : maxRecorded_;
}

void CMemberResult::AddFlags(unsigned flags) {
    flags_ |= flags;
    if (flags & ResultFlag::FailureMask) flags_ |= ResultFlag::Failed;
}

// Lines offered while text is off are dropped, so a caller that forgot to test TextEnabled
// still cannot write into a quick check.
void CMemberResult::AddOutputString(const CString& markup) {
    AddCopy(markup);
}

void CMemberResult::AddOutputString(const wchar_t* markup) {
    AddCopy(markup);
}

// A copied line goes into a recycled buffer, so that a repeated check allocates no text.
void CMemberResult::AddCopy(std::wstring_view markup) {
    if (!textEnabled_) return;
    CString text = Util::TakeLineBuffer(markup.size());
    text.assign(markup);
    report_.push_back({indent_, std::move(text)});
}

void CMemberResult::AddOutputString(CString&& markup) {
    if (!textEnabled_) return;
    report_.push_back({indent_, std::move(markup)});
}

void CMemberResult::Reset() {
    IniDynaArray(1);
    bucklingEntry_ = false;
    flags_ = 0;
    overallSet_ = false;
    overall_ = 0.0;
    textEnabled_ = true;
    indent_ = 0;
    for (ReportPiece& piece : report_) Util::ReturnLineBuffer(std::move(piece.text));
    report_.clear();
}

}  // namespace Arbor::Steel
