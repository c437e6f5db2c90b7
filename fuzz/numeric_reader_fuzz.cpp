// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

// Any bytes through the numeric reader: a finite value, or an overflow and
// nothing else, agreeing with the reading predicted from the decimal grammar
// and strtod; a minus put before a text that starts with a digit negates it.

#include "support/expected_reading.h"

#include "app/numeric_reader.h"
#include "app/run_error.h"
#include "support/files.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

[[noreturn]] void fault(std::string_view text, const char* what, double value) {
    std::fprintf(stderr, "numeric reader: %s (value %.17g) for \"%s\"\n", what, value,
                 solva::test::escaped(text).c_str());
    std::abort();
}

// The reading, or nothing for an overflow; any other failure ends the fuzzing.
std::optional<double> read(std::string_view text) {
    try {
        const double value = solva::readNumber(text).value();
        if (!std::isfinite(value)) {
            fault(text, "non-finite value", value);
        }
        return value;
    } catch (const solva::RunError& e) {
        if (e.kind() != solva::ErrorKind::Overflow) {
            fault(text, e.what(), 0);
        }
        return std::nullopt;
    }
}

bool startsWithDigit(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\n");
    return first != std::string_view::npos && text[first] >= '0' && text[first] <= '9';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using solva::property::Reading;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> value = read(text);

    const Reading expected = solva::property::expectedReading(text);
    if (expected.kind == Reading::Overflow && value) {
        fault(text, "read a number too large for a double", *value);
    }
    if ((expected.kind == Reading::Exact || expected.kind == Reading::Tiny) && !value) {
        fault(text, "overflow for a representable number", expected.value);
    }
    if (expected.kind == Reading::Exact &&
        (*value != expected.value || std::signbit(*value) != std::signbit(expected.value))) {
        fault(text, "read differently from strtod", *value);
    }
    if (expected.kind == Reading::Tiny && *value != expected.value && *value != 0) {
        fault(text, "tiny number read as neither itself nor zero", *value);
    }

    if (startsWithDigit(text)) {
        const std::optional<double> negated = read("-" + std::string(text));
        if (negated.has_value() != value.has_value() ||
            (value && (*negated != -*value || std::signbit(*negated) == std::signbit(*value)))) {
            fault(text, "a leading minus does not negate the reading", value.value_or(0));
        }
    }
    return 0;
}
