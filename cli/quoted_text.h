// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// User text (a row of a file, an option's value) as a message shows it: short
// and on one line whatever the text holds, so that a malformed 20 MB line or a
// line of control characters gives a readable message.
//
// The rule, byte by byte: bytes 0x20 to 0x7E are kept as they are (a quote
// mark and a backslash too, so that an ordinary printable text shows
// unchanged); a tab, line feed and carriage return become \t, \n and \r; every
// other byte (the other controls, DEL, and every byte of 0x80 and over, so
// also UTF-8) becomes \x and two upper-case hexadecimal digits, \x00 say.
// At most the first MaxShownBytes bytes of the text are shown; a longer text
// is followed by "...".

#include <cstddef>
#include <string>
#include <string_view>

namespace solva::cli {

inline constexpr std::size_t MaxShownBytes = 80;

// `text` shown as above, without quote marks around it.
std::string shown(std::string_view text);

// `text` shown as above, between double quote marks: "1;0;0".
std::string quoted(std::string_view text);

} // namespace solva::cli
