// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "support/result_checks.h"

#include "app/numeric_reader.h"
#include "output/plot_data_file.h"
#include "output/report_file.h"
#include "support/files.h"
#include "support/recording_plot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace solva::check {

namespace {

constexpr long HeaderLines = test::ReportHeaderLines;

constexpr std::string_view Title =
    " Elipsoid etraf\xC4\xB1ndaki potansiyel ak\xC4\xB1m\xC4\xB1n analitik "
    "\xC3\xA7\xC3\xB6z\xC3\xBCm\xC3\xBC";
constexpr std::string_view ColumnHeader = "  I    FI        X         Y      Cu";
constexpr std::string_view Separator = "   ";
constexpr std::size_t ZoneWidth = 14;

std::string inQuotes(std::string_view line) {
    return "\"" + test::escaped(line) + "\"";
}

bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

// What a number item or a pattern field must read for x, formatted by the C
// library rather than by the program: "%.15g" is the general form, "%.*f"
// rounds the exact binary value half to even as the patterns do.
std::string generalText(double x) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.15g", std::fabs(x));
    std::string text = x < 0 ? "-" : "";
    for (const char* p = buf; *p != '\0'; ++p) {
        text += *p == 'e' ? 'E' : *p;
    }
    return text;
}

std::string patternText(double x, std::size_t minWhole, int decimals) {
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, std::fabs(x));
    std::string digits = buf;
    const std::size_t whole = std::min(digits.find('.'), digits.size());
    if (whole < minWhole) {
        digits.insert(0, minWhole - whole, '0');
    }
    return (x < 0 ? "-" : "") + digits;
}

// Walks one line item by item; every reader leaves a reason when it fails.
class Cursor {
public:
    Cursor(std::string_view line, std::string_view sep) : line_(line), sep_(sep) {}

    bool atEnd() const { return pos_ == line_.size(); }
    std::size_t pos() const { return pos_; }
    std::string_view rest() const { return line_.substr(pos_); }
    const std::string& why() const { return why_; }

    bool literal(std::string_view s) {
        if (rest().substr(0, s.size()) != s) {
            return false;
        }
        pos_ += s.size();
        return true;
    }

    bool expect(std::string_view s) { return literal(s) || fail("expected " + inQuotes(s)); }

    bool fail(const std::string& why) {
        why_ = why + " at column " + std::to_string(pos_) + " of " + inQuotes(line_);
        return false;
    }

    // A number item: the sign place, the general form of the magnitude (at
    // most 15 significant digits, no trailing fraction zeros, exponent form
    // exactly below 1E-4 and from 1E15 on), a blank. `text` gets the number
    // with "-" for a minus and "." for the separator.
    bool numberItem(double& value, std::string& text) {
        if (atEnd()) {
            return fail("missing number item");
        }
        const char sign = line_[pos_];
        if (sign != ' ' && sign != '-') {
            return fail("number item without its sign place");
        }
        ++pos_;
        const std::string_view whole = digits();
        if (whole.empty()) {
            return fail("number item without digits");
        }
        std::string_view fraction;
        const bool hasFraction = literal(sep_);
        if (hasFraction) {
            fraction = digits();
            if (fraction.empty() || fraction.back() == '0') {
                return fail("fraction empty or ending in 0");
            }
        }
        text = sign == '-' ? "-" : "";
        text += whole;
        if (hasFraction) {
            text += '.';
            text += fraction;
        }
        if (literal("E")) {
            if (atEnd() || (line_[pos_] != '+' && line_[pos_] != '-')) {
                return fail("exponent without its sign");
            }
            const bool negative = line_[pos_++] == '-';
            const std::string_view e = digits();
            if (e.size() < 2 || e.size() > 3 || (e.size() == 3 && e[0] == '0')) {
                return fail("exponent not of 2 or 3 digits");
            }
            const long exponent =
                (negative ? -1 : 1) * std::strtol(std::string(e).c_str(), nullptr, 10);
            if (whole.size() != 1 || whole[0] == '0' || 1 + fraction.size() > 15) {
                return fail("exponent form with a malformed mantissa");
            }
            if (exponent >= -4 && exponent < 15) {
                return fail("exponent form for a number printed without one");
            }
            text += negative ? "E-" : "E+";
            text += e;
        } else {
            if (whole.size() > 1 && whole[0] == '0') {
                return fail("leading zero");
            }
            std::size_t significant = whole.size() + fraction.size();
            if (whole == "0") {
                const std::size_t zeros = fraction.find_first_not_of('0');
                if (hasFraction && zeros > 3) {
                    return fail("fixed form below 1E-4");
                }
                significant = hasFraction ? fraction.size() - zeros : 1;
            }
            if (whole.size() > 15 || significant > 15) {
                return fail("more than 15 significant digits");
            }
        }
        if (!literal(" ")) {
            return fail("number item not followed by a blank");
        }
        value = std::strtod(text.c_str(), nullptr);
        if (sign == '-' && value == 0) {
            return fail("minus zero");
        }
        return true;
    }

