#include "../model/resourcefixture.h"
#include "drawinginfo.h"
#include "imageprovider.h"
#include "keyboardconfig.h"
#include "legendname.h"
#include "legendprovider.h"
#include "legendtexts.h"
#include "panelpictures.h"
#include "utility.h"

#include <QRawFont>
#include <QTest>

#include <memory>
#include <thread>
#include <vector>

Q_DECLARE_METATYPE(KeyboardLayoutType)

namespace {
// Every image name of the drawing tables (not the key-frame data assets).
QStringList drawingTableNames()
{
    const auto &page = DrawingInfo::keymapPage();
    const auto &keyboard = DrawingInfo::virtualKeyboard();
    const auto &slide = DrawingInfo::virtualSlideKey();
    const auto &button = DrawingInfo::basicButton();
    const auto &stick = DrawingInfo::PointingStickImage();
    QStringList names{"icn_error_48", "icn_alert_48"};
    names << page.pleaseClickGrid.upArrow << page.pleaseClickGrid.downArrow
          << page.writeToTAVOButton.enable << page.writeToTAVOButton.disable
          << page.writeToTAVOButton.clicked << page.undo.enable << page.undo.unEnable
          << page.undo.click << page.radioButton.selectedHover << page.radioButton.selected
          << page.radioButton.unSelectedHover << page.radioButton.unSelected << keyboard.defalut
          << keyboard.fn.normalFnModeImage << keyboard.fn.withFnModeImage
          << slide.rectLeftKey.normalKeyImage << slide.rectLeftKey.clickedImage
          << slide.rectRightKey.normalKeyImage << slide.rectRightKey.clickedImage
          << slide.sqareKey.normalKeyImage << slide.sqareKey.clickedImage
          << button.keymapPageInactive << button.firmupPageInactive << button.keymapPage
          << button.firmupPage << button.keymapPageClick << button.firmupPageClick
          << button.back.enable << button.back.unEnable << button.back.click << stick.switchStartOff
          << stick.switchStartOn << stick.switchOn << stick.switchOnHover << stick.switchOff
          << stick.switchOffHover << stick.switchDisable
          << DrawingInfo::assignKeyboard().notAssignedIcon
          << DrawingInfo::assignKeyboard().fn.fnImage << DrawingInfo::profileList().dropdownImage
          << DrawingInfo::profileList().dropdownClickImage << DrawingInfo::dipImage().startpage
          << DrawingInfo::dipImage().message;
    for (const auto *icon : {&page.altIcon, &page.shiftIcon, &page.controlIcon, &page.commandIcon})
        names << icon->selected << icon->unSelected;
    for (const KeyboardColorType color : {KeyboardColorType::Black, KeyboardColorType::White}) {
        const auto &pads = slide.sideImage.of(color);
        names << page.shortcutIcon.of(color).modified << page.shortcutIcon.of(color).unModified
              << keyboard.pointImage.image.of(color) << slide.backgroundImage.of(color)
              << pads.sideLeftImage << pads.sideRightImage << pads.frontLeftImage
              << pads.frontRightImage
              << keyboard.backgroundImages.image(KeyboardLayoutType::English, color)
              << keyboard.backgroundImages.image(KeyboardLayoutType::Japanese, color);
    }
    return names;
}

// The name Utility gives a key's legend, each bit of flags choosing one of its variants.
QString legendName(qint32 usageId, int flags)
{
    return Utility::getKeyImagePath(
        usageId, flags & 1 ? KeyboardColorType::White : KeyboardColorType::Black,
        flags & 2 ? KeyboardLayoutType::Japanese : KeyboardLayoutType::English,
        flags & 4 ? 60.0 : 30.0, flags & 8, flags & 16, flags & 32);
}

// Whether any pixel of the image is not fully transparent.
bool hasInk(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0)
                return true;
        }
    }
    return false;
}

bool hasInkIn(const QImage &image, const QRect &pixels)
{
    return hasInk(image.copy(pixels));
}
} // namespace

