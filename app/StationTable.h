// Internal actions tabulated at stations along a member (as analysis programs export them),
// evaluated at the member points the checker needs.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

namespace as4100 {

// The six internal actions at a station, SI (N, N·m), in the member file's sign convention.
// Vy is the shear along y (in the web) that goes with the major-axis moment: Vy = dMx/dx;
// Vx goes with the minor-axis moment: Vx = dMy/dx.
enum Action : std::size_t { kN, kVx, kVy, kT, kMx, kMy, kActionCount };
using Actions = std::array<double, kActionCount>;

struct Station {
    double x = 0.0;  // m from the member's start
    Actions actions{};
    std::size_t row = 0;  // row of the table it came from, for messages
};

struct SubSpanActions {
    Actions left{}, right{};
};

// Two stations at the same position give the two sides of a jump (a point load): the first
// given holds on the left, the second on the right. Sorts stably by x.
void SortStations(std::vector<Station>& stations);

// The actions at both ends of each sub-span between neighbouring `points` (increasing, m).
// `stations` are sorted, at most two share a position, and they cover the points. Two
// neighbouring stations are read as one sub-span (ForcesAt, MomentsAt): shears, axial force
// and torque linear, each moment the chord between its end values plus the parabola of the
// uniform load that the change of its shear gives (the moment integrated from the linear
// shear), the checker's own picture of a sub-span, so splitting an interval at a restraint
// point leaves the actions the checker sees unchanged. Positions within `tolerance` are the
// same.
std::vector<SubSpanActions> ActionsAtPoints(const std::vector<Station>& stations,
                                            const std::vector<double>& points, double tolerance);

}  // namespace as4100
