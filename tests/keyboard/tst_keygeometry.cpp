#include "bottomleftspace.h"
#include "drawinginfo.h"
#include "drawnkeyboardlayout.h"
#include "enterkeyshape.h"
#include "exceptions.h"
#include "keyboardfixture.h"
#include "rectpolygonlayer.h"
#include "resourceloader.h"
#include "slidekeylayout.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <numbers>

using Frames = QList<QList<double>>;

namespace {
constexpr double pi = std::numbers::pi;
const auto English = KeyboardLayoutType::English;
const auto Japanese = KeyboardLayoutType::Japanese;
constexpr int japaneseEnter = 41;

// A row of frames, the L-shaped Enter key at its place among the Japanese keyboard's 72.
Frames rowOfFrames(int count, bool withEnter)
{
    Frames frames;
    for (int index = 0; index < count; ++index)
        frames.append({5.0 * index, 0, 4, 4.0 + index % 3});
    if (withEnter)
        frames[japaneseEnter] = lShapedFrame();
    return frames;
}

QString assetName(KeyboardLayoutType layout, KeyboardColorType color)
{
    const DrawingInfo::KeyboardLayoutNames &names = DrawingInfo::virtualKeyboard().layout;
    return (layout == Japanese ? names.japanese : names.english).of(color);
}

// The outline of the Enter key of the page's fixture, 60 wide and 50 high.
RectPolygon lShape()
{
    const EnterKeyDataEntity key = lShapedEnterKey();
    return {key.startPoint, key.arcParams, key.arcRadius};
}

// Whether the layer paints the point of the L (y up), drawn with a margin of 5 on every side so
// that paint outside the outline shows.
bool paints(const RectPolygonLayer &layer, QPointF yUp)
{
    QImage image(70, 60, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.translate(5, 5);
    layer.draw(painter, BottomLeftSpace(50));
    return qAlpha(image.pixel(int(5 + yUp.x()), int(5 + 50 - yUp.y()))) > 128;
}
} // namespace

// Where the keys of the drawn keyboard and the slide keys stand as the key-frame assets place
// them, the assets refused, and the L-shaped Enter key's hit area and outlines.
class tst_KeyGeometry : public QObject
{
    Q_OBJECT

    TestFolders m_folders;

private slots:
    void applicationAssets_data()
    {
        QTest::addColumn<KeyboardLayoutType>("layout");
        QTest::addColumn<bool>("dip5");
        for (const bool dip5 : {false, true}) {
            for (const KeyboardLayoutType layout : {English, Japanese}) {
                QTest::addRow("%s, DIP 5 %s", layout == English ? "English" : "Japanese",
                              dip5 ? "on" : "off")
                    << layout << dip5;
            }
        }
    }

    // Each layout's asset draws it, its keys in the order of their numbers: the last three are
    // the mouse keys, and only the Japanese Enter key is L-shaped, with its legend band as high
    // as the key after it.
    void applicationAssets()
    {
        QFETCH(KeyboardLayoutType, layout);
        QFETCH(bool, dip5);

        const QString asset = assetName(layout, KeyboardColorType::Black);
        const Frames frames = ResourceLoader::sharedInstance().getKeyFrames(asset);
        const DrawnKeyboardLayout drawn =
            DrawnKeyboardLayout::load(asset, frames, layout, dipSwitches(dip5), 3.0);
        const QList<DrawnKeyboardLayout::Key> &keys = drawn.keys();
        QCOMPARE(keys.size(), frames.size());
        for (qsizetype index = 0; index < keys.size(); ++index) {
            const DrawnKeyboardLayout::Key &key = keys.at(index);
            QVERIFY(index == 0 || key.keyNumber > keys.at(index - 1).keyNumber);
            QCOMPARE(drawn.drawnIndex(key.keyNumber), std::optional<int>(index));
            QCOMPARE(key.isMouseKey, index >= keys.size() - 3);
            QCOMPARE(key.enterKey.has_value(), layout == Japanese && index == japaneseEnter);
            QCOMPARE(key.frame.topLeft(), QPointF(frames.at(index).at(0), frames.at(index).at(1)));
        }
        QCOMPARE(keys.last().keyNumber, 81);
        QCOMPARE(drawn.drawnIndex(120), std::nullopt);
        const DrawnKeyboardLayout::Key &enter = keys.at(japaneseEnter);
        QCOMPARE(enter.alignment, KeyImageAlignment::Right);
        if (layout == Japanese) {
            QCOMPARE(enter.keyNumber, 44);
            QCOMPARE(enter.charLayerHeight, frames.at(japaneseEnter + 1).at(3));
            QCOMPARE(enter.enterKey->arcRadius, 3.0);
        }
    }

    void alignments_data()
    {
        QTest::addColumn<KeyboardLayoutType>("layout");
        QTest::addColumn<int>("drawnIndex");
        QTest::addColumn<KeyImageAlignment>("alignment");
        QTest::newRow("English Backspace") << English << 28 << KeyImageAlignment::Right;
        QTest::newRow("English Left Ctrl") << English << 29 << KeyImageAlignment::Left;
        QTest::newRow("Japanese Tab") << Japanese << 14 << KeyImageAlignment::Left;
        QTest::newRow("Japanese Q") << Japanese << 15 << KeyImageAlignment::Center;
    }

