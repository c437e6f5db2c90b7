// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The runs file: one run per line, its five texts (LAMBDA NXX NT ALPHA BETA)
// separated by tab characters, so that a text may hold blanks as a box may.
// A line starting with # and an empty line are skipped; a CR before the line
// end is dropped, so a file saved with CRLF line ends reads the same, and so
// is a UTF-8 byte-order mark at its start.
//
// The whole file is checked before the first run, so that a malformed line
// runs nothing. Memory stays bounded whatever the input: lines are read one
// at a time, a line may hold at most MaxLineBytes, and a file that cannot be
// read twice (a pipe, a terminal) is copied line by line as it is checked
// into an unnamed temporary file, which the runs are then read from.

#include "cli/line_reader.h"
#include "cli/run_source.h"

#include <string>

namespace solva::cli {

class RunsFile : public RunSource {
public:
    // The file `name`, or standard input for "-"; `strict`: each run's texts
    // are checked as --strict asks. A file that cannot be read, a line that is
    // not a run or too long, and with `strict` a text that is not a number,
    // throw UsageError naming the file and the line.
    RunsFile(const std::string& name, bool strict);

    long total() const override { return total_; }
    std::optional<NumberedRun> next() override;

private:
    // The next line of reader_ without its end into `line`; false at the end of the file.
    bool readLine(std::string& line);
    // The run on `line`, or none for a skipped line.
    std::optional<InputTexts> parse(const std::string& line) const;
    [[noreturn]] void unreadable(int error) const;
    [[noreturn]] void badLine(const std::string& problem) const;

    std::string name_;  // as given, for messages about reading it
    std::string where_; // the file's name in messages about its lines
    bool strict_;
    File file_;
    LineReader reader_{nullptr}; // of the file being read
    long total_ = 0;
};

} // namespace solva::cli
