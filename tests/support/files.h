// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// Reading the files a run writes, and showing their bytes in a message.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace solva::test {

// The lines of a report before its first row: the title, an empty line, Lamda,
// Alfa and Beta, the column header, the column angles and an empty line.
inline constexpr std::size_t ReportHeaderLines = 8;

// The whole file, byte for byte; empty if it cannot be read.
std::string readFile(const std::filesystem::path& path);

// Splits a result file at its CRLF line ends; the text after the last one
// (normally nothing) is the last element.
std::vector<std::string> splitLines(std::string_view text);

// The text with control bytes, bytes beyond ASCII, quotes and backslashes
// written as \xHH, so that a failure message shows exactly what was read.
std::string escaped(std::string_view text);

} // namespace solva::test
