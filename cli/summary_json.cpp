// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "cli/summary_json.h"

#include "flow/angles.h"

#include <nlohmann/json.hpp>

#include <cmath>

namespace solva::cli {

namespace {

// Keys in the order written, so that the lines read well.
using Json = nlohmann::ordered_json;

Json valuesRead(const RunRecord& r) {
    if (r.reached < RunStage::InputsRead) {
        return nullptr;
    }
    Json values;
    for (const Input& in : Inputs) {
        const double v = (r.parameters.*in.value).value();
        // The counts as integers when they are whole, as they are in any run that completes.
        const bool count = &in == &Inputs[1] || &in == &Inputs[2];
        const bool whole = count && v == std::trunc(v) && std::abs(v) < 1E15;
        values[std::string(in.key)] = whole ? Json(static_cast<long>(v)) : Json(v);
    }
    return values;
}

Json coefficients(const RunRecord& r) {
    if (r.reached < RunStage::CoefficientsComputed) {
        return nullptr;
    }
    const FlowCoefficients& c = r.coefficients;
    return Json{{"E", c.E.value()},   {"A0", c.A0.value()}, {"B0", c.B0.value()},
                {"K1", c.K1.value()}, {"K2", c.K2.value()}, {"K3", c.K3.value()}};
}

// The grid's lowest Cp = 1 - Cu, at its highest Cu; the first of equals.
Json lowestCp(const RunRecord& r, const FlowState& s) {
    if (r.reached < RunStage::Completed) {
        return nullptr;
    }
    const long columns = loopCount(r.coefficients.NJ.value(), MaxColumn);
    const long points = loopCount(r.parameters.NXX.value(), MaxPoint);
    long atI = 1, atJ = 1;
    for (long I = 1; I <= points; ++I) {
        for (long J = 1; J <= columns; ++J) {
            if (s.CU(I, J).toDouble() > s.CU(atI, atJ).toDouble()) {
                atI = I;
                atJ = J;
            }
        }
    }
    return Json{{"Cp", 1 - s.CU(atI, atJ).toDouble()},
                {"point", atI},
                {"angle_deg", columnAngleDegrees(atJ, r.parameters.NT).value()}};
}

} // namespace

std::string summaryJson(long runNumber, long lineNumber, const InputTexts& texts,
                        const RunRecord& record, const FlowState& state,
                        const std::optional<RunError>& error) {
    Json line;
    line["run"] = runNumber;
    line["line"] = lineNumber;
    Json& given = line["texts"];
    for (const Input& in : Inputs) {
        given[std::string(in.key)] = texts.*in.text;
    }
    line["values"] = valuesRead(record);
    line["NJ"] = record.reached >= RunStage::ColumnsCounted
                     ? Json(static_cast<long>(record.coefficients.NJ.value()))
                     : Json(nullptr);
    line["coefficients"] = coefficients(record);
    line["lowest_Cp"] = lowestCp(record, state);
    line["completed"] = !error.has_value();
    if (error) {
        line["error"] = Json{{"number", error->number()},
                             {"description", std::string(error->description())},
                             {"where", error->where()}};
    }
    return line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

} // namespace solva::cli
