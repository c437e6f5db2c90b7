// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

// The file and state checks accept what real runs write and reject each kind
// of damage a faulty print or computation could do.

#include "support/in_scratch_directory.h"
#include "support/result_checks.h"

#include <cmath>
#include <functional>
#include <limits>
#include <memory>

namespace solva {
namespace {

struct Damage {
    const char* what;
    std::function<void(std::string& report, std::string& plotData, FlowState& s)> apply;
};

void replaceFirst(std::string& text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
}

class ResultChecks : public test::InTempDir {
protected:
    // Runs and keeps the files; 18 points and, at an angle of attack, 4 columns.
    void runAndRead(const InputTexts& texts, const OutputStyle& style = OutputStyle{}) {
        run(texts, dir(), *state, plot, style);
        readFiles();
    }
    void readFiles() {
        report = InTempDir::report();
        plotData = InTempDir::plotData();
    }

    std::string fault(const check::RunEnd& end, std::string_view sep = ".") const {
        return check::runFault(report, plotData, *state, end, sep);
    }

    std::unique_ptr<FlowState> state = std::make_unique<FlowState>();
    test::RecordingPlot plot;
    std::string report, plotData;
};

const check::RunEnd Completed18{true, 18};

TEST_F(ResultChecks, AcceptTheFilesOfCompletedRuns) {
    runAndRead(InputTexts{"0.2", "18", "2", "10", "0"});
    EXPECT_EQ(fault(Completed18), "");

    OutputStyle comma;
    comma.decimalSeparator = ",";
    runAndRead(InputTexts{"0.2", "18", "2", "10", "0"}, comma);
    EXPECT_EQ(fault(Completed18, ","), "");

    // No column: the angle-0 speed prints as nothing after its zone move.
    runAndRead(InputTexts{"0.2", "18", "-1", "5", "0"});
    EXPECT_EQ(fault(Completed18), "");

    runAndRead(InputTexts{"0.2", "400", "18", "10", "5"});
    EXPECT_EQ(fault({true, 400}), "");
}

TEST_F(ResultChecks, AcceptTheFilesOfStoppedRuns) {
    for (const InputTexts& texts :
         {InputTexts{"", "", "", "", ""}, InputTexts{"0.2", "1E999", "1", "0", "0"},
          InputTexts{"0.2", "18", "19", "10", "0"}, InputTexts{"0.2", "401", "1", "0", "0"}}) {
        test::runExpectingError(texts, dir(), *state);
        readFiles();
        EXPECT_EQ(fault({}), "") << "NXX " << texts.NXX << ", NT " << texts.NT;
    }
}

TEST_F(ResultChecks, RejectEveryKindOfDamage) {
    const Damage damages[] = {
        {"inf in the plot data",
         [](std::string&, std::string& p, FlowState&) { replaceFirst(p, "0.", "inf"); }},
        {"NaN in the report", [](std::string& r, std::string&,
                                 FlowState&) { replaceFirst(r, " Alfa  = 10 ", " Alfa  = NaN "); }},
        {"a line ended by LF only",
         [](std::string&, std::string& p, FlowState&) { replaceFirst(p, "\r\n", "\n"); }},
        {"an unfinished last line", [](std::string&, std::string& p, FlowState&) { p += " 19"; }},
        {"an item off its zone",
         [](std::string&, std::string& p, FlowState&) { replaceFirst(p, " -0.4", "-0.4"); }},
        {"a trailing fraction zero",
         [](std::string&, std::string& p, FlowState&) {
             replaceFirst(p, "-0.497795719713757 ", "-0.4977957197137570 ");
         }},
        {"the exponent form where the fixed one is due",
         [](std::string&, std::string& p, FlowState&) {
             replaceFirst(p, "-0.497795719713757 ", "-4.97795719713757E-01 ");
         }},
        {"the last printed digit off by one",
         [](std::string&, std::string& p, FlowState&) {
             replaceFirst(p, "-0.497795719713757 ", "-0.497795719713758 ");
         }},
        {"a report row missing a speed field",
         [](std::string& r, std::string&, FlowState&) {
             replaceFirst(r, "   1.0757    ", "    ");
         }},
        {"a report field rounded the wrong way",
         [](std::string& r, std::string&, FlowState&) { replaceFirst(r, "094.98", "094.99"); }},
        {"a report field with three decimals",
         [](std::string& r, std::string&, FlowState&) {
             replaceFirst(r, "   0.0996", "   0.099");
         }},
        {"an unpadded angle",
         [](std::string& r, std::string&, FlowState&) { replaceFirst(r, "094.98", "94.98"); }},
        {"a row too many",
         [](std::string& r, std::string&, FlowState&) { r += r.substr(r.rfind("18   ")); }},
        {"a plot line too few", [](std::string&, std::string& p,
                                   FlowState&) { p.erase(p.rfind("\r\n", p.size() - 3) + 2); }},
        {"a non-finite speed in the state",
         [](std::string&, std::string&, FlowState& s) {
             s.CU(400, 36) = Real(std::numeric_limits<double>::infinity());
         }},
        {"a not-a-number radius in the state",
         [](std::string&, std::string&, FlowState& s) {
             s.Y(0) = Real(std::numeric_limits<double>::quiet_NaN());
         }},
        {"a state value changed after printing",
         [](std::string&, std::string&, FlowState& s) { s.X(3) = Real(s.X(3).toDouble() * 2); }},
    };
    for (const Damage& damage : damages) {
        state = std::make_unique<FlowState>();
        runAndRead(InputTexts{"0.2", "18", "2", "10", "0"});
        ASSERT_EQ(fault(Completed18), "");
        damage.apply(report, plotData, *state);
        EXPECT_NE(fault(Completed18), "") << damage.what;
    }
}

TEST_F(ResultChecks, AStoppedRunMayLeaveOnlyTheAngleLineUnfinished) {
    test::runExpectingError(InputTexts{"0.2", "18", "19", "10", "0"}, dir(), *state);
    readFiles();
    ASSERT_EQ(fault({}), "");
    EXPECT_NE(fault(Completed18), ""); // a stopped run's files are not a completed run's
    report.erase(report.rfind("\r\n"));
    EXPECT_NE(fault({}), "") << "the column header left unfinished";
}

TEST(GeneralForm, InfAndNanAreFoundInAnyCase) {
    EXPECT_TRUE(check::holdsInfOrNan("1 INF"));
    EXPECT_TRUE(check::holdsInfOrNan("-nAn "));
    EXPECT_TRUE(check::holdsInfOrNan("Infinity"));
    EXPECT_FALSE(check::holdsInfOrNan(" 1E+300 -0.5 in fan"));
}

} // namespace
} // namespace solva
