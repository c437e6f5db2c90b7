// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "output/number_text.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

namespace solva {
namespace {

std::string general(double v, std::string_view sep = ".") {
    std::array<char, MaxNumberText> out;
    return std::string(out.data(), writeGeneralForm(out.data(), v, sep));
}

std::string pattern(double v, NumberPattern p, std::string_view sep = ".") {
    std::array<char, MaxNumberText> out;
    return std::string(out.data(), writePattern(out.data(), v, p, sep));
}

TEST(GeneralForm, FifteenSignificantDigitsWithoutTrailingZeros) {
    EXPECT_EQ(general(0), "0");
    EXPECT_EQ(general(180), "180");
    EXPECT_EQ(general(0.2), "0.2");
    EXPECT_EQ(general(-0.497795719713757), "0.497795719713757"); // the sign is the caller's
    EXPECT_EQ(general(180.0 / 7), "25.7142857142857");
    EXPECT_EQ(general(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(general(2.0 / 3), "0.666666666666667");
    EXPECT_EQ(general(123456789012345), "123456789012345");
}

// The fast path against the C library's exact "%.15G", over the sizes it
// covers, with a comma; and how often it gives up on numbers of the sizes the
// files hold (from 1E14 on, doubles fall on exact ties, which go to the exact
// conversion).
TEST(GeneralForm, TheFastPathAgreesWithTheCLibraryAndRarelyGivesUp) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> exponent(-4, 15);
    long gaveUp = 0, small = 0;
    constexpr long Count = 200000;
    for (long i = 0; i < Count; ++i) {
        const double v = std::pow(10.0, exponent(random)) * (i % 2 ? 1 : -1);
        std::array<char, 32> expected;
        std::snprintf(expected.data(), expected.size(), "%.15G", std::fabs(v));
        std::string withComma = expected.data();
        if (const auto point = withComma.find('.'); point != std::string::npos) {
            withComma[point] = ',';
        }
        ASSERT_EQ(general(v, ","), withComma) << std::hexfloat << v;
        std::array<char, MaxNumberText> out;
        if (std::fabs(v) < 1E4) {
            ++small;
            gaveUp += writeGeneralFormFast(out.data(), v, ",") == nullptr;
        }
    }
    EXPECT_LT(gaveUp, small / 1000) << gaveUp << " of " << small;
}

TEST(GeneralForm, ExponentFormBelowOneTenThousandthAndFromFifteenDigits) {
    EXPECT_EQ(general(0.0001), "0.0001");
    EXPECT_EQ(general(0.00001), "1E-05");
    EXPECT_EQ(general(1.5E20), "1.5E+20");
    EXPECT_EQ(general(999999999999999), "999999999999999");
    EXPECT_EQ(general(1E15), "1E+15");
    EXPECT_EQ(general(1E-300), "1E-300");
    EXPECT_EQ(general(std::numeric_limits<double>::max()), "1.79769313486232E+308");
    EXPECT_EQ(general(9.999999999999999E14), "1E+15"); // rounds up into the exponent form
}

TEST(GeneralForm, UsesTheLocaleDecimalSeparator) {
    EXPECT_EQ(general(0.25, ","), "0,25");
    EXPECT_EQ(general(1.5E-7, ","), "1,5E-07");
}

TEST(RoundHalfEven, TiesGoToTheEvenDigitOfTheExactValue) {
    EXPECT_EQ(roundHalfEven(2.5, 0), 2);
    EXPECT_EQ(roundHalfEven(3.5, 0), 4);
    EXPECT_EQ(roundHalfEven(0.125, 2), 0.12);
    EXPECT_EQ(roundHalfEven(0.375, 2), 0.38);
    EXPECT_EQ(roundHalfEven(0.2, 2), 0.2);
    EXPECT_EQ(roundHalfEven(-5, 1), -5);
    EXPECT_EQ(roundHalfEven(12.25, 1), 12.2);
    // 0.15 is stored just below the tie, so it rounds down.
    EXPECT_EQ(roundHalfEven(0.15, 1), 0.1);
    EXPECT_EQ(roundHalfEven(1E300, 2), 1E300);
}

TEST(Pattern, PointNumbersShowAtLeastTwoDigits) {
    EXPECT_EQ(pattern(7, "0#"), "07");
    EXPECT_EQ(pattern(12, "0#"), "12");
    EXPECT_EQ(pattern(123, "0#"), "123");
    EXPECT_EQ(pattern(400, "0#"), "400");
}

TEST(Pattern, AnglesShowThreeWholeDigitsAndTwoDecimals) {
    EXPECT_EQ(pattern(174.618, "0#0.#0"), "174.62");
    EXPECT_EQ(pattern(5.382, "0#0.#0"), "005.38");
    EXPECT_EQ(pattern(10.5, "0#0.#0"), "010.50");
    EXPECT_EQ(pattern(1234.5, "0#0.#0"), "1234.50");
    EXPECT_EQ(pattern(179.999, "0#0.#0"), "180.00");
}

TEST(Pattern, ValuesShowFourDecimals) {
    EXPECT_EQ(pattern(0.25, "0.###0"), "0.2500");
    EXPECT_EQ(pattern(-0.497795719713757, "0.###0"), "-0.4978");
    EXPECT_EQ(pattern(0.00937959793309389, "0.###0"), "0.0094");
    EXPECT_EQ(pattern(0, "0.###0"), "0.0000");
    EXPECT_EQ(pattern(12345.6, "0.###0"), "12345.6000");
    EXPECT_EQ(pattern(0.99996, "0.###0"), "1.0000");
}

TEST(Pattern, BelowZeroKeepsItsSignEvenWhenItRoundsToZero) {
    EXPECT_EQ(pattern(-1E-17, "0.###0"), "-0.0000");
    EXPECT_EQ(pattern(-0.0, "0.###0"), "0.0000");
    EXPECT_EQ(pattern(-5.5, "0#0.#0"), "-005.50");
}

TEST(Pattern, TiesRoundFromTheExactBinaryValue) {
    // Exact ties go to the even digit.
    EXPECT_EQ(pattern(0.00005, "0.###0"), "0.0001"); // stored just above the tie
    EXPECT_EQ(pattern(0.03125, "0.###0"), "0.0312");
    EXPECT_EQ(pattern(0.09375, "0.###0"), "0.0938");
    EXPECT_EQ(pattern(2.5, "0#"), "02");
    EXPECT_EQ(pattern(3.5, "0#"), "04");
    EXPECT_EQ(pattern(0.125, "0#0.#0"), "000.12");
    // Values whose scaled product lands on .5 though the exact value does not.
    EXPECT_EQ(pattern(0.00035, "0.###0"), "0.0003"); // 0.000349999..., scaled to 3.5
    EXPECT_EQ(pattern(0.00025, "0.###0"), "0.0003"); // 0.000250000..., scaled to 2.5
    EXPECT_EQ(pattern(-0.00045, "0.###0"), "-0.0004");
    EXPECT_EQ(pattern(1.00005, "0.###0"), "1.0001"); // 1.000050000...
    EXPECT_EQ(pattern(2.675, "0#0.#0"), "002.67");   // 2.674999999...
}

TEST(Pattern, LargeValuesTakeTheExactPath) {
    EXPECT_EQ(pattern(1E20, "0.###0"), "100000000000000000000.0000");
    EXPECT_EQ(pattern(-123456789.123456, "0.###0"), "-123456789.1235");
    EXPECT_EQ(pattern(std::numeric_limits<double>::max(), "0#").size(), 309u);
}

TEST(Pattern, UsesTheLocaleDecimalSeparator) {
    EXPECT_EQ(pattern(174.618, "0#0.#0", ","), "174,62");
    EXPECT_EQ(pattern(1E20, "0.###0", ","), "100000000000000000000,0000");
}

} // namespace
} // namespace solva
