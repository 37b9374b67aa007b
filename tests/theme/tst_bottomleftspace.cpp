#include "bottomleftspace.h"

#include <QTest>

#include <cmath>
#include <numbers>

namespace {
constexpr double pi = std::numbers::pi;

bool near(QPointF a, QPointF b)
{
    return std::abs(a.x() - b.x()) < 1e-6 && std::abs(a.y() - b.y()) < 1e-6;
}
} // namespace

class tst_BottomLeftSpace : public QObject
{
    Q_OBJECT

private slots:
    void rectangles_data()
    {
        QTest::addColumn<double>("parentHeight");
        QTest::addColumn<QRectF>("yUp");
        QTest::addColumn<QRectF>("expected");

        QTest::newRow("key near the bottom ends near the bottom")
            << 250.0 << QRectF(10, 5, 35, 35) << QRectF(10, 210, 35, 35);
        QTest::newRow("key at the top starts at 0")
            << 250.0 << QRectF(10, 215, 35, 35) << QRectF(10, 0, 35, 35);
        QTest::newRow("empty rectangle is a point")
            << 100.0 << QRectF(3, 40, 0, 0) << QRectF(3, 60, 0, 0);
    }

    void rectangles()
    {
        QFETCH(double, parentHeight);
        QFETCH(QRectF, yUp);
        QFETCH(QRectF, expected);

        const BottomLeftSpace space(parentHeight);
        QCOMPARE(space.toQt(yUp), expected);
        QCOMPARE(space.frame(yUp.topLeft(), yUp.size()), expected);
        QCOMPARE(space.toQt(yUp.topLeft()), QPointF(yUp.x(), parentHeight - yUp.y()));
    }

    void sweep_data()
    {
        QTest::addColumn<double>("startAngle");
        QTest::addColumn<double>("endAngle");
        QTest::addColumn<bool>("clockwise");
        QTest::addColumn<double>("expected");

        QTest::newRow("quarter counter-clockwise") << 0.0 << pi / 2 << false << pi / 2;
        QTest::newRow("quarter clockwise") << pi / 2 << 0.0 << true << -pi / 2;
        QTest::newRow("clockwise the long way") << 0.0 << pi / 2 << true << -3 * pi / 2;
        QTest::newRow("end below start wraps") << 0.0 << -pi / 2 << false << 3 * pi / 2;
        QTest::newRow("equal angles draw nothing") << 1.0 << 1.0 << false << 0.0;
        QTest::newRow("a whole turn is the full circle") << 0.0 << 2 * pi << false << 2 * pi;
        QTest::newRow("more than a turn is the full circle") << 0.0 << 5 * pi << false << 2 * pi;
        QTest::newRow("a whole turn clockwise") << 2 * pi << 0.0 << true << -2 * pi;
    }

    void sweep()
    {
        QFETCH(double, startAngle);
        QFETCH(double, endAngle);
        QFETCH(bool, clockwise);
        QFETCH(double, expected);

        const ArcDataEntity arc{{0, 0}, startAngle, endAngle, clockwise};
        QVERIFY(std::abs(BottomLeftSpace::sweep(arc) - expected) < 1e-9);
    }

    void arcPoints_data()
    {
        QTest::addColumn<ArcDataEntity>("arc");
        QTest::addColumn<QPointF>("start");
        QTest::addColumn<QPointF>("middle");
        QTest::addColumn<QPointF>("end");

        // Centre (50, 50) with y up is (50, 50) in a parent 100 high; radius 10.
        const double d = 10 / std::sqrt(2.0);
        QTest::newRow("right to top, counter-clockwise: through the upper right")
            << ArcDataEntity{{50, 50}, 0, pi / 2, false} << QPointF(60, 50)
            << QPointF(50 + d, 50 - d) << QPointF(50, 40);
        QTest::newRow("right to bottom, clockwise: through the lower right")
            << ArcDataEntity{{50, 50}, 0, -pi / 2, true} << QPointF(60, 50)
            << QPointF(50 + d, 50 + d) << QPointF(50, 60);
        QTest::newRow("right to top, clockwise: the long way through the bottom")
            << ArcDataEntity{{50, 50}, 0, pi / 2, true} << QPointF(60, 50)
            << QPointF(50 - d, 50 + d) << QPointF(50, 40);
    }

    void arcPoints()
    {
        QFETCH(ArcDataEntity, arc);
        QFETCH(QPointF, start);
        QFETCH(QPointF, middle);
        QFETCH(QPointF, end);

        const BottomLeftSpace space(100);
        QPainterPath path;
        path.moveTo(start);
        space.addArc(path, arc, 10);
        QVERIFY(near(path.pointAtPercent(0), start));
        QVERIFY(near(path.pointAtPercent(0.5), middle));
        QVERIFY(near(path.currentPosition(), end));
    }

    // A key 40 wide and 30 high at (10, 20) with y up, corners of radius 4, drawn from the middle
    // of its bottom edge counter-clockwise as the key-frame data write it.
    void roundedRectangleOutline()
    {
        const double r = 4;
        const RectPolygon key{{30, 20},
                              {{{50 - r, 20 + r}, -pi / 2, 0, false},
                               {{50 - r, 50 - r}, 0, pi / 2, false},
                               {{10 + r, 50 - r}, pi / 2, pi, false},
                               {{10 + r, 20 + r}, pi, 3 * pi / 2, false}},
                              r};
        const QPainterPath outline = BottomLeftSpace(100).outline(key);
        const QRectF bounds = outline.boundingRect();
        QVERIFY(std::abs(bounds.left() - 10) < 1e-6 && std::abs(bounds.right() - 50) < 1e-6);
        QVERIFY(std::abs(bounds.top() - 50) < 1e-6 && std::abs(bounds.bottom() - 80) < 1e-6);
        QVERIFY(outline.contains(QPointF(30, 65)));
        QVERIFY(!outline.contains(QPointF(10.3, 50.3))); // the rounded-off corner
        QVERIFY(near(outline.currentPosition(), QPointF(30, 80)));
    }
};

QTEST_MAIN(tst_BottomLeftSpace)
#include "tst_bottomleftspace.moc"
