// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "cli/points_csv.h"

#include "cli/line_reader.h"
#include "cli/quoted_text.h"
#include "cli/standard_output.h"
#include "cli/usage_error.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <new>
#include <optional>
#include <ostream>
#include <string_view>

namespace solva::cli {

namespace {

constexpr std::string_view Blanks = " \t";
// What splits the first token of a possible heading; only commas separate numbers.
constexpr std::string_view TokenEnds = ",; \t";

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

// The number that is the whole of text (blanks around it aside) into value;
// invalid_argument when text is not one number.
std::errc readNumber(std::string_view text, double& value) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    const bool whole = !text.empty() && end == text.data() + text.size();
    return whole ? error : std::errc::invalid_argument;
}

// Whether token is written as a number, even one that is malformed or out of
// range: such a first token starts a point, never a heading.
bool looksLikeNumber(std::string_view token) {
    std::string lower;
    for (const char c : token.substr(token.starts_with('+') || token.starts_with('-') ? 1 : 0)) {
        lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    if (lower == "inf" || lower == "infinity" || lower == "nan") {
        return true;
    }
    return lower.find_first_not_of("0123456789+-.e") == std::string::npos &&
           lower.find_first_of("0123456789") != std::string::npos;
}

bool isHeading(std::string_view row) {
    const std::string_view text = trimmed(row);
    return !looksLikeNumber(text.substr(0, text.find_first_of(TokenEnds)));
}

// A semicolon, tab or space inside a field of row, where a comma was meant.
std::optional<char> separatorFound(std::string_view row) {
    for (std::size_t start = 0; start <= row.size();) {
        const std::size_t comma = std::min(row.find(',', start), row.size());
        const std::string_view field = trimmed(row.substr(start, comma - start));
        if (const auto at = field.find_first_of(TokenEnds); at != std::string_view::npos) {
            return field[at];
        }
        start = comma + 1;
    }
    return std::nullopt;
}

[[noreturn]] void notThreeNumbers(std::string_view row, long line) {
    std::string problem = "line " + std::to_string(line) + " is not three numbers x,y,z";
    if (const std::optional<char> separator = separatorFound(row)) {
        problem += " separated by commas (found '" + shown({&*separator, 1}) + "')";
    }
    throw UsageError(problem + ": " + quoted(row));
}

std::array<double, 3> readRow(std::string_view row, long line) {
    std::array<double, 3> p{};
    std::size_t start = 0;
    for (std::size_t k = 0; k < p.size(); ++k) {
        const std::size_t comma = row.find(',', start);
        const bool last = k + 1 == p.size();
        if (last != (comma == std::string_view::npos)) {
            notThreeNumbers(row, line);
        }
        const std::string_view field = row.substr(start, comma - start);
        const std::errc error = readNumber(field, p[k]);
        if (error == std::errc::result_out_of_range) {
            throw UsageError("line " + std::to_string(line) + ": " + quoted(trimmed(field)) +
                             " is out of range");
        }
        if (error != std::errc()) {
            notThreeNumbers(row, line);
        }
        start = comma + 1;
    }
    return p;
}

void readRows(LineReader& reader, Points& points) {
    bool first = true; // no row read yet, so a heading may come
    std::string line;
    while (reader.next(line)) {
        std::string_view row = line;
        if (row.ends_with('\r')) {
            row.remove_suffix(1);
        }
        if (trimmed(row).empty() || trimmed(row).front() == '#') {
            continue;
        }
        const bool heading = first && isHeading(row);
        first = false;
        if (!heading) {
            const std::array<double, 3> p = readRow(row, reader.number());
            points.xyz.insert(points.xyz.end(), p.begin(), p.end());
            points.lines.push_back(reader.number());
        }
    }
}

UsageError unreadable(const std::string& name, int error) {
    return UsageError("Cannot read the points file \"" + name + "\": " + std::strerror(error));
}

void append(std::string& line, double value) {
    char text[32];
    line.append(text, std::to_chars(text, text + sizeof text, value).ptr);
}

// The header, then one row a point: the values row(i) gives for point i.
template <class Row>
void writeRows(std::ostream& out, const char* header, std::size_t n, const Row& row) {
    write(out, header);
    std::string line;
    for (std::size_t i = 0; i < n; ++i) {
        line.clear();
        for (const double value : row(i)) {
            append(line, value);
            line += ',';
        }
        line.back() = '\r';
        line += '\n';
        write(out, line);
    }
    flush(out);
}

} // namespace

Points readPoints(const std::string& name) {
    Points points;
    try {
        const File input = openForReading(name);
        LineReader reader(input.get());
        readRows(reader, points);
    } catch (const ReadError& e) {
        if (e.error() != 0) {
            throw unreadable(name, e.error());
        }
        throw UsageError("line " + std::to_string(e.line()) + " is longer than " +
                         std::to_string(MaxLineBytes) + " bytes, more than any point needs");
    } catch (const std::bad_alloc&) {
        throw unreadable(name, ENOMEM);
    }
    if (points.lines.empty()) {
        throw UsageError((name == "-" ? "standard input" : "the points file \"" + name + "\"") +
                         " holds no point");
    }
    return points;
}

void writeField(std::ostream& out, const std::vector<double>& xyz,
                const std::vector<double>& potential, const std::vector<double>& velocity,
                const std::vector<double>& cu, const std::vector<double>& cp) {
    writeRows(out, "x,y,z,phi,u,v,w,Cu,Cp\r\n", potential.size(), [&](std::size_t i) {
        return std::array{xyz[3 * i],          xyz[3 * i + 1],  xyz[3 * i + 2],
                          potential[i],        velocity[3 * i], velocity[3 * i + 1],
                          velocity[3 * i + 2], cu[i],           cp[i]};
    });
}

void writeMotion(std::ostream& out, const std::vector<double>& xyz,
                 const std::vector<double>& potential, const std::vector<double>& velocity) {
    writeRows(out, "x,y,z,phi,u,v,w\r\n", potential.size(), [&](std::size_t i) {
        return std::array{xyz[3 * i],      xyz[3 * i + 1],      xyz[3 * i + 2],     potential[i],
                          velocity[3 * i], velocity[3 * i + 1], velocity[3 * i + 2]};
    });
}

} // namespace solva::cli
