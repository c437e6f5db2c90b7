// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#pragma once

#include <string>

namespace solva {

// What the user's locale decides about the result files: the decimal
// separator of printed numbers and the character set of the title line.
struct OutputStyle {
    std::string decimalSeparator = ".";
    // The character set the title is written in; empty for UTF-8.
    std::string titleCharset;

    // Reads LC_NUMERIC and LC_CTYPE as the program's locale has them. The
    // title keeps UTF-8 unless the locale's set is single-byte and holds all
    // of the title's letters.
    static OutputStyle fromLocale();
};

// The title line's text in the style's character set.
std::string encodeTitle(const std::string& utf8, const OutputStyle& style);

} // namespace solva
