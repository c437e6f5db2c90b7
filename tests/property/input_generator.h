// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// Input texts for whole runs, drawn from a seeded generator: the numbers at
// and around every boundary of the five boxes plus random ones, each dressed
// in one of the shapes the numeric reader meets.

#include "app/run.h"

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>

namespace solva::property {

enum class Shape {
    Decimal,     // a plain number
    Exponent,    // mantissa and exponent, up to +-400
    Radix,       // &H / &O in either case
    Blanks,      // blanks, tabs and line feeds inside
    Comma,       // a comma where a point or a thousands mark might go
    Letters,     // letters and stray signs before or after
    NonAscii,    // UTF-8 characters inside
    Long,        // 10,000 characters
    Empty,       // nothing, or blanks only
    RandomBytes, // anything at all
};
inline constexpr int ShapeCount = 10;
std::string_view shapeName(Shape shape);

struct Box {
    std::string text;
    Shape shape = Shape::Decimal;
};

struct GeneratedInputs {
    std::array<Box, 5> boxes; // Lamda, NXX, NT, AlfaD, BetaD
    InputTexts texts() const;
    // The five texts, escaped, for a failure message.
    std::string describe() const;
};

class InputGenerator {
public:
    explicit InputGenerator(std::uint64_t seed);
    GeneratedInputs next();

private:
    enum class Field { Lamda, NXX, NT, Angle };
    std::string numberFor(Field field);
    // Dresses a number in a shape; a plain one only as a number, maybe with blanks.
    Box dress(std::string number, bool plain);
    std::size_t below(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_);
    }
    bool chance(double p) { return std::bernoulli_distribution(p)(rng_); }
    double uniform(double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(rng_);
    }
    std::string randomLiteral(double v);

    std::mt19937_64 rng_;
    std::discrete_distribution<int> shapes_;
};

} // namespace solva::property
