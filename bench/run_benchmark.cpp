// Whole runs without drawing, with the two files written to a scratch
// directory, and the largest grid's computation alone.

#include "app/run.h"
#include "flow/coefficients.h"
#include "flow/meridian_points.h"
#include "flow/speed_grid.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

using namespace solva;

class NoDrawing : public PlotRoutine {
public:
    void GRXYCU(std::string_view, Real N, const PointArray&, const PointArray&, const PointArray&,
                int) override {
        benchmark::DoNotOptimize(N);
    }
};

class ScratchDirectory {
public:
    ScratchDirectory() : previous_(std::filesystem::current_path()) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "solva-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        dir_ = pattern;
        std::filesystem::current_path(dir_);
    }
    ~ScratchDirectory() {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(dir_);
    }

private:
    std::filesystem::path previous_, dir_;
};

const InputTexts Largest{"0.2", "400", "18", "10", "5"};

void fullRun(benchmark::State& bench, const InputTexts& texts) {
    ScratchDirectory scratch;
    auto state = std::make_unique<FlowState>();
    NoDrawing plot;
    const OutputStyle style;
    for (auto _ : bench) {
        run(texts, *state, plot, style);
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
        FlowCoefficients c;
        c.PI = computePI();
        c.NJ = computeNJ(p);
        computeFlowCoefficients(p, c);
        generateMeridianPoints(p.Lamda, p.NXX, c.PI, *state);
        fillSpeedGrid(p, c, *state);
        benchmark::DoNotOptimize(state->CU(400, 36));
    }
}

BENCHMARK(BM_DefaultRun)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LargestRun)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LargestGridComputation)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
