// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

// ellipsoid-flow-cli field and inertia, started as a user would, against the
// spheroid library they print.

#include "cli_runs.h"
#include "spheroid/added_mass.h"
#include "spheroid/flow.h"
#include "support/files.h"
#include "support/scratch_directory.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace solva::test {
namespace {

using namespace solva::spheroid;

std::vector<double> numbers(const std::string& row) {
    std::vector<double> values;
    std::istringstream fields(row);
    for (std::string field; std::getline(fields, field, ',');) {
        values.push_back(std::strtod(field.c_str(), nullptr));
    }
    return values;
}

TEST(CliSpheroid, FieldPrintsTheLibrarysFlowToTheLastBit) {
    ScratchDirectory scratch;
    const std::filesystem::path& here = scratch.path();
    const CliResult cli =
        runCli(here, {"field", "--lambda", "0.2", "--alpha", "20", "--beta", "10", "-"},
               "x,y,z\n0.6,0,0\n# a comment\n 0.1, 0.2 ,-0.3\r\n\n0,0,0.1\n1e3,-2,0.5\n");
    ASSERT_EQ(cli.status, 0) << cli.err;
    const std::vector<std::string> lines = splitLines(cli.out);
    ASSERT_EQ(lines.size(), 6u); // CRLF line ends, as the grid CSV
    EXPECT_EQ(lines[0], "x,y,z,phi,u,v,w,Cu,Cp");
    EXPECT_EQ(lines[5], "");
    const Flow flow(Spheroid::fromLambda(0.2), 20, 10);
    for (std::size_t k = 1; k < 5; ++k) {
        const std::vector<double> row = numbers(lines[k]);
        ASSERT_EQ(row.size(), 9u) << lines[k];
        const FieldPoint f = flow.at({row[0], row[1], row[2]});
        const double expected[] = {f.potential,   f.velocity[0], f.velocity[1],
                                   f.velocity[2], f.cu,          f.cp};
        for (int c = 0; c < 6; ++c) {
            EXPECT_EQ(row[3 + c], expected[c]) << lines[k];
        }
    }
}

TEST(CliSpheroid, FieldStopsAtAPointInsideTheBodyOrGivesNaN) {
    ScratchDirectory scratch;
    const std::filesystem::path& here = scratch.path();
    const std::vector<std::string> args{"field",  "--lambda", "0.2",      "--alpha",   "0",
                                        "--beta", "0",        "--points", "points.csv"};
    std::ofstream(here / "points.csv") << "1,0,0\n0.1,0,0.01\n";
    const CliResult stopped = runCli(here, args);
    EXPECT_EQ(stopped.status, 1);
    EXPECT_EQ(stopped.out, "");
    EXPECT_EQ(stopped.err, "ellipsoid-flow-cli field: line 2: the point (0.1, 0, 0.01) lies "
                           "inside the body\n");
    std::vector<std::string> withNaN = args;
    withNaN.push_back("--inside-nan");
    const CliResult blank = runCli(here, withNaN);
    EXPECT_EQ(blank.status, 0) << blank.err;
    EXPECT_EQ(splitLines(blank.out).at(2), "0.1,0,0.01,nan,nan,nan,nan,nan,nan");
}

TEST(CliSpheroid, InertiaPrintsTheLibrarysValuesAsJson) {
    ScratchDirectory scratch;
    const std::filesystem::path& here = scratch.path();
    const CliResult cli =
        runCli(here, {"inertia", "--lambda", "0.4", "--about", "0.3,0,-0.1", "--rho", "1025",
                      "--length", "4", "--alpha", "15", "--beta", "5"});
    ASSERT_EQ(cli.status, 0) << cli.err;
    const auto json = nlohmann::json::parse(cli.out);
    const Spheroid body = Spheroid::fromAxes(2, 0.8);
    EXPECT_EQ(json["k1"], body.k1());
    EXPECT_EQ(json["k2"], body.k2());
    EXPECT_EQ(json["k_prime"], body.kPrime());
    EXPECT_EQ(json["area"], body.area());
    const Matrix6 M = addedMassMatrix(body, {0.3, 0, -0.1}, 1025);
    for (int i = 0; i < 6; ++i) {
        for (int j = 0; j < 6; ++j) {
            EXPECT_EQ(json["added_mass"][i][j], M[i][j]) << i << j;
        }
    }
    const Flow flow(body, 15, 5);
    EXPECT_EQ(json["cp_min"], flow.cpMin());
    EXPECT_EQ(json["munk_moment"][1], flow.munkMoment(1025)[1]);
    EXPECT_EQ(json["stagnation_points"]["front"][0], flow.stagnationPoints().front[0]);
    EXPECT_FALSE(
        nlohmann::json::parse(runCli(here, {"inertia", "--lambda", "3"}).out).contains("cp_min"));
}

TEST(CliSpheroid, BadInputStopsWithTheUsualStatuses) {
    ScratchDirectory scratch;
    const std::filesystem::path& here = scratch.path();
    const struct {
        std::vector<std::string> args;
        std::string input;
        int status;
        std::string message;
    } cases[] = {
        {{"field", "--lambda", "0.2", "--alpha", "0", "-"}, "", 2, "--beta is required"},
        {{"field", "--lambda", "0.2", "--alpha", "0", "--beta", "0"}, "", 2, "--points FILE"},
        {{"field", "--lambda", "0.2", "--alpha", "0", "--beta", "0", "-"},
         "1,2\n",
         2,
         "line 1 is not three numbers"},
        {{"field", "--lambda", "0.2", "--alpha", "0", "--beta", "0", "--points", "no.csv"},
         "",
         2,
         "\"no.csv\": No such file"},
        {{"field", "--lambda", "0", "--alpha", "0", "--beta", "0", "-"},
         "1,0,0\n",
         1,
         "thickness ratio must lie in"},
        {{"inertia", "--lambda", "0.2", "--about", "1,2"}, "", 2, "--about"},
        {{"inertia", "--lambda", "0.2", "--rho", "-1"}, "", 1, "density must be"},
        // the ellipsoid of --axes
        {{"field", "--alpha", "0", "--beta", "0", "-"}, "", 2, "--lambda or --axes is required"},
        {{"field", "--axes", "1,1,1", "--lambda", "1", "--alpha", "0", "--beta", "0", "-"},
         "",
         2,
         "--lambda excludes --axes"},
        {{"inertia", "--axes", "1,2,3", "--length", "2"}, "", 2, "--axes excludes --length"},
        {{"field", "--axes", "1,1", "--alpha", "0", "--beta", "0", "-"}, "", 2, "--axes"},
        {{"field", "--axes", "1,1,1", "--alpha", "0", "-"}, "", 2, "--beta is required"},
        {{"field", "--axes", "1,1,1", "--motion", "1,0,0,0,0,0", "--beta", "0", "-"},
         "",
         2,
         "--beta excludes --motion"},
        {{"field", "--lambda", "1", "--motion", "1,0,0,0,0,0", "-"}, "", 2, "requires --axes"},
        {{"field", "--axes", "3,2,1", "--motion", "1,0,0,0,0,0", "-"},
         "4,0,0\n1,0,0.5\n",
         1,
         "line 2: the point (1, 0, 0.5) lies inside"},
        {{"inertia", "--axes", "1,1,0"}, "", 1, "semi-axis c must lie in"},
    };
    for (const auto& c : cases) {
        const CliResult cli = runCli(here, c.args, c.input);
        EXPECT_EQ(cli.status, c.status) << c.message;
        EXPECT_NE(cli.err.find(c.message), std::string::npos) << cli.err;
        EXPECT_EQ(cli.out, "") << c.message;
    }
    const CliResult help = runCli(here, {"field", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("ellipsoid-flow-cli field --lambda 0.2"), std::string::npos);
}

// The ellipsoid of --axes: with two equal axes the spheroid of --lambda, each
// number read back from both outputs.
bool near(double x, double y, double scale) {
    return std::abs(x - y) <= 1E-13 * std::max({std::abs(x), std::abs(y), scale});
}

TEST(CliEllipsoid, FieldOfTwoEqualAxesIsTheSpheroids) {
    ScratchDirectory scratch;
    const std::string points = "0.6,0,0\n0.1,0.2,-0.3\n0,0,0.1\n1e3,-2,0.5\n";
    const auto rows = [&](std::vector<std::string> body) {
        for (const char* arg : {"--alpha", "20", "--beta", "10", "-"}) {
            body.push_back(arg);
        }
        const CliResult cli = runCli(scratch.path(), body, points);
        EXPECT_EQ(cli.status, 0) << cli.err;
        return splitLines(cli.out);
    };
    const std::vector<std::string> axes = rows({"field", "--axes", "0.5,0.1,0.1"});
    const std::vector<std::string> lambda = rows({"field", "--lambda", "0.2"});
    ASSERT_EQ(axes.size(), lambda.size());
    EXPECT_EQ(axes[0], lambda[0]);
    for (std::size_t k = 1; k + 1 < axes.size(); ++k) {
        const std::vector<double> a = numbers(axes[k]), l = numbers(lambda[k]);
        ASSERT_EQ(a.size(), 9u);
        for (std::size_t c = 0; c < 9; ++c) {
            EXPECT_TRUE(near(a[c], l[c], 1)) << axes[k] << " vs " << lambda[k];
        }
    }
}

TEST(CliEllipsoid, InertiaOfTwoEqualAxesIsTheSpheroids) {
    ScratchDirectory scratch;
    const std::vector<std::string> common{"--about", "0.3,0,-0.1", "--rho", "1025",    "--alpha",
                                          "15",      "--beta",     "5",     "--speed", "7.5"};
    const auto inertia = [&](std::vector<std::string> args) {
        args.insert(args.end(), common.begin(), common.end());
        const CliResult cli = runCli(scratch.path(), args);
        EXPECT_EQ(cli.status, 0) << cli.err;
        return nlohmann::json::parse(cli.out);
    };
    const auto e = inertia({"inertia", "--axes", "0.5,0.1,0.1"});
    const auto s = inertia({"inertia", "--lambda", "0.2"});
    EXPECT_EQ(e.size(), 14u);
    for (const char* key : {"about", "added_mass", "alpha_deg", "area", "axes", "beta_deg",
                            "cp_min", "k_rotation", "k_translation", "munk_moment", "rho",
                            "shape_integrals", "stagnation_points", "volume"}) {
        EXPECT_TRUE(e.contains(key)) << key;
    }
    const auto& A = e["shape_integrals"];
    EXPECT_NEAR(double(A[0]) + double(A[1]) + double(A[2]), 2, 1E-15);
    const double k[] = {s["k1"], s["k2"], s["k2"]}, kRotation[] = {0, s["k_prime"], s["k_prime"]};
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(near(e["k_translation"][i], k[i], 0)) << i;
        EXPECT_TRUE(near(e["k_rotation"][i], kRotation[i], 1)) << i;
        EXPECT_TRUE(near(e["munk_moment"][i], s["munk_moment"][i], 1)) << i;
        for (const char* end : {"front", "rear"}) {
            EXPECT_TRUE(near(e["stagnation_points"][end][i], s["stagnation_points"][end][i], 1));
        }
    }
    for (const char* key : {"volume", "area", "cp_min"}) {
        EXPECT_TRUE(near(e[key], s[key], 0)) << key;
    }
    for (int i = 0; i < 36; ++i) { // 1: about the rotational block's entries, the smallest
        EXPECT_TRUE(near(e["added_mass"][i / 6][i % 6], s["added_mass"][i / 6][i % 6], 1)) << i;
    }
}

// A sphere of radius R moving with velocity U along x: φ = −U R³ x / (2 r³),
// whatever it turns (Lamb §92); a 3:2:1 body moving and turning: the fluid
// moves with the body's surface along its normal.
TEST(CliEllipsoid, MotionMeetsTheSphereAndTheBodyCondition) {
    ScratchDirectory scratch;
    const CliResult sphere = runCli(
        scratch.path(), {"field", "--axes", "0.5,0.5,0.5", "--motion", "2,0,0,3,-1,0.5", "-"},
        "0.5,0,0\n0.3,-0.4,1.2\n");
    ASSERT_EQ(sphere.status, 0) << sphere.err;
    const std::vector<std::string> lines = splitLines(sphere.out);
    EXPECT_EQ(lines[0], "x,y,z,phi,u,v,w");
    const double UR3 = 2 * 0.125;
    for (std::size_t k = 1; k < 3; ++k) {
        const std::vector<double> row = numbers(lines[k]);
        const double x = row[0], r = std::hypot(row[0], row[1], row[2]), r5 = std::pow(r, 5);
        EXPECT_TRUE(near(row[3], -UR3 * x / (2 * r * r * r), 1)) << lines[k];
        const double expected[] = {-UR3 / 2 * (r * r - 3 * x * x) / r5,
                                   UR3 / 2 * 3 * x * row[1] / r5, UR3 / 2 * 3 * x * row[2] / r5};
        for (int i = 0; i < 3; ++i) {
            EXPECT_TRUE(near(row[4 + i], expected[i], 1)) << lines[k];
        }
    }
    const Vector3 V{0.3, -1, 2}, W{1.5, 0.7, -2};
    std::ostringstream points;
    points.precision(17);
    for (const double u : {0.3, 1.2, 2.9}) { // (a cos u, b sin u cos v, c sin u sin v)
        points << 3 * std::cos(u) << ',' << 1.2 * std::sin(u) << ',' << 0.8 * std::sin(u) << '\n';
    }
    const CliResult body =
        runCli(scratch.path(), {"field", "--axes", "3,2,1", "--motion", "0.3,-1,2,1.5,0.7,-2", "-"},
               points.str());
    const std::vector<std::string> rows = splitLines(body.out);
    ASSERT_EQ(rows.size(), 5u) << body.err;
    for (std::size_t k = 1; k < 4; ++k) {
        const std::vector<double> row = numbers(rows[k]);
        const Vector3 p{row[0], row[1], row[2]}, n{p[0] / 9, p[1] / 4, p[2]}, wall = cross(W, p);
        EXPECT_TRUE(near(dot({row[4], row[5], row[6]}, n),
                         dot({V[0] + wall[0], V[1] + wall[1], V[2] + wall[2]}, n), 10))
            << rows[k];
    }
}

} // namespace
} // namespace solva::test
