// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#include "app/input_texts.h"

namespace solva {

InputTexts inputTexts(const std::vector<std::string>& texts) {
    InputTexts in;
    for (std::size_t k = 0; k < Inputs.size(); ++k) {
        in.*Inputs[k].text = texts.at(k);
    }
    return in;
}

std::string placeholders(std::string_view between, std::string_view last) {
    std::string words(Inputs[0].placeholder);
    for (std::size_t k = 1; k < Inputs.size(); ++k) {
        words += k + 1 < Inputs.size() ? between : last;
        words += Inputs[k].placeholder;
    }
    return words;
}

} // namespace solva
