#pragma once

#include "app/checked_real.h"
#include "flow/flow_state.h"
#include "output/output_style.h"

#include <string>
#include <string_view>

namespace solva {

// The five input texts of a run, just as the user left them in the boxes.
struct InputTexts {
    std::string Lamda = "0.2";
    std::string NXX = "18";
    std::string NT = "1";
    std::string AlfaD = "0";
    std::string BetaD = "0";
};

// The drawing a run ends with. GRXYCU reads only N and elements 1 ... N of
// the three arrays.
class PlotRoutine {
public:
    virtual ~PlotRoutine() = default;
    virtual void GRXYCU(std::string_view Title, Real N, const PointArray& X, const PointArray& Y,
                        const PointArray& CU, int IQU) = 0;
};

// One run: reads the texts, computes the solution into the window's state,
// writes "solva11.txt" and "solva12.txt" in the current directory and draws.
// A failure stops the run at its step and throws RunError; the files are
// closed first and keep what had been written, and nothing is drawn.
void run(const InputTexts& texts, FlowState& state, PlotRoutine& plot,
         const OutputStyle& style = OutputStyle::fromLocale());

} // namespace solva
