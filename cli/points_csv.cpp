// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "cli/points_csv.h"

#include "cli/standard_output.h"

#include <charconv>
#include <istream>
#include <ostream>
#include <string_view>

namespace solva::cli {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The number that is the whole of text, if it is one.
bool readNumber(std::string_view text, double& value) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

void append(std::string& line, double value) {
    char text[32];
    line.append(text, std::to_chars(text, text + sizeof text, value).ptr);
}

} // namespace

Points readPoints(std::istream& in) {
    Points points;
    std::string line;
    for (long number = 1; std::getline(in, line); ++number) {
        std::string_view row = line;
        if (!row.empty() && row.back() == '\r') {
            row.remove_suffix(1);
        }
        if (trimmed(row).empty() || trimmed(row).front() == '#') {
            continue;
        }
        double p[3];
        std::size_t start = 0;
        bool ok = true;
        for (int k = 0; k < 3 && ok; ++k) {
            const std::size_t comma = k < 2 ? row.find(',', start) : row.size();
            ok = comma != std::string_view::npos &&
                 readNumber(row.substr(start, comma - start), p[k]) &&
                 (k < 2 || row.find(',', start) == std::string_view::npos);
            start = comma + 1;
        }
        if (!ok) {
            double first;
            const bool header = number == 1 && !readNumber(row.substr(0, row.find(',')), first);
            if (header) {
                continue;
            }
            throw PointsError("line " + std::to_string(number) + " is not three numbers x,y,z: \"" +
                              std::string(row) + "\"");
        }
        points.xyz.insert(points.xyz.end(), p, p + 3);
        points.lines.push_back(number);
    }
    return points;
}

void writeField(std::ostream& out, const std::vector<double>& xyz,
                const std::vector<double>& potential, const std::vector<double>& velocity,
                const std::vector<double>& cu, const std::vector<double>& cp) {
    write(out, "x,y,z,phi,u,v,w,Cu,Cp\r\n");
    std::string line;
    for (std::size_t i = 0; i < potential.size(); ++i) {
        line.clear();
        for (const double value :
             {xyz[3 * i], xyz[3 * i + 1], xyz[3 * i + 2], potential[i], velocity[3 * i],
              velocity[3 * i + 1], velocity[3 * i + 2], cu[i], cp[i]}) {
            append(line, value);
            line += ',';
        }
        line.back() = '\r';
        line += '\n';
        write(out, line);
    }
    flush(out);
}

} // namespace solva::cli
