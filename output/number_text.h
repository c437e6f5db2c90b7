#pragma once

// The value shapers of the result files: the general form of a printed
// number, rounding to n decimals, and the number patterns. The writers put
// their text at `out`, which must have room for MaxNumberText bytes, and
// return the end of what they wrote.

#include <cstddef>
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

// x by a number pattern. A value below zero gets "-" even when it rounds to
// zero. Rounding is from the exact binary value, ties to even.
char* writePattern(char* out, double x, NumberPattern pattern, std::string_view decimalSeparator);

} // namespace solva
