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
    for (char* p = buf.data(); p != res.ptr; ++p) {
        if (*p == 'e') {
            *p = 'E';
        }
    }
    appendWithSeparator(out, std::string_view(buf.data(), res.ptr - buf.data()), decimalSeparator);
}

double roundHalfEven(double x, int n) {
    Buffer buf;
    const auto res =
        std::to_chars(buf.data(), buf.data() + buf.size(), x, std::chars_format::fixed, n);
    double rounded = 0;
    std::from_chars(buf.data(), res.ptr, rounded);
    return rounded;
}

void appendPattern(std::string& out, double x, std::string_view pattern,
                   std::string_view decimalSeparator) {
    const std::size_t point = pattern.find('.');
    const int wholeDigits =
        static_cast<int>(point == std::string_view::npos ? pattern.size() : point);
    const int decimals =
        point == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - point - 1);

    if (x < 0) {
        out += '-';
    }
    const double a = std::fabs(x);

    // Fast path: scale to a whole number of the last decimal. The product is
    // off by at most half a unit in its last place, which can only change the
    // rounding next to a tie; there, and for large values, convert exactly.
    static constexpr std::array<double, 5> scales{1, 10, 100, 1000, 10000};
    if (decimals < static_cast<int>(scales.size())) {
        const double f = a * scales[decimals];
        const double fraction = f - std::floor(f);
        if (f < 2147483648.0 && std::fabs(fraction - 0.5) > 0x1p-20) {
            const auto n = static_cast<std::uint64_t>(std::nearbyint(f));
            const auto scale = static_cast<std::uint64_t>(scales[decimals]);
            std::array<char, 24> whole;
            const auto end =
                std::to_chars(whole.data(), whole.data() + whole.size(), n / scale).ptr;
            out.append(std::max<std::ptrdiff_t>(0, wholeDigits - (end - whole.data())), '0');
            out.append(whole.data(), end);
            if (decimals > 0) {
                out += decimalSeparator;
                std::uint64_t rest = n % scale;
                std::array<char, 4> frac;
                for (int i = decimals - 1; i >= 0; --i) {
                    frac[i] = static_cast<char>('0' + rest % 10);
                    rest /= 10;
                }
                out.append(frac.data(), decimals);
            }
            return;
        }
    }

    Buffer buf;
    const auto res =
        std::to_chars(buf.data(), buf.data() + buf.size(), a, std::chars_format::fixed, decimals);
    const std::string_view fixed(buf.data(), res.ptr - buf.data());
    const std::size_t dot = fixed.find('.');
    const std::ptrdiff_t have =
        static_cast<std::ptrdiff_t>(dot == std::string_view::npos ? fixed.size() : dot);
    out.append(std::max<std::ptrdiff_t>(0, wholeDigits - have), '0');
    appendWithSeparator(out, fixed, decimalSeparator);
}

} // namespace solva
