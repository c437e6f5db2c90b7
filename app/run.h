// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#pragma once

// One run: the eleven steps that turn five input texts into the report, the
// plot data and the drawing, whoever starts it (the window, the command-line
// program, a library caller).
//
// The layers, each a library of its own (arrows point at what a layer uses):
//
//   app/ (solva_base)  checked reals, the run step that names a failure, the
//                      error type RunError and the empty-or-written Element
//   flow/   -> base    coefficients, meridian points, speed grid, FlowState
//   output/ -> flow    print rules and number forms, the report, the plot data
//   plot/   -> flow    GRXYCU and the DrawingSurface it draws on
//   app/ (solva_run)   this run sequence, the numeric reader of the boxes and
//                      the five inputs' texts and names (input_texts.h)
//           -> flow, output, plot
//   ui/     -> run     the window Form1 and its picture areas (Qt)
//   cli/    -> run     the command-line program (no Qt)
//   app/main.cpp       starts the window program

#include "app/checked_real.h"
#include "app/input_texts.h"
#include "flow/coefficients.h"
#include "flow/flow_state.h"
#include "output/output_style.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace solva {

// The drawing a run ends with. GRXYCU reads only N and elements 1 ... N of
// the three arrays.
class PlotRoutine {
public:
    virtual ~PlotRoutine() = default;
    virtual void GRXYCU(std::string_view Title, Real N, const PointArray& X, const PointArray& Y,
                        const PointArray& CU, int IQU) = 0;
};

// How far a run got, for callers that report more than the files and the
// plots: each stage names the last thing the run finished.
enum class RunStage {
    Started,              // nothing read yet
    InputsRead,           // RunRecord::parameters hold the five values
    ColumnsCounted,       // PI and NJ are set
    CoefficientsComputed, // every coefficient is set
    Completed,            // the files are closed and the plots drawn
};

struct RunRecord {
    RunStage reached = RunStage::Started;
    RunParameters parameters;
    FlowCoefficients coefficients;
};

// The eleven steps:
//    1. compute PI;
//    2. open "solva11.txt", then "solva12.txt", in the given folder;
//    3. read the five texts into the run parameters;
//    4. count the columns NJ;
//    5. write the report header;
//    6. compute the remaining coefficients;
//    7. place the meridian points;
//    8. fill the speed grid;
//    9. for each point, write its report row, then its plot data line;
//   10. close the report, then the plot data;
//   11. draw: GRXYCU("", N, X, Y, CU1, 1).
// A failure stops the run at its step and throws RunError; the files are
// closed on the way out and keep what had been written, and nothing is drawn.
//
// `folder` is where the two files go; a relative folder counts from the
// working directory, and WorkingDirectory is that directory itself, as the
// window has it. The run never changes the process's working directory, so
// runs on separate FlowStates and folders may go on in separate threads.
// File errors name the file's full path; in a working directory that was
// deleted, they say so.
void run(const InputTexts& texts, const std::filesystem::path& folder, FlowState& state,
         PlotRoutine& plot, const OutputStyle& style = OutputStyle::fromLocale());

// The same run, leaving in `record` the values it read and the coefficients
// it computed, as far as it got; the files and the drawing are the same.
void run(const InputTexts& texts, const std::filesystem::path& folder, FlowState& state,
         PlotRoutine& plot, const OutputStyle& style, RunRecord& record);

// The folder of a run that writes where the window does: the process's
// working directory, as it is when the files are opened.
inline const std::filesystem::path WorkingDirectory{};

} // namespace solva
