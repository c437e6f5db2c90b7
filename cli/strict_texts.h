// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The check --strict makes of a run's texts before anything runs: each text
// wholly a number in the C form (digits, ".", an exponent; no blanks, no
// "&H", no decimal comma), NXX and NT whole numbers of at least 1, lambda in
// (0, 1]. Without it the texts are read as the window reads its boxes.

#include "app/input_texts.h"

#include <string>

namespace solva::cli {

// Throws UsageError saying which input and why: lambda: "abc" is not a number.
void checkStrictly(const Input& input, const std::string& text);
void checkStrictly(const InputTexts& texts);

} // namespace solva::cli