    // A pattern field: at least minWhole whole digits (padded with zeros only
    // that far), the separator and exactly `decimals` digits. `text` as for
    // number items.
    bool patternField(std::size_t minWhole, std::size_t decimals, bool allowMinus,
                      std::string& text) {
        const bool negative = literal("-");
        if (negative && !allowMinus) {
            return fail("minus in an unsigned field");
        }
        const std::string_view whole = digits();
        if (whole.size() < minWhole || (whole.size() > minWhole && whole[0] == '0')) {
            return fail("whole part not padded to exactly " + std::to_string(minWhole));
        }
        text = negative ? "-" : "";
        text += whole;
        if (decimals > 0) {
            if (!literal(sep_)) {
                return fail("field without its decimal separator");
            }
            const std::string_view fraction = digits();
            if (fraction.size() != decimals) {
                return fail("field without exactly " + std::to_string(decimals) + " decimals");
            }
            text += '.';
            text += fraction;
        }
        return true;
    }

private:
    std::string_view digits() {
        const std::size_t start = pos_;
        while (pos_ < line_.size() && isDigit(line_[pos_])) {
            ++pos_;
        }
        return line_.substr(start, pos_ - start);
    }

    std::string_view line_;
    std::string_view sep_;
    std::size_t pos_ = 0;
    std::string why_;
};

bool sameText(Cursor& c, const std::string& printed, const std::string& expected,
              const char* what) {
    return printed == expected ||
           c.fail(std::string(what) + " printed as " + printed + " instead of " + expected);
}

// A pattern field printed from x, which keeps its minus even when it rounds to zero.
bool patternFieldOf(Cursor& c, double x, std::size_t minWhole, int decimals, const char* what) {
    std::string printed;
    return c.patternField(minWhole, static_cast<std::size_t>(decimals), true, printed) &&
           sameText(c, printed, patternText(x, minWhole, decimals), what);
}

bool headerValueLine(Cursor& c, std::string_view label) {
    double value = 0;
    std::string text;
    return c.expect(label) && c.numberItem(value, text) &&
           (c.atEnd() || c.fail("text after the header value"));
}

// The column angles, each a number item, and a closing blank once finished.
bool angleLine(Cursor& c, bool finished, long& columns) {
    columns = 0;
    for (;;) {
        if (finished && c.rest() == " ") {
            return true;
        }
        if (c.atEnd()) {
            return !finished || c.fail("angle line without its closing blank");
        }
        double angle = 0;
        std::string text;
        if (!c.numberItem(angle, text)) {
            return false;
        }
        if (columns == 0 && angle != 0) {
            return c.fail("first column angle not 0");
        }
        if (++columns > MaxColumn) {
            return c.fail("more than 36 column angles");
        }
    }
}

bool reportRow(Cursor& c, long I, long columns, const FlowState& s) {
    if (I > MaxPoint) {
        return c.fail("row past the last point");
    }
    if (s.FI(I).empty() || s.X(I).empty() || s.Y(I).empty()) {
        return c.fail("row of a point the state does not hold");
    }
    const double PI = std::atan(1.0) * 4;
    std::string number;
    if (!c.patternField(2, 0, false, number) ||
        !sameText(c, number, patternText(static_cast<double>(I), 2, 0), "I") ||
        !c.expect(Separator)) {
        return false;
    }
    // FI is unsigned in print: its angle never falls below zero.
    if (!c.patternField(3, 2, false, number) ||
        !sameText(c, number, patternText((s.FI(I).toDouble() * 180) / PI, 3, 2), "FI") ||
        !c.expect(Separator)) {
        return false;
    }
    if (!patternFieldOf(c, s.X(I).toDouble(), 1, 4, "X") || !c.expect(Separator) ||
        !patternFieldOf(c, s.Y(I).toDouble(), 1, 4, "Y") || !c.expect(Separator)) {
        return false;
    }
    long J = 0;
    while (c.rest() != " ") {
        if (++J > columns) {
            return c.fail("more speed fields than column angles");
        }
        if (s.CU(I, J).empty()) {
            return c.fail("speed field the state does not hold");
        }
        if (!patternFieldOf(c, s.CU(I, J).toDouble(), 1, 4, "Cu") || !c.expect(Separator)) {
            return false;
        }
    }
    return J == columns || c.fail("fewer speed fields than column angles");
}

