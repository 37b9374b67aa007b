#include "../model/resourcefixture.h"
#include "keyboardconfig.h"
#include "keyboarddataentity.h"
#include "localizedstrings.h"
#include "resourceloader.h"

#include <QTest>

#include <functional>
#include <memory>

using ColorGetter = std::function<QColor(const KeyBoardConfig &)>;
using NameGetter = std::function<QString(const KeyBoardConfig &)>;
Q_DECLARE_METATYPE(ColorGetter)
Q_DECLARE_METATYPE(NameGetter)
Q_DECLARE_METATYPE(KeyboardColorType)

class tst_KeyBoardConfig : public QObject
{
    Q_OBJECT

private slots:
    void colorsFollowTheKeyboardColor_data();
    void colorsFollowTheKeyboardColor();
    void imageNamesFollowTheKeyboardColor_data();
    void imageNamesFollowTheKeyboardColor();
    void everyChildStartsBlackAndTheRootAbsent();
    void switchingTheChildrenLeavesTheRootAlone();
    void layoutNamesAreLocalized_data();
    void layoutNamesAreLocalized();
    void handOverOfAConnectedKeyboard_data();
    void handOverOfAConnectedKeyboard();

private:
    static QColor grey(double level, double alpha = 1.0)
    {
        return QColor::fromRgbF(level, level, level, alpha);
    }
    static QList<const KeyboardColorHolder *> coloredChildren(const KeyBoardConfig &config)
    {
        return {&config.slideKey, &config.virtualKey,        &config.assignKey,
                &config.buttons,  &config.buttons.tabButton, &config.profile};
    }
};

void tst_KeyBoardConfig::colorsFollowTheKeyboardColor_data()
{
    QTest::addColumn<ColorGetter>("getter");
    QTest::addColumn<QColor>("black");
    QTest::addColumn<QColor>("white");
    // Only colours that differ between the keyboards: the others are plain constants.
    QTest::newRow("selected key border: grey 0.8, opaque white")
        << ColorGetter([](auto &c) { return c.virtualKey.selectedBorderColor(); }) << grey(0.8)
        << grey(1.0);
    QTest::newRow("key hover") << ColorGetter([](auto &c) { return c.virtualKey.mouseOverColor(); })
                               << grey(0.8, 0.3) << grey(0.2, 0.3);
    QTest::newRow("modified key hover")
        << ColorGetter([](auto &c) { return c.virtualKey.modifiedMouseOverColor(); })
        << grey(0.4, 0.3) << grey(0.8, 0.3);
    QTest::newRow("modified tint")
        << ColorGetter([](auto &c) { return c.virtualKey.modifiedColor(); }) << grey(0.8)
        << grey(0.2);
    QTest::newRow("palette key background")
        << ColorGetter([](auto &c) { return c.assignKey.backgroundColor(); }) << grey(0.8)
        << grey(0.2);
}

void tst_KeyBoardConfig::colorsFollowTheKeyboardColor()
{
    QFETCH(ColorGetter, getter);
    QFETCH(QColor, black);
    QFETCH(QColor, white);

    KeyBoardConfig config;
    QCOMPARE(getter(config).rgba64(), black.rgba64());
    config.applyKeyboardColor(KeyboardColorType::White);
    QCOMPARE(getter(config).rgba64(), white.rgba64());
    config.applyKeyboardColor(KeyboardColorType::Black);
    QCOMPARE(getter(config).rgba64(), black.rgba64());
}

void tst_KeyBoardConfig::imageNamesFollowTheKeyboardColor_data()
{
    QTest::addColumn<NameGetter>("getter");
    QTest::addColumn<QString>("black");
    QTest::addColumn<QString>("white");

    QTest::newRow("shortcut mark of a modified key swaps")
        << NameGetter([](auto &c) { return c.virtualKey.modifiedShortcutIcon(); }) << "shortcut_b"
        << "shortcut";
    QTest::newRow("shortcut mark of an unmodified key swaps")
        << NameGetter([](auto &c) { return c.virtualKey.unModifiedShortcutIcon(); }) << "shortcut"
        << "shortcut_b";
    QTest::newRow("pointing stick")
        << NameGetter([](auto &c) { return c.virtualKey.pointImage(); }) << "pointing_black"
        << "pointing_white";
    QTest::newRow("English key frames")
        << NameGetter([](auto &c) { return c.virtualKey.EnglishKeyViewsFrameJsonName(); })
        << "English_position_black"
        << "English_position_white";
    QTest::newRow("Japanese key frames")
        << NameGetter([](auto &c) { return c.virtualKey.JapaneseKeyViewsFrameJsonName(); })
        << "Japanese_position_black"
        << "Japanese_position_white";
    QTest::newRow("slide panel") << NameGetter([](auto &c) { return c.slideKey.backgroundImage(); })
                                 << "Touch_gesture_pad_black"
                                 << "Touch_gesture_pad_white";
    QTest::newRow("side right pad")
        << NameGetter([](auto &c) { return c.slideKey.sideRightImage(); })
        << "Img_touch_gesture_pad_GSR_black"
        << "Img_touch_gesture_pad_GSR_white";
    QTest::newRow("front left pad")
        << NameGetter([](auto &c) { return c.slideKey.frontLeftImage(); })
        << "Img_touch_gesture_pad_GFL_black"
        << "Img_touch_gesture_pad_GFL_white";
}

