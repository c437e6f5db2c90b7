#include "recording_surface.h"
#include "working_directory.h"

#include "app/run.h"
#include "plot/grxycu.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <memory>

using solva::FlowState;
using solva::PointArray;
using solva::Real;

namespace {

using Scale = std::array<double, 4>;

const Scale ProfileScale{-0.6, 0.3, 0.6, -0.3};

// Hands the drawing at the end of a run to two recorders.
class RecordingPlot : public solva::PlotRoutine {
public:
    void GRXYCU(std::string_view, Real N, const PointArray& X, const PointArray& Y,
                const PointArray& CU, int) override {
        solva::GRXYCU(elipsoid, pressure, N, X, Y, CU);
    }
    RecordingSurface elipsoid;
    RecordingSurface pressure;
};

void fill(PointArray& a, std::initializer_list<double> values) {
    long i = 1;
    for (double v : values) {
        a(i++) = Real(v);
    }
}

} // namespace

class GrxycuRecordingTest : public QObject {
    Q_OBJECT

private slots:
    void defaultRunDrawsAxesThenThePoints() {
        TemporaryWorkingDirectory dir;
        QVERIFY(dir.entered());
        auto state = std::make_unique<FlowState>();
        RecordingPlot plot;
        solva::run(solva::InputTexts{}, *state, plot);

        // Each area is scaled, cleared, then drawn on.
        QCOMPARE(plot.elipsoid.calls.at(0), 'S');
        QCOMPARE(plot.elipsoid.calls.at(1), 'C');
        QCOMPARE(plot.pressure.calls.at(0), 'S');
        QCOMPARE(plot.pressure.calls.at(1), 'C');
        QCOMPARE(plot.elipsoid.scales.size(), std::size_t(1));
        QCOMPARE(plot.pressure.scales.size(), std::size_t(1));
        QCOMPARE(plot.elipsoid.scales[0], ProfileScale);

        double maxCU = 0;
        for (long i = 1; i <= 18; ++i) {
            maxCU = std::max(maxCU, state->CU1(i).toDouble());
        }
        QVERIFY(maxCU > 0);
        const Scale speedScale{-0.6, 1.1 * maxCU, 0.6, -0.1};
        QCOMPARE(plot.pressure.scales[0], speedScale);

        // 18 points: two axes and 2 x 17 outline segments, two axes and 17
        // speed segments, 51 curve segments in all.
        QCOMPARE(plot.elipsoid.lines.size(), std::size_t(2 + 34));
        QCOMPARE(plot.pressure.lines.size(), std::size_t(2 + 17));

        // The outline is mirrored about the axis; the speed curve runs
        // through CU1 at each point.
        const auto& upper = plot.elipsoid.lines[2];
        const auto& lower = plot.elipsoid.lines[3];
        QCOMPARE(upper.x1, float(state->X(1).toDouble()));
        QCOMPARE(upper.y1, float(state->Y(1).toDouble()));
        QCOMPARE(lower.y2, -float(state->Y(2).toDouble()));
        const auto& lastSpeed = plot.pressure.lines.back();
        QCOMPARE(lastSpeed.x2, float(state->X(18).toDouble()));
        QCOMPARE(lastSpeed.y2, float(state->CU1(18).toDouble()));
    }

    void singlePointDrawsOnlyAxes_data() {
        QTest::addColumn<double>("speed");
        QTest::addColumn<double>("top");
        QTest::newRow("positive speed sets the top") << 2.0 << 2.2;
        QTest::newRow("negative speed leaves the top at 0") << -3.0 << 0.0;
    }
    void singlePointDrawsOnlyAxes() {
        QFETCH(double, speed);
        QFETCH(double, top);
        auto state = std::make_unique<FlowState>();
        fill(state->X, {-0.5, 0.5});
        fill(state->Y, {0.0, 0.0});
        fill(state->CU1, {speed, 100.0}); // the second point lies beyond N
        RecordingSurface elipsoid, pressure;
        solva::GRXYCU(elipsoid, pressure, 1, state->X, state->Y, state->CU1);

        QCOMPARE(elipsoid.lines.size(), std::size_t(2));
        QCOMPARE(pressure.lines.size(), std::size_t(2));
        QCOMPARE(elipsoid.scales.back(), ProfileScale);
        QVERIFY(qFuzzyCompare(pressure.scales.back()[1] + 1, top + 1));
        QCOMPARE(pressure.scales.back()[3], -0.1);
        // The vertical speed axis spans the whole window.
        QCOMPARE(double(pressure.lines[1].y2), double(-0.1f));
    }

    void noPointsLeaveTheSpeedWindowAtZeroTop() {
        auto state = std::make_unique<FlowState>();
        fill(state->CU1, {5.0});
        RecordingSurface elipsoid, pressure;
        solva::GRXYCU(elipsoid, pressure, 0.5, state->X, state->Y, state->CU1);

        QCOMPARE(pressure.scales.back(), (Scale{-0.6, 0.0, 0.6, -0.1}));
        QCOMPARE(elipsoid.lines.size(), std::size_t(2));
        QCOMPARE(pressure.lines.size(), std::size_t(2));
    }

    void allNegativeSpeedsDrawBelowAZeroTop() {
        auto state = std::make_unique<FlowState>();
        fill(state->X, {-0.5, 0.0, 0.5});
        fill(state->Y, {0.0, 0.1, 0.0});
        fill(state->CU1, {-1.0, -0.5, -2.0});
        RecordingSurface elipsoid, pressure;
        solva::GRXYCU(elipsoid, pressure, 3, state->X, state->Y, state->CU1);

        QCOMPARE(pressure.scales.back(), (Scale{-0.6, 0.0, 0.6, -0.1}));
        QCOMPARE(elipsoid.lines.size(), std::size_t(2 + 4));
        QCOMPARE(pressure.lines.size(), std::size_t(2 + 2));
        QCOMPARE(pressure.lines.back().y2, -2.0f);
    }
};

QTEST_APPLESS_MAIN(GrxycuRecordingTest)
#include "grxycu_recording_test.moc"
