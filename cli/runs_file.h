// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The runs file: one run per line, its five texts (LAMBDA NXX NT ALPHA BETA)
// separated by tab characters, so that a text may hold blanks as a box may.
// A line starting with # and an empty line are skipped; a CR before the line
// end is dropped, so a file saved with CRLF line ends reads the same.

#include "app/run.h"

#include <istream>
#include <string>
#include <vector>

namespace solva::cli {

// The runs of `in`, in order. A line without exactly five fields throws
// UsageError naming `name` and the line number.
std::vector<InputTexts> parseRuns(std::istream& in, const std::string& name);

// The runs of the file `name`, or of `standardInput` for "-". A file that
// cannot be read throws UsageError.
std::vector<InputTexts> readRunsFile(const std::string& name, std::istream& standardInput);

} // namespace solva::cli
