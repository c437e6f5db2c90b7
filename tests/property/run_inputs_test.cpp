// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

// Whole runs from many generated input sets: every run completes or stops
// with a named error, the numeric reader reads each text as predicted, and
// the files and the state never hold a number the print rules or the checked
// arithmetic could not produce.
//
// SOLVA_PROPERTY_SEED and SOLVA_PROPERTY_RUNS override the seed and the number
// of runs, for exploring beyond the fixed set.

#include "input_generator.h"
#include "support/expected_reading.h"
#include "support/in_scratch_directory.h"
#include "support/result_checks.h"

#include "app/numeric_reader.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>

namespace solva {
namespace {

using property::Reading;

constexpr std::uint64_t DefaultSeed = 0x5EED0F5701D5ULL;
constexpr long DefaultRuns = 20000;

std::uint64_t fromEnvironment(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return (text == nullptr || *text == '\0') ? fallback : std::strtoull(text, nullptr, 0);
}

struct Counts {
    long runs = 0;
    long completed = 0;
    std::map<int, long> stopped; // by error number
    std::array<long, property::ShapeCount> shapes{};
    long freshStates = 0;
    long commaRuns = 0;

    void print(std::uint64_t seed) const {
        std::printf("property.run_inputs: seed 0x%llX, %ld runs (%ld with a fresh state, %ld with "
                    "the decimal comma)\n",
                    static_cast<unsigned long long>(seed), runs, freshStates, commaRuns);
        std::printf("  completed: %ld\n", completed);
        for (const auto& [number, count] : stopped) {
            std::printf("  stopped with %d %s: %ld\n", number,
                        std::string(RunError::describe(static_cast<ErrorKind>(number))).c_str(),
                        count);
        }
        std::printf("  texts by shape:\n");
        for (int i = 0; i < property::ShapeCount; ++i) {
            std::printf("    %-18s %ld\n",
                        std::string(property::shapeName(static_cast<property::Shape>(i))).c_str(),
                        shapes[static_cast<std::size_t>(i)]);
        }
    }
};

// Reads one box as the run will and holds the value against the prediction.
std::string readingFault(const std::string& text, double& value, bool& overflow) {
    const Reading expected = property::expectedReading(text);
    overflow = false;
    try {
        value = readNumber(text).value();
    } catch (const RunError& e) {
        if (e.kind() != ErrorKind::Overflow) {
            return "the reader stopped with " + std::string(e.what());
        }
        overflow = true;
        return (expected.kind == Reading::Overflow || expected.kind == Reading::Finite)
                   ? ""
                   : "the reader overflowed on a text predicted as " +
                         std::to_string(expected.value);
    }
    if (!std::isfinite(value)) {
        return "the reader gave a non-finite value";
    }
    const bool ok = expected.kind == Reading::Finite ||
                    (expected.kind == Reading::Exact && value == expected.value &&
                     std::signbit(value) == std::signbit(expected.value)) ||
                    (expected.kind == Reading::Tiny && (value == expected.value || value == 0));
    if (!ok) {
        char message[160];
        std::snprintf(message, sizeof message, "read as %.17g, predicted %s %.17g", value,
                      expected.kind == Reading::Overflow ? "an overflow, not" : "", expected.value);
        return message;
    }
    return {};
}

// One whole run and all its checks; the first fault found, or nothing.
std::string checkOneRun(const property::GeneratedInputs& in, const std::filesystem::path& folder,
                        FlowState& state, const OutputStyle& style, Counts& counts) {
    bool anyOverflow = false;
    for (std::size_t i = 0; i < in.boxes.size(); ++i) {
        ++counts.shapes[static_cast<std::size_t>(in.boxes[i].shape)];
        double value = 0;
        bool overflow = false;
        if (std::string fault = readingFault(in.boxes[i].text, value, overflow); !fault.empty()) {
            return "box " + std::to_string(i + 1) + ": " + fault;
        }
        anyOverflow = anyOverflow || overflow;
    }

    const check::CheckedRun result = check::checkedRun(in.texts(), folder, state, style);
    if (!result.fault.empty()) {
        return result.fault;
    }
    if (!result.error) {
        ++counts.completed;
        return anyOverflow ? "completed though a box is too large for a double" : "";
    }
    ++counts.stopped[result.error->number()];
    if (anyOverflow && result.error->kind() != ErrorKind::Overflow) {
        return "a box too large for a double stopped the run with " +
               std::string(result.error->what());
    }
    return {};
}

class RunInputsProperty : public test::InTempDir {};

TEST_F(RunInputsProperty, EveryInputSetCompletesOrStopsWithANamedErrorAndWellFormedFiles) {
    const std::uint64_t seed = fromEnvironment("SOLVA_PROPERTY_SEED", DefaultSeed);
    const auto runs = static_cast<long>(fromEnvironment("SOLVA_PROPERTY_RUNS", DefaultRuns));
    property::InputGenerator generator(seed);
    std::mt19937_64 choices(seed ^ 0x9E3779B97F4A7C15ULL);

    // One state for all runs, as the window keeps it, now and then replaced.
    auto state = std::make_unique<FlowState>();
    Counts counts;
    long faults = 0;
    for (long n = 0; n < runs && faults < 10; ++n) {
        if (choices() % 400 == 0) {
            state = std::make_unique<FlowState>();
            ++counts.freshStates;
        }
        OutputStyle style;
        if (choices() % 8 == 0) {
            style.decimalSeparator = ",";
            ++counts.commaRuns;
        }
        const property::GeneratedInputs in = generator.next();
        ++counts.runs;
        if (const std::string fault = checkOneRun(in, dir(), *state, style, counts);
            !fault.empty()) {
            ++faults;
            ADD_FAILURE() << "seed 0x" << std::hex << seed << std::dec << ", run " << n << ", "
                          << in.describe() << " (separator \"" << style.decimalSeparator
                          << "\"):\n  " << fault;
        }
    }
    counts.print(seed);
    EXPECT_FALSE(counts.stopped.empty());
    EXPECT_GT(counts.completed, 0);
}

} // namespace
} // namespace solva