void tst_KeyBoardConfig::imageNamesFollowTheKeyboardColor()
{
    QFETCH(NameGetter, getter);
    QFETCH(QString, black);
    QFETCH(QString, white);

    KeyBoardConfig config;
    QCOMPARE(getter(config), black);
    config.applyKeyboardColor(KeyboardColorType::White);
    QCOMPARE(getter(config), white);
}

void tst_KeyBoardConfig::everyChildStartsBlackAndTheRootAbsent()
{
    const KeyBoardConfig config;
    QVERIFY(!config.keyboardColorType().has_value());
    for (const KeyboardColorHolder *child : coloredChildren(config))
        QCOMPARE(child->keyboardColorType(), KeyboardColorType::Black);
}

void tst_KeyBoardConfig::switchingTheChildrenLeavesTheRootAlone()
{
    KeyBoardConfig config;
    config.setConfigsKeyboardColorType(KeyboardColorType::White);
    QVERIFY(!config.keyboardColorType().has_value());
    for (const KeyboardColorHolder *child : coloredChildren(config))
        QCOMPARE(child->keyboardColorType(), KeyboardColorType::White);
}

void tst_KeyBoardConfig::handOverOfAConnectedKeyboard_data()
{
    QTest::addColumn<QString>("typeNumber");
    QTest::addColumn<KeyboardColorType>("expected");

    QTest::newRow("white English keyboard") << "KX-QR320Y" << KeyboardColorType::White;
    QTest::newRow("black Japanese keyboard") << "KX-QR300B" << KeyboardColorType::Black;
    QTest::newRow("type number missing from the catalogue is Black")
        << "KX-NOPE" << KeyboardColorType::Black;
}

void tst_KeyBoardConfig::handOverOfAConnectedKeyboard()
{
    QFETCH(QString, typeNumber);
    QFETCH(KeyboardColorType, expected);

    const ResourceFixture fixture;
    KeyBoardConfig &theme = KeyBoardConfig::shared();
    // Start from the other colour, so that the hand-over has to change every child.
    const KeyboardColorType other =
        expected == KeyboardColorType::White ? KeyboardColorType::Black : KeyboardColorType::White;
    theme.applyKeyboardColor(other);

    auto keyboard = std::make_shared<KeyboardDataEntity>();
    keyboard->typeNumber = typeNumber;
    ResourceLoader::sharedInstance().setKeyboardData(keyboard);

    QCOMPARE(theme.keyboardColorType(), std::optional(expected));
    QCOMPARE(theme.virtualKey.keyboardColorType(), expected);
    QCOMPARE(theme.buttons.tabButton.keyboardColorType(), expected);
    QCOMPARE(ResourceLoader::sharedInstance().keyboardData(), keyboard);
}

void tst_KeyBoardConfig::layoutNamesAreLocalized_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("japanese");
    QTest::addColumn<QString>("english");

    QTest::newRow("English") << "en"
                             << "Japanese"
                             << "English";
    QTest::newRow("Japanese") << "ja"
                              << "日本語配列"
                              << "英語配列";
}

void tst_KeyBoardConfig::layoutNamesAreLocalized()
{
    QFETCH(QString, language);
    QFETCH(QString, japanese);
    QFETCH(QString, english);

    LocalizedStrings::setLanguage(language);
    const KeyBoardConfig config;
    QCOMPARE(config.keyboardLayoutNameForJapanese(), japanese);
    QCOMPARE(config.keyboardLayoutNameForEnglish(), english);
    LocalizedStrings::setLanguage({});
}

QTEST_MAIN(tst_KeyBoardConfig)
#include "tst_keyboardconfig.moc"
