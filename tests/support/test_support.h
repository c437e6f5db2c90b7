#pragma once

// Shared pieces of the core tests: a scratch working directory for the result
// files, file reading, and a plot routine that records what it was given.

#include "app/run.h"
#include "app/run_error.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace solva::test {

std::string readFile(const std::filesystem::path& path);

// Splits a result file at its CRLF line ends; the text after the last one
// (normally nothing) is the last element.
std::vector<std::string> splitLines(const std::string& text);

// Runs each test in a fresh empty directory, the current one for its duration.
class InTempDir : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::string report() const { return readFile(dir_ / "solva11.txt"); }
    std::string plotData() const { return readFile(dir_ / "solva12.txt"); }

    std::filesystem::path dir_;

private:
    std::filesystem::path previous_;
};

struct PlotCall {
    double N = 0;
    std::vector<double> X, Y, CU; // elements 1 ... N
    int IQU = 0;
    bool titleEmpty = false;
};

class RecordingPlot : public PlotRoutine {
public:
    void GRXYCU(std::string_view Title, Real N, const PointArray& X, const PointArray& Y,
                const PointArray& CU, int IQU) override;
    std::vector<PlotCall> calls;
};

InputTexts inputs(std::string Lamda, std::string NXX, std::string NT, std::string AlfaD,
                  std::string BetaD);

// Runs and gives the error the run stopped with; fails the test if it completed.
RunError runExpectingError(const InputTexts& texts, FlowState& state,
                           const OutputStyle& style = OutputStyle{});

} // namespace solva::test
