// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

// User text in messages: printable ASCII unchanged, everything else escaped,
// and cut after 80 bytes.

#include "cli/quoted_text.h"

#include <gtest/gtest.h>

namespace solva::test {
namespace {

TEST(QuotedText, KeepsPrintableAsciiEscapesTheRestAndCutsAt80Bytes) {
    using namespace std::string_literals;
    const struct {
        std::string text, shown;
    } cases[] = {
        {R"(1;"x"\n 0)", R"(1;"x"\n 0)"}, // a backslash and quote marks as typed
        {"\t\n\r\x7F"s, R"(\t\n\r\x7F)"},
        {"\0\x1B\xC2\xB0"s, R"(\x00\x1B\xC2\xB0)"}, // NUL, ESC and the UTF-8 of a degree sign
        {std::string(80, 'a'), std::string(80, 'a')},
        {std::string(81, 'a'), std::string(80, 'a') + "..."},
        // the cut counts bytes of the text, not of what shows them
        {std::string(79, 'a') + "\x01\x02", std::string(79, 'a') + "\\x01..."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cli::shown(c.text), c.shown);
        EXPECT_EQ(cli::quoted(c.text), '"' + c.shown + '"');
    }
}

} // namespace
} // namespace solva::test
