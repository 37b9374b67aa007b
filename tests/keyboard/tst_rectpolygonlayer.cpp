#include "bottomleftspace.h"
#include "rectpolygonlayer.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <numbers>

Q_DECLARE_METATYPE(ArcDataEntity)
Q_DECLARE_METATYPE(RectPolygon)

namespace {
constexpr double pi = std::numbers::pi;

// An L 60 wide and 50 high with y up, drawn counter-clockwise from the middle of its bottom edge:
// a top arm over the whole width and a bottom arm from x 20, corners of radius 4; the inner
// corner is the one clockwise arc.
RectPolygon lShape()
{
    return {{40, 0},
            {{{56, 4}, -pi / 2, 0, false},
             {{56, 46}, 0, pi / 2, false},
             {{4, 46}, pi / 2, pi, false},
             {{4, 29}, pi, 3 * pi / 2, false},
             {{16, 21}, pi / 2, 0, true},
             {{24, 4}, pi, 3 * pi / 2, false}},
            4};
}

// The L drawn into an image with a margin of 5 on every side, so that paint outside the outline
// shows.
QImage render(const RectPolygonLayer &layer)
{
    QImage image(70, 60, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.translate(5, 5);
    layer.draw(painter, BottomLeftSpace(50));
    return image;
}

// The alpha of the image pixel over a point of the L, y up.
int alphaAt(const QImage &image, QPointF yUp)
{
    return qAlpha(image.pixel(int(5 + yUp.x()), int(5 + 50 - yUp.y())));
}
} // namespace

// Key outlines: moved inwards corner by corner, filled along the converted path, stroked wholly
// inside the outline.
class tst_RectPolygonLayer : public QObject
{
    Q_OBJECT

private slots:
    void shrinkMovesCorners_data();
    void shrinkMovesCorners();
    void shrinkMovesTheStartPointWithTheLastCorner();
    void shrinkKeepsAnOutlineWithoutCorners();
    void filledPathSamplePoints_data();
    void filledPathSamplePoints();
    void strokeLiesInsideTheOutline_data();
    void strokeLiesInsideTheOutline();
    void drawsNothingWithoutAnOutlineOrColour();
};

void tst_RectPolygonLayer::shrinkMovesCorners_data()
{
    QTest::addColumn<ArcDataEntity>("corner");
    QTest::addColumn<QPointF>("movedCentre");

    // Distance 1; a corner's centre moves against its mid-direction on each axis.
    QTest::newRow("lower right, counter-clockwise")
        << ArcDataEntity{{56, 4}, -pi / 2, 0, false} << QPointF(55, 5);
    QTest::newRow("upper right, counter-clockwise")
        << ArcDataEntity{{56, 46}, 0, pi / 2, false} << QPointF(55, 45);
    QTest::newRow("upper left, counter-clockwise")
        << ArcDataEntity{{4, 46}, pi / 2, pi, false} << QPointF(5, 45);
    QTest::newRow("lower left, counter-clockwise")
        << ArcDataEntity{{4, 29}, pi, 3 * pi / 2, false} << QPointF(5, 30);
    QTest::newRow("inner corner, clockwise: the centre lies outside")
        << ArcDataEntity{{16, 21}, pi / 2, 0, true} << QPointF(17, 22);
    QTest::newRow("mid-direction straight up: x unchanged")
        << ArcDataEntity{{30, 30}, pi / 4, 3 * pi / 4, false} << QPointF(30, 29);
    QTest::newRow("mid-direction straight left: y unchanged")
        << ArcDataEntity{{30, 30}, 3 * pi / 4, 5 * pi / 4, false} << QPointF(31, 30);
    QTest::newRow("clockwise mid-direction straight down: x unchanged")
        << ArcDataEntity{{30, 30}, 3 * pi / 4, pi / 4, true} << QPointF(30, 31);
}

void tst_RectPolygonLayer::shrinkMovesCorners()
{
    QFETCH(ArcDataEntity, corner);
    QFETCH(QPointF, movedCentre);

    const ArcDataEntity other{{0, 0}, 0, pi / 2, false};
    const RectPolygon shrunk = RectPolygonLayer::shrinkRectPolygon({{0, 0}, {corner, other}, 4}, 1);
    QCOMPARE(shrunk.arcParams.size(), 2);
    const ArcDataEntity moved = shrunk.arcParams.first();
    QVERIFY2(qAbs(moved.centerPoint.x() - movedCentre.x()) < 1e-12 &&
                 qAbs(moved.centerPoint.y() - movedCentre.y()) < 1e-12,
             qPrintable(QStringLiteral("centre at %1, %2")
                            .arg(moved.centerPoint.x())
                            .arg(moved.centerPoint.y())));
    QCOMPARE(moved.startAngle, corner.startAngle);
    QCOMPARE(moved.endAngle, corner.endAngle);
    QCOMPARE(moved.clockwise, corner.clockwise);
    QCOMPARE(shrunk.arcRadius, 4.0);
}

void tst_RectPolygonLayer::shrinkMovesTheStartPointWithTheLastCorner()
{
    const RectPolygon shrunk = RectPolygonLayer::shrinkRectPolygon(lShape(), 1.5);
    QCOMPARE(shrunk.startPoint, QPointF(41.5, 1.5));
    QCOMPARE(shrunk.arcParams.last().centerPoint, QPointF(25.5, 5.5));

    // A corner equal to the last one moves the start point too, wherever it stands.
    RectPolygon repeated = lShape();
    repeated.arcParams.prepend(repeated.arcParams.last());
    QCOMPARE(RectPolygonLayer::shrinkRectPolygon(repeated, 1).startPoint, QPointF(42, 2));
}

void tst_RectPolygonLayer::shrinkKeepsAnOutlineWithoutCorners()
{
    const RectPolygon bare{{7, 9}, {}, 4};
    const RectPolygon shrunk = RectPolygonLayer::shrinkRectPolygon(bare, 3);
    QCOMPARE(shrunk.startPoint, bare.startPoint);
    QVERIFY(shrunk.arcParams.isEmpty());
}

void tst_RectPolygonLayer::filledPathSamplePoints_data()
{
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<bool>("filled");

    QTest::newRow("top arm, left end") << QPointF(10, 40) << true;
    QTest::newRow("bottom arm") << QPointF(30, 10) << true;
    QTest::newRow("the notch under the top arm") << QPointF(10, 10) << false;
    QTest::newRow("rounded-off top left corner") << QPointF(0.5, 49.5) << false;
    QTest::newRow("rounded-off outer corner of the notch") << QPointF(0.5, 25.5) << false;
    QTest::newRow("inner corner, filled to its arc") << QPointF(19.5, 25.5) << true;
    QTest::newRow("inside the inner corner's rounding") << QPointF(20.5, 24.5) << true;
}

void tst_RectPolygonLayer::filledPathSamplePoints()
{
    QFETCH(QPointF, point);
    QFETCH(bool, filled);

    RectPolygonLayer layer(lShape());
    layer.setFillColor(Qt::red);
    QCOMPARE(alphaAt(render(layer), point) > 128, filled);
}

void tst_RectPolygonLayer::strokeLiesInsideTheOutline_data()
{
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<bool>("stroked");

    // Border width 2: the line runs along the outline shrunk by 1.
    QTest::newRow("inner edge of the bottom edge") << QPointF(30, 0.5) << true;
    QTest::newRow("just below the bottom edge") << QPointF(30, -0.5) << false;
    QTest::newRow("just left of the top arm") << QPointF(-0.5, 40) << false;
    QTest::newRow("inner edge of the left edge") << QPointF(0.5, 40) << true;
    QTest::newRow("just inside the border") << QPointF(30, 2.5) << false;
    QTest::newRow("the notch's edge, outside") << QPointF(19.5, 10) << false;
    QTest::newRow("the notch's edge, inside") << QPointF(20.5, 10) << true;
}

void tst_RectPolygonLayer::strokeLiesInsideTheOutline()
{
    QFETCH(QPointF, point);
    QFETCH(bool, stroked);

    RectPolygonLayer layer;
    layer.setPropertiesForBorderedPolygon(lShape(), 2);
    layer.setStrokeColor(Qt::white);
    QCOMPARE(alphaAt(render(layer), point) > 128, stroked);
}

void tst_RectPolygonLayer::drawsNothingWithoutAnOutlineOrColour()
{
    QImage empty(70, 60, QImage::Format_ARGB32_Premultiplied);
    empty.fill(Qt::transparent);

    RectPolygonLayer withoutOutline;
    withoutOutline.setFillColor(Qt::red);
    withoutOutline.setStrokeColor(Qt::red);
    QCOMPARE(render(withoutOutline), empty);

    QCOMPARE(render(RectPolygonLayer(lShape())), empty);

    RectPolygonLayer withoutCorners({{7, 9}, {}, 4});
    withoutCorners.setFillColor(Qt::red);
    QCOMPARE(render(withoutCorners), empty);
}

QTEST_MAIN(tst_RectPolygonLayer)
#include "tst_rectpolygonlayer.moc"
