#include "test_support.h"

#include <filesystem>
#include <memory>
#include <unistd.h>

namespace solva {
namespace {

using test::inputs;
using test::readFile;
using test::runExpectingError;
using test::splitLines;

class FileFaults : public test::InTempDir {
protected:
    std::unique_ptr<FlowState> state = std::make_unique<FlowState>();
};

void expectFileError(const RunError& e, const std::string& file, const std::string& reason) {
    EXPECT_EQ(e.kind(), ErrorKind::FileAccess);
    EXPECT_NE(e.where().find("\"" + file + "\""), std::string::npos) << e.where();
    EXPECT_NE(e.where().find(reason), std::string::npos) << e.where();
}

TEST_F(FileFaults, ADirectoryInTheReportsPlace) {
    std::filesystem::create_directory("solva11.txt");
    const RunError e = runExpectingError(InputTexts{}, *state);
    expectFileError(e, "solva11.txt", "Is a directory");
    EXPECT_FALSE(std::filesystem::exists("solva12.txt")); // the report is opened first
}

TEST_F(FileFaults, AFullDiskUnderThePlotData) {
    std::filesystem::create_symlink("/dev/full", "solva12.txt");
    const RunError e = runExpectingError(inputs("0.2", "400", "18", "10", "5"), *state);
    expectFileError(e, "solva12.txt", "No space left on device");
    // The report was written in full before the plot data failed to close.
    EXPECT_EQ(splitLines(report()).size(), 8u + 400u + 1u);
}

TEST_F(FileFaults, AFullDiskUnderTheReportKeepsThePlotDataWritten) {
    std::filesystem::create_symlink("/dev/full", "solva11.txt");
    const RunError e = runExpectingError(inputs("0.2", "400", "18", "10", "5"), *state);
    expectFileError(e, "solva11.txt", "No space left on device");
    // The report's buffer filled mid-body; the plot data holds every line
    // written until then, each one whole.
    const std::vector<std::string> lines = splitLines(plotData());
    EXPECT_GT(lines.size(), 1u);
    EXPECT_LT(lines.size(), 401u);
    EXPECT_EQ(lines.back(), "");
}

TEST_F(FileFaults, ADirectoryThatCannotBeWritten) {
    if (geteuid() == 0) {
        // Permission bits do not stop root; /proc takes no new files from anyone.
        std::filesystem::current_path("/proc");
    } else {
        std::filesystem::permissions(dir_, std::filesystem::perms::owner_read |
                                               std::filesystem::perms::owner_exec);
    }
    const RunError e = runExpectingError(InputTexts{}, *state);
    std::filesystem::current_path(dir_);
    EXPECT_EQ(e.kind(), ErrorKind::FileAccess);
    EXPECT_NE(e.where().find("opening the file \"solva11.txt\": "), std::string::npos) << e.where();
}

} // namespace
} // namespace solva
