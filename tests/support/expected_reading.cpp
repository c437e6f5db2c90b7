// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "support/expected_reading.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

namespace solva::property {

namespace {

constexpr std::string_view DecimalDigits = "0123456789";
constexpr std::string_view HexDigits = "0123456789ABCDEFabcdef";
constexpr std::string_view OctalDigits = "01234567";

// The length of the longest start of `text` the grammar matches. std::regex
// recurses once per character it takes, too deep for a 10,000-digit text, so
// it reads the text with every run of `digits` cut to its first digit, and
// the match is measured back on the whole text.
std::size_t matchLength(std::string_view text, const std::regex& grammar, std::string_view digits) {
    std::string cut;
    std::vector<std::size_t> ends; // where in the text each character of `cut` ends
    for (std::size_t i = 0; i < text.size(); i = ends.back()) {
        cut += text[i];
        ends.push_back(digits.find(text[i]) == std::string_view::npos
                           ? i + 1
                           : std::min(text.find_first_not_of(digits, i), text.size()));
    }
    std::smatch found;
    if (!std::regex_search(cut, found, grammar, std::regex_constants::match_continuous) ||
        found.length(0) == 0) {
        return 0;
    }
    return ends[static_cast<std::size_t>(found.length(0)) - 1];
}

// A whole number in hexadecimal or octal digits, converted by strtoull while
// it fits the 53 bits of a double exactly.
Reading wholeNumberReading(std::string digits, int base) {
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    if (digits.empty()) {
        return {Reading::Exact, 0};
    }
    const std::size_t bitsPerDigit = base == 16 ? 4 : 3;
    const auto lead = std::strtoul(digits.substr(0, 1).c_str(), nullptr, base);
    const std::size_t bits = (digits.size() - 1) * bitsPerDigit + std::bit_width(lead);
    if (bits <= 53) {
        return {Reading::Exact, static_cast<double>(std::strtoull(digits.c_str(), nullptr, base))};
    }
    // At 2^1025 and above even the roundings along the way cannot keep it finite.
    return {bits > 1025 ? Reading::Overflow : Reading::Finite, 0};
}

} // namespace

Reading expectedReading(std::string_view text) {
    // The grammar of a box once its blanks, tabs and line feeds are dropped:
    // &H or &O and a whole number in hexadecimal or octal digits, or else the
    // longest start that is a decimal number.
    static const std::regex Hex("&[Hh][0-9A-Fa-f]*");
    static const std::regex Octal("&[Oo][0-7]*");
    static const std::regex Decimal("[+-]?([0-9]+(\\.[0-9]*)?|\\.[0-9]+)([Ee][+-]?[0-9]+)?");

    std::string s(text);
    std::erase_if(s, [](char ch) { return ch == ' ' || ch == '\t' || ch == '\n'; });
    if (const std::size_t n = matchLength(s, Hex, HexDigits); n > 0) {
        return wholeNumberReading(s.substr(2, n - 2), 16);
    }
    if (const std::size_t n = matchLength(s, Octal, OctalDigits); n > 0) {
        return wholeNumberReading(s.substr(2, n - 2), 8);
    }
    const std::size_t n = matchLength(s, Decimal, DecimalDigits);
    if (n == 0) {
        return {Reading::Exact, 0};
    }
    errno = 0;
    const double value = std::strtod(s.substr(0, n).c_str(), nullptr);
    if (std::isinf(value)) {
        return {Reading::Overflow, 0};
    }
    if (errno == ERANGE || (value != 0 && std::fabs(value) < DBL_MIN)) {
        return {Reading::Tiny, value};
    }
    return {Reading::Exact, value};
}

} // namespace solva::property
