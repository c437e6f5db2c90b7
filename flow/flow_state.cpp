// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#include "flow/flow_state.h"

#include "app/run_error.h"
#include "app/run_step.h"

#include <string>

namespace solva {

void failSubscript(long index, long last) {
    std::string where = RunStep::describeCurrent();
    where += where.empty() ? "storing" : ":";
    where += " index " + std::to_string(index) + " lies outside 0 ... " + std::to_string(last);
    throw RunError(ErrorKind::SubscriptOutOfRange, where);
}

} // namespace solva
