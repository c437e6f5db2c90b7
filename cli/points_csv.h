// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The CSV of `ellipsoid-flow-cli field`: x,y,z rows in, and the flow at each
// point out, every number in its shortest form that reads back exactly.

#include "spheroid/flow.h"

#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

namespace solva::cli {

// A row of the points CSV that is not three numbers; names its line.
class PointsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The points of a CSV file: contiguous x, y, z triples, and the line each
// came from.
struct Points {
    std::vector<double> xyz;
    std::vector<long> lines;
};

// Reads rows of three numbers separated by commas. Empty lines, lines starting with # and a first
// line that does not start with a number (a header such as x,y,z) are skipped; spaces around a
// number and a carriage return at the end of a line are allowed. Throws PointsError naming the
// first line that is none of these.
Points readPoints(std::istream& in);

// Writes the header x,y,z,phi,u,v,w,Cu,Cp and one row a point, as the grid
// CSV (RFC 4180, CRLF line ends); a point with no flow (inside the body) has
// nan in every column after its coordinates. Throws OutputLost when `out`
// cannot take what is written.
void writeField(std::ostream& out, const std::vector<double>& xyz,
                const std::vector<double>& potential, const std::vector<double>& velocity,
                const std::vector<double>& cu, const std::vector<double>& cp);

} // namespace solva::cli
