// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#pragma once

// The value shapers of the result files: the general form of a printed
// number, rounding to n decimals, and the number patterns. The writers put
// their text at `out`, which must have room for MaxNumberText bytes, and
// return the end of what they wrote.
//
// Both number forms round the exact binary value. Each has a fast path in
// integer arithmetic that gives up, and hands over to an exact conversion,
// wherever its own rounding error could change a digit: next to a rounding
// tie, and outside the range its integers hold. In the result files of
// ordinary runs it gives up on well under one number in a thousand (the
// tests measure how often).

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace solva {

// The decimal separator is at most this long; a longer one is not used.
inline constexpr std::size_t MaxSeparator = 8;
// The longest text a writer produces: the fixed form of the largest double
// with its sign, four decimals and a separator.
inline constexpr std::size_t MaxNumberText = 1 + 309 + MaxSeparator + 4;

// The general form of |v|: at most 15 significant digits, trailing zeros of
// the fraction dropped, exponent form ("1E-05", "1.5E+20") below 1E-4 and from
// 1E15 on. The sign is the caller's. v must be finite.
char* writeGeneralForm(char* out, double v, std::string_view decimalSeparator);

// The fast path of writeGeneralForm: |v| from its product with a power of ten
// in 64-bit precision. Gives up, returning nullptr, outside [1E-4, 1E15) and
// where the product lies within 1E-4 of a rounding tie (its error is below
// 5.4E-5).
char* writeGeneralFormFast(char* out, double v, std::string_view decimalSeparator);

// x rounded to n decimals, ties to the even digit, from x's exact value.
double roundHalfEven(double x, int n);

// A number pattern such as "0#0.#0": as many decimals as placeholders after
// the point, at least as many whole digits as placeholders before it, every
// "#" shown like a "0". Read when the program is compiled.
class NumberPattern {
public:
    consteval NumberPattern(const char* pattern) {
        const std::string_view p(pattern);
        const std::size_t point = p.find('.');
        wholeDigits = static_cast<int>(point == std::string_view::npos ? p.size() : point);
        decimals = point == std::string_view::npos ? 0 : static_cast<int>(p.size() - point - 1);
        if (wholeDigits < 1 || wholeDigits > 16 || decimals > 4) {
            throw "patterns have 1 to 16 whole places and at most 4 decimals";
        }
    }
    int wholeDigits = 0;
    int decimals = 0;
};

namespace pattern_detail {

// "00", "01", ... "99": two digits at a time.
inline constexpr std::array<char, 200> DigitPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

inline char* writePair(char* out, std::uint32_t twoDigits) {
    std::memcpy(out, DigitPairs.data() + 2 * twoDigits, 2);
    return out + 2;
}

// A whole number with at least `places` digits, zeros in front.
char* writeWholeDigits(char* out, std::uint32_t whole, int places);

// |x| by the pattern, converted exactly; the sign is written already.
char* writePatternExactly(char* out, double a, NumberPattern pattern,
                          std::string_view decimalSeparator);

} // namespace pattern_detail

// x by a number pattern. A value below zero gets "-" even when it rounds to
// zero. Rounding is from the exact binary value, ties to even.
//
// Inline, so that a pattern known when compiling costs no choices: |x| is
// scaled to whole units of the last decimal, which is off by at most half a
// unit in its last place and so can only change the rounding next to a tie;
// there, and from 2^31 units on, the exact conversion takes over.
inline char* writePattern(char* out, double x, NumberPattern pattern,
                          std::string_view decimalSeparator) {
    using namespace pattern_detail;
    constexpr std::array<std::uint32_t, 5> Scales{1, 10, 100, 1000, 10000};
    const double a = std::fabs(x);
    if (x < 0) {
        *out++ = '-';
    }
    const std::uint32_t scale = Scales[static_cast<std::size_t>(pattern.decimals)];
    const double f = a * scale;
    if (!(f < 2147483648.0) || std::fabs(f - static_cast<std::uint32_t>(f) - 0.5) <= 0x1p-20) {
        return writePatternExactly(out, a, pattern, decimalSeparator);
    }
    // Away from a tie, adding one half cannot carry f past another whole number.
    const auto n = static_cast<std::uint32_t>(f + 0.5);
    const std::uint32_t whole = n / scale;
    if (whole < 10 && pattern.wholeDigits == 1) {
        *out++ = static_cast<char>('0' + whole);
    } else {
        out = writeWholeDigits(out, whole, pattern.wholeDigits);
    }
    if (pattern.decimals == 0) {
        return out;
    }
    if (decimalSeparator.size() == 1) {
        *out++ = decimalSeparator[0];
    } else {
        std::memcpy(out, decimalSeparator.data(), decimalSeparator.size());
        out += decimalSeparator.size();
    }
    std::uint32_t rest = n % scale;
    if (pattern.decimals == 4) {
        return writePair(writePair(out, rest / 100), rest % 100);
    }
    if (pattern.decimals == 2) {
        return writePair(out, rest);
    }
    for (int i = pattern.decimals - 1; i >= 0; --i) {
        out[i] = static_cast<char>('0' + rest % 10);
        rest /= 10;
    }
    return out + pattern.decimals;
}

} // namespace solva
