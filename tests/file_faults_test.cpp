// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "support/in_scratch_directory.h"

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <memory>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace solva::test {
namespace {

class FileFaults : public InTempDir {
protected:
    std::filesystem::path at(const char* name) const { return dir() / name; }
    RunError runFails(const InputTexts& texts = InputTexts{}) {
        return runExpectingError(texts, dir(), *state);
    }

    std::unique_ptr<FlowState> state = std::make_unique<FlowState>();
};

void expectFileError(const RunError& e, const std::filesystem::path& file,
                     const std::string& reason) {
    EXPECT_EQ(e.kind(), ErrorKind::FileAccess);
    // The full path, so the user knows which folder was meant.
    EXPECT_NE(e.where().find("\"" + file.string() + "\""), std::string::npos) << e.where();
    EXPECT_NE(e.where().find(reason), std::string::npos) << e.where();
}

TEST_F(FileFaults, ADirectoryInTheReportsPlace) {
    std::filesystem::create_directory(at(ReportFileName));
    const RunError e = runFails();
    expectFileError(e, at(ReportFileName), "Is a directory");
    EXPECT_FALSE(std::filesystem::exists(at(PlotDataFileName))); // the report is opened first
}

TEST_F(FileFaults, AFullDiskUnderThePlotData) {
    std::filesystem::create_symlink("/dev/full", at(PlotDataFileName));
    const RunError e = runFails(InputTexts{"0.2", "400", "18", "10", "5"});
    expectFileError(e, at(PlotDataFileName), "No space left on device");
    // The report was written in full before the plot data failed to close.
    EXPECT_EQ(splitLines(report()).size(), ReportHeaderLines + 400u + 1u);
}

TEST_F(FileFaults, AFullDiskUnderTheReportKeepsThePlotDataWritten) {
    std::filesystem::create_symlink("/dev/full", at(ReportFileName));
    const RunError e = runFails(InputTexts{"0.2", "400", "18", "10", "5"});
    expectFileError(e, at(ReportFileName), "No space left on device");
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
    // Permission bits do not stop root; /proc takes no new files from anyone.
    const std::filesystem::path folder = geteuid() == 0 ? "/proc" : dir();
    std::filesystem::permissions(dir(), std::filesystem::perms::owner_read |
                                            std::filesystem::perms::owner_exec);
    const RunError e = runExpectingError(InputTexts{}, folder, *state);
    expectFileError(e, folder / ReportFileName, "opening the file");
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
    { std::ofstream(at(ReportFileName)) << "an earlier report\r\n"; }
    std::filesystem::permissions(at(ReportFileName), std::filesystem::perms::owner_read |
                                                         std::filesystem::perms::group_read |
                                                         std::filesystem::perms::others_read);
    std::filesystem::permissions(dir(), std::filesystem::perms::all);
    asUnprivilegedUser(
        [this] { expectFileError(runFails(), at(ReportFileName), "Permission denied"); });
    EXPECT_EQ(report(), "an earlier report\r\n");
    EXPECT_FALSE(std::filesystem::exists(at(PlotDataFileName)));
}

// A named pipe in a file's place must not hold the run: with nobody reading
// it the run stops at once with the file error. A pipe that has a reader
// gets the whole file.
TEST_F(FileFaults, ANamedPipeWithoutAReaderFailsAtOnce) {
    for (const char* name : {ReportFileName, PlotDataFileName}) {
        std::filesystem::remove_all(at(name));
        ASSERT_EQ(mkfifo(at(name).c_str(), 0600), 0);
        expectFileError(runFails(), at(name), "No such device or address");
        std::filesystem::remove(at(name));
    }
}

TEST_F(FileFaults, ANamedPipeWithAReaderGetsTheWholeFile) {
    ASSERT_EQ(mkfifo(at(PlotDataFileName).c_str(), 0600), 0);
    // The reader opens without waiting for a writer. It reads once the run is
    // done: a reader that read on at once could meet the end of the pipe
    // before the run opened it, and leave the run no reader. The default
    // run's plot data fits the pipe's buffer.
    const int fd = open(at(PlotDataFileName).c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(fd, 0);
    RecordingPlot plot;
    run(InputTexts{}, dir(), *state, plot, OutputStyle{});
    std::string piped;
    char buffer[4096];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) {
        piped.append(buffer, static_cast<std::size_t>(n));
    }
    close(fd);
    EXPECT_EQ(piped, readFile(std::filesystem::path(SOLVA_TEST_DATA) / "default_solva12.txt"));
}

// The window writes into its working directory: should that be deleted, the
// error says so rather than name the folder the user now sees under its name.
// A folder given by its path that has gone is named in full.
TEST_F(FileFaults, AFolderThatWasDeletedIsNamedAsGone) {
    const std::filesystem::path start = std::filesystem::current_path();
    const std::filesystem::path work = dir() / "work";
    std::filesystem::create_directory(work);
    std::filesystem::current_path(work);
    std::filesystem::remove(work);
    std::filesystem::create_directory(work); // what the user now sees
    const RunError e = runExpectingError(InputTexts{}, WorkingDirectory, *state);
    std::filesystem::current_path(start);
    EXPECT_EQ(e.kind(), ErrorKind::FileAccess);
    EXPECT_EQ(e.where(), std::string("opening the file \"") + ReportFileName +
                             "\", in the working directory \"" + work.string() +
                             "\", which no longer exists (it was deleted or moved after the "
                             "program started using it): No such file or directory");
    EXPECT_TRUE(std::filesystem::is_empty(work));

    std::filesystem::remove(work);
    const RunError named = runExpectingError(InputTexts{}, work, *state);
    EXPECT_EQ(named.kind(), ErrorKind::FileAccess);
    EXPECT_EQ(named.where(), "opening the file \"" + (work / ReportFileName).string() +
                                 "\": No such file or directory");
}

} // namespace
} // namespace solva::test