    // The legend alignment lists count drawn keys, not key numbers.
    void alignments()
    {
        QFETCH(KeyboardLayoutType, layout);
        QFETCH(int, drawnIndex);
        QFETCH(KeyImageAlignment, alignment);
        const QString asset = assetName(layout, KeyboardColorType::Black);
        const DrawnKeyboardLayout drawn =
            DrawnKeyboardLayout::load(asset, ResourceLoader::sharedInstance().getKeyFrames(asset),
                                      layout, dipSwitches(false), 3.0);
        QCOMPARE(drawn.keys().at(drawnIndex).alignment, alignment);
    }

    void refusesWhatCannotBeDrawn_data()
    {
        QTest::addColumn<Frames>("frames");
        QTest::addColumn<QList<bool>>("dipSwitch");
        QTest::addColumn<QString>("failure");
        const Frames good = rowOfFrames(72, true);
        const auto row = [](const char *name, const Frames &frames, const QString &failure,
                            const QList<bool> &dipSwitch = dipSwitches()) {
            QTest::newRow(name) << frames << dipSwitch << failure;
        };
        row("a whole keyboard", good, "");
        row("five DIP switches", good, "5 DIP switches, not 6", QList<bool>(5, false));
        row("a key too few", good.first(71), "71 keys, not 72");
        row("a key too many, past the mouse keys", good + Frames{{400, 0, 4, 4}}, "73 keys, not 72",
            dipSwitches(true));
        Frames twoEnters = good;
        twoEnters[50] = lShapedFrame();
        row("two L-shaped keys", twoEnters, "more than one L-shaped key");
        Frames lastEnter = rowOfFrames(72, false);
        lastEnter[71] = lShapedFrame();
        row("an L-shaped key last", lastEnter, "L-shaped key 71 has no key after it");
        Frames shortNext = good;
        shortNext[japaneseEnter + 1] = {210, 0, 4};
        row("an L-shaped key followed by a key without its height", shortNext,
            "L-shaped key 41 has no key after it");
        Frames noStart = good;
        noStart[japaneseEnter] = lShapedFrame().first(13);
        row("an outline without its start point", noStart, "L-shaped key 41 has no whole outline");
        Frames partialCorner = good;
        partialCorner[japaneseEnter].append({1, 2});
        row("a partial corner", partialCorner, "L-shaped key 41 has no whole outline");
        Frames noHeight = good;
        noHeight[10] = {50, 0, 4};
        row("a key without its height", noHeight, "key 10 has no whole box");
        // Slide-key assets, eight keys.
        row("slide keys: nine", rowOfFrames(9, false), "9 keys, not 8");
        Frames shortBox = rowOfFrames(8, false);
        shortBox[5] = {10, 10, 36};
        row("slide keys: a key without its height", shortBox, "key 5 has no whole box");
    }

    // A broken installation is reported as such (the pages show message 9012), never drawn.
    void refusesWhatCannotBeDrawn()
    {
        QFETCH(Frames, frames);
        QFETCH(QList<bool>, dipSwitch);
        QFETCH(QString, failure);
        QString caught;
        try {
            if (QByteArray(QTest::currentDataTag()).startsWith("slide"))
                SlideKeyLayout::load("Test_position", frames);
            else
                DrawnKeyboardLayout::load("Test_position", frames, Japanese, dipSwitch, 3.0);
        } catch (const Exceptions &error) {
            QCOMPARE(error.kind(), Exceptions::Case::EnvironmentBrokenException);
            caught = QString::fromUtf8(error.what());
        }
        QCOMPARE(caught,
                 failure.isEmpty()
                     ? QString()
                     : "EnvironmentBrokenException(Can't draw Test_position: " + failure + ")");
    }

    void enterKeyShape_data()
    {
        QTest::addColumn<QPointF>("point");
        QTest::addColumn<bool>("inside");
        // In the box with y down: the top arm 0..60 across and 0..25 down, the bottom arm 20..60
        // across and 25..50 down.
        QTest::newRow("top arm") << QPointF(10, 10) << true;
        QTest::newRow("bottom arm") << QPointF(40, 37) << true;
        QTest::newRow("notch below the top arm") << QPointF(10, 37) << false;
        QTest::newRow("left edge of the top arm") << QPointF(0, 10) << false;
        QTest::newRow("left edge of the bottom arm") << QPointF(20, 37) << false;
        QTest::newRow("just inside it") << QPointF(20.5, 37) << true;
        QTest::newRow("top edge") << QPointF(30, 0) << false;
        QTest::newRow("bottom edge") << QPointF(30, 50) << false;
        QTest::newRow("right of the box") << QPointF(70, 10) << false;
    }

