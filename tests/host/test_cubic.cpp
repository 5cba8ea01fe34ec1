// Cubic solver: three real roots, one real root, repeated roots and the lower-order fallback.
#include <gtest/gtest.h>

#include <cmath>

#include "host/CubicSolve.h"

using Arbor::Numeric::CubicSolve;

namespace {

// Coefficients of k·(x − r1)(x − r2)(x − r3).
struct Cubic {
    double a, b, c, d;
};
Cubic FromRoots(double k, double r1, double r2, double r3) {
    return {k, -k * (r1 + r2 + r3), k * (r1 * r2 + r2 * r3 + r3 * r1), -k * r1 * r2 * r3};
}

}  // namespace

TEST(CubicSolveRoots, ThreeRealRootsSortedAscending) {
    const Cubic e = FromRoots(2.0, 3.0, 1.0, 2.0);
    double x1 = 0, x2 = 0, x3 = 0;
    ASSERT_TRUE(CubicSolve(e.a, e.b, e.c, e.d, x1, x2, x3));
    EXPECT_NEAR(x1, 1.0, 1e-12);
    EXPECT_NEAR(x2, 2.0, 1e-12);
    EXPECT_NEAR(x3, 3.0, 1e-12);
}

TEST(CubicSolveRoots, BucklingLoadsInNewtonsKeepTheirRelativeAccuracy) {
    // uncoupled flexural and torsional loads of a member: the roots are the loads themselves
    const double nx = 2.1e6, ny = 0.45e6, nz = 0.9e6;
    const Cubic e = FromRoots(1.0, nx, ny, nz);
    double x1 = 0, x2 = 0, x3 = 0;
    ASSERT_TRUE(CubicSolve(e.a, e.b, e.c, e.d, x1, x2, x3));
    EXPECT_NEAR(x1 / ny, 1.0, 1e-10);
    EXPECT_NEAR(x2 / nz, 1.0, 1e-10);
    EXPECT_NEAR(x3 / nx, 1.0, 1e-10);
}

TEST(CubicSolveRoots, OneRealRootLeavesTheOthersUntouched) {
    // (x − 2)(x² + 1) = x³ − 2x² + x − 2
    double x1 = 0, x2 = -7, x3 = -7;
    EXPECT_FALSE(CubicSolve(1.0, -2.0, 1.0, -2.0, x1, x2, x3));
    EXPECT_NEAR(x1, 2.0, 1e-12);
    EXPECT_EQ(x2, -7);
    EXPECT_EQ(x3, -7);
    // x³ + 1 = 0
    EXPECT_FALSE(CubicSolve(3.0, 0.0, 0.0, 3.0, x1, x2, x3));
    EXPECT_NEAR(x1, -1.0, 1e-12);
}

TEST(CubicSolveRoots, RepeatedRootsCountAsThreeReal) {
    double x1 = 0, x2 = 0, x3 = 0;
    const Cubic twice = FromRoots(1.0, 1.0, 1.0, 3.0);
    ASSERT_TRUE(CubicSolve(twice.a, twice.b, twice.c, twice.d, x1, x2, x3));
    EXPECT_NEAR(x1, 1.0, 1e-6);
    EXPECT_NEAR(x2, 1.0, 1e-6);
    EXPECT_NEAR(x3, 3.0, 1e-12);

    const Cubic triple = FromRoots(1.0, 2.0, 2.0, 2.0);
    ASSERT_TRUE(CubicSolve(triple.a, triple.b, triple.c, triple.d, x1, x2, x3));
    EXPECT_NEAR(x1, 2.0, 1e-9);
    EXPECT_NEAR(x3, 2.0, 1e-9);

    // a double root in newtons, where rounding of the coefficients makes the discriminant
    // slightly positive
    const Cubic loads = FromRoots(1.0, 0.7e6, 0.7e6, 1.9e6);
    ASSERT_TRUE(CubicSolve(loads.a, loads.b, loads.c, loads.d, x1, x2, x3));
    EXPECT_NEAR(x1 / 0.7e6, 1.0, 1e-6);
    EXPECT_NEAR(x3 / 1.9e6, 1.0, 1e-10);
}

TEST(CubicSolveRoots, LeadingZeroFallsBackToTheSmallestLowerOrderRoot) {
    double x1 = 0, x2 = 0, x3 = 0;
    EXPECT_FALSE(CubicSolve(0.0, 1.0, -5.0, 6.0, x1, x2, x3));  // x² − 5x + 6
    EXPECT_NEAR(x1, 2.0, 1e-12);
    EXPECT_FALSE(CubicSolve(0.0, -1.0, 5.0, -6.0, x1, x2, x3));  // same roots, b < 0
    EXPECT_NEAR(x1, 2.0, 1e-12);
    EXPECT_FALSE(CubicSolve(0.0, 0.0, 4.0, -2.0, x1, x2, x3));  // 4x − 2
    EXPECT_NEAR(x1, 0.5, 1e-15);
    EXPECT_FALSE(CubicSolve(0.0, 1.0, 0.0, 1.0, x1, x2, x3));  // x² + 1: none
    EXPECT_TRUE(std::isnan(x1));
    EXPECT_FALSE(CubicSolve(0.0, 0.0, 0.0, 1.0, x1, x2, x3));
    EXPECT_TRUE(std::isnan(x1));
    EXPECT_FALSE(CubicSolve(1.0, NAN, 0.0, 1.0, x1, x2, x3));
    EXPECT_TRUE(std::isnan(x1));
}
