// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

// Whole runs without drawing, with the two files written to a scratch
// directory, and the largest grid's computation alone.

#include "app/no_plot.h"
#include "app/run.h"
#include "support/scratch_directory.h"
#include "support/solved_flow.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace solva;

const InputTexts Largest{"0.2", "400", "18", "10", "5"};

void fullRun(benchmark::State& bench, const InputTexts& texts) {
    test::ScratchDirectory scratch;
    auto state = std::make_unique<FlowState>();
    NoPlot plot;
    const OutputStyle style;
    for (auto _ : bench) {
        run(texts, scratch.path(), *state, plot, style);
    }
}

void BM_DefaultRun(benchmark::State& bench) {
    fullRun(bench, InputTexts{});
}
void BM_LargestRun(benchmark::State& bench) {
    fullRun(bench, Largest);
}

void BM_LargestGridComputation(benchmark::State& bench) {
    auto state = std::make_unique<FlowState>();
    const RunParameters p{0.2, 400, 18, 10, 5};
    for (auto _ : bench) {
        test::solveFlow(p, *state);
        benchmark::DoNotOptimize(state->CU(400, 36));
    }
}

BENCHMARK(BM_DefaultRun)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LargestRun)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LargestGridComputation)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
