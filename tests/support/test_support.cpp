#include "support/test_support.h"

#include <fstream>
#include <sstream>
#include <unistd.h>

namespace solva::test {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    lines.push_back(text.substr(start));
    return lines;
}

void InTempDir::SetUp() {
    previous_ = std::filesystem::current_path();
    std::string pattern = (std::filesystem::temp_directory_path() / "solva-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    std::filesystem::current_path(dir_);
}

void InTempDir::TearDown() {
    std::filesystem::current_path(previous_);
    std::error_code ignored;
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(dir_, ignored);
}

void RecordingPlot::GRXYCU(std::string_view Title, Real N, const PointArray& X, const PointArray& Y,
                           const PointArray& CU, int IQU) {
    PlotCall call;
    call.N = N.value();
    call.IQU = IQU;
    call.titleEmpty = Title.empty();
    for (long I = 1; I <= N; ++I) {
        call.X.push_back(X(I).toDouble());
        call.Y.push_back(Y(I).toDouble());
        call.CU.push_back(CU(I).toDouble());
    }
    calls.push_back(call);
}

InputTexts inputs(std::string Lamda, std::string NXX, std::string NT, std::string AlfaD,
                  std::string BetaD) {
    return InputTexts{Lamda, NXX, NT, AlfaD, BetaD};
}

RunError runExpectingError(const InputTexts& texts, FlowState& state, const OutputStyle& style) {
    RecordingPlot plot;
    try {
        run(texts, state, plot, style);
    } catch (const RunError& error) {
        EXPECT_TRUE(plot.calls.empty()) << "a failed run must not draw";
        return error;
    }
    ADD_FAILURE() << "the run completed";
    return RunError(ErrorKind::InvalidOperation, "no error");
}

} // namespace solva::test
