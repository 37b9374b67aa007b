#include "bottomleftspace.h"
#include "constants.h"
#include "drawinginfo.h"
#include "enterkeydataentity.h"
#include "factorykeymaps.h"
#include "imageprovider.h"
#include "keyframeassets.h"
#include "keynumbering.h"
#include "paintkit.h"
#include "reviewimage.h"
#include "themegeometry.h"

#include <QDir>
#include <QPainter>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

using Frames = QList<QList<double>>;

namespace {

const QString applicationData = QStringLiteral(":/data/");
const auto Black = KeyboardColorType::Black;
const auto White = KeyboardColorType::White;
const auto English = KeyboardLayoutType::English;
const auto Japanese = KeyboardLayoutType::Japanese;
// Usages the tests look keys up by.
constexpr qint32 enterUsage = 0x28, spaceUsage = 0x2C, backspaceUsage = 0x2A, deleteUsage = 0x4C;
constexpr qint32 gUsage = 0x0A, hUsage = 0x0B, bUsage = 0x05;
constexpr qint32 mouseButtons[]{244, 245, 246};

Frames frames(const QString &assetName)
{
    return KeyFrameAssets(applicationData).load(assetName);
}

QString drawnAsset(KeyboardLayoutType layout, KeyboardColorType color)
{
    const auto &names = DrawingInfo::virtualKeyboard().layout;
    return (layout == Japanese ? names.japanese : names.english).of(color);
}

QString paletteAsset(KeyboardLayoutType layout)
{
    const auto &names = DrawingInfo::assignKeyboard().layout;
    return layout == Japanese ? names.japanese : names.english;
}

// A key's box, origin at the bottom left.
QRectF box(const QList<double> &frame)
{
    return {frame.at(0), frame.at(1), frame.at(2), frame.at(3)};
}

// An L-shaped key's outline in Qt's coordinates, relative to the top left of its box.
QPainterPath outline(const QList<double> &frame, double radius)
{
    const EnterKeyDataEntity enter = EnterKeyDataEntity::arrayToEnterKeyDataEntity(frame, radius);
    return BottomLeftSpace(enter.frame.height())
        .outline({enter.startPoint, enter.arcParams, enter.arcRadius});
}

bool sameRow(const QRectF &a, const QRectF &b)
{
    return a.top() < b.bottom() && b.top() < a.bottom();
}

int sign(double value)
{
    return (value > 0) - (value < 0);
}

// Where b lies from a: in the same row left or right, else above or below.
std::pair<bool, int> relation(const QRectF &a, const QRectF &b)
{
    const bool row = sameRow(a, b);
    return {row,
            row ? sign(b.center().x() - a.center().x()) : sign(b.center().y() - a.center().y())};
}

// The key numbers of the drawn keys, in drawn order.
QList<int> drawnKeyNumbers(KeyboardLayoutType layout, bool dip5)
{
    QList<int> keys;
    for (int index = 0; index < KeyNumbering::drawnKeyCount(layout, dip5); ++index)
        keys.append(KeyNumbering::keyNumber(index, layout, dip5));
    return keys;
}

// The palette's key numbers, in its frames' order.
const QList<int> &positionTable(KeyboardLayoutType layout, bool dip5)
{
    if (layout == Japanese)
        return dip5 ? Constants::keyPositionInJPPhysicalKeyboardDip5On
                    : Constants::keyPositionInJPPhysicalKeyboard;
    return dip5 ? Constants::keyPositionInEnPhysicalKeyboardDip5On
                : Constants::keyPositionInEnPhysicalKeyboard;
}

void addLayoutRows()
{
    QTest::addColumn<KeyboardLayoutType>("layout");
    QTest::addColumn<bool>("dip5");
    QTest::newRow("English") << English << false;
    QTest::newRow("English, DIP switch 5 on") << English << true;
    QTest::newRow("Japanese") << Japanese << false;
    QTest::newRow("Japanese, DIP switch 5 on") << Japanese << true;
}

} // namespace

