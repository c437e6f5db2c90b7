// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#include "app/run.h"

#include "app/numeric_reader.h"
#include "app/run_step.h"
#include "flow/meridian_points.h"
#include "flow/speed_grid.h"
#include "output/plot_data_file.h"
#include "output/report_file.h"
#include "output/text_file.h"

namespace solva {

namespace {

Real readInput(const std::string& text, const char* what) {
    RunStep step(what);
    return readNumber(text);
}

} // namespace

void run(const InputTexts& texts, const std::filesystem::path& folder, FlowState& state,
         PlotRoutine& plot, const OutputStyle& style) {
    RunRecord record;
    run(texts, folder, state, plot, style, record);
}

void run(const InputTexts& texts, const std::filesystem::path& folder, FlowState& state,
         PlotRoutine& plot, const OutputStyle& style, RunRecord& record) {
    record = RunRecord{};
    RunParameters& p = record.parameters;
    FlowCoefficients& c = record.coefficients;

    c.PI = computePI(); // 1

    // 2. Should a later step fail, both files are closed on the way out and
    // keep what had been written. A joined path rather than a folder
    // descriptor: errors name the very path that was opened.
    TextFile report((folder / ReportFileName).string(), style);
    TextFile plotData((folder / PlotDataFileName).string(), style);

    p.Lamda = readInput(texts.Lamda, "reading lambda from its box"); // 3
    p.NXX = readInput(texts.NXX, "reading NXX from its box");
    p.NT = readInput(texts.NT, "reading NT from its box");
    p.AlfaD = readInput(texts.AlfaD, "reading alpha from its box");
    p.BetaD = readInput(texts.BetaD, "reading beta from its box");
    record.reached = RunStage::InputsRead;

    c.NJ = computeNJ(p); // 4
    record.reached = RunStage::ColumnsCounted;
    writeReportHeader(report, p, c.NJ); // 5
    computeFlowCoefficients(p, c);      // 6
    record.reached = RunStage::CoefficientsComputed;

    const Real N = p.NXX;                            // the point count, a copy of NXX
    generateMeridianPoints(p.Lamda, N, c.PI, state); // 7
    fillSpeedGrid(p, c, state);                      // 8

    writeReportBodyStart(report); // 9
    {
        RunStep step("writing the report row");
        for (long I = 1; I <= N; ++I) {
            step.at(I);
            writeReportRow(report, state, I, c.NJ, c.PI);
            writePlotDataLine(plotData, state, I);
        }
    }

    report.close(); // 10
    plotData.close();

    plot.GRXYCU("", N, state.X, state.Y, state.CU1, 1); // 11
    record.reached = RunStage::Completed;
}

} // namespace solva
