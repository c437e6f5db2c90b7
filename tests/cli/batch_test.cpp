// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

// Batches in-process: a runs file's files, grids and summaries against the
// library's own runs, and the grid read back against the report's decimals.

#include "cli/batch.h"
#include "cli/runs_file.h"
#include "cli_runs.h"
#include "output/number_text.h"
#include "support/in_scratch_directory.h"

#include <nlohmann/json.hpp>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <sys/stat.h>

namespace solva::test {
namespace {

using nlohmann::json;

struct Batch {
    int status;
    std::string out, err;
};

// The runs into the folder `here`/cli.
Batch runBatch(const std::filesystem::path& here, const std::vector<InputTexts>& runs,
               FlowState& state) {
    cli::BatchSettings settings;
    settings.dir = here / "cli";
    settings.numbered = runs.size() > 1;
    settings.grid = settings.numbered ? "g.csv" : here / "cli/g.csv";
    settings.summary = true;
    std::ostringstream out, err;
    const int status = cli::runBatch(runs, settings, OutputStyle{}, state, out, err);
    return {status, out.str(), err.str()};
}

TEST(Batch, ARunThatFailsIsReportedAndTheOthersKeepTheirFilesAndTheSharedState) {
    ScratchDirectory scratch;
    const std::filesystem::path& here = scratch.path();
    std::istringstream runsFile("# lambda\tNXX\tNT\talpha\tbeta\r\n0.2\t 20\t&H1\t0\t\r\n\n"
                                "0.2\t12\t0\t5\t0\n"    // stops in the grid
                                "0.2\t1E999\t1\t0\t0\n" // stops reading NXX
                                "0.2\t10\t2\t10\t0");
    const std::vector<InputTexts> sequence = cli::parseRuns(runsFile, "runs.tsv");
    ASSERT_EQ(sequence.size(), 4u);
    std::filesystem::create_directories(here / "cli/0002");
    std::ofstream(here / "cli/0002/g.csv") << "a grid from before\r\n";
    auto state = std::make_unique<FlowState>();
    const Batch batch = runBatch(here, sequence, *state);
    EXPECT_EQ(batch.status, 1);
    EXPECT_EQ(batch.err, "run 2: " + errorLine(sequence[1]) + "run 3: " + errorLine(sequence[2]));

    auto libraryState = std::make_unique<FlowState>();
    const std::vector<RunFiles> library = libraryRuns(sequence, here / "lib", *libraryState);
    for (std::size_t k = 0; k < library.size(); ++k) {
        EXPECT_EQ(readRunFiles(here / ("cli/000" + std::to_string(k + 1))), library[k]) << k;
    }
    EXPECT_EQ(splitLines(library[3].report).size(), ReportHeaderLines + 10u + 1u);
    EXPECT_EQ(splitLines(readFile(here / "cli/0001/g.csv")).size(), 1u + 20u + 1u);
    EXPECT_FALSE(std::filesystem::exists(here / "cli/0002/g.csv"));
    EXPECT_EQ(splitLines(readFile(here / "cli/0004/g.csv")).size(), 1u + 10u * 4u + 1u);
    // Point 15 is as the first run left it: the later ones placed fewer points.
    EXPECT_FALSE(state->X(15).empty());
    EXPECT_EQ(state->X(15).toDouble(), libraryState->X(15).toDouble());

    std::istringstream lines(batch.out);
    std::vector<json> summary;
    for (std::string line; std::getline(lines, line);) {
        summary.push_back(json::parse(line));
    }
    ASSERT_EQ(summary.size(), 4u);
    EXPECT_EQ(summary[0]["texts"], json::parse(R"({"lambda":"0.2","nxx":" 20","nt":"&H1",
                                                   "alpha":"0","beta":""})"));
    EXPECT_EQ(summary[0]["values"],
              json::parse(R"({"lambda":0.2,"nxx":20,"nt":1,"alpha":0,"beta":0})"));
    EXPECT_EQ(summary[0]["NJ"], 1);
    EXPECT_EQ(summary[0]["completed"], true);
    EXPECT_FALSE(summary[0].contains("error"));
    // docs/mathematics.md gives the coefficients for lambda 0.2 to seven decimals.
    for (const auto& [name, value] : {std::pair{"E", 0.9797959},
                                      {"A0", 0.1116419},
                                      {"B0", 0.9441790},
                                      {"K1", 0.0591212},
                                      {"K2", 0.8942605},
                                      {"K3", 0.8942605}}) {
        EXPECT_NEAR(summary[0]["coefficients"][name].get<double>(), value, 5E-8) << name;
        EXPECT_EQ(summary[1]["coefficients"][name], summary[0]["coefficients"][name]) << name;
    }
    EXPECT_EQ(summary[1]["run"], 2);
    EXPECT_EQ(summary[1]["completed"], false);
    EXPECT_EQ(
        summary[1]["error"],
        (json{{"number", 11},
              {"description", "Division by zero"},
              {"where", "computing the circumferential step DT = PI / NT (NT must not be 0)"}}));
    EXPECT_EQ(summary[2]["error"]["where"], "reading NXX from its box");
    for (const char* unreached : {"values", "NJ", "coefficients"}) {
        EXPECT_TRUE(summary[2][unreached].is_null()) << unreached;
    }
}

std::vector<std::string> items(const std::string& line, char separator) {
    std::vector<std::string> found;
    std::istringstream in(line);
    for (std::string item; std::getline(in, item, separator);) {
        if (item.find_first_not_of(' ') != std::string::npos) {
            found.push_back(item);
        }
    }
    return found;
}

// A grid value as the report prints it: in the general form or in a pattern.
std::string asPrinted(double v) {
    char text[MaxNumberText];
    return std::string(text, writeGeneralForm(text, v, "."));
}
std::string asPrinted(double v, NumberPattern pattern) {
    char text[MaxNumberText];
    return std::string(text, writePattern(text, v, pattern, "."));
}

// The grid read back holds the very values the report printed.
void expectGridOfReport(const InputTexts& texts, std::size_t NJ) {
    ScratchDirectory scratch;
    const std::filesystem::path& here = scratch.path();
    auto state = std::make_unique<FlowState>();
    const std::vector<std::string> report =
        splitLines(libraryRuns({texts}, here / "lib", *state)[0].report);
    auto cliState = std::make_unique<FlowState>();
    ASSERT_EQ(runBatch(here, {texts}, *cliState).status, 0);

    const std::vector<std::string> rows = splitLines(readFile(here / "cli/g.csv"));
    const std::size_t NXX = report.size() - ReportHeaderLines - 1; // "" after the last row
    ASSERT_EQ(rows.size(), 1 + NXX * NJ + 1);
    EXPECT_EQ(rows.front(), "point,angle_deg,FI_deg,X,Y,Cu,Cp");
    const std::vector<std::string> angles = items(report[6], ' ');
    ASSERT_EQ(angles.size(), NJ);
    for (std::size_t k = 0; k < NXX * NJ; ++k) {
        const long I = static_cast<long>(k / NJ) + 1, J = static_cast<long>(k % NJ) + 1;
        std::vector<double> csv;
        for (const std::string& item : items(rows[k + 1], ',')) {
            csv.push_back(std::strtod(item.c_str(), nullptr));
        }
        const std::vector<std::string> printed =
            items(report[ReportHeaderLines + I - 1], ' '); // I FI X Y Cu...
        ASSERT_EQ(csv.size(), 7u) << rows[k + 1];
        EXPECT_EQ(csv[0], I);
        EXPECT_EQ(asPrinted(csv[1]), angles[J - 1]);
        EXPECT_EQ(asPrinted(csv[2], "0#0.#0"), printed[1]);
        EXPECT_EQ(asPrinted(csv[3], "0.###0"), printed[2]);
        EXPECT_EQ(asPrinted(csv[4], "0.###0"), printed[3]);
        EXPECT_EQ(asPrinted(csv[5], "0.###0"), printed[3 + J]);
        EXPECT_EQ(csv[3], state->X(I).toDouble()); // read back exactly
        EXPECT_EQ(csv[4], state->Y(I).toDouble());
        EXPECT_EQ(csv[5], state->CU(I, J).toDouble());
        EXPECT_EQ(csv[6], 1 - csv[5]);
    }
}

// A named pipe nobody reads in the grid's place stops the run at once, as
// in the result files' places, and says where.
TEST(Batch, AGridPipeWithoutAReaderFailsAtOnce) {
    ScratchDirectory scratch;
    const std::filesystem::path& here = scratch.path();
    std::filesystem::create_directory(here / "cli");
    ASSERT_EQ(mkfifo((here / "cli/g.csv").c_str(), 0600), 0);
    auto state = std::make_unique<FlowState>();
    const Batch batch = runBatch(here, {InputTexts{}}, *state);
    EXPECT_EQ(batch.status, 1);
    EXPECT_NE(batch.err.find("error 75: "), std::string::npos) << batch.err;
    EXPECT_NE(batch.err.find((here / "cli/g.csv").string()), std::string::npos) << batch.err;
}

TEST(Batch, TheGridOfTheDefaultRunReadsBack) {
    expectGridOfReport(InputTexts{}, 1);
}

TEST(Batch, TheGridOfAFourColumnRunReadsBack) {
    expectGridOfReport(InputTexts{"0.3", "17", "2", "10", "-4"}, 4);
}

} // namespace
} // namespace solva::test
