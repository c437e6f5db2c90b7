#include "support/test_support.h"

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <future>
#include <grp.h>
#include <memory>
#include <sys/stat.h>
#include <sys/wait.h>
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
    // The full path, so the user knows which folder was meant.
    const std::string path = (std::filesystem::current_path() / file).string();
    EXPECT_NE(e.where().find("\"" + path + "\""), std::string::npos) << e.where();
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
    // The plot data holds every line written before the report failed, each
    // one whole and in order.
    const std::vector<std::string> lines = splitLines(plotData());
    ASSERT_GT(lines.size(), 1u);
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        EXPECT_EQ(lines[i].rfind(" " + std::to_string(i + 1) + " ", 0), 0u) << lines[i];
        EXPECT_EQ(lines[i].back(), ' ') << lines[i];
    }
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
    EXPECT_NE(e.where().find("opening the file \"/proc/solva11.txt\": "), std::string::npos)
        << e.where();
}

// Root writes through any permission bits, so as root the run goes to an
// unprivileged child process; the child's exit status carries the verdict.
template <class Check> void asUnprivilegedUser(Check check) {
    if (geteuid() != 0) {
        check();
        return;
    }
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        const gid_t nogroup = 65534;
        const uid_t nobody = 65534;
        if (setgroups(0, nullptr) != 0 || setgid(nogroup) != 0 || setuid(nobody) != 0) {
            _exit(2);
        }
        check();
        _exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the checks failed in the unprivileged run";
}

TEST_F(FileFaults, AReadOnlyReportIsNotOverwritten) {
    { std::ofstream("solva11.txt") << "an earlier report\r\n"; }
    std::filesystem::permissions("solva11.txt", std::filesystem::perms::owner_read |
                                                    std::filesystem::perms::group_read |
                                                    std::filesystem::perms::others_read);
    std::filesystem::permissions(dir_, std::filesystem::perms::all);
    asUnprivilegedUser([this] {
        const RunError e = runExpectingError(InputTexts{}, *state);
        expectFileError(e, "solva11.txt", "Permission denied");
    });
    EXPECT_EQ(report(), "an earlier report\r\n");
    EXPECT_FALSE(std::filesystem::exists("solva12.txt"));
}

// A named pipe in a file's place must not hold the run: with nobody reading
// it the run stops at once with the file error. A pipe that has a reader
// gets the whole file.
TEST_F(FileFaults, ANamedPipeWithoutAReaderFailsAtOnce) {
    for (const char* name : {"solva11.txt", "solva12.txt"}) {
        std::filesystem::remove_all(name);
        ASSERT_EQ(mkfifo(name, 0600), 0);
        const RunError e = runExpectingError(InputTexts{}, *state);
        expectFileError(e, name, "No such device or address");
        std::filesystem::remove(name);
    }
}

TEST_F(FileFaults, ANamedPipeWithAReaderGetsTheWholeFile) {
    ASSERT_EQ(mkfifo("solva12.txt", 0600), 0);
    // The reader opens without waiting for a writer, then reads to the end.
    const int fd = open("solva12.txt", O_RDONLY | O_NONBLOCK);
    ASSERT_GE(fd, 0);
    auto piped = std::async(std::launch::async, [fd] {
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        std::string text;
        char buffer[4096];
        for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) != 0;) {
            if (n > 0) {
                text.append(buffer, static_cast<std::size_t>(n));
            }
        }
        close(fd);
        return text;
    });
    test::RecordingPlot plot;
    run(InputTexts{}, *state, plot, OutputStyle{});
    EXPECT_EQ(piped.get(), readFile(std::filesystem::path(SOLVA_TEST_DATA) / "default_solva12.txt"));
}

TEST_F(FileFaults, AWorkingDirectoryThatWasDeletedIsNamedAsGone) {
    std::filesystem::create_directory("work");
    std::filesystem::current_path("work");
    std::filesystem::remove(dir_ / "work");
    std::filesystem::create_directory(dir_ / "work"); // what the user now sees
    const RunError e = runExpectingError(InputTexts{}, *state);
    std::filesystem::current_path(dir_);
    EXPECT_EQ(e.kind(), ErrorKind::FileAccess);
    EXPECT_EQ(e.where(), "opening the file \"solva11.txt\", in the working directory \"" +
                             (dir_ / "work").string() +
                             "\", which no longer exists (it was deleted or moved after the "
                             "program started using it): No such file or directory");
    EXPECT_TRUE(std::filesystem::is_empty(dir_ / "work"));
}

} // namespace
} // namespace solva
