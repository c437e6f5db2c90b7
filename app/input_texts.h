// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#pragma once

// The five inputs of a run: their texts, and their names wherever a caller
// lists them (JSON keys, usage lines, the columns of a runs file).

#include "flow/run_parameters.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace solva {

// The five input texts of a run, just as the user left them in the boxes.
struct InputTexts {
    std::string Lamda = "0.2";
    std::string NXX = "18";
    std::string NT = "1";
    std::string AlfaD = "0";
    std::string BetaD = "0";
};

// One input: where its text and its value are kept, and its names.
struct Input {
    std::string InputTexts::*text;
    Real RunParameters::*value;
    std::string_view key;         // for programs, as in JSON: "lambda"
    std::string_view placeholder; // for people, in usage lines: "LAMBDA"
};

// The inputs in the order of the boxes, of the texts on a command line and of
// the columns of a runs file.
inline constexpr std::array<Input, 5> Inputs{{
    {&InputTexts::Lamda, &RunParameters::Lamda, "lambda", "LAMBDA"},
    {&InputTexts::NXX, &RunParameters::NXX, "nxx", "NXX"},
    {&InputTexts::NT, &RunParameters::NT, "nt", "NT"},
    {&InputTexts::AlfaD, &RunParameters::AlfaD, "alpha", "ALPHA"},
    {&InputTexts::BetaD, &RunParameters::BetaD, "beta", "BETA"},
}};

// The texts of a run given in the order of Inputs; `texts` must hold five.
InputTexts inputTexts(const std::vector<std::string>& texts);

// The placeholders, "LAMBDA NXX NT ALPHA BETA": `between` separates them, and
// `last` the last one from the others ("LAMBDA, NXX, NT, ALPHA and BETA").
std::string placeholders(std::string_view between = " ", std::string_view last = " ");

} // namespace solva
