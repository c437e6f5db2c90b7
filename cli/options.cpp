// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "cli/options.h"

#include "app/version.h"
#include "cli/declared_options.h"
#include "cli/quoted_text.h"
#include "cli/usage_error.h"
#include "output/plot_data_file.h"
#include "output/report_file.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <memory>
#include <ostream>
#include <vector>

namespace solva::cli {

namespace {

constexpr const char* Program = "ellipsoid-flow-cli";

constexpr const char* Description =
    "Potential flow about a prolate spheroid: one run from five texts, many from\n"
    "a runs file or a sweep of named inputs. Each run writes solva11.txt (the\n"
    "report) and solva12.txt (the plot data), as the window does.";

constexpr const char* Examples = R"(
The five texts are read as the window reads its boxes: "1,5" reads as 1, &H10
as 16, an empty text as 0. A text that starts with "-" and then not a digit,
such as -.5, goes after "--". --strict refuses all but plain numbers.

Runs file: one run per line, the five texts separated by tab characters;
lines starting with # and empty lines are skipped. Named inputs take one
text, a range START:STOP:STEP (STOP included) or a list A,B,C; the runs are
every combination, beta changing fastest; an input not named keeps the
window's start text (0.2 18 1 0 0). Runs of a file or a sweep write into
DIR/NNNN/ (at least four digits); a DIR holding such folders from before
needs --overwrite.

Exit status: 0 every run completed, 1 a run stopped or an output failed,
2 a usage error, 130 or 143 interrupted (Ctrl-C, SIGTERM) between runs.

The exact flow anywhere, for prolate, spherical and oblate bodies:
"ellipsoid-flow-cli field" (the flow at the points of a CSV file) and
"ellipsoid-flow-cli inertia" (the added-mass matrix and more, as JSON);
"--help" after either shows its options.

The README and the pages on the mathematics and its validation: docs/ in the
sources, /usr/share/doc/ellipsoid-flow/ from the Debian package.

Examples:
  ellipsoid-flow-cli 0.2 400 18 10 5 --grid grid.csv --summary
  ellipsoid-flow-cli --lambda 0.1:1:0.1 --alpha 0:20:2 --nxx 60 --nt 6 \
      --no-files --table sweep.csv
  ellipsoid-flow-cli --runs runs.tsv --dir sweep --summary > sweep.jsonl)";

constexpr const char* Version = R"(
Copyright (C) 2026 Ellipsoid Flow developers
License MIT <https://opensource.org/licenses/MIT>.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.)";

// What the options of the batch hold once parsed, the texts of one run among them.
struct BatchValues {
    Options options;
    std::vector<std::string> texts;
    std::string runs, grid, table;
    NamedInputs named;
};

// An option as its usage shows it: "--runs FILE".
std::string withValue(const CLI::App& program, const std::string& name) {
    return name + " " + program.get_option(name)->get_type_name();
}

// The ways to give the runs, and the subcommands, each on a line of its own.
std::string usageLines(const CLI::App& program, const std::string& name) {
    std::string named;
    for (const Input& input : Inputs) {
        named += " " + withValue(program, "--" + std::string(input.key));
    }
    std::string commands;
    for (const CLI::App* command : program.get_subcommands({})) {
        commands += (commands.empty() ? "" : "|") + command->get_name();
    }
    const std::string indent = "\n       " + name + " ";
    return "Usage: " + name + " [OPTIONS] " + placeholders() + indent + "[OPTIONS] " +
           withValue(program, "--runs") + indent + "[OPTIONS]" + named + indent + commands +
           " [OPTIONS]\n";
}

// CLI11 would write "[texts...]"; the five texts have names of their own.
class Formatter : public CLI::Formatter {
public:
    std::string make_usage(const CLI::App* program, std::string name) const override {
        return usageLines(*program, name);
    }
};

// What every usage message ends with.
std::string hint(const CLI::App& program) {
    const std::string name = program.get_name();
    return "Type \"" + name + " " + placeholders() + "\" (for example \"" + name +
           " 0.2 18 1 0 0\") or \"" + name + " " + withValue(program, "--runs") + "\"; \"" + name +
           " --help\" shows every option.";
}

[[noreturn]] void usage(const CLI::App& program, const std::string& problem) {
    throw UsageError(problem + "\n" + hint(program));
}

bool isOneOf(const std::string& arg, const std::vector<std::string>& names) {
    return std::find(names.begin(), names.end(), arg) != names.end();
}

// What CLI11 lets pass: an option's value that is itself one of the options
// (--dir --summary), and a flag given a value (--summary=0).
void checkValues(const CLI::App& program, int argc, const char* const* argv) {
    const std::vector<std::string> flags = optionNames(program, OptionKind::Flag, false);
    const std::vector<std::string> flagsAnyName = optionNames(program, OptionKind::Flag, true);
    const std::vector<std::string> valued = optionNames(program, OptionKind::Valued, true);
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--") {
            return;
        }
        if (const std::optional<std::string> problem = flagGivenValue(arg, flags)) {
            usage(program, *problem);
        }
        const std::string next = i + 1 < argc ? argv[i + 1] : "";
        const std::string nextName = next.substr(0, next.find('='));
        if (isOneOf(arg, valued) && (isOneOf(nextName, valued) || isOneOf(next, flagsAnyName))) {
            usage(program, arg + " needs a value, and " + shown(next) +
                               " is an option. A file or folder " + "of that name is written " +
                               arg + "=./" + shown(next) + ".");
        }
    }
}

bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code e;
    const auto full = [&e](const std::filesystem::path& p) {
        return std::filesystem::weakly_canonical(std::filesystem::absolute(p, e), e);
    };
    return full(a) == full(b);
}

// An output named like a result file of the folder it lands in would replace it.
void checkNotAResultFile(const CLI::App& program, const char* option,
                         const std::filesystem::path& path, const Options& o) {
    if (!o.batch.files) {
        return;
    }
    for (const char* name : {ReportFileName, PlotDataFileName}) {
        const bool clash = o.batch.numbered ? path == name : sameFile(path, o.batch.dir / name);
        if (clash) {
            usage(program, std::string(option) + " " + path.string() + " would replace the run's " +
                               name + "; give the output another name.");
        }
    }
}

void check(const CLI::App& program, const Options& o, const std::vector<std::string>& texts) {
    const int sources = (o.runs ? 1 : 0) + (o.named ? 1 : 0) + (texts.empty() ? 0 : 1);
    if (sources > 1) {
        usage(program,
              "Give the runs one way: five texts, --runs FILE, or named inputs (--lambda ...).");
    }
    if (sources == 0 || (!texts.empty() && texts.size() != Inputs.size())) {
        usage(program, "A run needs five texts, " + placeholders() + ", and " +
                           std::to_string(texts.size()) + " were given (an empty box is \"\").");
    }
    if (o.batch.dir.empty()) {
        usage(program, "--dir needs a folder name (\".\" for the current folder).");
    }
    const auto& grid = o.batch.grid;
    if (grid && !grid->has_filename()) {
        usage(program, "--grid needs a file name, such as grid.csv.");
    }
    if (o.batch.numbered && grid && (*grid != grid->filename() || *grid == StandardOutput)) {
        usage(program,
              "For many runs, --grid takes a file name without a folder (such as grid.csv): each "
              "run writes it into its own folder DIR/NNNN/. --table FILE gives them all in one.");
    }
    const int onStandardOutput = (o.batch.summary ? 1 : 0) + (grid == StandardOutput ? 1 : 0) +
                                 (o.batch.table == StandardOutput ? 1 : 0);
    if (onStandardOutput > 1) {
        usage(program,
              "Only one of --summary, --grid - and --table - can write to standard output.");
    }
    if (o.batch.table && !o.batch.table->has_filename()) {
        usage(program, "--table needs a file name, such as table.csv, or - for standard output.");
    }
    if (grid) {
        checkNotAResultFile(program, "--grid", *grid, o);
    }
    if (o.batch.table && *o.batch.table != StandardOutput) {
        checkNotAResultFile(program, "--table", *o.batch.table, o);
        if (grid && !o.batch.numbered && sameFile(*grid, *o.batch.table)) {
            usage(program, "--grid and --table name the same file; give each its own.");
        }
    }
}

