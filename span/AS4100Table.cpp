// PLACEHOLDER: effective length factors (Figure 4.6.3.2) - being written.
#include "span/AS4100Table.h"

namespace Arbor::Steel::SteelAS4100 {

double CAS4100_98Table::Table4_6_3_2_XX(const CRestraint&, const CRestraint&) const { return 1.0; }
double CAS4100_98Table::Table4_6_3_2_YY(const CRestraint&, const CRestraint&) const { return 1.0; }
double CAS4100_98Table::Table4_6_3_2_VV(const CRestraint&, const CRestraint&) const { return 1.0; }

}  // namespace Arbor::Steel::SteelAS4100
