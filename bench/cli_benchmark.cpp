// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

// The command-line program's largest run through its own batch path, and two
// floors measured in the same program and directory: the same grid in plain
// doubles with no checks and no empty-element flags, and the same bytes
// written to the same two files with plain open/write/close.
//
// BM_CliRatios times the four side by side in every iteration, so that the
// machine's swings in speed touch all alike, and reports the ratios of their
// medians as counters:
//   checked/plain       the checked grid over the plain-double floor (target 1.5)
//   run/(plain+write)   the whole run over the sum of the two floors (target 3)

#include "app/run.h"
#include "cli/batch.h"
#include "output/plot_data_file.h"
#include "output/report_file.h"
#include "support/files.h"
#include "support/scratch_directory.h"
#include "support/solved_flow.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <fcntl.h>
#include <memory>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace {

using namespace solva;

const InputTexts Largest{"0.2", "400", "18", "10", "5"};
constexpr double Lamda = 0.2, NXX = 400, NT = 18, AlfaD = 10, BetaD = 5;

// The grid of the largest run: flow/ computes it in this order, operation by
// operation, with checks; here without them.
struct PlainGrid {
    std::array<double, MaxPoint + 1> FI{}, X{}, Y{};
    std::array<double, (MaxPoint + 1) * (MaxColumn + 1)> CU{};
};

void plainGrid(PlainGrid& g) {
    const double PI = std::atan(1.0) * 4;
    const double NJ = 2 * NT;
    const double ALFA = (AlfaD * PI) / 180, BETA = (BetaD * PI) / 180;
    const double E = std::sqrt(1 - Lamda * Lamda);
    const double L = std::log((1 + E) / (1 - E));
    const double A0 = ((1 - E * E) * (L - 2 * E)) / std::pow(E, 3);
    const double B0 = 1 - 0.5 * A0;
    const double K1 = A0 / (2 - A0), K2 = B0 / (2 - B0), K3 = K2;
    const double U1 = std::cos(ALFA) * std::cos(BETA), U2 = std::sin(BETA);
    const double U3 = std::sin(ALFA) * std::cos(BETA);

    const double DFI = PI / NXX;
    for (long I = 1; I <= NXX; ++I) {
        const double F1 = PI - DFI * I;
        const double cosF1 = std::cos(F1), cosF0 = std::cos(F1 + DFI);
        const double sinF1 = std::sin(F1), sinF0 = std::sin(F1 + DFI);
        const double XM = (cosF1 + cosF0) / 2;
        const double YM = ((sinF1 + sinF0) / 2) * Lamda;
        const double SL = Lamda * ((sinF1 - sinF0) / (cosF1 - cosF0));
        double XS = XM;
        if (SL != 0) {
            const double SN = -1 / SL;
            const double CN = YM - SN * XM;
            const double SG = SN / std::fabs(SN);
            XS = ((-SN) * CN + SG * Lamda * std::sqrt((Lamda * Lamda + SN * SN) - CN * CN)) /
                 (SN * SN + Lamda * Lamda);
        }
        const double RS = std::sqrt(1 - XS * XS);
        if (XS == 0) {
            g.FI[I] = PI / 2;
        } else {
            const double TF = RS / XS;
            g.FI[I] = std::atan(TF);
            if (TF < 0) {
                g.FI[I] = PI + g.FI[I];
            }
        }
        g.X[I] = 0.5 * XS;
        g.Y[I] = 0.5 * Lamda * RS;
    }

    const double DT = PI / NT;
    const long columns = static_cast<long>(NJ);
    std::array<double, MaxColumn + 2> sinT{}, cosT{};
    for (long J = 1; J <= columns; ++J) {
        sinT[J] = std::sin(DT * (J - 1));
        cosT[J] = std::cos(DT * (J - 1));
    }
    const double K1p = 1 + K1, K2p = 1 + K2, K3p = 1 + K3;
    const double W1 = K1p * U1, W2 = K2p * U2, W3 = K3p * U3;
    const double WW = (W1 * W1 + W2 * W2) + W3 * W3;
    for (long I = 1; I <= NXX; ++I) {
        const double sinFI = std::sin(g.FI[I]), cosFI = std::cos(g.FI[I]);
        const double S = std::sqrt(sinFI * sinFI + (Lamda * cosFI) * (Lamda * cosFI));
        const double WN1 = K1p * (-(Lamda * cosFI) / S) * U1;
        for (long J = 1; J <= columns; ++J) {
            const double N2 = -(sinFI * cosT[J]) / S;
            const double N3 = -(sinFI * sinT[J]) / S;
            const double WN = (WN1 + K2p * N2 * U2) + K3p * N3 * U3;
            g.CU[I + (MaxPoint + 1) * J] = WW - WN * WN;
        }
    }
}

