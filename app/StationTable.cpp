#include "app/StationTable.h"

#include <algorithm>
#include <cmath>

#include "app/Stations.h"

namespace as4100 {

namespace {

// One position of the table: the actions just left and just right of it.
struct Node {
    double x = 0.0;
    Actions left{}, right{};
};

std::vector<Node> Nodes(const std::vector<Station>& stations, double tolerance) {
    std::vector<Node> nodes;
    for (const Station& s : stations) {
        if (!nodes.empty() && std::abs(s.x - nodes.back().x) <= tolerance) {
            nodes.back().right = s.actions;
        } else {
            nodes.push_back({s.x, s.actions, s.actions});
        }
    }
    return nodes;
}

// Between two stations the pair is one sub-span: its actions at ξ from a by the sub-span's
// own equilibrium (member-file order [N, V major, V minor], [T, M major, M minor]).
Actions Between(const Node& a, const Node& b, double x) {
    using Arbor::Steel::Vec3;
    const auto forces = [](const Actions& v) { return Vec3{v[kN], v[kVy], v[kVx]}; };
    const auto moments = [](const Actions& v) { return Vec3{v[kT], v[kMx], v[kMy]}; };
    const Arbor::Steel::CSubSpan sub(0, forces(a.right), forces(b.left), moments(a.right),
                                     moments(b.left));
    const double h = b.x - a.x;
    const Vec3 f = ForcesAt(sub, h, x - a.x);
    const Vec3 m = MomentsAt(sub, h, x - a.x);
    return {f[0], f[2], f[1], m[0], m[1], m[2]};
}

// The actions just left (fromLeft) or just right of x.
Actions At(const std::vector<Node>& nodes, double x, bool fromLeft, double tolerance) {
    const auto after = std::lower_bound(nodes.begin(), nodes.end(), x - tolerance,
                                        [](const Node& n, double v) { return n.x < v; });
    if (after != nodes.end() && std::abs(after->x - x) <= tolerance) {
        return fromLeft ? after->left : after->right;
    }
    if (after == nodes.begin()) return after->left;  // before the first: not covered
    if (after == nodes.end()) return nodes.back().right;
    return Between(*(after - 1), *after, x);
}

}  // namespace

void SortStations(std::vector<Station>& stations) {
    std::stable_sort(stations.begin(), stations.end(),
                     [](const Station& a, const Station& b) { return a.x < b.x; });
}

std::vector<SubSpanActions> ActionsAtPoints(const std::vector<Station>& stations,
                                            const std::vector<double>& points, double tolerance) {
    const std::vector<Node> nodes = Nodes(stations, tolerance);
    std::vector<SubSpanActions> out;
    if (nodes.empty() || points.size() < 2) return out;
    out.reserve(points.size() - 1);
    for (std::size_t k = 0; k + 1 < points.size(); ++k) {
        out.push_back(
            {At(nodes, points[k], false, tolerance), At(nodes, points[k + 1], true, tolerance)});
    }
    return out;
}

}  // namespace as4100
