// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#include "ui/coordinate_scale.h"

#include <QTest>

#include <cmath>
#include <limits>

using solva::clipToScale;
using solva::CoordinateScale;
using solva::UserSegment;

namespace {

constexpr double FloatMax = std::numeric_limits<float>::max();

// The profile area's scale: y grows upward.
const CoordinateScale Profile{-0.6, 0.3, 0.6, -0.3};

bool inside(double x, double y, const CoordinateScale& w) {
    return x >= std::min(w.x1, w.x2) && x <= std::max(w.x1, w.x2) && y >= std::min(w.y1, w.y2) &&
           y <= std::max(w.y1, w.y2);
}

} // namespace

class CoordinateScaleTest : public QObject {
    Q_OBJECT

private slots:
    void fractionsFollowTheCornersInEitherDirection() {
        QCOMPARE(Profile.fractionX(-0.6), 0.0);
        QCOMPARE(Profile.fractionX(0.6), 1.0);
        QCOMPARE(Profile.fractionX(0.0), 0.5);
        QCOMPARE(Profile.fractionY(0.3), 0.0);
        QCOMPARE(Profile.fractionY(-0.3), 1.0);
        QCOMPARE(Profile.fractionY(0.15), 0.25);
    }

    void degenerateOrNonFiniteScalesShowNothing() {
        const UserSegment s{0, 0, 1, 1};
        QVERIFY(!clipToScale(s, CoordinateScale{1, 0, 1, 2}));
        QVERIFY(!clipToScale(s, CoordinateScale{0, 3, 2, 3}));
        QVERIFY(!clipToScale(s, CoordinateScale{0, 0, HUGE_VAL, 2}));
        QVERIFY(!clipToScale(s, CoordinateScale{0, std::nan(""), 2, 2}));
    }

    void segmentInsideIsKeptExactly() {
        const auto c = clipToScale({-0.5, 0.1, 0.5, -0.2}, Profile);
        QVERIFY(c);
        QCOMPARE(c->x1, -0.5);
        QCOMPARE(c->y1, 0.1);
        QCOMPARE(c->x2, 0.5);
        QCOMPARE(c->y2, -0.2);
    }

    void segmentOnTheEdgeIsKept() {
        const auto c = clipToScale({-0.6, 0.3, 0.6, 0.3}, Profile);
        QVERIFY(c);
        QCOMPARE(c->x1, -0.6);
        QCOMPARE(c->x2, 0.6);
    }

    void segmentsOutsideAreDropped() {
        QVERIFY(!clipToScale({-2, 0, -1, 0.1}, Profile));         // left of it
        QVERIFY(!clipToScale({-1, 1, 1, 1}, Profile));            // above, spanning its width
        QVERIFY(!clipToScale({0.5, 0.5, 0.9, 0.1}, Profile));     // past the top right corner
        QVERIFY(!clipToScale({0, 0, std::nanf(""), 0}, Profile)); // undefined end
    }

    void crossingEndsAreCutAtTheEdges() {
        // y = x / 2 from x = -1 to 1 leaves through the left and right edges.
        const auto c = clipToScale({-1, -0.5, 1, 0.5}, Profile);
        QVERIFY(c);
        QCOMPARE(c->x1, -0.6);
        QCOMPARE(c->y1, -0.3);
        QCOMPARE(c->x2, 0.6);
        QCOMPARE(c->y2, 0.3);

        // One end inside, the other through the top edge.
        const auto d = clipToScale({0, 0, 0.2, 0.6}, Profile);
        QVERIFY(d);
        QCOMPARE(d->x1, 0.0);
        QCOMPARE(d->y1, 0.0);
        QVERIFY(qFuzzyCompare(d->x2, 0.1));
        QCOMPARE(d->y2, 0.3);
    }

    void hugeEndsComeBackWithinTheScale_data() {
        QTest::addColumn<double>("x1");
        QTest::addColumn<double>("y1");
        QTest::addColumn<double>("x2");
        QTest::addColumn<double>("y2");
        QTest::newRow("axis from far left to far right") << -FloatMax << 0.0 << FloatMax << 0.0;
        QTest::newRow("from inside to far up") << 0.1 << 0.1 << 0.1 << FloatMax;
        QTest::newRow("from inside to a far corner") << 0.0 << 0.0 << FloatMax << -FloatMax;
        QTest::newRow("both far, through the middle")
            << -FloatMax << -FloatMax << FloatMax << FloatMax;
    }
    void hugeEndsComeBackWithinTheScale() {
        QFETCH(double, x1);
        QFETCH(double, y1);
        QFETCH(double, x2);
        QFETCH(double, y2);
        const auto c = clipToScale({x1, y1, x2, y2}, Profile);
        QVERIFY(c);
        QVERIFY(inside(c->x1, c->y1, Profile));
        QVERIFY(inside(c->x2, c->y2, Profile));
    }

    void hugeEndKeepsTheDirectionFromANearEnd() {
        // From the origin at 45 degrees down to the right: leaves through the
        // bottom edge at x = 0.3, however far the far end is.
        const auto c = clipToScale({0, 0, FloatMax, -FloatMax}, Profile);
        QVERIFY(c);
        QCOMPARE(c->x1, 0.0);
        QCOMPARE(c->y1, 0.0);
        QVERIFY(qFuzzyCompare(c->x2, 0.3));
        QCOMPARE(c->y2, -0.3);
    }

    void hugeSegmentMissingTheScaleIsDropped() {
        QVERIFY(!clipToScale({-FloatMax, 1, FloatMax, 1}, Profile));
        QVERIFY(!clipToScale({1, -FloatMax, 1, FloatMax}, Profile));
    }
};

QTEST_APPLESS_MAIN(CoordinateScaleTest)
#include "coordinate_scale_test.moc"
