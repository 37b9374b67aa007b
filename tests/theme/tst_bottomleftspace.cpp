#include "bottomleftspace.h"

#include <QTest>

#include <cmath>
#include <numbers>

namespace {
constexpr double pi = std::numbers::pi;
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
};

QTEST_MAIN(tst_BottomLeftSpace)
#include "tst_bottomleftspace.moc"
