// PLACEHOLDER - being written.
#include "host/Span.h"
namespace Arbor::Steel {
static const CRestraint kNone;
bool CSpan::IsValid() const { return points_ && subSpans_ && left_ < right_ && right_ < static_cast<int>(points_->size()); }
bool CSpan::IsREndOfMember() const { return points_ && right_ + 1 == static_cast<int>(points_->size()); }
const CRestraint& CSpan::RestraintEndL() const { return points_ ? (*points_)[left_].GetRestraint() : kNone; }
const CRestraint& CSpan::RestraintEndR() const { return points_ ? (*points_)[right_].GetRestraint() : kNone; }
CRestraint CSpan::ContinuousRestraint() const { return {}; }
double CSpan::PosLeft() const { return points_ ? (*points_)[left_].Position() : 0.0; }
double CSpan::PosRight() const { return points_ ? (*points_)[right_].Position() : 0.0; }
CSubSpan CSpan::MaxForces() const { return {}; }
CSubSpan CSpan::MinForces() const { return {}; }
Vec3 CSpan::InterpolateMoments(double) const { return {}; }
bool CSpan::IsLoaded(bool) const { return false; }
bool CSpan::IsMinorAxisLoaded() const { return false; }
bool CSpan::IsMajorAxisLoaded() const { return false; }
bool CSpan::IsLoadedWithPointLoad() const { return false; }
bool CSpan::IsDestabilized() const { return false; }
double CSpan::DispYY(double, double, double, bool, bool) const { return 0.0; }
double CSpan::DispXX(double, double, double, bool, bool) const { return 0.0; }
CString CSpan::GetString(const CDesFormat&) const { return {}; }
}  // namespace Arbor::Steel
