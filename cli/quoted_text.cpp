// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "cli/quoted_text.h"

namespace solva::cli {

namespace {

void appendShown(std::string& out, unsigned char byte) {
    constexpr const char* Hex = "0123456789ABCDEF";
    switch (byte) {
    case '\t':
        out += "\\t";
        return;
    case '\n':
        out += "\\n";
        return;
    case '\r':
        out += "\\r";
        return;
    default:
        if (byte >= 0x20 && byte <= 0x7E) {
            out += static_cast<char>(byte);
        } else {
            out += {'\\', 'x', Hex[byte >> 4], Hex[byte & 0xF]};
        }
    }
}

} // namespace

std::string shown(std::string_view text) {
    std::string out;
    for (const char c : text.substr(0, MaxShownBytes)) {
        appendShown(out, static_cast<unsigned char>(c));
    }
    if (text.size() > MaxShownBytes) {
        out += "...";
    }
    return out;
}

std::string quoted(std::string_view text) {
    return '"' + shown(text) + '"';
}

} // namespace solva::cli