class tst_ImageProvider : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture = std::make_unique<ResourceFixture>(); }

    void cleanup() { m_fixture.reset(); }

    void drawingTableImagesExist_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : drawingTableNames())
            QTest::newRow(qPrintable(name)) << name;
    }

    void drawingTableImagesExist()
    {
        QFETCH(QString, name);

        ImageProvider &provider = ImageProvider::sharedInstance();
        QVERIFY(provider.contains(name));
        for (const qreal ratio : {1.0, 1.5, 2.0}) {
            const QImage image = provider.image(name, ratio);
            QCOMPARE(image.size(), (provider.size(name) * ratio).toSize());
            QCOMPARE(image.devicePixelRatio(), ratio);
            QVERIFY(hasInk(image));
        }
        QVERIFY(m_fixture->logText().isEmpty());
    }

    // Every usage ID, through the legend names the key views build, gives an image, every
    // combination of flags met along the way; a legend with a text has ink in every variant.
    void everyUsageHasALegendImage()
    {
        ImageProvider &provider = ImageProvider::sharedInstance();
        for (qint32 usageId = 0; usageId <= 0xFFFF; ++usageId) {
            const QString name = legendName(usageId, usageId % 64);
            QVERIFY2(LegendName::parse(name).has_value(), qPrintable(name));
            QVERIFY2(!provider.image(name).isNull(), qPrintable(name));
        }
        for (const qint32 usageId : LegendTexts::usages()) {
            for (int flags = 0; flags < 64; ++flags) {
                const QString name = legendName(usageId, flags);
                QVERIFY2(provider.contains(name), qPrintable(name));
                QVERIFY2(hasInk(provider.image(name)), qPrintable(name));
            }
        }
        QVERIFY(m_fixture->logText().isEmpty());
    }

    void legendNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<qint32>("usageId");
        QTest::addColumn<bool>("whiteLegend");
        QTest::addColumn<KeyboardLayoutType>("layoutType");
        QTest::addColumn<bool>("wide");
        QTest::addColumn<bool>("shortcut");

        QTest::newRow("A, white, English, narrow")
            << "4WES" << true << 4 << true << KeyboardLayoutType::English << false << false;
        QTest::newRow("A as shortcut base key, black")
            << "4BES_SC" << true << 4 << false << KeyboardLayoutType::English << false << true;
        QTest::newRow("Fn1 on a wide Japanese palette key")
            << "20737WJL" << true << 0x5101 << true << KeyboardLayoutType::Japanese << true
            << false;
        QTest::newRow("highest usage") << "65535BJL_SC" << true << 65535 << false
                                       << KeyboardLayoutType::Japanese << true << true;
        QTest::newRow("blank key")
            << "0WES" << true << 0 << true << KeyboardLayoutType::English << false << false;
        for (const char *invalid : {"4WE", "4XES", "4WES_sc", "WES", "99999999999WES", " 4WES"})
            QTest::newRow(invalid)
                << invalid << false << 0 << false << KeyboardLayoutType::English << false << false;
    }

    void legendNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, valid);

        const std::optional<LegendName> legend = LegendName::parse(name);
        QCOMPARE(legend.has_value(), valid);
        if (!valid)
            return;
        QFETCH(qint32, usageId);
        QFETCH(bool, whiteLegend);
        QFETCH(KeyboardLayoutType, layoutType);
        QFETCH(bool, wide);
        QFETCH(bool, shortcut);
        QCOMPARE(*legend, (LegendName{usageId, whiteLegend, layoutType, wide, shortcut}));
        QCOMPARE(legend->text(), name);
    }

    void legendShapes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("minimumAspect");
        QTest::addColumn<double>("maximumAspect");
        QTest::addColumn<bool>("inked");

        QTest::newRow("narrow keys are square") << "42WES" << 1.0 << 1.0 << true;
        QTest::newRow("a wide key with one letter stays square") << "4WEL" << 1.0 << 1.0 << true;
        QTest::newRow("a wide key with a word is wider") << "73WEL" << 1.05 << 1.2 << true;
        QTest::newRow("the longest words stop at the narrowest wide key")
            << "24482WEL" << 1.0 << 1.2 << true;
        QTest::newRow("blank key, narrow") << "0WES" << 1.0 << 1.0 << false;
        QTest::newRow("usage without a legend is blank") << "300WES" << 1.0 << 1.0 << false;
    }

    void legendShapes()
    {
        QFETCH(QString, name);
        QFETCH(double, minimumAspect);
        QFETCH(double, maximumAspect);
        QFETCH(bool, inked);

        ImageProvider &provider = ImageProvider::sharedInstance();
        const QSizeF size = provider.size(name);
        QCOMPARE(size.height(), LegendProvider::legendHeight);
        const double aspect = size.width() / size.height();
        QVERIFY2(aspect >= minimumAspect - 1e-9 && aspect <= maximumAspect + 1e-9,
                 qPrintable(QString::number(aspect)));
        if (LegendName::parse(name))
            QCOMPARE(hasInk(provider.image(name, 2)), inked);
    }

    void shortcutLegendKeepsTheMarkCornerFree()
    {
        ImageProvider &provider = ImageProvider::sharedInstance();
        // The mark covers 11 points from 2 points off the key's lower left corner.
        const QRect markCorner(0, 2 * (36 - 13), 2 * 13, 2 * 13);
        QVERIFY(hasInkIn(provider.image("57WES", 2), markCorner)); // "Caps Lock" reaches the corner
        for (const qint32 usageId : LegendTexts::usages()) {
            const QString name =
                LegendName{usageId, true, KeyboardLayoutType::Japanese, false, true}.text();
            QVERIFY2(!hasInkIn(provider.image(name, 2), markCorner), qPrintable(name));
        }
    }

    // A white legend is light, a black one dark, wherever it is opaque.
    void inkFollowsTheColourLetter()
    {
        for (const QString &name : {QStringLiteral("5WES"), QStringLiteral("5BES")}) {
            const QImage image = ImageProvider::sharedInstance().image(name, 2);
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QRgb pixel = image.pixel(x, y);
                    if (qAlpha(pixel) == 255)
                        QVERIFY2(name.contains(u'W') ? qGray(pixel) > 200 : qGray(pixel) < 80,
                                 qPrintable(name));
                }
            }
        }
    }

    void fontsHoldEveryLegendCharacter_data()
    {
        QTest::addColumn<KeyboardLayoutType>("layoutType");
        QTest::newRow("English") << KeyboardLayoutType::English;
        QTest::newRow("Japanese") << KeyboardLayoutType::Japanese;
    }

    void fontsHoldEveryLegendCharacter()
    {
        QFETCH(KeyboardLayoutType, layoutType);

        LegendProvider::font(12); // loads the bundled fonts
        const QRawFont legend(QStringLiteral(":/fonts/keymaplegend.otf"), 12);
        const QRawFont symbols(QStringLiteral(":/fonts/keymaplegendsymbols.ttf"), 12);
        QVERIFY(legend.isValid() && symbols.isValid());
        for (const qint32 usageId : LegendTexts::usages()) {
            for (const QChar character : LegendTexts::text(usageId, layoutType)) {
                if (character == u'\n')
                    continue;
                QVERIFY2(legend.supportsCharacter(character) ||
                             symbols.supportsCharacter(character),
                         qPrintable(QString("%1 in the legend of %2").arg(character).arg(usageId)));
            }
        }
    }

    void unknownNameGivesPlaceholderAndOneLogLine()
    {
        ImageProvider &provider = ImageProvider::sharedInstance();
        const QString name = QStringLiteral("icn_no_such_picture");
        QVERIFY(!provider.contains(name));
        for (int attempt = 0; attempt < 3; ++attempt) {
            const QImage image = provider.image(name, attempt + 1);
            QCOMPARE(image.size(), (ImageProvider::placeholderSize * (attempt + 1)).toSize());
            QVERIFY(hasInk(image));
        }
        QCOMPARE(m_fixture->logText().count("[ERROR]"), 1);
        QVERIFY(m_fixture->logText().contains("No image named \"icn_no_such_picture\""));
    }

    void pixmapsAreMadeOncePerNameAndRatio_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("legend") << "4WES" << 1.0;
        QTest::newRow("painted picture at 1.5") << "switch_on" << 1.5;
    }

    // Repaints take the pixmap made the first time; another ratio is a picture of its own.
    void pixmapsAreMadeOncePerNameAndRatio()
    {
        QFETCH(QString, name);
        QFETCH(qreal, ratio);
        ImageProvider provider;

        const QPixmap first = provider.pixmap(name, ratio);
        QCOMPARE(provider.pixmap(name, ratio).handle(), first.handle());
        QCOMPARE(first.devicePixelRatio(), ratio);

        const QPixmap sharper = provider.pixmap(name, 2 * ratio);
        QVERIFY(sharper.handle() != first.handle());
        QCOMPARE(sharper.devicePixelRatio(), 2 * ratio);
        QCOMPARE(sharper.deviceIndependentSize(), first.deviceIndependentSize());
    }

    // After the keyboard's colour changes, the names the theme hands out give pictures of the
    // new colour.
    void picturesFollowTheKeyboardColour()
    {
        KeyBoardConfig config;
        QList<QImage> black;
        for (const KeyboardColorType color : {KeyboardColorType::Black, KeyboardColorType::White}) {
            config.setConfigsKeyboardColorType(color);
            const QStringList names{config.slideKey.backgroundImage(),
                                    config.virtualKey.pointImage(),
                                    config.virtualKey.modifiedShortcutIcon(),
                                    legendName(4, color == KeyboardColorType::White ? 1 : 0)};
            for (qsizetype i = 0; i < names.size(); ++i) {
                const QImage image = ImageProvider::sharedInstance().image(names[i]);
                if (color == KeyboardColorType::Black)
                    black << image;
                else
                    QVERIFY2(image != black[i], qPrintable(names[i]));
            }
        }
    }

    // Palettes and keys of several threads asking at once: each picture is painted once, the
    // unknown name reported once, and nothing of the cache is lost or torn.
    void threadsShareOneCache()
    {
        ImageProvider provider;
        QStringList names{"switch_on", "shortcut_b", "icn_no_such_picture"};
        for (qint32 letter = 4; letter < 30; ++letter)
            names << legendName(letter, 1 | 2);
        std::vector<std::thread> threads;
        for (int thread = 0; thread < 8; ++thread) {
            threads.emplace_back([&provider, &names, thread] {
                for (int i = 0; i < 8 * names.size(); ++i)
                    (void)provider.pixmap(names[(thread + i) % names.size()], 1 + i % 3);
            });
        }
        for (std::thread &thread : threads)
            thread.join();

        ImageProvider fresh;
        for (const QString &name : names) {
            for (const qreal ratio : {1.0, 2.0, 3.0})
                QCOMPARE(provider.image(name, ratio), fresh.image(name, ratio));
        }
        QCOMPARE(m_fixture->logText().count("[ERROR]"), 2); // one for each provider
    }

    void keyboardPictureDrawsKeyCapsFromKeyFrames()
    {
        // One key near the bottom left, with y upwards, and an L-shaped Enter key in a box of 60 x
        // 70 at (500, 100) without its lower left 20 x 35, outlined counter-clockwise from the
        // middle of its lower edge with corners of radius 2, the inner one turning clockwise.
        m_fixture->writeFile("English_position_white.json",
                             "[[20, 10, 40, 40],"
                             " [500, 100, 60, 70, 20, 0, 40, 35, 0, 35, 60, 35, 40, 0,"
                             "  58, 2, -1.5707963, 0, 0,   58, 68, 0, 1.5707963, 0,"
                             "  2, 68, 1.5707963, 3.1415927, 0,   2, 37, 3.1415927, 4.712389, 0,"
                             "  18, 33, 1.5707963, 0, 1,   22, 2, 3.1415927, 4.712389, 0]]");
        ImageProvider provider; // a fresh one, not holding pictures made before
        const QImage picture = provider.image("English_white", 1);
        const double height = provider.size("English_white").height();
        const auto at = [&](double x, double yUp) {
            return picture.pixelColor(int(x), int(height - yUp));
        };
        const QColor body = at(300, 100);
        QVERIFY(body.alpha() == 255);
        QVERIFY(at(40, 30) != body);   // inside the key
        QVERIFY(at(70, 30) == body);   // right of it
        QVERIFY(at(540, 110) != body); // the Enter key's lower arm
        QVERIFY(at(510, 150) != body); // its upper part
        QVERIFY(at(505, 110) == body); // the cut-out corner
        QVERIFY(at(565, 150) == body); // right of the key
        // The body reaches a little beyond the keys and no further.
        QCOMPARE(at(5, 100).alpha(), 0);
        QCOMPARE(at(300, 185).alpha(), 0);
        QVERIFY(m_fixture->logText().isEmpty());
    }

    // Without its key frames a keyboard is still drawn, whole and without keys, and the broken
    // asset is logged.
    void keyboardPictureWithoutKeyFramesIsItsBody()
    {
        m_fixture->writeFile("Japanese_position_black.json", "[[1, 2, 3]]");
        ImageProvider provider;
        const QImage picture = provider.image("Japanese_black", 1);
        const QColor body = picture.pixelColor(picture.rect().center());
        QCOMPARE(body.alpha(), 255);
        QCOMPARE(picture.pixelColor(30, 30), body);
        QCOMPARE(picture.pixelColor(560, 220), body);
        QVERIFY(m_fixture->logText().contains("Can't read key frame 0 of Japanese_position_black"));
    }

private:
    std::unique_ptr<ResourceFixture> m_fixture;
};

QTEST_MAIN(tst_ImageProvider)
#include "tst_imageprovider.moc"
