// Three components of an end force or moment: 0 axial (or torsion), 1 major axis, 2 minor axis.
#pragma once

#include <array>

namespace Arbor::Steel {

struct Vec3 {
    std::array<double, 3> v{0.0, 0.0, 0.0};

    Vec3() = default;
    Vec3(double a, double b, double c) : v{a, b, c} {}
    double& operator[](int i) { return v[static_cast<size_t>(i)]; }
    double operator[](int i) const { return v[static_cast<size_t>(i)]; }
    bool operator==(const Vec3&) const = default;
};

}  // namespace Arbor::Steel