// Four print zones: I, X(I), Y(I) and CU1(I), the last one absent when empty.
bool plotLine(Cursor& c, long I, const FlowState& s) {
    if (I > MaxPoint) {
        return c.fail("line past the last point");
    }
    const Element* items[] = {nullptr, &s.X(I), &s.Y(I), &s.CU1(I)};
    for (int k = 0; k < 4; ++k) {
        if (c.pos() % ZoneWidth != 0) {
            return c.fail("item not at a zone start");
        }
        const Element* element = items[k];
        if (element != nullptr && element->empty()) {
            if (k < 3) {
                return c.fail("coordinate the state does not hold");
            }
            return c.atEnd() || c.fail("text where the empty angle-0 speed prints nothing");
        }
        double v = 0;
        std::string printed;
        const double x = element == nullptr ? static_cast<double>(I) : element->toDouble();
        if (!c.numberItem(v, printed) || !sameText(c, printed, generalText(x), "plot item")) {
            return false;
        }
        if (k < 3) {
            const std::size_t blanks = ZoneWidth - c.pos() % ZoneWidth;
            if (!c.expect(std::string(blanks, ' '))) {
                return false;
            }
        }
    }
    return c.atEnd() || c.fail("text after the fourth zone");
}

std::string linePrefix(const char* file, std::size_t index) {
    return std::string(file) + " line " + std::to_string(index + 1) + ": ";
}

bool isNamedKind(ErrorKind kind) {
    switch (kind) {
    case ErrorKind::InvalidOperation:
    case ErrorKind::Overflow:
    case ErrorKind::SubscriptOutOfRange:
    case ErrorKind::DivisionByZero:
    case ErrorKind::SquareRootOfNegative:
    case ErrorKind::LogarithmOfNonPositive:
    case ErrorKind::FileAccess:
        return true;
    }
    return false;
}

bool allFinite(const std::vector<double>& values) {
    return std::ranges::all_of(values, [](double v) { return std::isfinite(v); });
}

// What a run that ended as `end` drew, checked: nothing when it stopped, its
// points once when it completed.
std::string drawingFault(const test::RecordingPlot& plot, const InputTexts& texts, RunEnd& end) {
    if (!end.completed) {
        return plot.calls.empty() ? "" : "a stopped run drew";
    }
    const double NXX = readNumber(texts.NXX).value();
    end.points = NXX >= 1 ? static_cast<long>(std::floor(NXX)) : 0;
    if (plot.calls.size() != 1 || plot.calls[0].N != NXX ||
        static_cast<long>(plot.calls[0].X.size()) != end.points) {
        return "a completed run did not draw its points once";
    }
    const test::PlotCall& call = plot.calls[0];
    return allFinite(call.X) && allFinite(call.Y) && allFinite(call.CU)
               ? ""
               : "a completed run drew a non-finite point";
}

} // namespace

std::string nonFiniteElement(const FlowState& s) {
    const struct {
        const char* name;
        const PointArray& array;
    } arrays[] = {{"FI", s.FI}, {"X", s.X}, {"Y", s.Y}, {"CU1", s.CU1}};
    for (const auto& [name, array] : arrays) {
        for (long i = 0; i <= MaxPoint; ++i) {
            if (!std::isfinite(array(i).toDouble())) {
                return std::string(name) + "(" + std::to_string(i) + ") is not finite";
            }
        }
    }
    for (long j = 0; j <= MaxColumn; ++j) {
        for (long i = 0; i <= MaxPoint; ++i) {
            if (!std::isfinite(s.CU(i, j).toDouble())) {
                return "CU(" + std::to_string(i) + ", " + std::to_string(j) + ") is not finite";
            }
        }
    }
    return {};
}

bool holdsInfOrNan(std::string_view text) {
    const auto lower = [](char ch) { return ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch; };
    for (std::size_t i = 0; i + 3 <= text.size(); ++i) {
        const char a = lower(text[i]), b = lower(text[i + 1]), c = lower(text[i + 2]);
        if ((a == 'i' && b == 'n' && c == 'f') || (a == 'n' && b == 'a' && c == 'n')) {
            return true;
        }
    }
    return false;
}

