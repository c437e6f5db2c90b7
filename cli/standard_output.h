// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// Checked writes to standard output: a full device, a closed stream or a
// closed pipe is reported, never taken for success.

#include <iosfwd>
#include <stdexcept>
#include <string_view>

namespace solva::cli {

// Standard output that cannot take what is written: nothing more can be told
// to whoever reads it. what() is "cannot write to standard output" and the
// system's reason, when it gave one.
class OutputLost : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// `text` on `out`, kept in its buffer; throws OutputLost when `out` has failed.
void write(std::ostream& out, std::string_view text);

// Everything written so far on `out` handed to the system; throws OutputLost
// when it cannot take it.
void flush(std::ostream& out);

// `text` on `out`, whole, before the program goes on: write, then flush.
void emit(std::ostream& out, std::string_view text);

} // namespace solva::cli
