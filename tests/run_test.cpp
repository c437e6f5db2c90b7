// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "support/in_scratch_directory.h"

#include <filesystem>
#include <iterator>
#include <memory>
#include <sstream>
#include <thread>

namespace solva {
namespace {

using test::readFile;
using test::ReportHeaderLines;
using test::runExpectingError;
using test::splitLines;

const std::filesystem::path Data = SOLVA_TEST_DATA;

class RunTest : public test::InTempDir {
protected:
    void runOk(const InputTexts& texts, const OutputStyle& style = OutputStyle{}) {
        run(texts, dir(), *state, plot, style);
    }
    RunError runFails(const InputTexts& texts) { return runExpectingError(texts, dir(), *state); }

    std::unique_ptr<FlowState> state = std::make_unique<FlowState>();
    test::RecordingPlot plot;
};

const char* const HeaderStart =
    " Elipsoid etraf\xC4\xB1ndaki potansiyel ak\xC4\xB1m\xC4\xB1n analitik "
    "\xC3\xA7\xC3\xB6z\xC3\xBCm\xC3\xBC\r\n"
    " \r\n";

TEST_F(RunTest, DefaultInputsWriteBothFilesExactly) {
    runOk(InputTexts{});
    EXPECT_EQ(report(), readFile(Data / "default_solva11.txt"));
    EXPECT_EQ(plotData(), readFile(Data / "default_solva12.txt"));

    const std::vector<std::string> rows = splitLines(report());
    EXPECT_EQ(rows[6], " 0  ");
    EXPECT_EQ(rows[8], "01   174.62   -0.4978   0.0094   0.2037    ");
    EXPECT_EQ(report().rfind(HeaderStart, 0), 0u);
}

TEST_F(RunTest, DefaultRunHandsItsPointsToThePlot) {
    runOk(InputTexts{});
    ASSERT_EQ(plot.calls.size(), 1u);
    const test::PlotCall& call = plot.calls[0];
    EXPECT_EQ(call.N, 18);
    ASSERT_EQ(call.CU.size(), 18u);
    EXPECT_EQ(call.X[0], state->X(1).toDouble());
    EXPECT_EQ(call.CU[8], state->CU(9, 1).toDouble());
}

TEST_F(RunTest, FourColumnsAtAnAngleOfAttack) {
    runOk(InputTexts{"0.2", "18", "2", "10", "0"});
    const std::vector<std::string> rows = splitLines(report());
    EXPECT_EQ(rows[3], " Alfa  = 10 ");
    EXPECT_EQ(rows[6], " 0  90  180  270  ");
    EXPECT_EQ(rows[16], "09   094.98   -0.0434   0.0996   1.1958   1.0996   1.1958   1.0757    ");
}

TEST_F(RunTest, HeaderValuesAreRoundedHalfToEven) {
    runOk(InputTexts{"0.125", "4", "7", "-5", "2.25"});
    const std::vector<std::string> rows = splitLines(report());
    EXPECT_EQ(rows[2], " Lamda = 0.12 ");
    EXPECT_EQ(rows[3], " Alfa  =-5 ");
    EXPECT_EQ(rows[4], " Beta  = 2.2 ");
    EXPECT_EQ(rows[6].substr(0, 21), " 0  25.7142857142857 ");
}

TEST_F(RunTest, ThePrintedNumbersFollowTheDecimalSeparator) {
    OutputStyle comma;
    comma.decimalSeparator = ",";
    runOk(InputTexts{}, comma);
    const std::vector<std::string> rows = splitLines(report());
    EXPECT_EQ(rows[2], " Lamda = 0,2 ");
    EXPECT_EQ(rows[8], "01   174,62   -0,4978   0,0094   0,2037    ");
    EXPECT_EQ(splitLines(plotData())[0].substr(0, 32), " 1            -0,497795719713757");
}

TEST_F(RunTest, TheTitleTakesASingleByteSetThatHoldsItsLetters) {
    OutputStyle turkish;
    turkish.titleCharset = "ISO-8859-9";
    runOk(InputTexts{}, turkish);
    EXPECT_EQ(splitLines(report())[0],
              " Elipsoid etraf\xFDndaki potansiyel ak\xFDm\xFDn analitik \xE7\xF6z\xFCm\xFC");

    // Latin-1 has no dotless i: the title stays in UTF-8.
    OutputStyle western;
    western.titleCharset = "ISO-8859-1";
    runOk(InputTexts{}, western);
    EXPECT_EQ(report().rfind(HeaderStart, 0), 0u);
}

TEST_F(RunTest, PointNumbersAbove99PrintInFull) {
    runOk(InputTexts{"0.2", "400", "18", "10", "5"});
    const std::vector<std::string> rows = splitLines(report());
    ASSERT_EQ(rows.size(), ReportHeaderLines + 400u + 1u);
    EXPECT_EQ(rows[ReportHeaderLines + 99].substr(0, 6), "100   ");
    EXPECT_EQ(rows[ReportHeaderLines + 399].substr(0, 6), "400   ");
    EXPECT_EQ(splitLines(plotData()).size(), 401u);
}

TEST_F(RunTest, AFractionalPointCountRunsItsWholePart) {
    runOk(InputTexts{"0.2", "18.5", "1", "0", "0"});
    EXPECT_EQ(splitLines(report()).size(), ReportHeaderLines + 18u + 1u);
    EXPECT_EQ(plot.calls.at(0).N, 18.5);
    EXPECT_EQ(plot.calls.at(0).X.size(), 18u);
}

TEST_F(RunTest, FewerThanOnePointGivesAnEmptyBody) {
    runOk(InputTexts{"0.2", "0.5", "1", "0", "0"});
    EXPECT_EQ(splitLines(report()).size(), 9u);
    EXPECT_EQ(report().substr(report().size() - 4), "\r\n\r\n");
    EXPECT_EQ(plotData(), "");
    EXPECT_TRUE(plot.calls.at(0).X.empty());
}

TEST_F(RunTest, ANegativeStepCountWritesNoSpeedColumn) {
    runOk(InputTexts{"0.2", "3", "-1", "5", "0"});
    const std::vector<std::string> rows = splitLines(report());
    EXPECT_EQ(rows[6], " ");
    EXPECT_EQ(rows[8], "01   139.88   -0.3823   0.0644    ");
    // The angle-0 value was never computed: it prints as nothing after its zone move.
    EXPECT_EQ(splitLines(plotData())[0],
              " 1            -0.382324313488123           0.0644447420092082         ");
}

// Three numbers, then blanks up to the zone where the fourth would start.
bool endsAfterThirdItem(const std::string& line) {
    std::istringstream items(line);
    std::vector<std::string> words{std::istream_iterator<std::string>(items), {}};
    return words.size() == 3 && line.size() % 14 == 0 && line.back() == ' ';
}

TEST_F(RunTest, WithoutAColumnTheAngleZeroValueOfAnEarlierRunIsNotReused) {
    runOk(InputTexts{});
    runOk(InputTexts{"0.2", "18", "-1", "5", "0"});
    const std::vector<std::string> lines = splitLines(plotData());
    ASSERT_EQ(lines.size(), 19u);
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        EXPECT_TRUE(endsAfterThirdItem(lines[i])) << lines[i];
    }
    EXPECT_EQ(plot.calls.at(1).CU.at(0), 0);
}

TEST_F(RunTest, TwoRunsInARowShowOnlyTheSecondRunsPoints) {
    runOk(InputTexts{"0.2", "20", "1", "0", "0"});
    const double X15 = state->X(15).toDouble();
    runOk(InputTexts{"0.2", "10", "1", "0", "0"});
    EXPECT_EQ(splitLines(report()).size(), ReportHeaderLines + 10u + 1u);
    EXPECT_EQ(splitLines(plotData()).size(), 11u);
    EXPECT_EQ(plot.calls.at(1).X.size(), 10u);
    EXPECT_EQ(state->X(15).toDouble(), X15); // left as the first run wrote it
}

TEST_F(RunTest, TheSameInputsTwiceGiveTheSameFiles) {
    runOk(InputTexts{"0.3", "24", "3", "7", "-4"});
    const std::string first = report() + plotData();
    runOk(InputTexts{"0.3", "24", "3", "7", "-4"});
    EXPECT_EQ(report() + plotData(), first);
}

TEST_F(RunTest, AnOddPointCountRuns) {
    runOk(InputTexts{"0.2", "17", "1", "0", "0"});
    const std::vector<std::string> rows = splitLines(report());
    EXPECT_EQ(rows[ReportHeaderLines + 8].substr(0, 32), "09   090.00   0.0000   0.1000   ");
}

TEST_F(RunTest, TheSphereRuns) {
    runOk(InputTexts{"1", "18", "1", "0", "0"});
    EXPECT_EQ(splitLines(report())[2], " Lamda = 1 ");
}

// Failing runs stop at their step with the files as far as written.

TEST_F(RunTest, AllBoxesEmptyStopsInTheAngleLine) {
    const RunError e = runFails(InputTexts{"", "", "", "", ""});
    EXPECT_EQ(e.kind(), ErrorKind::InvalidOperation);
    EXPECT_NE(e.where().find("column angles"), std::string::npos) << e.where();
    EXPECT_EQ(report(), std::string(HeaderStart) + " Lamda = 0 \r\n Alfa  = 0 \r\n Beta  = 0 \r\n"
                                                   "  I    FI        X         Y      Cu\r\n");
    EXPECT_EQ(plotData(), "");
}

TEST_F(RunTest, Point401StopsTheRunAfterTheHeader) {
    const RunError e = runFails(InputTexts{"0.2", "401", "1", "0", "0"});
    EXPECT_EQ(e.kind(), ErrorKind::SubscriptOutOfRange);
    EXPECT_EQ(splitLines(report()).size(), ReportHeaderLines);
    EXPECT_EQ(plotData(), "");
}

TEST_F(RunTest, ZeroStepsWithAnAngleStopsInTheGrid) {
    const RunError e = runFails(InputTexts{"0.2", "18", "0", "5", "0"});
    EXPECT_EQ(e.kind(), ErrorKind::DivisionByZero);
    const std::vector<std::string> rows = splitLines(report());
    ASSERT_EQ(rows.size(), ReportHeaderLines);
    EXPECT_EQ(rows[6], " ");
    EXPECT_EQ(plotData(), "");
}

TEST_F(RunTest, ThirtySixColumnsAreTheMost) {
    runOk(InputTexts{"0.2", "18", "18", "10", "5"});
    runOk(InputTexts{"0.2", "18", "18.4", "10", "5"});
    EXPECT_EQ(splitLines(report())[6].substr(0, 24), " 0  9.78260869565217  19");
}

TEST_F(RunTest, Column37StopsTheHeaderAfter36Angles) {
    for (const char* NT : {"19", "1E+15"}) {
        const RunError e = runFails(InputTexts{"0.2", "18", NT, "10", "0"});
        EXPECT_EQ(e.kind(), ErrorKind::SubscriptOutOfRange) << NT;
        EXPECT_EQ(e.where(), "writing the column angles (J - 1) 180 / NT of the report header "
                             "(column 37): index 37 lies outside 0 ... 36");
        const std::vector<std::string> rows = splitLines(report());
        ASSERT_EQ(rows.size(), 7u) << NT;
        EXPECT_EQ(std::count(rows[6].begin(), rows[6].end(), ' '), 2 * 36) << rows[6];
        EXPECT_EQ(plotData(), "");
    }
}

TEST_F(RunTest, ThicknessRatiosOutsideTheRange) {
    EXPECT_EQ(runFails(InputTexts{"0", "18", "1", "0", "0"}).kind(), ErrorKind::DivisionByZero);
    EXPECT_EQ(runFails(InputTexts{"-1", "18", "1", "0", "0"}).kind(), ErrorKind::InvalidOperation);
    const RunError e = runFails(InputTexts{"1.5", "18", "1", "0", "0"});
    EXPECT_EQ(e.kind(), ErrorKind::SquareRootOfNegative);
    EXPECT_EQ(splitLines(report()).size(), ReportHeaderLines); // the header is written first
}

TEST_F(RunTest, ZeroPointsStopsTheRun) {
    const RunError e = runFails(InputTexts{"0.2", "0", "1", "0", "0"});
    EXPECT_EQ(e.kind(), ErrorKind::DivisionByZero);
    EXPECT_EQ(e.number(), 11);
    EXPECT_EQ(std::string(e.what()),
              "Division by zero while computing the meridian angle step DFI = PI / NXX "
              "(NXX must not be 0)");
}

TEST_F(RunTest, AnInputTooLargeForADoubleIsAnOverflow) {
    const RunError e = runFails(InputTexts{"0.2", "1E999", "1", "0", "0"});
    EXPECT_EQ(e.kind(), ErrorKind::Overflow);
    EXPECT_EQ(e.where(), "reading NXX from its box");
    EXPECT_EQ(report(), ""); // both files are created before the inputs are read
    EXPECT_TRUE(std::filesystem::exists(dir() / PlotDataFileName));
}

TEST_F(RunTest, AFailedRunLeavesTheStateOfItsFinishedSteps) {
    runOk(InputTexts{});
    const double CU1 = state->CU1(1).toDouble();
    runFails(InputTexts{"0.2", "12", "0", "5", "0"}); // points placed, grid failed
    EXPECT_EQ(state->CU1(1).toDouble(), CU1);
    EXPECT_NE(state->X(1).toDouble(), plot.calls.at(0).X.at(0));
}

// Runs that share nothing go on side by side: two threads, each with its own
// state and folder, write the bytes the same runs write one after the other,
// and the process's working directory stays where it was.
TEST_F(RunTest, RunsInTwoThreadsWriteWhatRunsOneAfterTheOtherWrite) {
    const InputTexts texts[] = {InputTexts{"0.2", "400", "18", "10", "5"},
                                InputTexts{"0.5", "300", "9", "-20", "35"}};
    const auto runsIn = [&](const std::string& folder, const InputTexts& t) {
        std::filesystem::create_directory(dir() / folder);
        auto own = std::make_unique<FlowState>();
        test::RecordingPlot drawing;
        for (int k = 0; k < 5; ++k) { // long enough for the threads to overlap
            run(t, dir() / folder, *own, drawing, OutputStyle{});
        }
    };
    const auto files = [&](const std::string& folder) {
        return readFile(dir() / folder / ReportFileName) +
               readFile(dir() / folder / PlotDataFileName);
    };
    const std::filesystem::path start = std::filesystem::current_path();
    runsIn("first", texts[0]);
    runsIn("second", texts[1]);
    std::thread one(runsIn, "one", texts[0]);
    std::thread two(runsIn, "two", texts[1]);
    one.join();
    two.join();
    EXPECT_EQ(files("one"), files("first"));
    EXPECT_EQ(files("two"), files("second"));
    EXPECT_EQ(std::filesystem::current_path(), start);
}

} // namespace
} // namespace solva
