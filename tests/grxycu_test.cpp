// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "plot/grxycu.h"

#include "app/run_error.h"
#include "support/in_scratch_directory.h"
#include "support/recording_surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace solva {
namespace {

using test::RecordingSurface;

const RecordingSurface::Scale ProfileScale{-0.6, 0.3, 0.6, -0.3};

// Both areas write into one journal, so the order across them shows.
class GrxycuTest : public ::testing::Test {
protected:
    void SetUp() override {
        const double X[] = {-0.5, 0, 0.5, 9};
        const double Y[] = {0, 0.25, 0, 9};
        const double CU[] = {0.5, 2, -1, 100}; // the fourth point lies beyond N
        for (long I = 1; I <= 4; ++I) {
            s->X(I) = X[I - 1];
            s->Y(I) = Y[I - 1];
            s->CU1(I) = CU[I - 1];
        }
    }
    void draw(double N) { GRXYCU(elipsoid, pressure, N, s->X, s->Y, s->CU1); }

    std::unique_ptr<FlowState> s = std::make_unique<FlowState>();
    std::vector<std::string> journal;
    RecordingSurface elipsoid{'E', journal};
    RecordingSurface pressure{'P', journal};
};

TEST_F(GrxycuTest, DrawsBothWindowsTheirAxesThenThreeSegmentsAPoint) {
    draw(3);
    const std::vector<std::string> expected{
        "E S -0.6 0.3 0.6 -0.3", "E C",
        "E L -0.6 0 0.6 0",      "E L 0 0.3 0 -0.3",
        "P S -0.6 2.2 0.6 -0.1", "P C",
        "P L -0.6 0 0.6 0",      "P L 0 2.2 0 -0.1",
        "E L -0.5 0 0 0.25",     "E L -0.5 -0 0 -0.25",
        "P L -0.5 0.5 0 2",      "E L 0 0.25 0.5 0",
        "E L 0 -0.25 0.5 -0",    "P L 0 2 0.5 -1",
    };
    EXPECT_EQ(journal, expected);
}

TEST_F(GrxycuTest, AFractionalCountUsesItsWholePart) {
    draw(2.9);
    EXPECT_EQ(journal.size(), 8u + 3u);
    EXPECT_EQ(journal[4], "P S -0.6 2.2 0.6 -0.1");
}

TEST_F(GrxycuTest, AValueBeyondSinglePrecisionIsAnOverflow) {
    s->CU1(3) = 1E39;
    try {
        draw(3);
        FAIL() << "drew a value beyond single precision";
    } catch (const RunError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Overflow);
    }
    // The axis of a window 1.1E39 high fails first; what was drawn stays drawn.
    EXPECT_EQ(journal.back(), "P L -0.6 0 0.6 0");
}

TEST_F(GrxycuTest, ASinglePointDrawsOnlyTheAxes) {
    // A positive speed sets the top of the speed window, a negative one leaves it at 0.
    for (const auto& [speed, top] : {std::pair{2.0, 2.2}, std::pair{-3.0, 0.0}}) {
        s->CU1(1) = speed;
        draw(1);
        EXPECT_EQ(elipsoid.lines.size(), 2u) << speed;
        EXPECT_EQ(pressure.lines.size(), 2u) << speed;
        EXPECT_EQ(elipsoid.scales.back(), ProfileScale) << speed;
        EXPECT_DOUBLE_EQ(pressure.scales.back()[1], top) << speed;
        EXPECT_EQ(pressure.scales.back()[3], -0.1) << speed;
        // The vertical speed axis spans the whole window.
        EXPECT_EQ(pressure.lines[1].y2, -0.1f) << speed;
    }
}

TEST_F(GrxycuTest, NoPointsLeaveTheSpeedWindowAtZeroTop) {
    s->CU1(1) = 5;
    draw(0.5);
    EXPECT_EQ(pressure.scales.back(), (RecordingSurface::Scale{-0.6, 0, 0.6, -0.1}));
    EXPECT_EQ(elipsoid.lines.size(), 2u);
    EXPECT_EQ(pressure.lines.size(), 2u);
}

TEST_F(GrxycuTest, AllNegativeSpeedsDrawBelowAZeroTop) {
    s->CU1(1) = -1;
    s->CU1(2) = -0.5;
    s->CU1(3) = -2;
    draw(3);
    EXPECT_EQ(pressure.scales.back(), (RecordingSurface::Scale{-0.6, 0, 0.6, -0.1}));
    EXPECT_EQ(elipsoid.lines.size(), 2u + 4u);
    EXPECT_EQ(pressure.lines.size(), 2u + 2u);
    EXPECT_EQ(pressure.lines.back().y2, -2.0f);
}

// A whole run hands its points to GRXYCU, as the window's click does.
using GrxycuAfterARun = test::InTempDir;

TEST_F(GrxycuAfterARun, TheDefaultRunDrawsTheAxesThenItsPoints) {
    auto state = std::make_unique<FlowState>();
    RecordingSurface elipsoid, pressure;
    test::RecordingPlot plot(elipsoid, pressure);
    run(InputTexts{}, dir(), *state, plot);

    // Each area is scaled once, cleared, then drawn on.
    for (const RecordingSurface* area : {&elipsoid, &pressure}) {
        ASSERT_GE(area->journal().size(), 2u);
        EXPECT_EQ(area->journal()[0].substr(0, 2), "S ");
        EXPECT_EQ(area->journal()[1], "C");
        EXPECT_EQ(area->scales.size(), 1u);
    }
    EXPECT_EQ(elipsoid.scales[0], ProfileScale);
    double maxCU = 0;
    for (long I = 1; I <= 18; ++I) {
        maxCU = std::max(maxCU, state->CU1(I).toDouble());
    }
    ASSERT_GT(maxCU, 0);
    EXPECT_EQ(pressure.scales[0], (RecordingSurface::Scale{-0.6, 1.1 * maxCU, 0.6, -0.1}));

    // 18 points: two axes and 2 x 17 outline segments, two axes and 17
    // speed segments.
    ASSERT_EQ(elipsoid.lines.size(), 2u + 34u);
    ASSERT_EQ(pressure.lines.size(), 2u + 17u);
    // The outline is mirrored about the axis; the speed curve runs through
    // CU1 at each point.
    EXPECT_EQ(elipsoid.lines[2].x1, float(state->X(1).toDouble()));
    EXPECT_EQ(elipsoid.lines[2].y1, float(state->Y(1).toDouble()));
    EXPECT_EQ(elipsoid.lines[3].y2, -float(state->Y(2).toDouble()));
    EXPECT_EQ(pressure.lines.back().x2, float(state->X(18).toDouble()));
    EXPECT_EQ(pressure.lines.back().y2, float(state->CU1(18).toDouble()));
}

} // namespace
} // namespace solva
