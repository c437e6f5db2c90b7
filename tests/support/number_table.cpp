// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "support/number_table.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace solva::test {

std::vector<std::vector<long double>> readNumberTable(const std::string& path) {
    std::ifstream in(path);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    std::vector<std::vector<long double>> rows;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::istringstream fields(line);
        std::vector<long double> row;
        for (std::string field; std::getline(fields, field, '\t');) {
            char* end = nullptr;
            row.push_back(std::strtold(field.c_str(), &end));
            if (end == field.c_str() || *end != '\0') {
                throw std::runtime_error(path + ": not a number: " + field);
            }
        }
        rows.push_back(row);
    }
    return rows;
}

} // namespace solva::test
