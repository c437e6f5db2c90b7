// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "cli/grid_csv.h"

#include "flow/angles.h"

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

// The text of `v` and the character after it.
template <class Number> std::string text(Number v, char after) {
    char buffer[MaxNumber];
    return std::string(buffer, put(buffer, v, after));
}

} // namespace

std::string gridCsv(const FlowState& s, const RunParameters& p, const FlowCoefficients& c) {
    // A completed run's limits lie within the arrays.
    const long columns = loopCount(c.NJ.value(), MaxColumn);
    const long points = loopCount(p.NXX.value(), MaxPoint);

    // A row repeats its point's and its column's numbers: each is formatted once.
    std::array<std::string, MaxColumn + 1> angle;
    for (long J = 1; J <= columns; ++J) {
        angle[J] = text(columnAngleDegrees(J, p.NT).value(), ',');
    }
    std::string csv(Header);
    csv.reserve(Header.size() + MaxRow * static_cast<std::size_t>(points * columns));
    for (long I = 1; I <= points; ++I) {
        const std::string point = text(I, ',');
        const std::string where = text(pointAngleDegrees(s.FI(I), c.PI).value(), ',') +
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

} // namespace solva::cli
