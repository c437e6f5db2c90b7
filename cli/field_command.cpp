// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "cli/field_command.h"

#include "cli/points_csv.h"
#include "ellipsoid/ellipsoid_error.h"
#include "ellipsoid/flow.h"
#include "ellipsoid/motion.h"
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
axis, y towards angle 0, z towards 90°; lengths in units of the axis length 2a = 1; with
--axes, x, y, z along A, B, C in their unit); empty lines, lines starting with # and a
first row that does not start with a number (a header such as x,y,z) are skipped; a line
may hold at most 1 MiB. Output: x,y,z,phi,u,v,w,Cu,Cp, numbers in their shortest exact
form; with --motion x,y,z,phi,u,v,w, the potential and velocity of the fluid about the
moving body (rotation about its centre, fluid at rest far away). --inside-nan covers
points inside the body only: a point not finite or too far always stops the command.

Exit status: 0 done, 1 a point inside the body (without --inside-nan), not finite or too
far, a value out of range or output that could not be written, 2 a usage error or a points
file that cannot be read, holds no point or has a row that is not x,y,z.

Examples:
  printf '1,0,0\n0,0.2,0.3\n' | ellipsoid-flow-cli field --lambda 0.2 --alpha 20 --beta 0 -
  ellipsoid-flow-cli field --axes 3,2,1 --motion 1,0,0,0,0,0.5 --points points.csv
)";

struct FieldInputs {
    BodyAndStream body;
    std::vector<double> motion; // empty or U, V, W, P, Q, R (--motion)
    std::string points;         // --points FILE
    std::string source;         // "-"
    bool insideAsNaN = false;
};

Points pointsOf(const FieldInputs& in) {
    return readPoints(in.points.empty() ? in.source : in.points);
}

// The first point with no value (marks[i] nan) that --inside-nan does not
// cover, named by its line: at(p) says why there is none, throwing Error.
template <class Error, class Body, class At>
void checkRefusedPoints(const Body& body, const At& at, const Points& points,
                        const std::vector<double>& marks, bool insideAsNaN) {
    for (std::size_t i = 0; i < marks.size(); ++i) {
        const Vector3 p{points.xyz[3 * i], points.xyz[3 * i + 1], points.xyz[3 * i + 2]};
        if (std::isnan(marks[i]) && !(insideAsNaN && body.contains(p))) {
            try {
                at(p);
            } catch (const Error& e) {
                throw Error("line " + std::to_string(points.lines[i]) + ": " + e.what());
            }
        }
    }
}

// The stream past the body at rest, of either library.
template <class Error, class StreamFlow>
void streamField(const StreamFlow& flow, const FieldInputs& in, std::ostream& out) {
    const Points points = pointsOf(in);
    const std::size_t n = points.lines.size();
    std::vector<double> potential(n), velocity(3 * n), cu(n), cp(n);
    flow.evaluate(points.xyz, {potential, velocity, cu, cp}, InsidePoints::NaN);
    checkRefusedPoints<Error>(
        flow.body(), [&flow](const Vector3& p) { flow.at(p); }, points, cu, in.insideAsNaN);
    writeField(out, points.xyz, potential, velocity, cu, cp);
}

// The fluid about the ellipsoid moving through it.
void motionField(const FieldInputs& in, std::ostream& out) {
    const ellipsoid::Ellipsoid body = ellipsoidOf(in.body);
    const std::vector<double>& m = in.motion;
    const ellipsoid::Motion motion(body, {m[0], m[1], m[2]}, {m[3], m[4], m[5]});
    const Points points = pointsOf(in);
    const std::size_t n = points.lines.size();
    std::vector<double> potential(n), velocity(3 * n);
    motion.evaluate(points.xyz, potential, velocity, InsidePoints::NaN);
    checkRefusedPoints<ellipsoid::EllipsoidError>(
        body, [&motion](const Vector3& p) { motion.at(p); }, points, potential, in.insideAsNaN);
    writeMotion(out, points.xyz, potential, velocity);
}

void field(const FieldInputs& in, std::ostream& out) {
    if (!in.motion.empty()) {
        motionField(in, out);
    } else if (!in.body.axes.empty()) {
        streamField<ellipsoid::EllipsoidError>(
            ellipsoid::Flow(ellipsoidOf(in.body), *in.body.alpha, *in.body.beta), in, out);
    } else {
        streamField<SpheroidError>(
            Flow(Spheroid::fromLambda(in.body.lambda), *in.body.alpha, *in.body.beta), in, out);
    }
}

} // namespace

SpheroidCommand setUpFieldCommand(CLI::App& program) {
    const auto in = std::make_shared<FieldInputs>();
    CLI::App& command = addSpheroidCommand(
        program, "field", "The exact flow at each point of a CSV file, on or off the body.", Footer,
        in->body);
    command
        .add_option("--motion", in->motion,
                    "Velocity U,V,W and angular velocity P,Q,R (radians per unit time) of the "
                    "ellipsoid through still fluid, instead of a stream")
        ->delimiter(',')
        ->expected(6)
        ->allow_extra_args(false) // leaves "-" to the points
        ->needs("--axes")
        ->excludes("--alpha")
        ->excludes("--beta");
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
    command.callback([in, &command] {
        checkBody(command, in->motion.empty());
        if (in->points.empty() && in->source.empty()) {
            throw CLI::RequiredError("--points FILE or - (standard input)");
        }
    });
    return {&command, [in](std::ostream& out) { field(*in, out); }};
}

} // namespace solva::cli
