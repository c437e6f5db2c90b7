// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

// The program itself, started as a user would: its files against the
// library's, its exit statuses and messages, and the locale it writes in.

#include "app/version.h"
#include "cli_runs.h"
#include "support/in_scratch_directory.h"

#include <cstdlib>
#include <memory>
#include <sstream>

namespace solva::test {
namespace {

TEST(CliProgram, OneRunWritesTheFilesOfANewWindow) {
    ScratchDirectory scratch;
    const std::filesystem::path& here = scratch.path();
    const std::vector<InputTexts> cases{InputTexts{"0.2", "400", "18", "10", "5"},
                                        InputTexts{"1,5", "&H10", "2", "-5", " 3"},
                                        InputTexts{"", "18", "1", "0", "0"}}; // no thickness: fails
    for (std::size_t k = 0; k < cases.size(); ++k) {
        const InputTexts& t = cases[k];
        const std::string dir = "cli" + std::to_string(k);
        const CliResult cli = runCli(here, {"--dir", dir, t.Lamda, t.NXX, t.NT, t.AlfaD, t.BetaD});
        auto state = std::make_unique<FlowState>();
        EXPECT_EQ(readRunFiles(here / dir),
                  libraryRuns({t}, here / ("lib" + std::to_string(k)), *state)[0])
            << k;
        EXPECT_EQ(cli.status, k < 2 ? 0 : 1) << k;
        EXPECT_EQ(cli.err, k < 2 ? "" : errorLine(t)) << k;
    }
}

TEST(CliProgram, UsageErrorsExitWithTwoAndSayWhatToTypeInstead) {
    ScratchDirectory scratch;
    const std::filesystem::path& here = scratch.path();
    const struct {
        std::vector<std::string> args;
        std::string input, problem, remedy;
    } cases[] = {
        {{"--frobnicate", "0.2", "18", "1", "0", "0"}, "", "no option --frobnicate", "--help"},
        {{"0.2", "18", "1", "0"}, "", "five texts", "ellipsoid-flow-cli 0.2 18 1 0 0"},
        {{"0.2", "18", "1", "-.5", "0"}, "", "-.5", "ellipsoid-flow-cli 0.2 18 1 -- -.5 0"},
        {{"--runs", "missing.txt"}, "", "\"missing.txt\": No such file", "\"-\" to read the runs"},
        {{"--runs", "-"},
         "0.2\t18\t1\t0\t0\n#\n0.2 18 1 0 0\n",
         "standard input, line 3: 1 field ",
         "separated by tab characters"},
        {{"--runs", "-", "--grid", "sub/g.csv"}, "", "without a folder", "such as grid.csv"},
        {{"--strict", "abc", "18", "1", "0", "0"}, "", "lambda: \"abc\" is not a number", ""},
        {{"--strict", "0.2", "&H10", "1", "0", "0"}, "", "nxx: \"&H10\" is not a number", ""},
        {{"--strict", "0.2", "18", "0", "0", "0"}, "", "nt: \"0\" is not a whole number", ""},
        {{"--strict", "1.5", "18", "1", "0", "0"}, "", "lambda: \"1.5\" is not in (0, 1]", ""},
        {{"--strict", "0.2", "18", "1", "1,5", "0"}, "", "alpha: \"1,5\" is not a number", ""},
        {{"--strict", "--runs", "-"},
         "0.2\t18\t1\t0\t0\n0.2\t18\t1\t0\t 1\n",
         "standard input, line 2: beta: \" 1\" is not a number",
         ""},
        {{"--strict", "--lambda", "0:1:0.5"}, "", "lambda: \"0\" is not in (0, 1]", ""},
        {{"--alpha", "0:10:-1"}, "", "STEP must be", "START:STOP:STEP"},
        {{"--lambda", "0.2", "0.2", "18", "1", "0", "0"}, "", "one way", "--runs FILE"},
        {{"--summary", "--table", "-", "0.2", "18", "1", "0", "0"}, "", "Only one of", ""},
        {{"--grid", "a.csv", "--table", "./a.csv", "0.2", "18", "1", "0", "0"},
         "",
         "same file",
         ""},
    };
    for (const auto& c : cases) {
        const CliResult cli = runCli(here, c.args, c.input);
        EXPECT_EQ(cli.status, 2) << c.problem;
        EXPECT_NE(cli.err.find(c.problem), std::string::npos) << cli.err;
        EXPECT_NE(cli.err.find(c.remedy), std::string::npos) << cli.err;
        EXPECT_EQ(cli.out, "");
    }
    EXPECT_TRUE(std::filesystem::is_empty(scratch.path())); // found before any run

    const CliResult help = runCli(here, {"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("ellipsoid-flow-cli 0.2 400 18 10 5 --grid"), std::string::npos);
    std::istringstream lines(help.out);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_LE(line.size(), 80u) << line;
    }
    const std::string version = runCli(here, {"--version"}).out;
    EXPECT_TRUE(version.starts_with("ellipsoid-flow-cli " SOLVA_VERSION "\nCopyright (C) "))
        << version;
    EXPECT_NE(version.find("License MIT"), std::string::npos) << version;
}

// A sweep of two inputs against the runs file that lists its runs: the same
// bytes in every file, the table and the summary; and the table read back
// holds each run's grid behind its run, line and values.
TEST(CliProgram, ASweepIsTheRunsFileOfItsCombinationsAndItsTableHoldsTheirGrids) {
    ScratchDirectory scratch;
    const std::filesystem::path& here = scratch.path();
    const CliResult sweep =
        runCli(here, {"--lambda", "0.1:0.3:0.1", "--alpha", "0,5", "--nxx", "7", "--nt", "2",
                      "--dir", "sweep", "--grid", "g.csv", "--table", "sweep.csv", "--summary"});
    std::string runs;
    for (const char* lambda : {"0.1", "0.2", "0.3"}) {
        for (const char* alpha : {"0", "5"}) {
            runs += std::string(lambda) + "\t7\t2\t" + alpha + "\t0\n";
        }
    }
    const CliResult file = runCli(
        here,
        {"--runs", "-", "--dir", "file", "--grid", "g.csv", "--table", "file.csv", "--summary"},
        runs);
    ASSERT_EQ(sweep.status, 0) << sweep.err;
    ASSERT_EQ(file.status, 0) << file.err;
    EXPECT_EQ(sweep.out, file.out);
    const std::string table = readFile(here / "sweep.csv");
    EXPECT_EQ(table, readFile(here / "file.csv"));

    const std::vector<std::string> rows = splitLines(table);
    EXPECT_EQ(rows.front(), "run,line,lambda,NXX,NT,alpha,beta,point,angle_deg,FI_deg,X,Y,Cu,Cp");
    std::size_t next = 1;
    for (int run = 1; run <= 6; ++run) {
        const std::string folder = "000" + std::to_string(run);
        EXPECT_EQ(readRunFiles(here / "sweep" / folder), readRunFiles(here / "file" / folder));
        const std::vector<std::string> grid =
            splitLines(readFile(here / "sweep" / folder / "g.csv"));
        const double lambda = 0.1 * ((run + 1) / 2), alpha = run % 2 == 1 ? 0 : 5;
        std::ostringstream lead;
        lead << run << ',' << run << ',' << lambda << ",7,2," << alpha << ",0,";
        for (std::size_t k = 1; k + 1 < grid.size(); ++k, ++next) { // header, rows, ""
            ASSERT_LT(next, rows.size());
            EXPECT_EQ(rows[next], lead.str() + grid[k]) << run;
        }
    }
    EXPECT_EQ(next + 1, rows.size()); // and the empty text after the last line end
}

TEST(CliProgram, ADecimalCommaChangesTheFilesButNotTheGridsOrTheSummaries) {
    ScratchDirectory scratch;
    const std::filesystem::path& here = scratch.path();
    const std::string locales = (scratch.path() / "locales").string();
    const std::string make = "mkdir '" + locales + "' && localedef -i de_DE -f UTF-8 '" + locales +
                             "/de_DE.UTF-8' >/dev/null 2>&1";
    if (std::system(make.c_str()) != 0) {
        GTEST_SKIP() << "cannot build a de_DE.UTF-8 locale (Debian package locales)";
    }
    const std::string runs = "0.2\t18\t2\t10\t0\n0.3\t12\t1\t0\t0\n";
    const CliResult inC =
        runCli(here, {"--runs", "-", "--dir", "c", "--grid", "g.csv", "--summary"}, runs);
    const CliResult inDe =
        runCli(here, {"--runs", "-", "--dir", "de", "--grid", "g.csv", "--summary"}, runs,
               {"LOCPATH=" + locales, "LC_ALL=de_DE.UTF-8"});
    ASSERT_EQ(inDe.status, 0) << inDe.err;
    EXPECT_EQ(inDe.out, inC.out);

    EXPECT_EQ(splitLines(readFile(here / "de/0001/solva11.txt")).at(2), " Lamda = 0,2 ");
    for (const std::string run : {"/0001", "/0002"}) {
        EXPECT_NE(readRunFiles(here / ("de" + run)), readRunFiles(here / ("c" + run))) << run;
        EXPECT_EQ(readFile(here / ("de" + run + "/g.csv")), readFile(here / ("c" + run + "/g.csv")))
            << run;
    }
}

} // namespace
} // namespace solva::test