    // Points of the box on the L lie strictly inside one of its two rectangles, given with y
    // upwards and met with y downwards; the mask leaves the notch out.
    void enterKeyShape()
    {
        QFETCH(QPointF, point);
        QFETCH(bool, inside);
        const EnterKeyShape shape(lShapedEnterKey());
        QCOMPARE(shape.contains(point), inside);
        if (!QByteArray(QTest::currentDataTag()).contains("edge") && point.x() == int(point.x()))
            QCOMPARE(shape.region().contains(point.toPoint()), inside);
        QVERIFY(!EnterKeyShape().contains(point));
    }

    void shrinkMovesCorners_data()
    {
        QTest::addColumn<ArcDataEntity>("corner");
        QTest::addColumn<QPointF>("movedCentre");
        // Distance 1; a corner's centre moves against its mid-direction on each axis.
        QTest::newRow("lower right") << ArcDataEntity{{56, 4}, -pi / 2, 0, false} << QPointF(55, 5);
        QTest::newRow("upper left") << ArcDataEntity{{4, 46}, pi / 2, pi, false} << QPointF(5, 45);
        QTest::newRow("inner corner, clockwise: the centre lies outside")
            << ArcDataEntity{{16, 21}, pi / 2, 0, true} << QPointF(17, 22);
        QTest::newRow("mid-direction straight up: x unchanged")
            << ArcDataEntity{{30, 30}, pi / 4, 3 * pi / 4, false} << QPointF(30, 29);
        QTest::newRow("clockwise mid-direction straight down: x unchanged")
            << ArcDataEntity{{30, 30}, 3 * pi / 4, pi / 4, true} << QPointF(30, 31);
    }

    void shrinkMovesCorners()
    {
        QFETCH(ArcDataEntity, corner);
        QFETCH(QPointF, movedCentre);
        const ArcDataEntity other{{0, 0}, 0, pi / 2, false};
        const RectPolygon shrunk =
            RectPolygonLayer::shrinkRectPolygon({{0, 0}, {corner, other}, 4}, 1);
        const ArcDataEntity moved = shrunk.arcParams.first();
        QCOMPARE(moved.centerPoint, movedCentre);
        QVERIFY(moved.startAngle == corner.startAngle && moved.endAngle == corner.endAngle);
        QCOMPARE(moved.clockwise, corner.clockwise);
    }

    // The start point moves with the last corner, and an outline without corners stays.
    void shrinkMovesTheStartPointWithTheLastCorner()
    {
        const RectPolygon shrunk = RectPolygonLayer::shrinkRectPolygon(lShape(), 1.5);
        QCOMPARE(shrunk.startPoint, QPointF(41.5, 1.5));
        QCOMPARE(shrunk.arcParams.last().centerPoint, QPointF(25.5, 5.5));
        QCOMPARE(RectPolygonLayer::shrinkRectPolygon({{7, 9}, {}, 4}, 3).startPoint, QPointF(7, 9));
    }

    void outlinesPaint_data()
    {
        QTest::addColumn<bool>("stroked");
        QTest::addColumn<QPointF>("point");
        QTest::addColumn<bool>("painted");
        const auto row = [](const char *name, bool stroked, QPointF point, bool painted) {
            QTest::newRow(name) << stroked << point << painted;
        };
        row("filled: top arm", false, {10, 40}, true);
        row("filled: the notch under the top arm", false, {10, 10}, false);
        row("filled: rounded-off top left corner", false, {0.5, 49.5}, false);
        row("filled: rounded-off outer corner of the notch", false, {0.5, 25.5}, false);
        row("filled: inside the inner corner's rounding", false, {20.5, 24.5}, true);
        // Border width 2: the line runs along the outline shrunk by 1.
        row("stroked: inner edge of the bottom edge", true, {30, 0.5}, true);
        row("stroked: just below the bottom edge", true, {30, -0.5}, false);
        row("stroked: just inside the border", true, {30, 2.5}, false);
        row("stroked: the notch's edge, outside", true, {19.5, 10}, false);
        row("stroked: the notch's edge, inside", true, {20.5, 10}, true);
    }

    // Filled along the converted path, stroked wholly inside the outline; nothing without a
    // colour or corners.
    void outlinesPaint()
    {
        QFETCH(bool, stroked);
        QFETCH(QPointF, point);
        QFETCH(bool, painted);
        RectPolygonLayer layer;
        if (stroked) {
            layer.setPropertiesForBorderedPolygon(lShape(), 2);
            layer.setStrokeColor(Qt::white);
        } else {
            layer.setPropertiesForFilledPolygon(lShape());
            layer.setFillColor(Qt::red);
        }
        QCOMPARE(paints(layer, point), painted);
        QVERIFY(!paints(RectPolygonLayer(lShape()), point));
        RectPolygonLayer withoutCorners({{7, 9}, {}, 4});
        withoutCorners.setFillColor(Qt::red);
        QVERIFY(!paints(withoutCorners, point));
    }
};

QTEST_MAIN(tst_KeyGeometry)
#include "tst_keygeometry.moc"
