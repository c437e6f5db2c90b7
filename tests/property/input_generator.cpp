// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "input_generator.h"

#include "support/files.h"

#include <array>
#include <cstdio>
#include <cstdlib>

namespace solva::property {

namespace {

const char* const LamdaEdges[] = {"-1",
                                  "0",
                                  "1",
                                  "1E-08",
                                  "-1E-08",
                                  "0.999999",
                                  "1.000001",
                                  "-0.999999",
                                  "-1.000001",
                                  "1E+300",
                                  "1.7976931348623157E308",
                                  "-1E300",
                                  "0.2",
                                  "0.5",
                                  "1E-300"};
const char* const NXXEdges[] = {"0",        "0.5",   "1",      "2",    "17",    "18.5",
                                "399",      "400",   "401",    "-1",   "-18.5", "0.999999",
                                "1.000001", "1E300", "-1E300", "1E-08"};
const char* const NTEdges[] = {"0",    "0.49", "0.5",  "18",    "18.4",   "18.5",   "19",   "-1",
                               "-0.5", "0.25", "0.51", "1E300", "-1E300", "1E-300", "17.99"};
const char* const AngleEdges[] = {"0",
                                  "1E-08",
                                  "-1E-08",
                                  "2E-08",
                                  "-2E-08",
                                  "1.0000001E-08",
                                  "9.999999E-09",
                                  "90",
                                  "180",
                                  "360",
                                  "-90",
                                  "-180",
                                  "720",
                                  "1E300",
                                  "1.7976931348623157E308",
                                  "1.7976931348623159E308",
                                  "-1E308",
                                  "1E-300",
                                  "1E15",
                                  "1E16",
                                  "1E200"};

template <std::size_t N> const char* pick(const char* const (&pool)[N], std::size_t i) {
    return pool[i % N];
}

const char* const NonAsciiPieces[] = {
    "\xC2\xA0",         // no-break space
    "\xE2\x88\x92",     // minus sign
    "\xEF\xBC\x91",     // fullwidth digit one
    "\xC4\xB1",         // dotless i
    "\xC3\xA7",         // c cedilla
    "\xC2\xBD",         // one half
    "\xC2\xB7",         // middle dot
    "\xE2\x80\x89",     // thin space
    "\xF0\x9F\x98\x80", // an emoji
    "\xFF",             // bytes no UTF-8 text holds
    "\x80",
};

const char* const Suffixes[] = {"abc", "D3", "d-2", "E",  "e+", "E-",    "..5", "-1",  "+",
                                "%",   "#",  "\r",  "\v", "x",  "0x1p4", "1,5", "e1e1"};

constexpr std::string_view Letters = "bcdgkmqrsuvwzBCDGKMQRSUVWZ";
constexpr std::string_view NumberBytes = "0123456789.eE+-&hHoO \t\n,";
constexpr std::size_t LongLength = 10000;

// A text in a failure message; a 10,000-character one by its two ends.
std::string shown(std::string_view text) {
    if (text.size() <= 200) {
        return test::escaped(text);
    }
    return test::escaped(text.substr(0, 100)) + "...(" + std::to_string(text.size()) +
           " characters)..." + test::escaped(text.substr(text.size() - 60));
}

} // namespace

std::string_view shapeName(Shape shape) {
    // In the order of Shape.
    constexpr std::array<std::string_view, ShapeCount> Names{
        "decimal",   "exponent",          "&H/&O", "blanks inside", "comma", "letters",
        "non-ASCII", "10,000 characters", "empty", "random bytes"};
    return Names.at(static_cast<std::size_t>(shape));
}

InputTexts GeneratedInputs::texts() const {
    return InputTexts{boxes[0].text, boxes[1].text, boxes[2].text, boxes[3].text, boxes[4].text};
}

std::string GeneratedInputs::describe() const {
    static constexpr const char* names[] = {"Lamda", "NXX", "NT", "AlfaD", "BetaD"};
    std::string out;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        out += std::string(i ? ", " : "") + names[i] + " = \"" + shown(boxes[i].text) + "\"";
    }
    return out;
}

