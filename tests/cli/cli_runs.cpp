// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "cli_runs.h"

#include "support/in_scratch_directory.h"

#include <cstdio>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

namespace solva::test {

namespace {

std::string readBack(std::FILE* file) {
    std::string text;
    std::rewind(file);
    for (int c; (c = std::fgetc(file)) != EOF;) {
        text.push_back(static_cast<char>(c));
    }
    std::fclose(file);
    return text;
}

} // namespace

RunFiles readRunFiles(const std::filesystem::path& dir) {
    return {readFile(dir / ReportFileName), readFile(dir / PlotDataFileName)};
}

std::vector<RunFiles> libraryRuns(const std::vector<InputTexts>& sequence,
                                  const std::filesystem::path& dir, FlowState& state,
                                  const OutputStyle& style) {
    std::filesystem::create_directories(dir);
    std::vector<RunFiles> files;
    for (const InputTexts& texts : sequence) {
        RecordingPlot plot;
        try {
            run(texts, dir, state, plot, style);
        } catch (const RunError&) {
            // the files keep what the run wrote before it stopped
        }
        files.push_back(readRunFiles(dir));
    }
    return files;
}

std::string errorLine(const InputTexts& texts) {
    const ScratchDirectory scratch;
    auto state = std::make_unique<FlowState>();
    const RunError e = runExpectingError(texts, scratch.path(), *state);
    return "error " + std::to_string(e.number()) + ": " + e.what() + "\n";
}

CliResult runCli(const std::filesystem::path& dir, const std::vector<std::string>& args,
                 const std::string& input, const std::vector<std::string>& env) {
    std::FILE* streams[] = {std::tmpfile(), std::tmpfile(), std::tmpfile()};
    std::fputs(input.c_str(), streams[0]);
    std::rewind(streams[0]);
    std::vector<char*> argv{const_cast<char*>(SOLVA_CLI)};
    for (const std::string& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);

    if (fork() == 0) {
        for (int fd = 0; fd < 3; ++fd) {
            dup2(fileno(streams[fd]), fd);
        }
        if (chdir(dir.c_str()) != 0) {
            _exit(127);
        }
        setenv("LC_ALL", "C", 1);
        for (const std::string& setting : env) {
            putenv(const_cast<char*>(setting.c_str()));
        }
        execv(SOLVA_CLI, argv.data());
        _exit(127);
    }
    int status = 0;
    wait(&status);
    std::fclose(streams[0]);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readBack(streams[1]),
            readBack(streams[2])};
}

} // namespace solva::test
