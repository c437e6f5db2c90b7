// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#include "app/numeric_reader.h"

#include "app/run_error.h"
#include "app/run_step.h"

#include <charconv>
#include <cmath>
#include <string>

namespace solva {

namespace {

bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

int digitValue(char ch) {
    if (isDigit(ch)) {
        return ch - '0';
    }
    if (ch >= 'a' && ch <= 'f') {
        return ch - 'a' + 10;
    }
    if (ch >= 'A' && ch <= 'F') {
        return ch - 'A' + 10;
    }
    return 99;
}

[[noreturn]] void tooLarge() {
    throw RunError(ErrorKind::Overflow, RunStep::describeCurrent());
}

Real readWhole(std::string_view digits, int base) {
    double value = 0;
    for (const char ch : digits) {
        const int d = digitValue(ch);
        if (d >= base) {
            break;
        }
        value = value * base + d;
        if (std::isinf(value)) {
            tooLarge();
        }
    }
    return value;
}

// The decimal exponent of the leading significant digit of a number whose
// conversion fell out of range: positive means too large, negative too small.
long magnitude(std::string_view mantissa, std::string_view exponent) {
    long position = 0;
    bool seenPoint = false;
    bool found = false;
    for (const char ch : mantissa) {
        if (ch == '.') {
            seenPoint = true;
        } else if (ch != '0' || found) {
            found = true;
            if (!seenPoint) {
                ++position;
            }
        } else if (seenPoint) {
            --position;
        }
        if (found && seenPoint) {
            break;
        }
    }
    // The position lies within the mantissa's length of zero, so past that
    // length and the double range the exponent alone decides: it is counted
    // only that far, which no text can make overflow.
    const long decisive = static_cast<long>(mantissa.size()) + 400;
    long e = 0;
    bool negative = false;
    for (const char ch : exponent) {
        if (ch == '-') {
            negative = true;
        } else if (isDigit(ch) && e < decisive) {
            e = e * 10 + (ch - '0');
        }
    }
    return position + (negative ? -e : e);
}

} // namespace

Real readNumber(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (const char ch : text) {
        if (ch != ' ' && ch != '\t' && ch != '\n') {
            s += ch;
        }
    }

    if (s.size() >= 2 && s[0] == '&') {
        const char radix = s[1];
        if (radix == 'H' || radix == 'h') {
            return readWhole(std::string_view(s).substr(2), 16);
        }
        if (radix == 'O' || radix == 'o') {
            return readWhole(std::string_view(s).substr(2), 8);
        }
        return 0;
    }

    // The longest leading part of the form [+-] digits [. digits] [(E|e) [+-] digits].
    std::size_t i = 0;
    const bool negative = i < s.size() && s[i] == '-';
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    const std::size_t mantissaStart = i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return 0;
    }
    const std::size_t mantissaEnd = i;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            ++j;
        }
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j])) {
                ++j;
            }
            i = j;
        }
    }

    const std::string_view number = std::string_view(s).substr(mantissaStart, i - mantissaStart);
    double value = 0;
    const auto res = std::from_chars(number.data(), number.data() + number.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        const std::string_view mantissa =
            std::string_view(s).substr(mantissaStart, mantissaEnd - mantissaStart);
        const std::string_view exponent = std::string_view(s).substr(mantissaEnd, i - mantissaEnd);
        if (magnitude(mantissa, exponent) > 0) {
            tooLarge();
        }
        value = 0; // below the smallest double
    }
    return negative ? -value : value;
}

} // namespace solva
