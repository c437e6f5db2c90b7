// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// What the GoogleTest tests of whole runs share: a fixture that gives each
// test a scratch directory for its files, and a run that must fail. Header-only, so that the
// support library itself needs no GoogleTest.

#include "app/run.h"
#include "app/run_error.h"
#include "output/plot_data_file.h"
#include "output/report_file.h"
#include "support/files.h"
#include "support/recording_plot.h"
#include "support/scratch_directory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace solva::test {

class InTempDir : public ::testing::Test {
protected:
    const std::filesystem::path& dir() const { return scratch_.path(); }
    std::string report() const { return readFile(dir() / ReportFileName); }
    std::string plotData() const { return readFile(dir() / PlotDataFileName); }

private:
    ScratchDirectory scratch_;
};

// Runs and gives the error the run stopped with; fails the test if it
// completed, or if it drew.
inline RunError runExpectingError(const InputTexts& texts, const std::filesystem::path& folder,
                                  FlowState& state, const OutputStyle& style = OutputStyle{}) {
    RecordingPlot plot;
    try {
        run(texts, folder, state, plot, style);
    } catch (const RunError& error) {
        EXPECT_TRUE(plot.calls.empty()) << "a failed run must not draw";
        return error;
    }
    ADD_FAILURE() << "the run completed";
    return RunError(ErrorKind::InvalidOperation, "no error");
}

} // namespace solva::test
