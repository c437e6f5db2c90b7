#include "app/run.h"

#include "app/numeric_reader.h"
#include "flow/coefficients.h"
#include "flow/meridian_points.h"
#include "flow/speed_grid.h"
#include "output/plot_data_file.h"
#include "output/report_file.h"
#include "output/text_file.h"

namespace solva {

namespace {

Real readInput(const std::string& text, const char* what) {
    Step step(what);
    return readNumber(text);
}

} // namespace

void run(const InputTexts& texts, FlowState& state, PlotRoutine& plot, const OutputStyle& style) {
    FlowCoefficients c;
    c.PI = computePI();

    // Both files stay open until the body is written; should a step fail, they
    // are flushed and closed on the way out and keep what had been written.
    TextFile report(ReportFileName, style);
    TextFile plotData(PlotDataFileName, style);

    RunParameters p;
    p.Lamda = readInput(texts.Lamda, "reading lambda from its box");
    p.NXX = readInput(texts.NXX, "reading NXX from its box");
    p.NT = readInput(texts.NT, "reading NT from its box");
    p.AlfaD = readInput(texts.AlfaD, "reading alpha from its box");
    p.BetaD = readInput(texts.BetaD, "reading beta from its box");

    c.NJ = computeNJ(p);
    writeReportHeader(report, p, c.NJ);
    computeFlowCoefficients(p, c);

    const Real N = p.NXX;
    generateMeridianPoints(p.Lamda, N, c.PI, state);
    fillSpeedGrid(p, c, state);

    writeReportBody(report, plotData, state, N, c.NJ, c.PI);
    report.close();
    plotData.close();

    plot.GRXYCU("", N, state.X, state.Y, state.CU1, 1);
}

} // namespace solva
