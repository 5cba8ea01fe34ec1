// PLACEHOLDER - being written.
#include "host/SteelMember.h"
namespace Arbor::Steel {
void CSteelMemberGen::Clear() {}
double CSteelMemberGen::Length() const { return points_.size() < 2 ? 0.0 : points_.back().Position() - points_.front().Position(); }
bool CSteelMemberGen::CSVInputData(const CString&, CSteelGrade&) { return false; }
bool CSteelMemberGen::CSVInputData(CSteelGrade&) { return false; }
bool CSteelMemberGen::ValidateInputData() const { return points_.size() >= 2 && subSpans_.size() + 1 == points_.size(); }
void CSteelMemberGen::AddStringInput(const CString& t) const { if (result_ && result_->TextEnabled()) result_->AddOutputString(t); }
}  // namespace Arbor::Steel
