// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "cli/field_command.h"

#include "cli/points_csv.h"
#include "spheroid/flow.h"
#include "spheroid/spheroid_error.h"

#include <CLI/CLI.hpp>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace solva::cli {

namespace {

using namespace solva::spheroid;

constexpr const char* Footer = R"(
Points: one row x,y,z a line, three numbers separated by commas (body axes: x along the
axis, y towards angle 0, z towards 90°; lengths in units of the axis length 2a = 1); empty
lines, lines starting with # and a first row that does not start with a number (a header
such as x,y,z) are skipped; a line may hold at most 1 MiB. Output: x,y,z,phi,u,v,w,Cu,Cp,
numbers in their shortest exact form. --inside-nan covers points inside the body only: a
point not finite or too far always stops the command.

Exit status: 0 done, 1 a point inside the body (without --inside-nan), not finite or too
far, a value out of range or output that could not be written, 2 a usage error or a points
file that cannot be read, holds no point or has a row that is not x,y,z.

Example:
  printf '1,0,0\n0,0.2,0.3\n' | ellipsoid-flow-cli field --lambda 0.2 --alpha 20 --beta 0 -
)";

struct FieldInputs {
    BodyAndStream body;
    std::string points; // --points FILE
    std::string source; // "-"
    bool insideAsNaN = false;
};

// The first point with no flow that --inside-nan does not cover, named by its
// line: at() says why there is none.
void checkRefusedPoints(const Flow& flow, const Points& points, const std::vector<double>& cu,
                        bool insideAsNaN) {
    for (std::size_t i = 0; i < cu.size(); ++i) {
        const Vector3 p{points.xyz[3 * i], points.xyz[3 * i + 1], points.xyz[3 * i + 2]};
        if (std::isnan(cu[i]) && !(insideAsNaN && flow.body().contains(p))) {
            try {
                flow.at(p);
            } catch (const SpheroidError& e) {
                throw SpheroidError("line " + std::to_string(points.lines[i]) + ": " + e.what());
            }
        }
    }
}

void field(const FieldInputs& in, std::ostream& out) {
    const Flow flow(Spheroid::fromLambda(in.body.lambda), *in.body.alpha, *in.body.beta);
    const Points points = readPoints(in.points.empty() ? in.source : in.points);
    const std::size_t n = points.lines.size();
    std::vector<double> potential(n), velocity(3 * n), cu(n), cp(n);
    flow.evaluate(points.xyz, {potential, velocity, cu, cp}, InsidePoints::NaN);
    checkRefusedPoints(flow, points, cu, in.insideAsNaN);
    writeField(out, points.xyz, potential, velocity, cu, cp);
}

} // namespace

SpheroidCommand setUpFieldCommand(CLI::App& program) {
    const auto in = std::make_shared<FieldInputs>();
    CLI::App& command = addSpheroidCommand(
        program, "field", "The exact flow at each point of a CSV file, on or off the body.", Footer,
        in->body, true);
    CLI::Option* points =
        command.add_option("--points", in->points, "The points, x,y,z rows (- for standard input)")
            ->type_name("FILE");
    CLI::Option* source =
        command.add_option("source", in->source, "- reads the points from standard input")
            ->check(CLI::IsMember({"-"}));
    points->excludes(source);
    command.add_flag("--inside-nan", in->insideAsNaN,
                     "Give nan for points inside the body instead of stopping");
    // Once the options are all read, as CLI11 reports its own errors.
    command.callback([in] {
        if (in->points.empty() && in->source.empty()) {
            throw CLI::RequiredError("--points FILE or - (standard input)");
        }
    });
    return {&command, [in](std::ostream& out) { field(*in, out); }};
}

} // namespace solva::cli
