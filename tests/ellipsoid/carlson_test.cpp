// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "ellipsoid/detail/carlson.h"

#include "support/number_table.h"

#include <gtest/gtest.h>

#include <cmath>

namespace solva::ellipsoid::detail {
namespace {

// Columns x, y, z, R_D, ∂R_D/∂y; nearly equal arguments and ratios to 1E14.
TEST(Carlson, RDAndItsSlopeWithinTwoPartsIn1E15OfTheThirtyDigitTable) {
    const auto rows = test::readNumberTable(SOLVA_CARLSON_TABLE);
    ASSERT_GT(rows.size(), 60u);
    for (const auto& row : rows) {
        const double x = row[0], y = row[1], z = row[2];
        const long double value = row[3], slope = row[4];
        const RDWithSlope both = carlsonRDWithSlope(x, y, z);
        EXPECT_NEAR(both.value, value, 2E-15 * value) << x << " " << y << " " << z;
        EXPECT_NEAR(both.slope, slope, -2E-15 * slope) << x << " " << y << " " << z;
        if (x > 0 && y > 0) {
            // The same value in each place of the three computed at once.
            EXPECT_NEAR(carlsonRDCyclic(z, x, y)[0], value, 2E-15 * value) << x << " " << y;
            EXPECT_NEAR(carlsonRDCyclic(y, z, x)[1], value, 2E-15 * value) << x << " " << y;
            EXPECT_NEAR(carlsonRDCyclic(x, y, z)[2], value, 2E-15 * value) << x << " " << y;
        }
    }
}

} // namespace
} // namespace solva::ellipsoid::detail
