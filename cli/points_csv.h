// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The CSV of `ellipsoid-flow-cli field`: x,y,z rows in, and the flow at each
// point out (of the stream or about the moving body), every number in its
// shortest form that reads back exactly.

#include <iosfwd>
#include <string>
#include <vector>

namespace solva::cli {

// The points of a CSV file: contiguous x, y, z triples, and the line each
// came from.
struct Points {
    std::vector<double> xyz;
    std::vector<long> lines;
};

// Reads the file `name`, or standard input for "-", line by line as the runs
// file is read (a UTF-8 byte-order mark at the start is skipped, a line may
// hold at most MaxLineBytes). Each row is three numbers separated by commas;
// spaces and tabs around a number and a carriage return at the end of a line
// are allowed. Empty lines and lines starting with # are skipped, and so is
// the first other line when its first token (up to a comma, semicolon, tab or
// space) is not written as a number: a heading such as x,y,z. A token written
// as a number is made of digits, signs, points and exponent letters (e, E),
// with at least one digit, or is inf, infinity or nan. Throws UsageError, its
// what() naming the file or the line, when
// the file cannot be read (or its points do not fit in memory), holds no
// point, or has a line that is too long, not three numbers (naming the
// separator when it is a semicolon, tab or space) or a number out of range.
Points readPoints(const std::string& name);

// Writes the header x,y,z,phi,u,v,w,Cu,Cp and one row a point, as the grid
// CSV (RFC 4180, CRLF line ends); a point with no flow (inside the body) has
// nan in every column after its coordinates. Throws OutputLost when `out`
// cannot take what is written.
void writeField(std::ostream& out, const std::vector<double>& xyz,
                const std::vector<double>& potential, const std::vector<double>& velocity,
                const std::vector<double>& cu, const std::vector<double>& cp);

// Writes the header x,y,z,phi,u,v,w and one row a point as writeField does:
// the fluid about a moving body.
void writeMotion(std::ostream& out, const std::vector<double>& xyz,
                 const std::vector<double>& potential, const std::vector<double>& velocity);

} // namespace solva::cli
