// A buckling span or segment of the member, with the questions the buckling clauses ask of it:
// cantilever or not, restraint type of each end (cl. 5.4: F, P, L, U), load height.
#pragma once

#include "host/Span.h"
#include "span/RuleSet.h"

namespace Arbor::Steel::SteelAS4100 {

// Restraint type codes of cl. 5.4.
namespace RestraintType {
inline constexpr unsigned F = 0;  // fully restrained
inline constexpr unsigned P = 1;  // partially restrained
inline constexpr unsigned L = 2;  // laterally restrained
inline constexpr unsigned U = 3;  // unrestrained
}  // namespace RestraintType

class CAS4100Span : public CSpan {
public:
    CAS4100Span() = default;
    CAS4100Span(const MemberPointVec* points, const SubSpanVec* subSpans, int left, int right)
        : CSpan(points, subSpans, left, right) {}

    // Restraint type of a record; with `flange1Critical` flange 1 (bit 512) is the critical
    // flange, else flange 2 (bit 1024).
    static unsigned RestType(bool flange1Critical, const CRestraint& restraint);
    // cl. 5.5: the critical flange is the compression flange of a segment restrained at both
    // ends and the tension flange of a cantilever; positive m compresses flange 2.
    static bool IsFlange1Critical(bool cantilever, double m) {
        return cantilever ? m > 0.0 : m <= 0.0;
    }
    // RestType of the left / right end, flag m > 0 for a cantilever, m <= 0 otherwise; m is
    // the section's major-axis moment.
    unsigned LEndRestType(double m, RuleSet rules = RuleSet::AsWritten) const;
    unsigned REndRestType(double m, RuleSet rules = RuleSet::AsWritten) const;

    // Rules as written: a member end not supported in-plane (bit 0x200000).
    bool IsCantilever() const;
    // The standard's reading (cl. 5.6.1.1, 5.6.3): a segment unrestrained (U) at one end, that
    // end a member end with neither flange held laterally, the other end restrained.
    bool IsCantilever(RuleSet rules) const;
    double GetLoadHeightAtEnds() const;
    double GetLoadHeightAtSpan() const;
};

}  // namespace Arbor::Steel::SteelAS4100