void checkedGrid(FlowState& state) {
    const RunParameters p{Lamda, NXX, NT, AlfaD, BetaD};
    test::solveFlow(p, state);
}

void writeFile(const std::filesystem::path& name, const std::string& bytes) {
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) ||
        ::close(fd) != 0) {
        std::abort();
    }
}

// The run as ellipsoid-flow-cli 0.2 400 18 10 5 does it, in a scratch folder.
struct CliRun {
    CliRun() { settings.dir = scratch.path(); }
    std::filesystem::path at(const char* name) const { return scratch.path() / name; }

    test::ScratchDirectory scratch;
    cli::BatchSettings settings;
    std::unique_ptr<FlowState> state = std::make_unique<FlowState>();
    std::ostringstream out, err;

    void operator()() {
        if (cli::runBatch({Largest}, settings, OutputStyle{}, *state, out, err) != 0) {
            std::abort();
        }
    }
};

double median(std::vector<double> v) {
    std::nth_element(v.begin(), v.begin() + static_cast<long>(v.size() / 2), v.end());
    return v[v.size() / 2];
}

template <class Step> double seconds(Step&& step) {
    const auto start = std::chrono::steady_clock::now();
    step();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_CliLargestRun(benchmark::State& bench) {
    CliRun cliRun;
    for (auto _ : bench) {
        cliRun();
    }
}

void BM_CliLargestRunWithGridAndSummary(benchmark::State& bench) {
    CliRun cliRun;
    cliRun.settings.grid = cliRun.at("grid.csv");
    cliRun.settings.summary = true;
    for (auto _ : bench) {
        cliRun();
        cliRun.out.str("");
    }
}

void BM_PlainDoubleGridFloor(benchmark::State& bench) {
    auto grid = std::make_unique<PlainGrid>();
    for (auto _ : bench) {
        plainGrid(*grid);
        benchmark::DoNotOptimize(grid->CU[400 + 401 * 36]);
    }
}

void BM_PlainWriteFloor(benchmark::State& bench) {
    CliRun cliRun;
    cliRun();
    const std::string report = test::readFile(cliRun.at(ReportFileName));
    const std::string plotData = test::readFile(cliRun.at(PlotDataFileName));
    for (auto _ : bench) {
        writeFile(cliRun.at(ReportFileName), report);
        writeFile(cliRun.at(PlotDataFileName), plotData);
    }
}

void BM_CliRatios(benchmark::State& bench) {
    CliRun cliRun;
    cliRun();
    const std::string report = test::readFile(cliRun.at(ReportFileName));
    const std::string plotData = test::readFile(cliRun.at(PlotDataFileName));
    auto grid = std::make_unique<PlainGrid>();
    auto state = std::make_unique<FlowState>();
    std::vector<double> plain, checked, write, whole;

    for (auto _ : bench) {
        plain.push_back(seconds([&] { plainGrid(*grid); }));
        benchmark::DoNotOptimize(grid->CU[400 + 401 * 36]);
        checked.push_back(seconds([&] { checkedGrid(*state); }));
        write.push_back(seconds([&] {
            writeFile(cliRun.at(ReportFileName), report);
            writeFile(cliRun.at(PlotDataFileName), plotData);
        }));
        whole.push_back(seconds(cliRun));
    }
    for (long I = 1; I <= NXX; ++I) {
        for (long J = 1; J <= 2 * NT; ++J) {
            if (grid->CU[I + (MaxPoint + 1) * J] != state->CU(I, J).toDouble()) {
                bench.SkipWithError("the plain-double grid differs from the checked one");
                return;
            }
        }
    }
    const double p = median(plain), c = median(checked), w = median(write), r = median(whole);
    bench.counters["plain_us"] = p * 1E6;
    bench.counters["checked_us"] = c * 1E6;
    bench.counters["write_us"] = w * 1E6;
    bench.counters["run_us"] = r * 1E6;
    bench.counters["checked/plain"] = c / p;
    bench.counters["run/(plain+write)"] = r / (p + w);
}

BENCHMARK(BM_CliLargestRun)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CliLargestRunWithGridAndSummary)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainDoubleGridFloor)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainWriteFloor)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CliRatios)->Unit(benchmark::kMicrosecond);

} // namespace
