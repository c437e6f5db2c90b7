// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
// Prints the velocity at a point and the added-mass matrix of a spheroid and
// of a 3:2:1 ellipsoid, one quantity a line ("body quantity numbers…"), each
// number in the shortest form that reads back to the same double, for
// comparison with ellipsoid-flow-cli field and inertia.
#include "ellipsoid/added_mass.h"
#include "ellipsoid/flow.h"
#include "spheroid/added_mass.h"
#include "spheroid/flow.h"

#include <charconv>
#include <iostream>
#include <span>
#include <string>

namespace {

void printNumbers(std::span<const double> values) {
    for (const double value : values) {
        char text[32];
        std::cout << ' '
                  << std::string_view(text, std::to_chars(text, text + sizeof text, value).ptr);
    }
}

void print(const std::string& label, std::span<const double> values) {
    std::cout << label;
    printNumbers(values);
    std::cout << '\n';
}

// The 36 entries on one line, row by row.
void print(const std::string& label, const solva::spheroid::Matrix6& m) {
    std::cout << label;
    for (const auto& row : m) {
        printNumbers(row);
    }
    std::cout << '\n';
}

} // namespace

int main() {
    namespace sph = solva::spheroid;
    namespace ell = solva::ellipsoid;

    // λ = 0.2, axis length 1, α = 20°, β = 10°; the matrix about x = 0.25.
    const sph::Spheroid spheroid = sph::Spheroid::fromLambda(0.2);
    print("spheroid velocity", sph::Flow(spheroid, 20, 10).at({0.6, 0.05, 0.1}).velocity);
    print("spheroid added_mass", sph::addedMassMatrix(spheroid, {0.25, 0, 0}));

    // Semi-axes 3, 2, 1, the same stream; the matrix about z = 0.5.
    const ell::Ellipsoid ellipsoid(3, 2, 1);
    print("ellipsoid velocity", ell::Flow(ellipsoid, 20, 10).at({3.5, 0.5, 0.5}).velocity);
    print("ellipsoid added_mass", ell::addedMassMatrix(ellipsoid, {0, 0, 0.5}));
}
