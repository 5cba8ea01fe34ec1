// Member effective length factors ke of Figure 4.6.3.2 for the end restraints of a span.
#pragma once

#include "host/MemberResult.h"
#include "host/Restraint.h"

namespace Arbor::Steel::SteelAS4100 {

class CAS4100_98Table {
public:
    CAS4100_98Table() = default;
    explicit CAS4100_98Table(CMemberResult* result) : result_(result) {}

    void SetMemberResult(CMemberResult* result) { result_ = result; }

    // ke for flexural buckling about x, about y, and the larger of the two (angle struts).
    // +infinity for a combination outside the figure.
    double Table4_6_3_2_XX(const CRestraint& end1, const CRestraint& end2) const;
    double Table4_6_3_2_YY(const CRestraint& end1, const CRestraint& end2) const;
    double Table4_6_3_2_VV(const CRestraint& end1, const CRestraint& end2) const;

private:
    CMemberResult* result_ = nullptr;
};

}  // namespace Arbor::Steel::SteelAS4100
