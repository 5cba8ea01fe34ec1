// PLACEHOLDER: moment amplification (cl. 4.4.2.2) - being written.
#include "member/AS4100Member.h"

namespace Arbor::Steel::SteelAS4100 {

double CAS4100_98Member::MomentAmplificationFactor(double, double, double) const { return 1.0; }
double CAS4100_98Member::MomentAmplificationFactorStrongAxis(int, int, bool, double, double) const { return 1.0; }
double CAS4100_98Member::MomentAmplificationFactorWeakAxis(int, int, bool, double, double) const { return 1.0; }
double CAS4100_98Member::FactorBetaM(int, int, bool, bool) const { return 0.0; }
double CAS4100_98Member::BetaM_x(const CSpan&) const { return 0.0; }
double CAS4100_98Member::BetaM_y(const CSpan&) const { return 0.0; }

}  // namespace Arbor::Steel::SteelAS4100
