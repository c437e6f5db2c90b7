#include "output/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

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

using Buffer = std::array<char, MaxNumberText>;

// The writers below copy whole blocks of fixed size and then advance by what
// they meant to write: the output has room to spare, and copies of a size
// known when compiling cost a few moves instead of a library call per field.

// "00", "01", ... "99": two digits at a time.
constexpr std::array<char, 200> DigitPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

char* writePair(char* out, std::uint32_t twoDigits) {
    std::memcpy(out, DigitPairs.data() + 2 * twoDigits, 2);
    return out + 2;
}

// A whole number with at least `places` digits, zeros in front.
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

char* writeSeparator(char* out, std::string_view sep) {
    if (sep.size() == 1) {
        *out = sep[0];
        return out + 1;
    }
    return std::copy(sep.begin(), sep.end(), out);
}

// |x| with Decimals decimals, if it lies well away from a rounding tie.
// The product scaled to whole units of the last decimal is off by at most
// half a unit in its last place, which can only change the rounding next to
// a tie; there, and for large values, the caller converts exactly.
template <int Decimals>
char* writeScaled(char* out, double a, int wholeDigits, std::string_view sep) {
    constexpr std::uint32_t Scale = std::array<std::uint32_t, 5>{1, 10, 100, 1000, 10000}[Decimals];
    const double f = a * Scale;
    if (!(f < 2147483648.0) || std::fabs(f - static_cast<std::uint32_t>(f) - 0.5) <= 0x1p-20) {
        return nullptr;
    }
    // Away from a tie, adding one half cannot carry f past another whole number.
    const auto n = static_cast<std::uint32_t>(f + 0.5);
    out = writeWholeDigits(out, n / Scale, wholeDigits);
    if constexpr (Decimals > 0) {
        out = writeSeparator(out, sep);
        const std::uint32_t rest = n % Scale;
        if constexpr (Decimals == 4) {
            out = writePair(writePair(out, rest / 100), rest % 100);
        } else if constexpr (Decimals == 2) {
            out = writePair(out, rest);
        } else {
            std::uint32_t r = rest;
            for (int i = Decimals - 1; i >= 0; --i) {
                out[i] = static_cast<char>('0' + r % 10);
                r /= 10;
            }
            out += Decimals;
        }
    }
    return out;
}

} // namespace

char* writeGeneralForm(char* out, double v, std::string_view decimalSeparator) {
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

char* writePattern(char* out, double x, NumberPattern pattern, std::string_view decimalSeparator) {
    const int wholeDigits = pattern.wholeDigits;
    const int decimals = pattern.decimals;
    const double a = std::fabs(x);
    if (x < 0) {
        *out++ = '-';
    }

    // A switch rather than a table of writers: each case is inlined.
    char* fast = nullptr;
    switch (decimals) {
    case 0:
        fast = writeScaled<0>(out, a, wholeDigits, decimalSeparator);
        break;
    case 1:
        fast = writeScaled<1>(out, a, wholeDigits, decimalSeparator);
        break;
    case 2:
        fast = writeScaled<2>(out, a, wholeDigits, decimalSeparator);
        break;
    case 3:
        fast = writeScaled<3>(out, a, wholeDigits, decimalSeparator);
        break;
    case 4:
        fast = writeScaled<4>(out, a, wholeDigits, decimalSeparator);
        break;
    }
    if (fast != nullptr) {
        return fast;
    }

    Buffer buf;
    const auto res =
        std::to_chars(buf.data(), buf.data() + buf.size(), a, std::chars_format::fixed, decimals);
    const std::string_view fixed(buf.data(), res.ptr - buf.data());
    const std::size_t dot = fixed.find('.');
    const auto have = static_cast<int>(dot == std::string_view::npos ? fixed.size() : dot);
    for (int count = have; count < wholeDigits; ++count) {
        *out++ = '0';
    }
    return copyWithSeparator(out, fixed, decimalSeparator);
}

} // namespace solva
