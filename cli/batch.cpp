// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "cli/batch.h"

#include "app/no_plot.h"
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

// A run's result and its error, when it stopped.
struct RunOutcome {
    long number = 0;
    RunRecord record;
    std::optional<RunError> error;
};

// The batch under way: where its files go, what it has written and said.
class Batch {
public:
    Batch(const BatchSettings& settings, long total, std::ostream& out, std::ostream& err)
        : settings_(settings), dir_(fromHere(settings.dir)), total_(total), out_(out), err_(err),
          progress_(err, settings.progress, total) {
        if (settings.numbered && (settings.files || settings.grid)) {
            held_.emplace(dir_, settings.overwrite);
        }
        if (settings.grid && *settings.grid != StandardOutput) {
            grid_ = fromHere(*settings.grid);
        }
    }

    int status() const { return status_; }

    // The table's header, in its file or on `out`.
    void openTable() {
        if (settings_.table && *settings_.table != StandardOutput) {
            table_.emplace(fromHere(*settings_.table));
            table_->write(TableHeader);
        } else if (settings_.table) {
            emit(out_, TableHeader);
        }
    }

    // The table file made visible with the whole rows written so far.
    void closeTable() {
        if (table_) {
            table_->commit();
        }
    }

    RunOutcome runOne(const NumberedRun& next, const OutputStyle& style, FlowState& state);
    void writeOutputs(const NumberedRun& next, const RunOutcome& outcome, const FlowState& state);
    void reportInterruption(int signal);

    // The batch stops on an output that failed: `why` is the last word.
    void stop(const std::string& why) {
        progress_.clear();
        err_ << "ellipsoid-flow-cli: " << why << "; the batch stops here." << std::endl;
    }

private:
    // The run's error line: "run 3 (line 5): error 11: ...".
    void reportError(const NumberedRun& next, long number, const RunError& e);

    const BatchSettings& settings_;
    const std::filesystem::path dir_;
    const long total_;
    std::ostream& out_;
    std::ostream& err_;
    std::optional<BatchFolder> held_;
    std::optional<std::filesystem::path> grid_;
    Progress progress_;
    std::optional<StagedFile> table_;
    int status_ = 0;
    long last_ = 0, lastLine_ = 0;
};

RunOutcome Batch::runOne(const NumberedRun& next, const OutputStyle& style, FlowState& state) {
    RunOutcome outcome;
    outcome.number = last_ + 1;
    progress_.starting(outcome.number);
    std::filesystem::path folder = dir_;
    std::optional<std::filesystem::path> runGrid = grid_;
    if (settings_.numbered) {
        folder = dir_ / runFolderName(outcome.number, total_);
        if (grid_) {
            runGrid = folder / *settings_.grid;
        }
    }
    try {
        // A grid left from before goes first, so that a run that stops leaves
        // none; only a plain file, never a device or a folder.
        std::error_code e;
        if (runGrid &&
            std::filesystem::is_regular_file(std::filesystem::symlink_status(*runGrid, e))) {
            std::filesystem::remove(*runGrid, e);
        }
        const bool folderNeeded = settings_.files || (runGrid && settings_.numbered);
        NoPlot plot;
        run(next.texts, folderNeeded ? createRunFolder(folder) : folder, state, plot, style,
            outcome.record, settings_.files ? ResultFiles::Written : ResultFiles::Dropped);
        if (runGrid) {
            writeStaged(*runGrid,
                        gridCsv(state, outcome.record.parameters, outcome.record.coefficients));
        }
    } catch (const RunError& e) {
        outcome.error = e;
        reportError(next, outcome.number, e);
    }
    last_ = outcome.number;
    lastLine_ = next.line;
    return outcome;
}

void Batch::reportError(const NumberedRun& next, long number, const RunError& e) {
    status_ = 1;
    progress_.clear();
    if (settings_.numbered) {
        err_ << "run " << number;
        if (settings_.lineNumbers) {
            err_ << " (line " << next.line << ")";
        }
        err_ << ": ";
    }
    err_ << "error " << e.number() << ": " << e.what() << std::endl;
}

void Batch::writeOutputs(const NumberedRun& next, const RunOutcome& outcome,
                         const FlowState& state) {
    const RunRecord& record = outcome.record;
    if (!outcome.error && settings_.grid == StandardOutput) {
        emit(out_, gridCsv(state, record.parameters, record.coefficients));
    }
    if (!outcome.error && settings_.table) {
        const std::string rows =
            tableRows(outcome.number, next.line, state, record.parameters, record.coefficients);
        table_ ? table_->write(rows) : emit(out_, rows);
    }
    if (settings_.summary) {
        progress_.clear();
        emit(out_,
             summaryJson(outcome.number, next.line, next.texts, record, state, outcome.error) +
                 "\n");
    }
}

void Batch::reportInterruption(int signal) {
    progress_.clear();
    err_ << "ellipsoid-flow-cli: stopped by " << signalName(signal);
    if (last_ == 0) {
        err_ << " before the first run." << std::endl;
    } else {
        err_ << " after run " << last_ << " of " << total_;
        if (settings_.lineNumbers) {
            err_ << " (line " << lastLine_ << ")";
        }
        err_ << "; the runs after it were not made." << std::endl;
    }
    closeTable(); // whole rows of the runs made
}

} // namespace

std::string runFolderName(long run, long total) {
    std::string name = std::to_string(run);
    const std::size_t digits = std::max<std::size_t>(4, std::to_string(total).size());
    return std::string(digits - std::min(digits, name.size()), '0') + name;
}

int runBatch(RunSource& runs, const BatchSettings& settings, const OutputStyle& style,
             FlowState& state, std::ostream& out, std::ostream& err) {
    Batch batch(settings, runs.total(), out, err);
    try {
        batch.openTable();
        while (true) {
            if (const int signal = settings.interrupted ? settings.interrupted() : 0) {
                batch.reportInterruption(signal);
                return 128 + signal;
            }
            const std::optional<NumberedRun> next = runs.next();
            if (!next) {
                break;
            }
            const RunOutcome outcome = batch.runOne(*next, style, state);
            batch.writeOutputs(*next, outcome, state);
        }
        batch.closeTable();
    } catch (const OutputLost& e) { // nothing more can be told, so the batch stops
        batch.stop(e.what());
        return 1;
    } catch (const RunError& e) { // the table file
        batch.stop("error " + std::to_string(e.number()) + ": " + e.what());
        return 1;
    }
    return batch.status();
}

} // namespace solva::cli
