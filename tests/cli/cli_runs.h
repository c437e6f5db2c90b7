// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// What the command-line tests compare against, and the program started as a
// user would start it.

#include "app/run.h"

#include <filesystem>
#include <string>
#include <vector>

namespace solva::test {

struct RunFiles {
    std::string report, plotData;
    bool operator==(const RunFiles&) const = default;
};

RunFiles readRunFiles(const std::filesystem::path& dir);

// The files after each run of `sequence` through run(), all on `state` as in
// one window, in the folder `dir` (created).
std::vector<RunFiles> libraryRuns(const std::vector<InputTexts>& sequence,
                                  const std::filesystem::path& dir, FlowState& state,
                                  const OutputStyle& style = OutputStyle{});

// The line a run of `texts` in a new window prints on failing, without "run k: ".
std::string errorLine(const InputTexts& texts);

struct CliResult {
    int status = -1;
    std::string out, err;
};

// ellipsoid-flow-cli started in the folder `dir` with `input` on its
// standard input, in the C locale unless `env` ("NAME=value") says otherwise.
CliResult runCli(const std::filesystem::path& dir, const std::vector<std::string>& args,
                 const std::string& input = "", const std::vector<std::string>& env = {});

} // namespace solva::test
