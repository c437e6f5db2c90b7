// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "cli/inertia_command.h"

#include "cli/standard_output.h"
#include "ellipsoid/added_mass.h"
#include "ellipsoid/flow.h"
#include "spheroid/added_mass.h"
#include "spheroid/flow.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <memory>
#include <string>
#include <vector>

namespace solva::cli {

namespace {

using namespace solva::spheroid;
using nlohmann::json;

constexpr const char* Footer = R"(
Without --length and --rho the values are in units of the density and the axis length 2a;
with them, in those units (kg/m³ and m, say): masses in ρL³, couplings in ρL⁴, moments of
inertia in ρL⁵. --about is in the same length unit. With --alpha, --beta or --speed the
object also holds Cp_min, the two stagnation points and the Munk moment of the stream about
the centre, in ρU²L³ (N·m with kg/m³, m/s and m; U = 1 without --speed). A steady potential
flow exerts no net force on the body, so there is none to give. A result beyond the range
of a double is an error (status 1) naming the quantity and the inputs.

With --axes A,B,C (semi-axes along x, y, z, in the length unit L, so no --length) the
object holds axes, shape_integrals, k_translation and k_rotation (one value an axis),
volume, area, rho, about and added_mass (rows and columns u, v, w, p, q, r), and with
--alpha, --beta or --speed the stream's values as above.

Examples:
  ellipsoid-flow-cli inertia --lambda 0.2 --about 0.25,0,0 --alpha 10 --beta 0
  ellipsoid-flow-cli inertia --lambda 1/8 --rho 1025 --length 80 --alpha 5 --speed 7.5
  ellipsoid-flow-cli inertia --axes 3,2,1 --about 0,0,0.5 --alpha 10
)";

struct InertiaInputs {
    BodyAndStream stream;
    std::vector<double> about; // empty or X, Y, Z
    std::optional<double> rho, length, speed;
};

json vector(const Vector3& v) {
    return json::array({v[0], v[1], v[2]});
}

json matrix(const Matrix6& m) {
    json rows = json::array();
    for (const auto& row : m) {
        rows.push_back(row);
    }
    return rows;
}

// The values of the body alone, added-mass matrix included.
json bodyValues(const Spheroid& body, const InertiaInputs& in, const Vector3& about,
                double density) {
    return {{"lambda", in.stream.lambda},
            {"length", in.length.value_or(1)},
            {"rho", density},
            {"alpha0", body.alpha0()},
            {"beta0", body.beta0()},
            {"k1", body.k1()},
            {"k2", body.k2()},
            {"k_prime", body.kPrime()},
            {"volume", body.volume()},
            {"area", body.area()},
            {"about", vector(about)},
            {"added_mass", matrix(addedMassMatrix(body, about, density))}};
}

json bodyValues(const ellipsoid::Ellipsoid& body, const Vector3& about, double density) {
    return {{"axes", vector(body.axes())},
            {"rho", density},
            {"shape_integrals", vector(body.shapeIntegrals())},
            {"k_translation", vector(body.kTranslation())},
            {"k_rotation", vector(body.kRotation())},
            {"volume", body.volume()},
            {"area", body.area()},
            {"about", vector(about)},
            {"added_mass", matrix(ellipsoid::addedMassMatrix(body, about, density))}};
}

// What the stream adds: its angles, Cp_min, the stagnation points and the
// Munk moment (`munk`), for the flow of either library.
template <class StreamFlow>
void addStreamValues(json& result, const StreamFlow& flow, const BodyAndStream& stream,
                     const Vector3& munk) {
    const StagnationPoints stagnation = flow.stagnationPoints();
    result["alpha_deg"] = stream.alpha.value_or(0);
    result["beta_deg"] = stream.beta.value_or(0);
    result["cp_min"] = flow.cpMin();
    result["stagnation_points"] = {{"front", vector(stagnation.front)},
                                   {"rear", vector(stagnation.rear)}};
    result["munk_moment"] = vector(munk);
}

json spheroidInertia(const InertiaInputs& in, const Vector3& about, double density) {
    const Spheroid body = Spheroid::fromLambda(in.stream.lambda).scaled(in.length.value_or(1));
    json result = bodyValues(body, in, about, density);
    if (in.stream.alpha || in.stream.beta || in.speed) {
        const Flow flow(body, in.stream.alpha.value_or(0), in.stream.beta.value_or(0));
        addStreamValues(result, flow, in.stream, flow.munkMoment(density, in.speed.value_or(1)));
    }
    return result;
}

json ellipsoidInertia(const InertiaInputs& in, const Vector3& about, double density) {
    const ellipsoid::Ellipsoid body = ellipsoidOf(in.stream);
    json result = bodyValues(body, about, density);
    if (in.stream.alpha || in.stream.beta || in.speed) {
        const ellipsoid::Flow flow(body, in.stream.alpha.value_or(0), in.stream.beta.value_or(0));
        addStreamValues(result, flow, in.stream, flow.munkMoment(density, in.speed.value_or(1)));
    }
    return result;
}

void inertia(const InertiaInputs& in, std::ostream& out) {
    const double density = in.rho.value_or(1);
    const Vector3 about =
        in.about.empty() ? Vector3{0, 0, 0} : Vector3{in.about[0], in.about[1], in.about[2]};
    const json result = in.stream.axes.empty() ? spheroidInertia(in, about, density)
                                               : ellipsoidInertia(in, about, density);
    emit(out, result.dump() + '\n');
}

} // namespace

SpheroidCommand setUpInertiaCommand(CLI::App& program) {
    const auto in = std::make_shared<InertiaInputs>();
    CLI::App& command = addSpheroidCommand(
        program, "inertia",
        "The inertia of the body: coefficients, volume, area, added-mass matrix.", Footer,
        in->stream);
    command
        .add_option("--about", in->about, "Reference point X,Y,Z of the matrix (default: centre)")
        ->delimiter(',')
        ->expected(3);
    command.add_option("--rho", in->rho, "Fluid density (default 1)");
    command.add_option("--length", in->length, "Axis length 2a (default 1)")->excludes("--axes");
    command.add_option("--speed", in->speed, "Stream speed U of the Munk moment (default 1)");
    command.callback([&command] { checkBody(command, false); });
    return {&command, [in](std::ostream& out) { inertia(*in, out); }};
}

} // namespace solva::cli