std::string InputGenerator::randomLiteral(double v) {
    static constexpr const char* formats[] = {"%.17g", "%.6g", "%.3f", "%g",
                                              "%.10e", "%.2E", "%.0f"};
    char text[400];
    std::snprintf(text, sizeof text, formats[below(std::size(formats))], v);
    return text;
}

std::string InputGenerator::numberFor(Field field) {
    if (chance(0.3)) {
        const std::size_t i = below(64);
        switch (field) {
        case Field::Lamda:
            return pick(LamdaEdges, i);
        case Field::NXX:
            return pick(NXXEdges, i);
        case Field::NT:
            return pick(NTEdges, i);
        case Field::Angle:
            return pick(AngleEdges, i);
        }
    }
    const double r = uniform(0, 1);
    double v = 0;
    switch (field) {
    case Field::Lamda:
        v = r < 0.5 ? uniform(0.01, 1) : r < 0.75 ? uniform(-1.05, 1.05) : 1 - uniform(0, 1E-6);
        break;
    case Field::NXX:
        // Mostly small counts: the boundary values above reach the 400 points.
        v = r < 0.45   ? static_cast<double>(1 + below(60))
            : r < 0.7  ? uniform(0, 60)
            : r < 0.85 ? uniform(-5, 1)
                       : static_cast<double>(below(60)) + 0.5;
        break;
    case Field::NT:
        v = r < 0.4    ? static_cast<double>(1 + below(18))
            : r < 0.7  ? uniform(0, 19)
            : r < 0.85 ? uniform(-3, 1)
                       : static_cast<double>(below(21));
        break;
    case Field::Angle:
        v = r < 0.4    ? 0
            : r < 0.7  ? uniform(-360, 360)
            : r < 0.85 ? static_cast<double>(below(361)) - 180
                       : uniform(-1E6, 1E6);
        break;
    }
    return randomLiteral(v);
}

