// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

// The flow at a million points off a λ = 0.2 spheroid and off a 3:2:1
// ellipsoid: the library on one thread, on every core, and the NumPy peer a
// user would write instead (field_numpy.py, ellipsoid_numpy.py, run by
// /usr/bin/python3 and timed by themselves, excluding the interpreter's start).

#include "ellipsoid/flow.h"
#include "spheroid/flow.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using solva::spheroid::FieldOutput;
using solva::spheroid::InsidePoints;

constexpr std::size_t million = 1'000'000;

// The peers' points: a golden-angle spiral of directions at radii 0.55 to 3,
// all off both bodies (whose largest semi-axis is 0.5).
const std::vector<double>& points() {
    static const std::vector<double> xyz = [] {
        std::vector<double> p(3 * million);
        for (std::size_t i = 0; i < million; ++i) {
            const double index = static_cast<double>(i);
            const double axial = 1 - 2 * ((index + 0.5) / million);
            const double across = std::sqrt(1 - axial * axial);
            const double phi = index * 2.399963229728653;
            double whole;
            const double radius = 0.55 + 2.45 * std::modf(index * 0.6180339887498949, &whole);
            p[3 * i] = radius * axial;
            p[3 * i + 1] = radius * across * std::cos(phi);
            p[3 * i + 2] = radius * across * std::sin(phi);
        }
        return p;
    }();
    return xyz;
}

struct Outputs {
    std::vector<double> potential = std::vector<double>(million),
                        velocity = std::vector<double>(3 * million),
                        cu = std::vector<double>(million), cp = std::vector<double>(million);
    FieldOutput view() { return {potential, velocity, cu, cp}; }
    double cuSum() const {
        double sum = 0;
        for (const double value : cu) {
            sum += value;
        }
        return sum;
    }
};

// Either body's Flow.
template <class Flow> void field(benchmark::State& state, const Flow& flow, unsigned threads) {
    Outputs out;
    for (auto _ : state) {
        flow.evaluate(points(), out.view(), InsidePoints::Error, threads);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * million));
    state.counters["cu_sum"] = out.cuSum();
}

// The peer times each of its evaluations; they become this benchmark's
// iterations.
void peer(benchmark::State& state, const char* script) {
    const std::string command = std::string("/usr/bin/python3 ") + script + " " +
                                std::to_string(million) + " " +
                                std::to_string(state.max_iterations);
    FILE* peer = popen(command.c_str(), "r");
    if (peer == nullptr) {
        state.SkipWithError("cannot start the NumPy peer");
        return;
    }
    std::vector<double> seconds;
    char line[64];
    while (std::fgets(line, sizeof line, peer) != nullptr) {
        seconds.push_back(std::stod(line));
    }
    if (pclose(peer) != 0 || seconds.size() != static_cast<std::size_t>(state.max_iterations) + 1) {
        state.SkipWithError(
            "the NumPy peer failed (are python3-numpy and python3-scipy installed?)");
        return;
    }
    std::size_t i = 0;
    for (auto _ : state) {
        state.SetIterationTime(seconds[i++]);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * million));
    state.counters["cu_sum"] = seconds.back();
}

void fieldOfAMillionPoints(benchmark::State& state, unsigned threads) {
    field(state, solva::spheroid::Flow(solva::spheroid::Spheroid::fromLambda(0.2), 20, 10),
          threads);
}
BENCHMARK_CAPTURE(fieldOfAMillionPoints, one_thread, 1u)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(fieldOfAMillionPoints, every_core, 0u)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void fieldOfAMillionPointsNumPy(benchmark::State& state) {
    peer(state, SOLVA_NUMPY_PEER);
}
BENCHMARK(fieldOfAMillionPointsNumPy)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(10);

// Semi-axes 3:2:1, the largest 0.5 as the spheroid's.
void ellipsoidFieldOfAMillionPoints(benchmark::State& state, unsigned threads) {
    field(state, solva::ellipsoid::Flow(solva::ellipsoid::Ellipsoid(0.5, 1 / 3.0, 1 / 6.0), 20, 10),
          threads);
}
BENCHMARK_CAPTURE(ellipsoidFieldOfAMillionPoints, one_thread, 1u)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ellipsoidFieldOfAMillionPoints, every_core, 0u)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void ellipsoidFieldOfAMillionPointsNumPy(benchmark::State& state) {
    peer(state, SOLVA_ELLIPSOID_NUMPY_PEER);
}
BENCHMARK(ellipsoidFieldOfAMillionPointsNumPy)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(10);

} // namespace
