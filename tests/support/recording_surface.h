// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// A drawing surface that keeps every call made on it, for a test to inspect.

#include "plot/drawing_surface.h"

#include <array>
#include <string>
#include <vector>

namespace solva::test {

class RecordingSurface : public DrawingSurface {
public:
    struct Line {
        float x1, y1, x2, y2;
    };
    using Scale = std::array<double, 4>;

    // A surface with a journal of its own.
    RecordingSurface() = default;
    // A surface writing into a journal it shares with another, each entry led
    // by its name, so that the order of the calls across both shows.
    RecordingSurface(char name, std::vector<std::string>& journal)
        : name_(name), journal_(&journal) {}
    RecordingSurface(const RecordingSurface&) = delete;
    RecordingSurface& operator=(const RecordingSurface&) = delete;

    void SetScale(double x1, double y1, double x2, double y2) override;
    void Clear() override;
    void DrawLine(float x1, float y1, float x2, float y2) override;

    // Every call in order, as "S x1 y1 x2 y2", "C" or "L x1 y1 x2 y2", the
    // numbers to six significant digits.
    const std::vector<std::string>& journal() const { return *journal_; }

    std::vector<Scale> scales;
    std::vector<Line> lines; // since the last Clear

private:
    void note(const std::string& call);

    char name_ = '\0';
    std::vector<std::string> ownJournal_;
    std::vector<std::string>* journal_ = &ownJournal_;
};

} // namespace solva::test
