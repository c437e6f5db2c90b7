#include "output/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace solva {

namespace {

void appendWithSeparator(std::string& out, std::string_view digits, std::string_view sep) {
    for (const char ch : digits) {
        if (ch == '.') {
            out += sep;
        } else {
            out += ch;
        }
    }
}

// Room for the fixed form of the largest double with a few decimals.
using Buffer = std::array<char, 400>;

} // namespace

void appendGeneralForm(std::string& out, double v, std::string_view decimalSeparator) {
    std::array<char, 32> buf;
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(v),
                                   std::chars_format::general, 15);
    bool point = false;
    for (char* p = buf.data(); p != res.ptr; ++p) {
        if (*p == 'e') {
            *p = 'E';
        } else if (*p == '.') {
            point = true;
        }
    }
    const std::string_view digits(buf.data(), res.ptr - buf.data());
    if (point && decimalSeparator != ".") {
        appendWithSeparator(out, digits, decimalSeparator);
    } else {
        out += digits;
    }
}

double roundHalfEven(double x, int n) {
    Buffer buf;
    const auto res =
        std::to_chars(buf.data(), buf.data() + buf.size(), x, std::chars_format::fixed, n);
    double rounded = 0;
    std::from_chars(buf.data(), res.ptr, rounded);
    return rounded;
}

void appendPattern(std::string& out, double x, NumberPattern pattern,
                   std::string_view decimalSeparator) {
    const int wholeDigits = pattern.wholeDigits;
    const int decimals = pattern.decimals;
    const double a = std::fabs(x);

    // Fast path: scale to a whole number of the last decimal. The product is
    // off by at most half a unit in its last place, which can only change the
    // rounding next to a tie; there, and for large values, convert exactly.
    static constexpr std::array<std::uint32_t, 5> scales{1, 10, 100, 1000, 10000};
    if (decimals < static_cast<int>(scales.size()) && wholeDigits <= 16 &&
        decimalSeparator.size() <= 8) {
        const double f = a * scales[decimals];
        if (f < 2147483648.0 && std::fabs(f - static_cast<std::uint32_t>(f) - 0.5) > 0x1p-20) {
            // Away from a tie, adding one half cannot carry f past another whole number.
            const auto n = static_cast<std::uint32_t>(f + 0.5);
            // Sign, whole part padded with zeros, then the decimals, built
            // back to front in a buffer that holds the longest of them.
            std::array<char, 40> buf;
            char* p = buf.data() + buf.size();
            std::uint32_t rest = n % scales[decimals];
            for (int i = 0; i < decimals; ++i) {
                *--p = static_cast<char>('0' + rest % 10);
                rest /= 10;
            }
            if (decimals > 0) {
                p -= decimalSeparator.size();
                std::copy(decimalSeparator.begin(), decimalSeparator.end(), p);
            }
            std::uint32_t whole = n / scales[decimals];
            int digits = 0;
            do {
                *--p = static_cast<char>('0' + whole % 10);
                whole /= 10;
                ++digits;
            } while (whole != 0);
            for (; digits < wholeDigits; ++digits) {
                *--p = '0';
            }
            if (x < 0) {
                *--p = '-';
            }
            out.append(p, buf.data() + buf.size());
            return;
        }
    }

    if (x < 0) {
        out += '-';
    }
    Buffer buf;
    const auto res =
        std::to_chars(buf.data(), buf.data() + buf.size(), a, std::chars_format::fixed, decimals);
    const std::string_view fixed(buf.data(), res.ptr - buf.data());
    const std::size_t dot = fixed.find('.');
    const auto have =
        static_cast<std::ptrdiff_t>(dot == std::string_view::npos ? fixed.size() : dot);
    out.append(std::max<std::ptrdiff_t>(0, wholeDigits - have), '0');
    appendWithSeparator(out, fixed, decimalSeparator);
}

} // namespace solva
