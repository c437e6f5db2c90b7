// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "cli/batch.h"

#include "app/run_error.h"
#include "cli/grid_csv.h"
#include "cli/progress.h"
#include "cli/summary_json.h"
#include "output/text_file.h"

#include <cstdio>
#include <string_view>
#include <system_error>
#include <unistd.h>

namespace solva::cli {

namespace {

// The CLI draws nothing.
class NoPlot : public PlotRoutine {
public:
    void GRXYCU(std::string_view, Real, const PointArray&, const PointArray&, const PointArray&,
                int) override {}
};

std::filesystem::path runFolder(const std::filesystem::path& dir, long run) {
    char name[24];
    std::snprintf(name, sizeof name, "%04ld", run);
    return dir / name;
}

// `path` from the current folder, so that messages name it in full; as given
// when there is none (it was deleted), and each run then reports the failure.
std::filesystem::path fromHere(const std::filesystem::path& path) {
    std::error_code e;
    std::filesystem::path full = std::filesystem::absolute(path, e);
    return e ? path : full;
}

[[noreturn]] void failFolder(const char* doing, const std::filesystem::path& dir,
                             std::error_code e) {
    throw RunError(ErrorKind::FileAccess,
                   std::string(doing) + " the folder \"" + dir.string() + "\": " + e.message());
}

// Creates `dir` and any folder above it that is missing, and gives its full
// path with every link and "." or ".." resolved, so that file errors name the
// folder as the system does. A failure throws RunError with the folder named,
// a folder that cannot be searched among them.
std::filesystem::path createFolder(const std::filesystem::path& dir) {
    std::error_code e;
    std::filesystem::create_directories(dir, e);
    if (e) {
        failFolder("creating", dir, e);
    }
    std::filesystem::path full = std::filesystem::canonical(dir, e);
    if (!e && ::access(full.c_str(), X_OK) != 0) {
        e.assign(errno, std::generic_category());
    }
    if (e) {
        failFolder("entering", dir, e);
    }
    return full;
}

// One run in `folder`, with its grid file if asked for; a failure throws RunError.
void runIn(const std::filesystem::path& folder, const std::optional<std::filesystem::path>& grid,
           const InputTexts& texts, FlowState& state, const OutputStyle& style, RunRecord& record) {
    // A grid left from before goes first, so that a run that stops leaves none;
    // only a plain file, never a device or a folder someone named.
    std::error_code e;
    if (grid && std::filesystem::is_regular_file(std::filesystem::symlink_status(*grid, e))) {
        std::filesystem::remove(*grid, e);
    }
    NoPlot plot;
    run(texts, createFolder(folder), state, plot, style, record);
    if (grid) {
        writeResultFile(*grid, gridCsv(state, record.parameters, record.coefficients));
    }
}

} // namespace

int runBatch(const std::vector<InputTexts>& runs, const BatchSettings& settings,
             const OutputStyle& style, FlowState& state, std::ostream& out, std::ostream& err) {
    const std::filesystem::path dir = fromHere(settings.dir);
    std::optional<std::filesystem::path> grid;
    if (settings.grid) {
        grid = fromHere(*settings.grid);
    }
    Progress progress(err, settings.progress, static_cast<long>(runs.size()));
    int status = 0;

    for (std::size_t k = 0; k < runs.size(); ++k) {
        const long number = static_cast<long>(k) + 1;
        progress.starting(number);
        std::filesystem::path folder = dir;
        std::optional<std::filesystem::path> runGrid = grid;
        if (settings.numbered) {
            folder = runFolder(dir, number);
            if (settings.grid) {
                runGrid = folder / *settings.grid;
            }
        }

        RunRecord record;
        std::optional<RunError> error;
        try {
            runIn(folder, runGrid, runs[k], state, style, record);
        } catch (const RunError& e) {
            error = e;
            status = 1;
            progress.clear();
            if (settings.numbered) {
                err << "run " << number << ": ";
            }
            err << "error " << e.number() << ": " << e.what() << std::endl;
        }
        if (settings.summary) {
            progress.clear();
            // Each line goes out whole before the next run starts.
            out << summaryJson(number, runs[k], record, error) << std::endl;
        }
    }
    return status;
}

} // namespace solva::cli
