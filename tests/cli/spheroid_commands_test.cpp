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

} // namespace
} // namespace solva::test
