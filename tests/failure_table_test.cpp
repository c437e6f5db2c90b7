// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

// The README's table of failing inputs, row by row: each row's example must
// stop the run with the error number the row gives, so the table cannot drift
// from what the program does.

#include "support/in_scratch_directory.h"

#include <memory>
#include <regex>
#include <sstream>

namespace solva {
namespace {

struct Row {
    std::string example; // the five boxes, blank-separated, "" for an empty one
    int error = 0;
};

std::vector<Row> failureTable() {
    const std::string readme = test::readFile(SOLVA_README);
    const std::size_t start = readme.find("These inputs fail");
    const std::size_t end = readme.find("\n\n", readme.find("\n|", start) + 1);
    // | input | why | `example` | number words |
    const std::regex row(R"(\n\|[^|\n]*\|[^|\n]*\| `([^`]*)` \| (\d+) )");
    std::vector<Row> rows;
    const std::string table = readme.substr(start, end - start);
    for (std::sregex_iterator it(table.begin(), table.end(), row), last; it != last; ++it) {
        rows.push_back({(*it)[1], std::stoi((*it)[2])});
    }
    return rows;
}

InputTexts textsOf(const std::string& example) {
    std::istringstream words(example);
    std::array<std::string, 5> boxes;
    for (std::string& box : boxes) {
        words >> box;
        if (box == "\"\"") {
            box.clear();
        }
    }
    return InputTexts{boxes[0], boxes[1], boxes[2], boxes[3], boxes[4]};
}

class FailureTable : public test::InTempDir {};

TEST_F(FailureTable, EveryRowStopsWithItsError) {
    const std::vector<Row> rows = failureTable();
    ASSERT_GE(rows.size(), 13u) << "the README's failure table was not found whole";
    for (const Row& row : rows) {
        auto state = std::make_unique<FlowState>();
        const RunError e = test::runExpectingError(textsOf(row.example), dir(), *state);
        EXPECT_EQ(e.number(), row.error) << row.example << ": " << e.what();
    }
}

} // namespace
} // namespace solva
