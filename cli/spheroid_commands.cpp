// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "cli/spheroid_commands.h"

#include "cli/number_or_fraction.h"
#include "cli/options.h"
#include "cli/points_csv.h"
#include "cli/standard_output.h"
#include "spheroid/added_mass.h"
#include "spheroid/flow.h"
#include "spheroid/spheroid_error.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <cmath>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace solva::cli {

namespace {

using namespace solva::spheroid;
using nlohmann::json;

constexpr const char* FieldFooter = R"(
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

constexpr const char* InertiaFooter = R"(
Without --length and --rho the values are in units of the density and the axis length 2a;
with them, in those units (kg/m³ and m, say): masses in ρL³, couplings in ρL⁴, moments of
inertia in ρL⁵. --about is in the same length unit. With --alpha, --beta or --speed the
object also holds Cp_min, the two stagnation points and the Munk moment of the stream about
the centre, in ρU²L³ (N·m with kg/m³, m/s and m; U = 1 without --speed). A steady potential
flow exerts no net force on the body, so there is none to give. A result beyond the range
of a double is an error (status 1) naming the quantity and the inputs.

Examples:
  ellipsoid-flow-cli inertia --lambda 0.2 --about 0.25,0,0 --alpha 10 --beta 0
  ellipsoid-flow-cli inertia --lambda 1/8 --rho 1025 --length 80 --alpha 5 --speed 7.5
)";

json vector(const Vector3& v) {
    return json::array({v[0], v[1], v[2]});
}

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

int field(double lambda, double alpha, double beta, const std::string& source, bool insideAsNaN,
          std::ostream& out) {
    const Flow flow(Spheroid::fromLambda(lambda), alpha, beta);
    const Points points = readPoints(source);
    const std::size_t n = points.lines.size();
    std::vector<double> potential(n), velocity(3 * n), cu(n), cp(n);
    flow.evaluate(points.xyz, {potential, velocity, cu, cp}, InsidePoints::NaN);
    checkRefusedPoints(flow, points, cu, insideAsNaN);
    writeField(out, points.xyz, potential, velocity, cu, cp);
    return 0;
}

int inertia(double lambda, const std::vector<double>& about, std::optional<double> rho,
            std::optional<double> length, std::optional<double> alpha, std::optional<double> beta,
            std::optional<double> speed, std::ostream& out) {
    const double size = length.value_or(1), density = rho.value_or(1);
    const Spheroid body = Spheroid::fromLambda(lambda).scaled(size);
    const Vector3 point = about.empty() ? Vector3{0, 0, 0} : Vector3{about[0], about[1], about[2]};
    json result = {{"lambda", lambda},        {"length", size},           {"rho", density},
                   {"alpha0", body.alpha0()}, {"beta0", body.beta0()},    {"k1", body.k1()},
                   {"k2", body.k2()},         {"k_prime", body.kPrime()}, {"volume", body.volume()},
                   {"area", body.area()},     {"about", vector(point)}};
    json matrix = json::array();
    for (const auto& row : addedMassMatrix(body, point, density)) {
        matrix.push_back(row);
    }
    result["added_mass"] = matrix;
    if (alpha || beta || speed) {
        const Flow flow(body, alpha.value_or(0), beta.value_or(0));
        const StagnationPoints stagnation = flow.stagnationPoints();
        result["alpha_deg"] = alpha.value_or(0);
        result["beta_deg"] = beta.value_or(0);
        result["cp_min"] = flow.cpMin();
        result["stagnation_points"] = {{"front", vector(stagnation.front)},
                                       {"rear", vector(stagnation.rear)}};
        result["munk_moment"] = vector(flow.munkMoment(density, speed.value_or(1)));
    }
    emit(out, result.dump() + '\n');
    return 0;
}

} // namespace

std::optional<int> runSpheroidCommand(int argc, const char* const* argv, std::ostream& out,
                                      std::ostream& err) {
    const std::string name = argc >= 2 ? argv[1] : "";
    if (name != "field" && name != "inertia") {
        return std::nullopt;
    }
    const std::string program = std::string("ellipsoid-flow-cli ") + name;
    double lambda = 0;
    std::optional<double> alpha, beta, rho, length, speed;
    std::vector<double> about;
    std::string points, source;
    bool insideAsNaN = false;

    CLI::App app(name == "field"
                     ? "The exact flow at each point of a CSV file, on or off the body."
                     : "The inertia of the body: coefficients, volume, area, added-mass matrix.",
                 program);
    app.add_option_function<std::string>(
           "--lambda",
           [&lambda](const std::string& text) { lambda = numberOrFraction("--lambda", text); },
           "Thickness ratio b/a, 1E-6 to 1E6 (>1: oblate), or a fraction such as 1/8")
        ->type_name("FLOAT")
        ->required();
    auto* alphaOption = app.add_option("--alpha", alpha, "Angle of attack, degrees");
    auto* betaOption = app.add_option("--beta", beta, "Yaw angle, degrees");
    if (name == "field") {
        alphaOption->required();
        betaOption->required();
        auto* pointsOption =
            app.add_option("--points", points, "The points, x,y,z rows (- for standard input)")
                ->type_name("FILE");
        auto* sourceOption =
            app.add_option("source", source, "- reads the points from standard input")
                ->check(CLI::IsMember({"-"}));
        pointsOption->excludes(sourceOption);
        app.add_flag("--inside-nan", insideAsNaN,
                     "Give nan for points inside the body instead of stopping");
        app.footer(FieldFooter);
    } else {
        app.add_option("--about", about, "Reference point X,Y,Z of the matrix (default: centre)")
            ->delimiter(',')
            ->expected(3);
        app.add_option("--rho", rho, "Fluid density (default 1)");
        app.add_option("--length", length, "Axis length 2a (default 1)");
        app.add_option("--speed", speed, "Stream speed U of the Munk moment (default 1)");
        app.footer(InertiaFooter);
    }
    try {
        for (int i = 2; i < argc && std::string_view(argv[i]) != "--"; ++i) {
            if (const auto problem = flagGivenValue(argv[i], {"--inside-nan", "--help"})) {
                throw CLI::ArgumentMismatch(*problem);
            }
        }
        app.parse(argc - 1, argv + 1);
        if (name == "field" && points.empty() && source.empty()) {
            throw CLI::RequiredError("--points FILE or - (standard input)");
        }
    } catch (const CLI::CallForHelp& e) {
        app.exit(e, out, err);
        try {
            flush(out);
        } catch (const OutputLost& lost) {
            err << program << ": " << lost.what() << '\n';
            return 1;
        }
        return 0;
    } catch (const CLI::ParseError& e) {
        err << program << ": " << e.what() << "\n\"" << program
            << " --help\" shows every option.\n";
        return 2;
    }
    try {
        if (name == "field") {
            return field(lambda, *alpha, *beta, points.empty() ? source : points, insideAsNaN, out);
        }
        return inertia(lambda, about, rho, length, alpha, beta, speed, out);
    } catch (const PointsError& e) { // as for a runs file: nothing is computed
        err << program << ": " << e.what() << '\n';
        return 2;
    } catch (const std::exception& e) { // a value out of range; or out of memory, say
        err << program << ": " << e.what() << '\n';
        return 1;
    }
}

} // namespace solva::cli
