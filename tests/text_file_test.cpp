// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "output/text_file.h"

#include "support/in_scratch_directory.h"

namespace solva {
namespace {

using test::readFile;

class TextFileTest : public test::InTempDir {
protected:
    std::string out() const { return (dir() / "out.txt").string(); }
    OutputStyle style;
};

TEST_F(TextFileTest, StatementsContinueTheLineUntilOneEndsIt) {
    {
        TextFile f(out(), style);
        f.print("a");
        f.print("b");
        f.print("c");
        f.endLine();
        f.endLine(); // an empty statement: an empty line
        f.close();
    }
    EXPECT_EQ(readFile(out()), "abc\r\n\r\n");
}

TEST_F(TextFileTest, NumbersGetASignPlaceAndATrailingBlank) {
    {
        TextFile f(out(), style);
        f.print(Real(0));
        f.print(Real(-5));
        f.print(Real(180));
        f.print(Real(-0.0));
        f.endLine();
        f.close();
    }
    EXPECT_EQ(readFile(out()), " 0 -5  180  0 \r\n");
}

TEST_F(TextFileTest, ZonesStartEveryFourteenColumns) {
    {
        TextFile f(out(), style);
        f.print(Real(1));
        f.nextZone();
        f.print(Real(2.5));
        f.nextZone();
        f.print(Real(-3));
        f.nextZone();
        f.print(Real(4));
        f.endLine();
        f.close();
    }
    EXPECT_EQ(readFile(out()), " 1             2.5          -3             4 \r\n");
}

TEST_F(TextFileTest, ALongItemPushesTheNextOneToTheZoneAfterIt) {
    {
        TextFile f(out(), style);
        f.print(std::string(14, 'x')); // ends right at a zone start
        f.nextZone();
        f.print("y");
        f.endLine();
        f.print(std::string(20, 'x'));
        f.nextZone();
        f.print("z");
        f.endLine();
        f.nextZone(); // from column 0 of an empty line
        f.print("w");
        f.endLine();
        f.close();
    }
    EXPECT_EQ(readFile(out()), std::string(14, 'x') + std::string(14, ' ') + "y\r\n" +
                                   std::string(20, 'x') + std::string(8, ' ') + "z\r\n" +
                                   std::string(14, ' ') + "w\r\n");
}

TEST_F(TextFileTest, ZonesCountFromTheLineStartAcrossBufferWrites) {
    constexpr int Lines = 40000; // several buffers' worth
    {
        TextFile f(out(), style);
        for (int i = 0; i < Lines; ++i) {
            f.print("x");
            f.nextZone();
            f.print("y");
            f.endLine();
        }
        const std::string longItem(300001, 'z'); // larger than the buffer
        f.print(longItem);
        f.nextZone();
        f.print("w");
        f.endLine();
        f.close();
    }
    const std::vector<std::string> lines = test::splitLines(readFile(out()));
    ASSERT_EQ(lines.size(), Lines + 2u);
    for (int i = 0; i < Lines; ++i) {
        ASSERT_EQ(lines[i], "x" + std::string(13, ' ') + "y") << "line " << i;
    }
    EXPECT_EQ(lines[Lines], std::string(300001, 'z') + std::string(5, ' ') + "w");
}

TEST_F(TextFileTest, AnEmptyElementPrintsNothingButAWrittenZeroPrints) {
    Element empty;
    Element zero;
    zero = Real(0);
    {
        TextFile f(out(), style);
        f.print("[");
        f.print(empty);
        f.print("|");
        f.print(zero);
        f.print("]");
        f.endLine();
        f.close();
    }
    EXPECT_EQ(readFile(out()), "[| 0 ]\r\n");
    EXPECT_EQ(empty.real(), 0); // yet it reads as zero
}

TEST_F(TextFileTest, PrintedNumbersUseTheStyleDecimalSeparator) {
    style.decimalSeparator = ",";
    {
        TextFile f(out(), style);
        f.print(Real(-0.25));
        f.printFormatted(174.618, "0#0.#0");
        f.endLine();
        f.close();
    }
    EXPECT_EQ(readFile(out()), "-0,25 174,62\r\n");
}

TEST_F(TextFileTest, OpeningEmptiesAnExistingFile) {
    {
        TextFile f(out(), style);
        f.print("old contents that are long");
        f.endLine();
        f.close();
    }
    {
        TextFile f(out(), style);
        f.print("new");
        f.endLine();
        f.close();
    }
    EXPECT_EQ(readFile(out()), "new\r\n");
}

TEST_F(TextFileTest, AFileLeftOpenByAnErrorKeepsWhatWasWritten) {
    try {
        TextFile f(out(), style);
        f.print("kept");
        f.endLine();
        f.print("partial line");
        throw RunError(ErrorKind::Overflow, "testing");
    } catch (const RunError&) {
    }
    EXPECT_EQ(readFile(out()), "kept\r\npartial line");
}

} // namespace
} // namespace solva
