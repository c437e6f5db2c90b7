// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "cli/batch.h"

#include "app/run_error.h"
#include "app/run_folder.h"
#include "cli/batch_folder.h"
#include "cli/grid_csv.h"
#include "cli/progress.h"
#include "cli/staged_file.h"
#include "cli/standard_output.h"
#include "cli/summary_json.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <string_view>
#include <system_error>

namespace solva::cli {

namespace {

// The CLI draws nothing.
class NoPlot : public PlotRoutine {
public:
    void GRXYCU(std::string_view, Real, const PointArray&, const PointArray&, const PointArray&,
                int) override {}
};

// `path` from the current folder, so that messages name it in full; as given
// when there is none (it was deleted), and each run then reports the failure.
std::filesystem::path fromHere(const std::filesystem::path& path) {
    std::error_code e;
    std::filesystem::path full = std::filesystem::absolute(path, e);
    return e ? path : full;
}

const char* signalName(int signal) {
    return signal == SIGINT ? "SIGINT" : signal == SIGTERM ? "SIGTERM" : "a signal";
}

} // namespace

std::string runFolderName(long run, long total) {
    std::string name = std::to_string(run);
    const std::size_t digits = std::max<std::size_t>(4, std::to_string(total).size());
    return std::string(digits - std::min(digits, name.size()), '0') + name;
}

int runBatch(RunSource& runs, const BatchSettings& settings, const OutputStyle& style,
             FlowState& state, std::ostream& out, std::ostream& err) {
    const std::filesystem::path dir = fromHere(settings.dir);
    std::optional<BatchFolder> held;
    if (settings.numbered && (settings.files || settings.grid)) {
        held.emplace(dir, settings.overwrite);
    }
    std::optional<std::filesystem::path> grid;
    if (settings.grid && *settings.grid != StandardOutput) {
        grid = fromHere(*settings.grid);
    }
    const long total = runs.total();
    Progress progress(err, settings.progress, total);
    int status = 0;
    long last = 0, lastLine = 0;

    try {
        std::optional<StagedFile> tableFile;
        const bool tableOut = settings.table && *settings.table == StandardOutput;
        if (settings.table && !tableOut) {
            tableFile.emplace(fromHere(*settings.table));
            tableFile->write(TableHeader);
        } else if (tableOut) {
            emit(out, TableHeader);
        }

        while (true) {
            if (const int signal = settings.interrupted ? settings.interrupted() : 0) {
                progress.clear();
                err << "ellipsoid-flow-cli: stopped by " << signalName(signal);
                if (last == 0) {
                    err << " before the first run." << std::endl;
                } else {
                    err << " after run " << last << " of " << total;
                    if (settings.lineNumbers) {
                        err << " (line " << lastLine << ")";
                    }
                    err << "; the runs after it were not made." << std::endl;
                }
                if (tableFile) {
                    tableFile->commit(); // whole rows of the runs made
                }
                return 128 + signal;
            }
            const std::optional<NumberedRun> next = runs.next();
            if (!next) {
                break;
            }
            const long number = last + 1;
            progress.starting(number);
            std::filesystem::path folder = dir;
            std::optional<std::filesystem::path> runGrid = grid;
            if (settings.numbered) {
                folder = dir / runFolderName(number, total);
                if (grid) {
                    runGrid = folder / *settings.grid;
                }
            }

            RunRecord record;
            std::optional<RunError> error;
            try {
                // A grid left from before goes first, so that a run that stops
                // leaves none; only a plain file, never a device or a folder.
                std::error_code e;
                if (runGrid && std::filesystem::is_regular_file(
                                   std::filesystem::symlink_status(*runGrid, e))) {
                    std::filesystem::remove(*runGrid, e);
                }
                const bool folderNeeded = settings.files || (runGrid && settings.numbered);
                NoPlot plot;
                run(next->texts, folderNeeded ? createRunFolder(folder) : folder, state, plot,
                    style, record, settings.files ? ResultFiles::Written : ResultFiles::Dropped);
                if (runGrid) {
                    writeStaged(*runGrid, gridCsv(state, record.parameters, record.coefficients));
                }
            } catch (const RunError& e) {
                error = e;
                status = 1;
                progress.clear();
                if (settings.numbered) {
                    err << "run " << number;
                    if (settings.lineNumbers) {
                        err << " (line " << next->line << ")";
                    }
                    err << ": ";
                }
                err << "error " << e.number() << ": " << e.what() << std::endl;
            }
            last = number;
            lastLine = next->line;
            const RunParameters& p = record.parameters;
            if (!error && settings.grid == StandardOutput) {
                emit(out, gridCsv(state, p, record.coefficients));
            }
            if (!error && settings.table) {
                const std::string rows =
                    tableRows(number, next->line, state, p, record.coefficients);
                tableFile ? tableFile->write(rows) : emit(out, rows);
            }
            if (settings.summary) {
                progress.clear();
                emit(out,
                     summaryJson(number, next->line, next->texts, record, state, error) + "\n");
            }
        }
        if (tableFile) {
            tableFile->commit();
        }
    } catch (const OutputLost& e) { // nothing more can be told, so the batch stops
        progress.clear();
        err << "ellipsoid-flow-cli: " << e.what() << "; the batch stops here." << std::endl;
        return 1;
    } catch (const RunError& e) { // the table file
        progress.clear();
        err << "ellipsoid-flow-cli: error " << e.number() << ": " << e.what()
            << "; the batch stops here." << std::endl;
        return 1;
    }
    return status;
}

} // namespace solva::cli
