// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "app/numeric_reader.h"
#include "app/run_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace solva {
namespace {

double read(const std::string& text) {
    return readNumber(text).value();
}

TEST(NumericReader, ReadsThePlainDecimalForms) {
    EXPECT_EQ(read("0.2"), 0.2);
    EXPECT_EQ(read("18"), 18);
    EXPECT_EQ(read("-5"), -5);
    EXPECT_EQ(read("+7.5"), 7.5);
    EXPECT_EQ(read(".5"), 0.5);
    EXPECT_EQ(read("5."), 5);
    EXPECT_EQ(read("1E-08"), 1E-08);
    EXPECT_EQ(read("2e+3"), 2000);
    EXPECT_EQ(read("1.5E20"), 1.5E20);
}

TEST(NumericReader, IgnoresBlanksTabsAndLineFeedsAnywhere) {
    EXPECT_EQ(read(" 1 8"), 18);
    EXPECT_EQ(read("\t-\n0 . 2 5"), -0.25);
    EXPECT_EQ(read("1 e 3"), 1000);
}

TEST(NumericReader, TakesTheLongestLeadingNumber) {
    EXPECT_EQ(read("1,5"), 1);
    EXPECT_EQ(read("12abc"), 12);
    EXPECT_EQ(read("3.4.5"), 3.4);
    EXPECT_EQ(read("2e"), 2); // an exponent needs a digit
    EXPECT_EQ(read("2e+x"), 2);
    EXPECT_EQ(read("7\r"), 7); // a carriage return is not a blank
    EXPECT_EQ(read("\xC2\xA0"
                   "5"),
              0); // nor is a no-break space
}

TEST(NumericReader, TextWithoutANumberReadsAsZero) {
    EXPECT_EQ(read(""), 0);
    EXPECT_EQ(read("abc"), 0);
    EXPECT_EQ(read("-"), 0);
    EXPECT_EQ(read("."), 0);
    EXPECT_EQ(read("e5"), 0);
    EXPECT_EQ(read("   "), 0);
    EXPECT_EQ(read("λ"), 0);
}

TEST(NumericReader, ReadsHexadecimalAndOctalWholeNumbers) {
    EXPECT_EQ(read("&H1F"), 31);
    EXPECT_EQ(read("&hff"), 255);
    EXPECT_EQ(read("&O17"), 15);
    EXPECT_EQ(read("&o8"), 0);
    EXPECT_EQ(read("& H 10"), 16);
    EXPECT_EQ(read("&H"), 0);
    EXPECT_EQ(read("&X12"), 0);
    EXPECT_EQ(read("&H1G2"), 1);
}

TEST(NumericReader, ValueTooLargeForADoubleIsAnOverflow) {
    // The last: a mantissa of 1E-110000 (a text over 100 KB) times 1E+1000000.
    const std::string texts[] = {"1E400", "-1E309", "1e+99999999999999999999",
                                 "&H1" + std::string(300, 'F'),
                                 "0." + std::string(109999, '0') + "1E+1000000"};
    for (const std::string& text : texts) {
        try {
            readNumber(text);
            ADD_FAILURE() << text.substr(0, 40) << " read without error";
        } catch (const RunError& e) {
            EXPECT_EQ(e.kind(), ErrorKind::Overflow) << text.substr(0, 40);
        }
    }
    EXPECT_EQ(read("1.7976931348623157E308"), 1.7976931348623157E308);
}

TEST(NumericReader, ValueBelowTheSmallestDoubleReadsAsZero) {
    EXPECT_EQ(read("1E-400"), 0);
    EXPECT_TRUE(std::signbit(read("-1e-99999")));
    EXPECT_EQ(read("0.000000001e-320"), 0);
    EXPECT_EQ(read("1" + std::string(110000, '0') + "E-1000000"), 0);
    EXPECT_GT(read("1E-310"), 0); // below the normal range, still representable
}

TEST(NumericReader, ManyDigitsAndLongTexts) {
    EXPECT_EQ(read(std::string(10000, '0') + "1"), 1);
    EXPECT_EQ(read("0." + std::string(5000, '0') + "1e5000"), 0.1);
    EXPECT_EQ(read(std::string(10000, ' ')), 0);
}

} // namespace
} // namespace solva
