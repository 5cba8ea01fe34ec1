// Cubic solver: three real roots, one real root, repeated roots and the lower-order fallback.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "host/CubicSolve.h"

using Arbor::Numeric::CubicSolve;

// Each cubic is k·(x − r1)(x − r2)(x − r3); the roots come back ascending, each to a relative
// tolerance: a repeated root only to about the square root of the rounding.
TEST(CubicSolveRoots, ThreeRealRootsSortedAscending) {
    struct Case {
        const char* what;
        double k, r1, r2, r3, tolSimple, tolRepeated;
    };
    const std::vector<Case> cases{
        {"distinct", 2.0, 3.0, 1.0, 2.0, 1e-12, 0},
        // uncoupled flexural and torsional buckling loads of a member, in newtons
        {"loads in newtons", 1.0, 2.1e6, 0.45e6, 0.9e6, 1e-10, 0},
        {"triple root", 1.0, 2.0, 2.0, 2.0, 0, 1e-9},
        // rounding of the coefficients makes the discriminant slightly positive
        {"double root in newtons", 1.0, 0.7e6, 1.9e6, 0.7e6, 1e-10, 1e-6}};
    for (const Case& c : cases) {
        const double b = -c.k * (c.r1 + c.r2 + c.r3);
        const double cc = c.k * (c.r1 * c.r2 + c.r2 * c.r3 + c.r3 * c.r1);
        const double d = -c.k * c.r1 * c.r2 * c.r3;
        std::vector<double> want{c.r1, c.r2, c.r3};
        std::sort(want.begin(), want.end());
        double x[3] = {0, 0, 0};
        ASSERT_TRUE(CubicSolve(c.k, b, cc, d, x[0], x[1], x[2])) << c.what;
        for (int i = 0; i < 3; ++i) {
            const bool repeated = std::count(want.begin(), want.end(), want[i]) > 1;
            EXPECT_NEAR(x[i] / want[i], 1.0, repeated ? c.tolRepeated : c.tolSimple)
                << c.what << " root " << i;
        }
    }
}

TEST(CubicSolveRoots, OneRealRootLeavesTheOthersUntouched) {
    // (x − 2)(x² + 1) = x³ − 2x² + x − 2
    double x1 = 0, x2 = -7, x3 = -7;
    EXPECT_FALSE(CubicSolve(1.0, -2.0, 1.0, -2.0, x1, x2, x3));
    EXPECT_NEAR(x1, 2.0, 1e-12);
    EXPECT_EQ(x2, -7);
    EXPECT_EQ(x3, -7);
    EXPECT_FALSE(CubicSolve(3.0, 0.0, 0.0, 3.0, x1, x2, x3));  // x³ + 1
    EXPECT_NEAR(x1, -1.0, 1e-12);
}

TEST(CubicSolveRoots, LeadingZeroFallsBackToTheSmallestLowerOrderRoot) {
    double x1 = 0, x2 = 0, x3 = 0;
    EXPECT_FALSE(CubicSolve(0.0, 1.0, -5.0, 6.0, x1, x2, x3));  // x² − 5x + 6
    EXPECT_NEAR(x1, 2.0, 1e-12);
    EXPECT_FALSE(CubicSolve(0.0, -1.0, 5.0, -6.0, x1, x2, x3));  // same roots, b < 0
    EXPECT_NEAR(x1, 2.0, 1e-12);
    EXPECT_FALSE(CubicSolve(0.0, 0.0, 4.0, -2.0, x1, x2, x3));  // 4x − 2
    EXPECT_NEAR(x1, 0.5, 1e-15);
    // x² + 1, a constant and a NaN coefficient have no root
    for (const double c : {1.0, 0.0}) {
        EXPECT_FALSE(CubicSolve(0.0, c, 0.0, 1.0, x1, x2, x3)) << c;
        EXPECT_TRUE(std::isnan(x1)) << c;
    }
    EXPECT_FALSE(CubicSolve(1.0, NAN, 0.0, 1.0, x1, x2, x3));
    EXPECT_TRUE(std::isnan(x1));
}
