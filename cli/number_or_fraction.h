// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The value of an option that takes a fraction as well as a number, such as
// the thickness ratio of field and inertia: --lambda 1/8.

#include <string>

namespace solva::cli {

// text as a number in the form every option reads (C strtod: 0.125, 1.25E-1,
// inf), or as P/Q, two such numbers, the quotient P / Q rounded once (1/8 is
// 0.125 exactly, 1/3 the double nearest a third). Throws CLI::ValidationError
// naming option and text, a usage error, when text is neither or Q is 0.
double numberOrFraction(const std::string& option, const std::string& text);

} // namespace solva::cli