// The key frames of the drawn keyboards, the slide-key panel and the qwerty palettes, beyond what
// tools/check-keymaps.py sees (each fits its view without overlaps): the L-shaped Enter key's
// outline covers its arms, the keys sit where the factory keymaps expect them, and a palette shows
// its keys in the drawn keyboard's rows and order. Writes the painted keyboards, the slide panel
// and the palettes' frames with their key numbers into build/screenshots, for review by eye.
class tst_KeyFrames : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_logFolder = std::make_unique<QTemporaryDir>();
        Constants::setLogDirectoryForTesting(m_logFolder->path() + '/');
    }

    void cleanupTestCase() { Constants::setLogDirectoryForTesting({}); }

    void enterOutlineCoversItsArms_data()
    {
        QTest::addColumn<QString>("asset");
        QTest::addColumn<double>("radius");
        QTest::newRow("drawn, black")
            << drawnAsset(Japanese, Black) << DrawingInfo::virtualKeyboard().cornerRadius.black;
        QTest::newRow("drawn, white")
            << drawnAsset(Japanese, White) << DrawingInfo::virtualKeyboard().cornerRadius.white;
        QTest::newRow("palette") << paletteAsset(Japanese)
                                 << DrawingInfo::assignKeyboard().cornerRadius;
    }

    // Inside the arms the outline is filled up to the corners' radius, outside them it is empty
    // beyond it, and it reaches every side of the box: a corner out of order, turning the wrong
    // way, or made for another radius would break one of these.
    void enterOutlineCoversItsArms()
    {
        QFETCH(QString, asset);
        QFETCH(double, radius);

        const QList<double> frame = frames(asset).at(41);
        const EnterKeyDataEntity enter =
            EnterKeyDataEntity::arrayToEnterKeyDataEntity(frame, radius);
        const QRectF local(QPointF(), enter.frame.size());
        QCOMPARE(enter.rects.at(0).united(enter.rects.at(1)), local);
        const BottomLeftSpace space(local.height());
        const QPainterPath path = outline(frame, radius);
        const QRectF bounds = path.boundingRect();
        QVERIFY(std::abs(bounds.width() - local.width()) < 0.01);
        QVERIFY(std::abs(bounds.height() - local.height()) < 0.01);

        const auto inArms = [&](QPointF point, double inset) {
            return std::any_of(enter.rects.begin(), enter.rects.end(), [&](const QRectF &arm) {
                return arm.adjusted(inset, inset, -inset, -inset).contains(point);
            });
        };
        for (double x = 0.25; x < local.width(); x += 0.5) {
            for (double y = 0.25; y < local.height(); y += 0.5) {
                const QPointF point(x, y);
                const bool filled = path.contains(space.toQt(point));
                if (inArms(point, radius))
                    QVERIFY2(filled, qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
                else if (!inArms(point, -radius))
                    QVERIFY2(!filled, qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
            }
        }
    }

    void whiteKeysSitWhereBlackKeysDo_data()
    {
        QTest::addColumn<KeyboardLayoutType>("layout");
        QTest::newRow("English") << English;
        QTest::newRow("Japanese") << Japanese;
    }

    // Only the Enter key's corners follow the colour's radius: a keyboard that changes colour keeps
    // every key, box and arm in place.
    void whiteKeysSitWhereBlackKeysDo()
    {
        QFETCH(KeyboardLayoutType, layout);
        const Frames black = frames(drawnAsset(layout, Black));
        const Frames white = frames(drawnAsset(layout, White));
        QCOMPARE(white.size(), black.size());
        for (qsizetype index = 0; index < black.size(); ++index) {
            QCOMPARE(white.at(index).size(), black.at(index).size());
            const qsizetype place = std::min<qsizetype>(14, black.at(index).size());
            QCOMPARE(white.at(index).first(place), black.at(index).first(place));
        }
    }

    void drawnKeysCarryTheirFactoryUsages_data() { addLayoutRows(); }

    void drawnKeysCarryTheirFactoryUsages()
    {
        QFETCH(KeyboardLayoutType, layout);
        QFETCH(bool, dip5);

        const Frames keys = frames(drawnAsset(layout, Black));
        const QList<int> numbers = drawnKeyNumbers(layout, dip5);
        const QList<qint32> normal = FactoryKeymaps(applicationData).load(layout)->profile1->normal;
        const auto boxHolding = [&](qint32 usage) {
            QList<qsizetype> found;
            for (qsizetype index = 0; index < keys.size(); ++index) {
                if (normal.at(numbers.at(index)) == usage)
                    found.append(index);
            }
            return found;
        };
        const auto single = [&](qint32 usage) {
            const QList<qsizetype> found = boxHolding(usage);
            return found.size() == 1 ? box(keys.at(found.first())) : QRectF();
        };

        // Enter: drawn index 41, L-shaped on the Japanese keyboard only.
        QCOMPARE(boxHolding(enterUsage), QList<qsizetype>{41});
        QCOMPARE(keys.at(41).size() > 4, layout == Japanese);

        // Backspace, Delete with DIP switch 5 on: the last key of the top row (Japanese) or of the
        // row below it (English).
        const QRectF backspace = single(dip5 ? deleteUsage : backspaceUsage);
        QVERIFY(!backspace.isNull());
        qsizetype keysAbove = 0;
        for (const QList<double> &frame : keys) {
            QVERIFY(!sameRow(box(frame), backspace) || box(frame).right() <= backspace.right());
            keysAbove += box(frame).top() >= backspace.bottom() ? 1 : 0;
        }
        QCOMPARE(keysAbove, layout == Japanese ? 0 : 15);

        // The mouse buttons lie left to right under the space bar, the widest key.
        const QRectF space = single(spaceUsage);
        for (const QList<double> &frame : keys)
            QVERIFY(box(frame).width() <= space.width());
        double left = 0;
        for (const qint32 button : mouseButtons) {
            const QRectF mouse = single(button);
            QVERIFY(!mouse.isNull() && mouse.left() >= left);
            QVERIFY(mouse.bottom() <= space.top());
            QVERIFY(mouse.center().x() > space.left() && mouse.center().x() < space.right());
            left = mouse.right();
        }

        // The pointing stick's mark sits between G, H and B, on no key.
        const auto &point = DrawingInfo::virtualKeyboard().pointImage;
        const QPointF centre = QRectF(point.frameOrigin, point.size).center();
        QSet<qint32> near;
        for (qsizetype index = 0; index < keys.size(); ++index) {
            const QRectF key = box(keys.at(index));
            QVERIFY(!key.contains(centre));
            const double dx = std::max({key.left() - centre.x(), 0.0, centre.x() - key.right()});
            const double dy = std::max({key.top() - centre.y(), 0.0, centre.y() - key.bottom()});
            if (std::max(dx, dy) < point.size.width() / 2)
                near.insert(normal.at(numbers.at(index)));
        }
        QCOMPARE(near, (QSet<qint32>{gUsage, hUsage, bUsage}));
    }

    void paletteKeysFollowTheDrawnKeyboard_data() { addLayoutRows(); }

    // For every two keys of the main block: in the same row on one, in the same row on the other
    // and in the same order; else one above the other on both.
    void paletteKeysFollowTheDrawnKeyboard()
    {
        QFETCH(KeyboardLayoutType, layout);
        QFETCH(bool, dip5);

        const Frames drawn = frames(drawnAsset(layout, Black));
        const Frames palette = frames(paletteAsset(layout));
        const QList<int> drawnNumbers = drawnKeyNumbers(layout, dip5);
        const QList<int> &positions = positionTable(layout, dip5);
        QCOMPARE(positions.size(), drawn.size());
        QList<QRectF> drawnBoxes, paletteBoxes;
        for (qsizetype index = 0; index < positions.size(); ++index) {
            const QList<double> &drawnFrame = drawn.at(drawnNumbers.indexOf(positions.at(index)));
            QCOMPARE(palette.at(index).size() > 4, drawnFrame.size() > 4);
            drawnBoxes.append(box(drawnFrame));
            paletteBoxes.append(box(palette.at(index)));
        }
        for (qsizetype a = 0; a < drawnBoxes.size(); ++a) {
            for (qsizetype b = 0; b < a; ++b) {
                QVERIFY2(relation(drawnBoxes.at(a), drawnBoxes.at(b)) ==
                             relation(paletteBoxes.at(a), paletteBoxes.at(b)),
                         qPrintable(QStringLiteral("keys %1 and %2")
                                        .arg(positions.at(a))
                                        .arg(positions.at(b))));
            }
        }
    }

    void slideKeysFlankTheirPads_data()
    {
        QTest::addColumn<int>("pad");
        QTest::addColumn<int>("leftKey");
        QTest::addColumn<int>("rightKey");
        // Each key sits at the end its slide runs to in the pad's picture.
        QTest::newRow("side left") << 0 << 0 << 1;
        QTest::newRow("front left") << 1 << 2 << 3;
        QTest::newRow("front right") << 2 << 4 << 5;
        QTest::newRow("side right") << 3 << 7 << 6;
    }

    void slideKeysFlankTheirPads()
    {
        QFETCH(int, pad);
        QFETCH(int, leftKey);
        QFETCH(int, rightKey);

        const Frames keys = frames(DrawingInfo::virtualSlideKey().position);
        const QRectF picture = ThemeGeometry::gesturePadFrame(pad);
        const QRectF caption = ThemeGeometry::gesturePadCaptionFrame(pad);
        const QRectF panel(QPointF(), ThemeGeometry::slidePanelSize);
        QVERIFY(panel.contains(picture) && panel.contains(caption));
        QVERIFY(caption.bottom() <= picture.top());
        const QRectF left = box(keys.at(leftKey));
        const QRectF right = box(keys.at(rightKey));
        constexpr double gap = 8;
        QVERIFY(left.right() <= picture.left() && left.right() > picture.left() - gap);
        QVERIFY(right.left() >= picture.right() && right.left() < picture.right() + gap);
        for (const QRectF &key : {left, right})
            QVERIFY(key.top() >= picture.top() && key.bottom() <= picture.bottom());
        for (int other = 0; other < 4; ++other) {
            if (other != pad)
                QVERIFY(!ThemeGeometry::gesturePadFrame(other)
                             .united(ThemeGeometry::gesturePadCaptionFrame(other))
                             .intersects(picture.united(caption).united(left).united(right)));
        }
    }

    void reviewImages_data()
    {
        QTest::addColumn<KeyboardColorType>("color");
        QTest::newRow("black") << Black;
        QTest::newRow("white") << White;
    }

    // The keyboards and the slide panel as painted, and the palettes' frames, each key labelled
    // with its key number (DIP switch 5 off). Nothing may be logged while they are painted.
    void reviewImages()
    {
        QFETCH(KeyboardColorType, color);
        ImageProvider &provider = ImageProvider::sharedInstance();
        constexpr qreal ratio = 2;
        const QString colorWord = color == Black ? "black" : "white";

        const auto sheet = [&](QSizeF size, const QString &background) {
            QImage image((size * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(ratio);
            image.fill(PaintKit::grey(0.5));
            if (!background.isEmpty()) {
                QPainter painter(&image);
                painter.drawImage(QRectF(QPointF(), size), provider.image(background, ratio));
            }
            return image;
        };
        const auto label = [&](QImage &image, const Frames &keys, const QList<int> &numbers) {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            const BottomLeftSpace space(image.deviceIndependentSize().height());
            painter.setPen(PaintKit::stroke(PaintKit::accent(), 1));
            for (qsizetype index = 0; index < keys.size(); ++index) {
                const QRectF key = space.toQt(box(keys.at(index)));
                if (keys.at(index).size() > 4)
                    painter.drawPath(outline(keys.at(index), 3).translated(key.topLeft()));
                else
                    painter.drawRect(key);
                PaintKit::caption(painter, key, QString::number(numbers.at(index)), 10,
                                  PaintKit::accent());
            }
        };

        for (const KeyboardLayoutType layout : {English, Japanese}) {
            const QString layoutWord = layout == Japanese ? "Japanese" : "English";
            const Frames drawn = frames(drawnAsset(layout, color));
            const QList<int> numbers = drawnKeyNumbers(layout, false);
            QImage keyboard =
                sheet(ThemeGeometry::keyboardViewSize,
                      DrawingInfo::virtualKeyboard().backgroundImages.image(layout, color));
            label(keyboard, drawn, numbers);
            QVERIFY(saveReviewImage(keyboard,
                                    "keyboard-" + layoutWord + "-" + colorWord + "-numbers.png"));

            QImage palette = sheet(ThemeGeometry::qwertyPaletteSize, {});
            QList<int> paletteNumbers = positionTable(layout, false);
            paletteNumbers.append(Constants::slideAndTapPositionInPhysicalKeyboard);
            label(palette, frames(paletteAsset(layout)), paletteNumbers);
            QVERIFY(saveReviewImage(palette, "palette-frames-" + layoutWord + ".png"));
        }

        QImage panel = sheet(ThemeGeometry::slidePanelSize,
                             DrawingInfo::virtualSlideKey().backgroundImage.of(color));
        label(panel, frames(DrawingInfo::virtualSlideKey().position),
              Constants::slideAndTapPositionInPhysicalKeyboard);
        QVERIFY(saveReviewImage(panel, "slide-panel-" + colorWord + ".png"));

        QVERIFY(QDir(m_logFolder->path()).isEmpty());
    }

private:
    std::unique_ptr<QTemporaryDir> m_logFolder;
};

QTEST_MAIN(tst_KeyFrames)
#include "tst_keyframes.moc"
