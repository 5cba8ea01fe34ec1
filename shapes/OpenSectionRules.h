// Rules that the channel and the T calculators share: the member section constant αb and the
// restraint tests that decide how the member is connected at a point.
#pragma once

#include <cmath>
#include <initializer_list>

#include "host/Restraint.h"

namespace Arbor::Steel::SteelAS4100::OpenSectionRules {

// Table 6.3.3: αb = 0.5 for kf = 1 (within 1e-6), otherwise 1.0.
inline double AlphaB(double kf) {
    return kf == 1.0 || std::fabs(kf - 1.0) < 1e-6 ? 0.5 : 1.0;
}

inline bool AnyRestrained(const CRestraint& r, std::initializer_list<unsigned> bits) {
    for (unsigned bit : bits)
        if (r.IsRestrained(bit, true)) return true;
    return false;
}

// Held at the point (laterally, or supported) but free to rotate about x and y there: where
// the way the member is connected decides the eccentricity of its axial force.
inline bool IsHeldFreeToRotate(const CRestraint& r) {
    return AnyRestrained(r, {0x100000, 0x200000}) && !AnyRestrained(r, {0x10000, 0x40000});
}

// A connection stiff about x or about y.
inline bool HasStiffConnection(const CRestraint& r) {
    return AnyRestrained(r, {0x20000, 0x80000});
}

// A flange bolted (1, 2) or welded (16, 32).
inline bool HasFlangeConnection(const CRestraint& r) {
    return AnyRestrained(r, {1, 2, 16, 32});
}

}  // namespace Arbor::Steel::SteelAS4100::OpenSectionRules
