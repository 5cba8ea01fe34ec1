// PLACEHOLDER - being written.
#include "host/SectionCodeBase.h"
namespace Arbor::Steel {
bool CSectionCodeBase::SetArborSec(const Arbor::Data::CSection& s, CMemberResult*) { section_ = s; return true; }
void CSectionCodeBase::MirrorXX() { Mx_ = -Mx_; Vy_ = -Vy_; }
void CSectionCodeBase::SetMemberForces(const Vec3& f) { N_ = f[0]; Vy_ = f[1]; Vx_ = f[2]; }
void CSectionCodeBase::SetMemberMoments(const Vec3& m) { T_ = m[0]; Mx_ = m[1]; My_ = m[2]; }
void CSectionCodeBase::ClearForcesAndMoments() { Mx_ = My_ = N_ = T_ = Vx_ = Vy_ = 0.0; }
}  // namespace Arbor::Steel
