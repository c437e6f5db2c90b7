// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

// Whole runs from fuzzed inputs: the bytes split at '|' into the five boxes
// (Lamda, NXX, NT, alpha, beta; missing ones empty, further '|' stay in beta).
// Every run must complete or stop with a named error, draw only when it
// completes, leave only finite numbers in the state and write files the print
// rules could produce.

#include "support/result_checks.h"

#include "app/run.h"
#include "support/scratch_directory.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

namespace {

// The folder of the runs while fuzzing; removed when the fuzzer exits.
std::optional<solva::test::ScratchDirectory> scratch;

[[noreturn]] void fault(const solva::InputTexts& in, const std::string& what) {
    std::fprintf(stderr, "run fault: %s\n  inputs:", what.c_str());
    for (const solva::Input& box : solva::Inputs) {
        std::fprintf(stderr, " %.*s \"%s\"", static_cast<int>(box.key.size()), box.key.data(),
                     (in.*box.text).c_str());
    }
    std::fputc('\n', stderr);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    scratch.emplace();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    solva::InputTexts in{"", "", "", "", ""};
    std::size_t start = 0;
    for (std::size_t i = 0; i < solva::Inputs.size() && start <= bytes.size(); ++i) {
        const std::size_t bar =
            i + 1 < solva::Inputs.size() ? bytes.find('|', start) : std::string_view::npos;
        const std::size_t end = bar == std::string_view::npos ? bytes.size() : bar;
        in.*solva::Inputs[i].text = std::string(bytes.substr(start, end - start));
        start = end + 1;
    }

    // A fresh state for each input keeps every finding reproducible on its own.
    auto state = std::make_unique<solva::FlowState>();
    const solva::check::CheckedRun result =
        solva::check::checkedRun(in, scratch->path(), *state, solva::OutputStyle{});
    if (!result.fault.empty()) {
        fault(in, result.fault);
    }
    return 0;
}