std::string reportFault(std::string_view report, const FlowState& s, const RunEnd& end,
                        std::string_view decimalSeparator) {
    // Every line but the last ends in CRLF; the last is what follows the last CRLF.
    const std::vector<std::string> lines = test::splitLines(report);
    const std::string& tail = lines.back();
    const auto count = static_cast<long>(lines.size()) - 1;
    if (end.completed && (count != HeaderLines + end.points || !tail.empty())) {
        return "report of a completed run has " + std::to_string(count) + " lines and tail " +
               inQuotes(tail) + " for " + std::to_string(end.points) + " points";
    }
    // Only the angle line is written piece by piece, so only it can be left unfinished.
    if (!tail.empty() && count != 6) {
        return "report ends in an unfinished line " + inQuotes(tail);
    }
    long columns = 0;
    for (long i = 0; i <= count; ++i) {
        const bool finished = i < count;
        const std::string_view line = lines[static_cast<std::size_t>(i)];
        if (!finished && line.empty()) {
            break;
        }
        Cursor c(line, decimalSeparator);
        bool ok = true;
        switch (i) {
        case 0:
            ok = line == Title || c.fail("not the title");
            break;
        case 1:
            ok = line == " " || c.fail("not the blank line");
            break;
        case 2:
            ok = headerValueLine(c, " Lamda =");
            break;
        case 3:
            ok = headerValueLine(c, " Alfa  =");
            break;
        case 4:
            ok = headerValueLine(c, " Beta  =");
            break;
        case 5:
            ok = line == ColumnHeader || c.fail("not the column header");
            break;
        case 6:
            ok = angleLine(c, finished, columns);
            break;
        case 7:
            ok = line.empty() || c.fail("not the empty line");
            break;
        default:
            ok = reportRow(c, i - HeaderLines + 1, columns, s);
            break;
        }
        if (!ok) {
            return linePrefix(ReportFileName, static_cast<std::size_t>(i)) + c.why();
        }
    }
    return {};
}

std::string plotDataFault(std::string_view plotData, const FlowState& s, const RunEnd& end,
                          std::string_view decimalSeparator) {
    const std::vector<std::string> lines = test::splitLines(plotData);
    const auto count = static_cast<long>(lines.size()) - 1;
    if (!lines.back().empty()) {
        return "plot data ends in an unfinished line " + inQuotes(lines.back());
    }
    if (end.completed && count != end.points) {
        return "plot data of a completed run has " + std::to_string(count) + " lines for " +
               std::to_string(end.points) + " points";
    }
    for (long i = 0; i < count; ++i) {
        Cursor c(lines[static_cast<std::size_t>(i)], decimalSeparator);
        if (!plotLine(c, i + 1, s)) {
            return linePrefix(PlotDataFileName, static_cast<std::size_t>(i)) + c.why();
        }
    }
    return {};
}

std::string runFault(std::string_view report, std::string_view plotData, const FlowState& s,
                     const RunEnd& end, std::string_view decimalSeparator) {
    if (std::string fault = nonFiniteElement(s); !fault.empty()) {
        return fault;
    }
    if (holdsInfOrNan(report)) {
        return std::string(ReportFileName) + " holds inf or nan";
    }
    if (holdsInfOrNan(plotData)) {
        return std::string(PlotDataFileName) + " holds inf or nan";
    }
    if (std::string fault = reportFault(report, s, end, decimalSeparator); !fault.empty()) {
        return fault;
    }
    return plotDataFault(plotData, s, end, decimalSeparator);
}

CheckedRun checkedRun(const InputTexts& texts, const std::filesystem::path& folder, FlowState& s,
                      const OutputStyle& style) {
    CheckedRun result;
    test::RecordingPlot plot;
    RunEnd end;
    try {
        run(texts, folder, s, plot, style);
        end.completed = true;
    } catch (const RunError& e) {
        result.error = e;
        if (!isNamedKind(e.kind())) {
            result.fault = "stopped with the unnamed error number " + std::to_string(e.number());
            return result;
        }
    } catch (const std::exception& e) {
        result.fault = "threw something other than a run error: " + std::string(e.what());
        return result;
    }
    result.fault = drawingFault(plot, texts, end);
    if (result.fault.empty()) {
        result.fault =
            runFault(test::readFile(folder / ReportFileName),
                     test::readFile(folder / PlotDataFileName), s, end, style.decimalSeparator);
    }
    return result;
}

} // namespace solva::check
