// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "cli/options.h"

#include "app/version.h"
#include "cli/usage_error.h"

#include <CLI/CLI.hpp>

#include <memory>
#include <ostream>
#include <vector>

namespace solva::cli {

namespace {

constexpr const char* Program = "ellipsoid-flow-cli";

constexpr const char* Description =
    "Potential flow about a prolate spheroid: one run from five texts, or many from a runs file.\n"
    "Each run writes solva11.txt (the report) and solva12.txt (the plot data), as the window does.";

constexpr const char* Examples = R"(
The five texts are read as the window reads its boxes: "1,5" reads as 1, &H10 as 16, an empty
text as 0. A text that starts with "-" and then not a digit, such as -.5, goes after "--".

Runs file: one run per line, the five texts separated by tab characters; lines starting with #
and empty lines are skipped. Run k writes into DIR/NNNN/ (k in four digits).

Exit status: 0 every run completed, 1 a run stopped with a run-time error, 2 a usage error.

The exact flow anywhere, for prolate, spherical and oblate bodies: "ellipsoid-flow-cli field"
(the flow at the points of a CSV file) and "ellipsoid-flow-cli inertia" (the added-mass
matrix and more, as JSON); "--help" after either shows its options.

Examples:
  ellipsoid-flow-cli 0.2 400 18 10 5 --grid grid.csv --summary
  for a in $(seq 0 2 20); do printf '0.2\t18\t1\t%s\t0\n' "$a"; done |
      ellipsoid-flow-cli --runs - --dir sweep --summary > sweep.jsonl)";

// What every usage message ends with.
std::string hint() {
    return "Type \"ellipsoid-flow-cli " + placeholders() +
           "\" (for example \"ellipsoid-flow-cli 0.2 18 1 0 0\") or \"ellipsoid-flow-cli --runs "
           "FILE\"; \"ellipsoid-flow-cli --help\" shows every option.";
}

// CLI11 would write "[texts...]"; the five texts have names of their own.
class Formatter : public CLI::Formatter {
public:
    std::string make_usage(const CLI::App*, std::string) const override {
        return "Usage: ellipsoid-flow-cli [OPTIONS] " + placeholders() +
               "\n       ellipsoid-flow-cli [OPTIONS] --runs FILE"
               "\n       ellipsoid-flow-cli field|inertia [OPTIONS]\n";
    }
};

[[noreturn]] void usage(const std::string& problem) {
    throw UsageError(problem + "\n" + hint());
}

void check(const Options& o, const std::vector<std::string>& texts) {
    if (o.runs && !texts.empty()) {
        usage("--runs takes the runs from its file, so no texts may follow on the command line.");
    }
    if (!o.runs && texts.size() != Inputs.size()) {
        usage("A run needs five texts, " + placeholders() + ", and " +
              std::to_string(texts.size()) + " were given (an empty box is \"\").");
    }
    if (o.batch.dir.empty()) {
        usage("--dir needs a folder name (\".\" for the current folder).");
    }
    if (o.batch.grid && !o.batch.grid->has_filename()) {
        usage("--grid needs a file name, such as grid.csv.");
    }
    if (o.runs && o.batch.grid && *o.batch.grid != o.batch.grid->filename()) {
        usage("With --runs, --grid takes a file name without a folder (such as grid.csv): each "
              "run writes it into its own folder DIR/NNNN/.");
    }
}

} // namespace

std::optional<Options> parseOptions(int argc, const char* const* argv, std::ostream& out) {
    Options o;
    std::vector<std::string> texts;
    std::string runs, grid;

    CLI::App app(Description, Program);
    app.formatter(std::make_shared<Formatter>());
    app.footer(Examples);
    app.set_version_flag("--version", std::string(Program) + " " + SOLVA_VERSION);
    app.add_option("texts", texts, "The five texts of one run: " + placeholders())
        ->type_name("TEXT");
    app.add_option("--runs", runs, "Run every line of FILE (- for standard input)")
        ->type_name("FILE");
    app.add_option("--dir", o.batch.dir, "Write the result files into DIR, created if missing")
        ->type_name("DIR");
    app.add_option("--grid", grid, "Also write the whole grid as CSV to FILE")->type_name("FILE");
    app.add_flag("--summary", o.batch.summary, "Print one JSON line per run on standard output");

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        app.exit(e, out, out);
        return std::nullopt;
    } catch (const CLI::CallForVersion& e) {
        app.exit(e, out, out);
        return std::nullopt;
    } catch (const CLI::ExtrasError& e) {
        const std::vector<std::string> extra = app.remaining();
        if (!extra.empty() && extra.front().starts_with("--")) {
            usage("There is no option " + extra.front() + ".");
        }
        // CLI11 takes "-.5" or "-x" for a short option.
        usage(std::string(e.what()) + "\nA text that starts with \"-\" and then not a digit "
                                      "goes after \"--\", as in \"ellipsoid-flow-cli 0.2 18 1 "
                                      "-- -.5 0\".");
    } catch (const CLI::ParseError& e) {
        usage(e.what());
    }

    if (app.count("--runs") > 0) {
        o.runs = runs;
        o.batch.numbered = true;
    }
    if (app.count("--grid") > 0) {
        o.batch.grid = grid;
    }
    check(o, texts);
    if (!o.runs) {
        o.single = inputTexts(texts);
    }
    return o;
}

} // namespace solva::cli
