// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#include "output/number_text.h"

#include <algorithm>
#include <charconv>

namespace solva {

namespace {

// Copies digits, putting the separator in place of the point.
char* copyWithSeparator(char* out, std::string_view digits, std::string_view sep) {
    for (const char ch : digits) {
        if (ch == '.') {
            out = std::copy(sep.begin(), sep.end(), out);
        } else {
            *out++ = ch;
        }
    }
    return out;
}

char* writeSeparator(char* out, std::string_view sep) {
    return std::copy(sep.begin(), sep.end(), out);
}

using Buffer = std::array<char, MaxNumberText>;

// 10^0 ... 10^18, each exact in a 64-bit mantissa (5^27 still fits).
constexpr std::array<long double, 19> PowersOfTen = [] {
    std::array<long double, 19> p{};
    long double v = 1;
    for (long double& each : p) {
        each = v;
        v *= 10;
    }
    return p;
}();

// 10^0 ... 10^-4 as doubles, the nearest to each.
constexpr std::array<double, 5> NegativePowersOfTen{1, 1E-1, 1E-2, 1E-3, 1E-4};

constexpr std::uint64_t E14 = 100'000'000'000'000; // the smallest 15-digit number
constexpr std::uint64_t E15 = 10 * E14;

} // namespace

namespace pattern_detail {

// Copies whole blocks of fixed size and then advances by what it meant to
// write: the output has room to spare, and a copy of a size known when
// compiling costs a few moves instead of a library call.
char* writeWholeDigits(char* out, std::uint32_t whole, int places) {
    constexpr int Width = 16; // room for 10 digits padded up to 16 places
    std::array<char, 2 * Width> digits;
    digits.fill('0');
    int count = 0;
    for (; whole >= 100; whole /= 100, count += 2) {
        writePair(digits.data() + Width - 2 - count, whole % 100);
    }
    writePair(digits.data() + Width - 2 - count, whole);
    count += whole >= 10 ? 2 : 1;
    count = std::max(count, places);
    std::memcpy(out, digits.data() + Width - count, Width);
    return out + count;
}

char* writePatternExactly(char* out, double a, NumberPattern pattern,
                          std::string_view decimalSeparator) {
    Buffer buf;
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), a, std::chars_format::fixed,
                                   pattern.decimals);
    const std::string_view fixed(buf.data(), res.ptr - buf.data());
    const std::size_t dot = fixed.find('.');
    const auto have = static_cast<int>(dot == std::string_view::npos ? fixed.size() : dot);
    for (int count = have; count < pattern.wholeDigits; ++count) {
        *out++ = '0';
    }
    return copyWithSeparator(out, fixed, decimalSeparator);
}

} // namespace pattern_detail

// The product p = |v| 10^(14 - e), with 10^e <= |v| < 10^(e + 1), holds the
// 15 significant digits in its whole part. Rounded once to a 64-bit mantissa
// it is off by at most 1E15 2^-64, about 5.4E-5, so away from a tie its
// rounding to a whole number is the exact value's.
char* writeGeneralFormFast(char* out, double v, std::string_view decimalSeparator) {
    const double a = std::fabs(v);
    if (!(a >= 1E-4 && a < 1E15)) {
        return nullptr; // zero, or the exponent form
    }
    int e = 0; // 10^e <= |v| < 10^(e + 1), by the doubles nearest the powers
    if (a >= 1) {
        while (e < 14 && a >= PowersOfTen[static_cast<std::size_t>(e + 1)]) {
            ++e;
        }
    } else {
        for (e = -1; a < NegativePowersOfTen[static_cast<std::size_t>(-e)]; --e) {
        }
    }
    const long double p = a * PowersOfTen[static_cast<std::size_t>(14 - e)];
    const auto whole = static_cast<std::uint64_t>(p);
    const long double fraction = p - static_cast<long double>(whole);
    // The powers of ten below 1 are not exact as doubles, so the whole part
    // may miss 15 digits by one; the exact conversion sorts that out.
    if (whole < E14 || whole >= E15 || std::fabs(fraction - 0.5L) <= 1E-4L) {
        return nullptr;
    }
    std::uint64_t m = whole + (fraction > 0.5L ? 1 : 0);
    if (m == E15) { // rounded up to the next power of ten
        m = E14;
        if (++e == 15) {
            return nullptr; // 1E+15 takes the exponent form
        }
    }
    // Fifteen digits: seven, then eight, two at a time.
    std::array<char, 16> digits;
    auto high = static_cast<std::uint32_t>(m / 100'000'000);
    auto low = static_cast<std::uint32_t>(m % 100'000'000);
    for (int i = 6; i >= 0; i -= 2) {
        pattern_detail::writePair(digits.data() + 7 + i, low % 100);
        low /= 100;
    }
    digits[6] = static_cast<char>('0' + high % 10);
    high /= 10;
    for (int i = 4; i >= 0; i -= 2) {
        pattern_detail::writePair(digits.data() + i, high % 100);
        high /= 100;
    }
    int significant = 15;
    while (significant > 1 && digits[static_cast<std::size_t>(significant - 1)] == '0') {
        --significant;
    }
    if (e >= 0) {
        const int wholeDigits = e + 1;
        out = std::copy_n(digits.data(), wholeDigits, out);
        if (significant > wholeDigits) {
            out = writeSeparator(out, decimalSeparator);
            out = std::copy(digits.data() + wholeDigits, digits.data() + significant, out);
        }
        return out;
    }
    *out++ = '0';
    out = writeSeparator(out, decimalSeparator);
    out = std::fill_n(out, -e - 1, '0');
    return std::copy_n(digits.data(), significant, out);
}

char* writeGeneralForm(char* out, double v, std::string_view decimalSeparator) {
    if (char* fast = writeGeneralFormFast(out, v, decimalSeparator)) {
        return fast;
    }
    std::array<char, 32> buf;
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(v),
                                   std::chars_format::general, 15);
    for (char* p = buf.data(); p != res.ptr; ++p) {
        if (*p == 'e') {
            *p = 'E';
        }
    }
    return copyWithSeparator(out, std::string_view(buf.data(), res.ptr - buf.data()),
                             decimalSeparator);
}

double roundHalfEven(double x, int n) {
    Buffer buf;
    const auto res =
        std::to_chars(buf.data(), buf.data() + buf.size(), x, std::chars_format::fixed, n);
    double rounded = 0;
    std::from_chars(buf.data(), res.ptr, rounded);
    return rounded;
}

} // namespace solva
