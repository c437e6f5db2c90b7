#pragma once

#include "plot/drawing_surface.h"

#include <array>
#include <vector>

// Keeps every call made on it, in order, for a test to inspect.
class RecordingSurface : public solva::DrawingSurface {
public:
    struct Line {
        float x1, y1, x2, y2;
    };

    void SetScale(double x1, double y1, double x2, double y2) override {
        scales.push_back({x1, y1, x2, y2});
        calls.push_back('S');
    }
    void Clear() override {
        lines.clear();
        calls.push_back('C');
    }
    void DrawLine(float x1, float y1, float x2, float y2) override {
        lines.push_back({x1, y1, x2, y2});
        calls.push_back('L');
    }

    std::vector<std::array<double, 4>> scales;
    std::vector<Line> lines; // since the last Clear
    std::vector<char> calls;
};
