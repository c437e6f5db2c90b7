// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "cli/summary_json.h"

#include <nlohmann/json.hpp>

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
        values[std::string(in.key)] = (r.parameters.*in.value).value();
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

} // namespace

std::string summaryJson(long runNumber, const InputTexts& texts, const RunRecord& record,
                        const std::optional<RunError>& error) {
    Json line;
    line["run"] = runNumber;
    Json& given = line["texts"];
    for (const Input& in : Inputs) {
        given[std::string(in.key)] = texts.*in.text;
    }
    line["values"] = valuesRead(record);
    line["NJ"] = record.reached >= RunStage::ColumnsCounted ? Json(record.coefficients.NJ.value())
                                                            : Json(nullptr);
    line["coefficients"] = coefficients(record);
    line["completed"] = !error.has_value();
    if (error) {
        line["error"] = Json{{"number", error->number()},
                             {"description", std::string(error->description())},
                             {"where", error->where()}};
    }
    return line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

} // namespace solva::cli
