// Whole runs from fuzzed inputs: the bytes split at '|' into the five boxes
// (Lamda, NXX, NT, alpha, beta; missing ones empty, further '|' stay in beta).
// Every run must complete or stop with a named error, draw only when it
// completes, leave only finite numbers in the state and write files the print
// rules could produce.

#include "result_checks.h"

#include "app/numeric_reader.h"
#include "app/run.h"
#include "app/run_error.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

std::filesystem::path workDir;

void removeWorkDir() {
    std::error_code ignored;
    std::filesystem::remove_all(workDir, ignored);
}

std::string readFile(const char* name) {
    std::ifstream in(name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

[[noreturn]] void fault(const solva::InputTexts& in, const std::string& what) {
    std::fprintf(stderr,
                 "run fault: %s\n  inputs: Lamda \"%s\", NXX \"%s\", NT \"%s\", "
                 "AlfaD \"%s\", BetaD \"%s\"\n",
                 what.c_str(), in.Lamda.c_str(), in.NXX.c_str(), in.NT.c_str(), in.AlfaD.c_str(),
                 in.BetaD.c_str());
    std::abort();
}

bool isNamed(solva::ErrorKind kind) {
    switch (kind) {
    case solva::ErrorKind::InvalidOperation:
    case solva::ErrorKind::Overflow:
    case solva::ErrorKind::SubscriptOutOfRange:
    case solva::ErrorKind::DivisionByZero:
    case solva::ErrorKind::SquareRootOfNegative:
    case solva::ErrorKind::LogarithmOfNonPositive:
    case solva::ErrorKind::FileAccess:
        return true;
    }
    return false;
}

// Reads the points it is given, as the window's drawing does.
class CountingPlot : public solva::PlotRoutine {
public:
    void GRXYCU(std::string_view, solva::Real N, const solva::PointArray& X,
                const solva::PointArray& Y, const solva::PointArray& CU, int) override {
        ++calls;
        this->N = N.value();
        for (long I = 1; I <= N; ++I) {
            finite = finite && std::isfinite(X(I).toDouble()) && std::isfinite(Y(I).toDouble()) &&
                     std::isfinite(CU(I).toDouble());
        }
    }
    int calls = 0;
    double N = 0;
    bool finite = true;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::string pattern = (std::filesystem::temp_directory_path() / "solva-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        std::abort();
    }
    workDir = pattern;
    std::filesystem::current_path(workDir);
    std::atexit(removeWorkDir);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string* boxes[5];
    solva::InputTexts in{"", "", "", "", ""};
    boxes[0] = &in.Lamda;
    boxes[1] = &in.NXX;
    boxes[2] = &in.NT;
    boxes[3] = &in.AlfaD;
    boxes[4] = &in.BetaD;
    std::size_t start = 0;
    for (int i = 0; i < 5 && start <= bytes.size(); ++i) {
        const std::size_t bar = i < 4 ? bytes.find('|', start) : std::string_view::npos;
        const std::size_t end = bar == std::string_view::npos ? bytes.size() : bar;
        *boxes[i] = std::string(bytes.substr(start, end - start));
        start = end + 1;
    }

    // A fresh state for each input keeps every finding reproducible on its own.
    auto state = std::make_unique<solva::FlowState>();
    CountingPlot plot;
    solva::check::RunEnd end;
    try {
        solva::run(in, *state, plot, solva::OutputStyle{});
        end.completed = true;
    } catch (const solva::RunError& e) {
        if (!isNamed(e.kind())) {
            fault(in, "unnamed error number " + std::to_string(e.number()));
        }
        if (plot.calls != 0) {
            fault(in, "a stopped run drew");
        }
    }
    if (end.completed) {
        const double NXX = solva::readNumber(in.NXX).value();
        end.points = NXX >= 1 ? static_cast<long>(std::floor(NXX)) : 0;
        if (plot.calls != 1 || plot.N != NXX || !plot.finite) {
            fault(in, "a completed run did not draw its finite points once");
        }
    }
    const std::string why =
        solva::check::runFault(readFile("solva11.txt"), readFile("solva12.txt"), *state, end, ".");
    if (!why.empty()) {
        fault(in, why);
    }
    return 0;
}
