#include "flow/flow_state.h"

#include "app/run_error.h"

#include <string>

namespace solva {

void failSubscript(long index, long last) {
    std::string where = currentStep();
    where += where.empty() ? "storing" : ":";
    where += " index " + std::to_string(index) + " lies outside 0 ... " + std::to_string(last);
    throw RunError(ErrorKind::SubscriptOutOfRange, where);
}

std::size_t SpeedGrid::checkedIndex(long i, long j) {
    if (i < 0 || i > MaxPoint) {
        failSubscript(i, MaxPoint);
    }
    if (j < 0 || j > MaxColumn) {
        failSubscript(j, MaxColumn);
    }
    return static_cast<std::size_t>(i + (MaxPoint + 1) * j);
}

} // namespace solva
