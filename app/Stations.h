// Member points added where an analysis program would have put them: inside a sub-span where
// a bending moment has an extremum (its shear changes sign), and optionally at regular
// spacing. The checker looks at moments only at member points (and at quarter points through
// the parabola of each sub-span's uniform load), so a peak moment inside a sub-span would
// otherwise be missed.
#pragma once

#include <vector>

#include "host/Span.h"

namespace as4100 {

struct StationOptions {
    bool atExtrema = true;  // a point where any case's shear about either axis changes sign
    double spacing = 0.0;   // m; > 0 splits every sub-span into pieces no longer than this
};

struct AddedStation {
    double x = 0.0;         // m from the member's start
    int subSpan = 0;        // the file's sub-span it lies in, zero-based
    bool extremum = false;  // at a moment extremum (else a regular station)
};

// How the checked member relates to the file's: what was added, and for every checked
// sub-span and point the file's own (zero-based; -1 for an added point).
struct StationMap {
    std::vector<AddedStation> added;
    std::vector<int> fileSubSpan;
    std::vector<int> filePoint;
    bool Empty() const { return added.empty(); }
};

// Positions (from the sub-span's left end, m) where the sub-span's shear about the major or
// the minor axis changes sign; none within 1 % of the length of an end.
std::vector<double> ShearZeros(const Arbor::Steel::CSubSpan& subSpan, double length);

// The sub-span's actions at distance a from its left end, by the equilibrium the sub-span
// implies: forces and torque linear, bending moments the end moments plus the parabola of the
// uniform load w = (V left − V right)/length.
Arbor::Steel::Vec3 ForcesAt(const Arbor::Steel::CSubSpan& subSpan, double length, double a);
Arbor::Steel::Vec3 MomentsAt(const Arbor::Steel::CSubSpan& subSpan, double length, double a);

// Splits the member's sub-spans at the stations the options ask for, the same points for
// every load case (each case's sub-span list is rewritten); each piece keeps its sub-span's
// restraint record (continuous restraint, load height) and an added point has no restraint.
StationMap AddStations(Arbor::Steel::MemberPointVec& points,
                       std::vector<Arbor::Steel::SubSpanVec*> cases, const StationOptions& options);

}  // namespace as4100
