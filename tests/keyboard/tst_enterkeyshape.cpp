#include "enterkeyshape.h"

#include <QTest>

namespace {

// A box 50 wide and 70 high: the upper arm spans the box's width, the lower arm leaves a notch 8
// wide at the bottom left, and the two overlap by 4. Rectangles with y upwards, as the key data
// give them.
EnterKeyDataEntity enterKey()
{
    EnterKeyDataEntity key;
    key.frame = QRectF(100, 200, 50, 70);
    key.rects = {QRectF(0, 36, 50, 34), QRectF(8, 0, 42, 40)};
    return key;
}

} // namespace

// Which points of an Enter key's box lie on the L: strictly inside one of its two rectangles,
// given with y upwards and met with y downwards.
class tst_EnterKeyShape : public QObject
{
    Q_OBJECT

private slots:
    void contains_data();
    void contains();
    void maskLeavesTheNotchOut();
    void emptyShapeHoldsNothing();
};

void tst_EnterKeyShape::contains_data()
{
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<bool>("inside");

    QTest::newRow("upper arm") << QPointF(4, 10) << true;
    QTest::newRow("lower arm") << QPointF(30, 60) << true;
    QTest::newRow("where the arms overlap") << QPointF(30, 32) << true;
    QTest::newRow("notch below the upper arm") << QPointF(4, 50) << false;
    QTest::newRow("left edge of the upper arm") << QPointF(0, 10) << false;
    QTest::newRow("left edge of the lower arm") << QPointF(8, 60) << false;
    QTest::newRow("top edge") << QPointF(30, 0) << false;
    QTest::newRow("bottom edge") << QPointF(30, 70) << false;
    QTest::newRow("right of the box") << QPointF(60, 10) << false;
}

void tst_EnterKeyShape::contains()
{
    QFETCH(QPointF, point);
    QFETCH(bool, inside);
    const EnterKeyShape shape(enterKey());
    QCOMPARE(shape.contains(point), inside);
}

void tst_EnterKeyShape::maskLeavesTheNotchOut()
{
    const QRegion mask = EnterKeyShape(enterKey()).region();
    QVERIFY(mask.contains(QPoint(4, 10)));
    QVERIFY(mask.contains(QPoint(30, 60)));
    QVERIFY(!mask.contains(QPoint(4, 50)));
}

void tst_EnterKeyShape::emptyShapeHoldsNothing()
{
    QVERIFY(!EnterKeyShape().contains(QPointF(1, 1)));
    QVERIFY(EnterKeyShape().region().isEmpty());
}

QTEST_MAIN(tst_EnterKeyShape)
#include "tst_enterkeyshape.moc"
