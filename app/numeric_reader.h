// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#pragma once

#include "app/checked_real.h"

#include <string_view>

namespace solva {

// Reads an input box's text as a real, the same way whatever the locale:
// blanks, tabs and line feeds are ignored wherever they stand; the longest
// leading decimal number (sign, digits, "." as the only decimal point, an
// exponent after E or e) is taken; "&H" and "&O" (either case) introduce a
// hexadecimal or octal whole number; a text with no number reads as 0.
// A value too large for a double stops the run with an overflow error.
Real readNumber(std::string_view text);

} // namespace solva
