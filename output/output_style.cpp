// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#include "output/output_style.h"

#include "output/number_text.h"

#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <iconv.h>
#include <langinfo.h>

namespace solva {

namespace {

// Converts the whole text or gives up: a character the set lacks fails it.
bool convert(const std::string& utf8, const std::string& charset, std::string& out) {
    iconv_t cd = iconv_open(charset.c_str(), "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return false;
    }
    std::string in = utf8;
    out.assign(in.size() * 4 + 16, '\0');
    char* src = in.data();
    std::size_t srcLeft = in.size();
    char* dst = out.data();
    std::size_t dstLeft = out.size();
    const std::size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1) || srcLeft != 0 || rc != 0) {
        return false; // rc > 0 counts characters replaced by a stand-in
    }
    out.resize(out.size() - dstLeft);
    return true;
}

} // namespace

OutputStyle OutputStyle::fromLocale() {
    OutputStyle style;
    if (const lconv* lc = std::localeconv(); lc != nullptr) {
        const std::string_view point = lc->decimal_point;
        if (!point.empty() && point.size() <= MaxSeparator) {
            style.decimalSeparator = point;
        }
    }
    if (MB_CUR_MAX == 1) {
        const std::string charset = nl_langinfo(CODESET);
        std::string probe;
        if (convert("ıçöü", charset, probe)) {
            style.titleCharset = charset;
        }
    }
    return style;
}

std::string encodeTitle(const std::string& utf8, const OutputStyle& style) {
    std::string out;
    if (!style.titleCharset.empty() && convert(utf8, style.titleCharset, out)) {
        return out;
    }
    return utf8;
}

} // namespace solva
