// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

// The points file of field: which first line is a heading, the values and
// line numbers of the rows, and what stops the reading.

#include "cli/points_csv.h"
#include "cli/usage_error.h"
#include "support/scratch_directory.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

namespace solva::test {
namespace {

TEST(PointsCsv, AHeadingIsAFirstRowNotWrittenAsANumber) {
    ScratchDirectory scratch;
    const std::string file = (scratch.path() / "p.csv").string();
    const double nan = std::nan("");
    const struct {
        std::string text;
        std::vector<double> xyz;
        std::vector<long> lines;
        std::string error = "";
    } cases[] = {
        {"# c\n\n X ; Y ; Z \n+1.5e1, -.5 ,0\r\n", {15, -0.5, 0}, {4}},
        {"-.5E1,0,0\n", {-5, 0, 0}, {1}},
        {"NaN,0,0\n", {nan, 0, 0}, {1}}, // a point the flow refuses, not a heading
        {"x,y,z\nx,y,z\n", {}, {}, "line 2 is not three numbers x,y,z: \"x,y,z\""},
        {"1,2,3,4\n", {}, {}, "line 1 is not three numbers x,y,z: \"1,2,3,4\""},
        {"1e-400,0,0\n", {}, {}, "line 1: \"1e-400\" is out of range"},
        {"# only a comment\n", {}, {}, "the points file \"" + file + "\" holds no point"},
    };
    for (const auto& c : cases) {
        std::ofstream(file) << c.text;
        try {
            const cli::Points points = cli::readPoints(file);
            EXPECT_EQ(c.error, "") << c.text;
            ASSERT_EQ(points.xyz.size(), c.xyz.size()) << c.text;
            for (std::size_t i = 0; i < c.xyz.size(); ++i) {
                const bool bothNaN = std::isnan(c.xyz[i]) && std::isnan(points.xyz[i]);
                EXPECT_TRUE(points.xyz[i] == c.xyz[i] || bothNaN) << c.text << i;
            }
            EXPECT_EQ(points.lines, c.lines) << c.text;
        } catch (const cli::UsageError& e) {
            EXPECT_EQ(e.what(), c.error) << c.text;
        }
    }
}

} // namespace
} // namespace solva::test