Box InputGenerator::dress(std::string number, bool plain) {
    Box box;
    box.shape =
        plain ? (chance(0.8) ? Shape::Decimal : Shape::Blanks) : static_cast<Shape>(shapes_(rng_));
    std::string& t = box.text;
    switch (box.shape) {
    case Shape::Decimal:
        t = number;
        break;
    case Shape::Exponent: {
        static constexpr const char* mantissas[] = {"1",
                                                    "9.99",
                                                    "0.5",
                                                    "18",
                                                    "1.7976931348623157",
                                                    "2.2250738585072014",
                                                    "4.9406564584124654",
                                                    "0.000001",
                                                    "123456789",
                                                    "-2.5",
                                                    "0"};
        static constexpr int edges[] = {300, 307, 308, 309, 310, 323, 324, 325, 326, 400};
        const int e = chance(0.5) ? static_cast<int>(below(801)) - 400
                                  : (chance(0.5) ? 1 : -1) * edges[below(std::size(edges))];
        t = chance(0.3) ? number : mantissas[below(std::size(mantissas))];
        t += chance(0.5) ? 'E' : 'e';
        t += e < 0 ? "-" : chance(0.5) ? "+" : "";
        t += std::to_string(std::abs(e));
        break;
    }
    case Shape::Radix: {
        static constexpr const char* prefixes[] = {"&H", "&h", "&O", "&o"};
        static constexpr const char* odd[] = {"&X12", "&", "&&H1", "-&H10", "&H-1", "& H 1 F"};
        if (chance(0.1)) {
            t = odd[below(std::size(odd))];
            break;
        }
        const std::size_t p = below(std::size(prefixes));
        const std::string_view alphabet =
            p < 2 ? std::string_view("0123456789abcdefABCDEF") : std::string_view("01234567");
        const double r = uniform(0, 1);
        const std::size_t n = r < 0.6 ? 1 + below(2) : r < 0.85 ? 3 + below(11) : 14 + below(287);
        t = prefixes[p];
        for (std::size_t i = 0; i < n; ++i) {
            t += alphabet[below(alphabet.size())];
        }
        if (chance(0.2)) {
            static constexpr const char* junk[] = {"G", "8", "9", "z", ".5", " 1", "E5"};
            t += junk[below(std::size(junk))];
        }
        break;
    }
    case Shape::Blanks: {
        static constexpr char blanks[] = {' ', '\t', '\n'};
        t = number;
        for (std::size_t k = 1 + below(4); k > 0; --k) {
            t.insert(below(t.size() + 1), 1, blanks[below(3)]);
        }
        break;
    }
    case Shape::Comma:
        t = number;
        if (const std::size_t point = t.find('.'); point != std::string::npos && chance(0.6)) {
            t[point] = ',';
        } else {
            t.insert(below(t.size() + 1), 1, ',');
        }
        break;
    case Shape::Letters: {
        const double r = uniform(0, 1);
        if (r < 0.35) {
            for (std::size_t k = 1 + below(3); k > 0; --k) {
                t += Letters[below(Letters.size())];
            }
            t += number;
        } else if (r < 0.85) {
            t = number + Suffixes[below(std::size(Suffixes))];
        } else {
            static constexpr const char* signs[] = {"+-", "--", "+", "-+"};
            t = signs[below(std::size(signs))] + number;
        }
        break;
    }
    case Shape::NonAscii:
        t = number;
        t.insert(below(t.size() + 1), NonAsciiPieces[below(std::size(NonAsciiPieces))]);
        break;
    case Shape::Long: {
        const std::size_t kind = below(6);
        if (kind == 0) {
            // Leading zeros between the sign and the digits.
            const std::size_t digitsAt = (number[0] == '-' || number[0] == '+') ? 1 : 0;
            t = number;
            t.insert(digitsAt, LongLength - number.size(), '0');
        } else if (kind == 1) {
            t = number;
            while (t.size() < LongLength) {
                t += static_cast<char>('0' + below(10));
            }
        } else if (kind == 2) {
            t = "0." + std::string(LongLength - 3, '0') + "1";
        } else if (kind == 3) {
            for (std::size_t i = number.size(); i < LongLength; ++i) {
                t += chance(0.5) ? ' ' : '\t';
            }
            t.insert(below(t.size() + 1), number);
        } else if (kind == 4) {
            while (t.size() < LongLength) {
                t += Letters[below(Letters.size())];
            }
        } else {
            t = chance(0.5) ? "&H" : "&o";
            t.append(LongLength - 2, '7');
        }
        break;
    }
    case Shape::Empty:
        for (std::size_t k = below(6); k > 0; --k) {
            t += " \t\n"[below(3)];
        }
        break;
    case Shape::RandomBytes:
        for (std::size_t k = below(25); k > 0; --k) {
            t += chance(0.7) ? NumberBytes[below(NumberBytes.size())]
                             : static_cast<char>(below(256));
        }
        break;
    }
    return box;
}

namespace {
constexpr int ShapeWeights[ShapeCount] = {40, 8, 6, 10, 6, 8, 6, 3, 4, 9};
}

InputGenerator::InputGenerator(std::uint64_t seed)
    : rng_(seed), shapes_(std::begin(ShapeWeights), std::end(ShapeWeights)) {}

GeneratedInputs InputGenerator::next() {
    // Half the sets keep every box a plain number, so that enough runs get
    // past the inputs to reach the computation and the body of the files.
    const bool plain = chance(0.5);
    GeneratedInputs in;
    in.boxes[0] = dress(numberFor(Field::Lamda), plain);
    in.boxes[1] = dress(numberFor(Field::NXX), plain);
    in.boxes[2] = dress(numberFor(Field::NT), plain);
    in.boxes[3] = dress(numberFor(Field::Angle), plain);
    in.boxes[4] = dress(numberFor(Field::Angle), plain);
    return in;
}

} // namespace solva::property