// Declares the root's own options on `program`, bound to `v`.
void declareOptions(CLI::App& program, BatchValues& v) {
    auto formatter = std::make_shared<Formatter>();
    formatter->column_width(22);
    program.formatter(formatter);
    program.footer(Examples);
    program.set_version_flag("--version", std::string(Program) + " " + SOLVA_VERSION + Version);
    program.add_option("texts", v.texts, "The five texts of one run")->type_name("TEXT");
    program.add_option("--runs", v.runs, "Run every line of FILE (- for standard input)")
        ->type_name("FILE");
    for (std::size_t i = 0; i < Inputs.size(); ++i) {
        const std::string key(Inputs[i].key);
        program
            .add_option("--" + key, v.named[i],
                        i == 0 ? "One text, a range START:STOP:STEP or a list A,B"
                               : "The same for " + std::string(Inputs[i].placeholder))
            ->type_name("V");
    }
    program
        .add_option("--dir", v.options.batch.dir,
                    "Write the result files into DIR, made if missing")
        ->type_name("DIR");
    program.add_option("--grid", v.grid, "Also write a run's whole grid as CSV (- for output)")
        ->type_name("FILE");
    program.add_option("--table", v.table, "Write every run's grid into one CSV (- for output)")
        ->type_name("FILE");
    program.add_flag("--summary", v.options.batch.summary, "Print one JSON line per run");
    program.add_flag("--no-files")->description("Write neither solva11.txt nor solva12.txt");
    program.add_flag("--strict", v.options.strict,
                     "Refuse texts that are not plain numbers in range");
    program.add_flag("--overwrite", v.options.batch.overwrite,
                     "Replace the run folders of an earlier batch");
}

// CLI11's parse, its errors told as usage errors; false after --help or --version.
bool parsed(CLI::App& program, int argc, const char* const* argv, std::ostream& out) {
    try {
        program.parse(argc, argv);
        return true;
    } catch (const CLI::CallForHelp& e) {
        program.exit(e, out, out);
    } catch (const CLI::CallForVersion& e) {
        program.exit(e, out, out);
    } catch (const CLI::ExtrasError& e) {
        const std::vector<std::string> extra = program.remaining();
        if (!extra.empty() && extra.front().starts_with("--")) {
            usage(program, "There is no option " + shown(extra.front()) + ".");
        }
        // CLI11 takes "-.5" or "-x" for a short option.
        usage(program, std::string(e.what()) +
                           "\nA text that starts with \"-\" and then not a digit "
                           "goes after \"--\", as in \"ellipsoid-flow-cli 0.2 18 1 "
                           "-- -.5 0\".");
    } catch (const CLI::ParseError& e) {
        usage(program, e.what());
    }
    return false;
}

// The options as the batch takes them, from what the command line held.
Options assembled(const CLI::App& program, const BatchValues& v) {
    Options o = v.options;
    o.batch.files = program.count("--no-files") == 0;
    if (program.count("--runs") > 0) {
        o.runs = v.runs;
        o.batch.numbered = true;
        o.batch.lineNumbers = true;
    }
    const NamedInputs& named = v.named;
    if (std::any_of(named.begin(), named.end(), [](const auto& n) { return n.has_value(); })) {
        o.named = named;
        o.batch.numbered =
            std::any_of(named.begin(), named.end(), [](const auto& n) { return n && isSweep(*n); });
    }
    if (program.count("--grid") > 0) {
        o.batch.grid = v.grid;
    }
    if (program.count("--table") > 0) {
        o.batch.table = v.table;
    }
    check(program, o, v.texts);
    if (!v.texts.empty()) {
        o.single = inputTexts(v.texts);
    }
    return o;
}

} // namespace

BatchParser setUpBatchOptions(CLI::App& program) {
    const auto values = std::make_shared<BatchValues>();
    program.name(Program);
    program.description(Description);
    declareOptions(program, *values);
    return [&program, values](int argc, const char* const* argv,
                              std::ostream& out) -> std::optional<Options> {
        checkValues(program, argc, argv);
        if (!parsed(program, argc, argv, out)) {
            return std::nullopt;
        }
        return assembled(program, *values);
    };
}

} // namespace solva::cli
