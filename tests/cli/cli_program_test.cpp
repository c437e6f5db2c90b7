// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

// The program itself, started as a user would: its files against the
// library's, its exit statuses and messages, and the locale it writes in.

#include "app/version.h"
#include "cli_runs.h"
#include "support/in_scratch_directory.h"

#include <cstdlib>
#include <memory>

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
    EXPECT_EQ(runCli(here, {"--version"}).out, "ellipsoid-flow-cli " SOLVA_VERSION "\n");
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
