#include "app/Stations.h"

#include <algorithm>
#include <cmath>

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

// Moment between stations a and b at ξ from a: chord plus the uniform-load parabola.
double MomentBetween(double ma, double mb, double va, double vb, double h, double xi) {
    const double w = -(vb - va) / h;
    return ma + (mb - ma) * xi / h + 0.5 * w * xi * (h - xi);
}

Actions Between(const Node& a, const Node& b, double x) {
    const double h = b.x - a.x;
    const double xi = x - a.x;
    const double t = xi / h;
    Actions out{};
    for (Action linear : {kN, kVx, kVy, kT}) {
        out[linear] = a.right[linear] + (b.left[linear] - a.right[linear]) * t;
    }
    out[kMx] = MomentBetween(a.right[kMx], b.left[kMx], a.right[kVy], b.left[kVy], h, xi);
    out[kMy] = MomentBetween(a.right[kMy], b.left[kMy], a.right[kVx], b.left[kVx], h, xi);
    return out;
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
