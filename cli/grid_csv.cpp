// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "cli/grid_csv.h"

#include "output/text_file.h"

#include <array>
#include <charconv>

namespace solva::cli {

namespace {

constexpr std::string_view Header = "point,angle_deg,FI_deg,X,Y,Cu,Cp\r\n";
// The longest number: 24 characters ("-2.2250738585072014e-308"), and the one after it.
constexpr std::size_t MaxNumber = 25;
constexpr std::size_t MaxRow = 7 * MaxNumber + 1;

// Writes `v` and the character after it at `out`, which has room for them.
template <class Number> char* put(char* out, Number v, char after) {
    out = std::to_chars(out, out + MaxNumber - 1, v).ptr;
    *out++ = after;
    return out;
}

// How many times a loop to `limit` goes round: its whole part, within the
// arrays as a completed run's limits are.
long count(Real limit, long most) {
    return limit < 1 ? 0 : limit > most ? most : static_cast<long>(limit.value());
}

// The text of `v` and the character after it.
template <class Number> std::string text(Number v, char after) {
    char buffer[MaxNumber];
    return std::string(buffer, put(buffer, v, after));
}

} // namespace

std::string gridCsv(const FlowState& s, const RunParameters& p, const FlowCoefficients& c) {
    const long columns = count(c.NJ, MaxColumn);
    const long points = count(p.NXX, MaxPoint);

    // A row repeats its point's and its column's numbers: each is formatted once.
    std::array<std::string, MaxColumn + 1> angle;
    for (long J = 1; J <= columns; ++J) {
        angle[J] = text(((Real(J - 1) * 180) / p.NT).value(), ',');
    }
    std::string csv(Header);
    csv.reserve(Header.size() + MaxRow * static_cast<std::size_t>(points * columns));
    for (long I = 1; I <= points; ++I) {
        const std::string point = text(I, ',');
        const std::string where = text(((s.FI(I).real() * 180) / c.PI).value(), ',') +
                                  text(s.X(I).toDouble(), ',') + text(s.Y(I).toDouble(), ',');
        for (long J = 1; J <= columns; ++J) {
            const double Cu = s.CU(I, J).toDouble();
            char speeds[2 * MaxNumber];
            char* end = put(speeds, Cu, ',');
            end = put(end, 1 - Cu, '\r');
            *end++ = '\n';
            csv.append(point).append(angle[J]).append(where).append(speeds, end);
        }
    }
    return csv;
}

void writeResultFile(const std::filesystem::path& file, const std::string& text) {
    // The result files' own writer: it never waits on a pipe without a
    // reader, and its errors name the full path.
    const OutputStyle style;
    TextFile out(file.string(), style);
    out.print(text);
    out.close();
}

} // namespace solva::cli
