// The member as the host hands it to a code checker.
#include "host/SteelMember.h"

#include <cmath>
#include <string>

namespace Arbor::Steel {

void CSteelMemberGen::Clear() {
    points_.clear();
    subSpans_.clear();
    title_.clear();
    lengthOverride_ = false;
    lyy_ = lzz_ = llt_ = 0.0;
    numSubSpansUser_ = 0;
}

double CSteelMemberGen::Length() const {
    if (points_.size() < 2) return 0.0;
    return points_.back().Position() - points_.front().Position();
}

bool CSteelMemberGen::CSVInputData(const CString&, CSteelGrade&) {
    return false;
}

bool CSteelMemberGen::CSVInputData(CSteelGrade&) {
    return false;
}

// Says why the data do not suffice (as a report line) and returns false.
bool CSteelMemberGen::ValidateInputData() const {
    const auto refuse = [this](const CString& why) {
        AddStringInput(L"Input refused: " + why + L"\n");
        return false;
    };
    const CDesFormat format;
    if (points_.size() < 2)
        return refuse(L"a member needs at least two member points, " +
                      std::to_wstring(points_.size()) + L" given");
    for (size_t i = 0; i < points_.size(); ++i) {
        const double x = points_[i].Position();
        if (!std::isfinite(x))
            return refuse(L"member point " + std::to_wstring(i + 1) + L" position " +
                          format.Length(x) + L" is not a number");
        if (i > 0 && !(x > points_[i - 1].Position()))
            return refuse(L"member point " + std::to_wstring(i + 1) + L" at " + format.Length(x) +
                          L" does not lie beyond point " + std::to_wstring(i) + L" at " +
                          format.Length(points_[i - 1].Position()));
    }
    if (subSpans_.size() + 1 != points_.size())
        return refuse(std::to_wstring(subSpans_.size()) + L" sub-spans given for " +
                      std::to_wstring(points_.size()) + L" member points (" +
                      std::to_wstring(points_.size() - 1) + L" expected)");
    for (size_t i = 0; i < subSpans_.size(); ++i)
        if (subSpans_[i].Index() != static_cast<int>(i))
            return refuse(L"sub-span " + std::to_wstring(i + 1) + L" is numbered " +
                          std::to_wstring(subSpans_[i].Index() + 1));
    return true;
}

void CSteelMemberGen::AddStringInput(const CString& text) const {
    if (result_ && result_->TextEnabled()) result_->AddOutputString(text);
}

}  // namespace Arbor::Steel
