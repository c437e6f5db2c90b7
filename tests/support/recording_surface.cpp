// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "support/recording_surface.h"

#include <sstream>

namespace solva::test {

namespace {

std::string numbers(double a, double b, double c, double d) {
    std::ostringstream text;
    text << ' ' << a << ' ' << b << ' ' << c << ' ' << d;
    return text.str();
}

} // namespace

void RecordingSurface::SetScale(double x1, double y1, double x2, double y2) {
    scales.push_back({x1, y1, x2, y2});
    note("S" + numbers(x1, y1, x2, y2));
}

void RecordingSurface::Clear() {
    lines.clear();
    note("C");
}

void RecordingSurface::DrawLine(float x1, float y1, float x2, float y2) {
    lines.push_back({x1, y1, x2, y2});
    note("L" + numbers(x1, y1, x2, y2));
}

void RecordingSurface::note(const std::string& call) {
    journal_->push_back(name_ == '\0' ? call : std::string{name_, ' '} + call);
}

} // namespace solva::test
