// Rules that the channel and the T calculators share: the member section constant αb and the
// restraint bits that their connection tests read.
#pragma once

#include <cmath>

namespace Arbor::Steel::SteelAS4100::OpenSectionRules {

// Table 6.3.3: αb = 0.5 for kf = 1 (within 1e-6), otherwise 1.0.
inline double AlphaB(double kf) {
    return kf == 1.0 || std::fabs(kf - 1.0) < 1e-6 ? 0.5 : 1.0;
}

// Restraint bits of a connection at a member point.
inline constexpr unsigned kSupportBits[] = {0x100000, 0x200000};        // laterally held, supported
inline constexpr unsigned kRotationBits[] = {0x10000, 0x40000};         // held in rotation
inline constexpr unsigned kStiffConnectionBits[] = {0x20000, 0x80000};  // connection about x, y
inline constexpr unsigned kFlangeConnectionBits[] = {1, 2, 16, 32};     // flange bolted or welded

}  // namespace Arbor::Steel::SteelAS4100::OpenSectionRules
