// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// A reference table as the scripts write them: lines of tab-separated numbers,
// comment lines starting with '#'. Read in long double, so that a 30-digit
// value keeps more digits than the double it is compared with.

#include <string>
#include <vector>

namespace solva::test {

// The rows of the table at path; throws std::runtime_error if it cannot be
// read or a field is not a number.
std::vector<std::vector<long double>> readNumberTable(const std::string& path);

} // namespace solva::test
