#include "../model/resourcefixture.h"
#include "keyboardconfig.h"
#include "keyboarddataentity.h"
#include "localizedstrings.h"
#include "resourceloader.h"

#include <QTest>

#include <functional>

using Look = std::function<QString(const KeyBoardConfig &)>;
Q_DECLARE_METATYPE(Look)
Q_DECLARE_METATYPE(KeyboardColorType)

// The theme's root configuration: every child follows the keyboard's colour, and the colour of a
// connected keyboard reaches them through the resource loader.
class tst_KeyBoardConfig : public QObject
{
    Q_OBJECT

private slots:
    void looksFollowTheKeyboardColor_data()
    {
        QTest::addColumn<Look>("look");
        QTest::addColumn<QString>("black");
        QTest::addColumn<QString>("white");
        const auto color = [](QColor value) { return value.name(QColor::HexArgb); };
        // A colour or picture of each child that differs between the keyboards.
        QTest::newRow("selected key border")
            << Look([=](auto &c) { return color(c.virtualKey.selectedBorderColor()); })
            << "#ffcccccc"
            << "#ffffffff";
        // The mark is drawn light on a black keyboard's modified key, dark on a white one's.
        QTest::newRow("shortcut mark of a modified key swaps")
            << Look([](auto &c) { return c.virtualKey.modifiedShortcutIcon(); }) << "shortcut_b"
            << "shortcut";
        QTest::newRow("front left pad") << Look([](auto &c) { return c.slideKey.frontLeftImage(); })
                                        << "Img_touch_gesture_pad_GFL_black"
                                        << "Img_touch_gesture_pad_GFL_white";
    }

    void looksFollowTheKeyboardColor()
    {
        QFETCH(Look, look);
        QFETCH(QString, black);
        QFETCH(QString, white);
        KeyBoardConfig config;
        QCOMPARE(look(config), black);
        config.applyKeyboardColor(KeyboardColorType::White);
        QCOMPARE(look(config), white);
        config.applyKeyboardColor(KeyboardColorType::Black);
        QCOMPARE(look(config), black);
    }

    // Every child starts black; switching them leaves the root without a colour of its own.
    void childrenSwitchWithoutTheRoot()
    {
        KeyBoardConfig config;
        const QList<const KeyboardColorHolder *> children{
            &config.slideKey, &config.virtualKey,        &config.assignKey,
            &config.buttons,  &config.buttons.tabButton, &config.profile};
        for (const KeyboardColorType color : {KeyboardColorType::Black, KeyboardColorType::White}) {
            if (color == KeyboardColorType::White)
                config.setConfigsKeyboardColorType(color);
            QVERIFY(!config.keyboardColorType().has_value());
            for (const KeyboardColorHolder *child : children)
                QCOMPARE(child->keyboardColorType(), color);
        }
    }

    void handOverOfAConnectedKeyboard_data()
    {
        QTest::addColumn<QString>("typeNumber");
        QTest::addColumn<KeyboardColorType>("expected");
        QTest::newRow("white English keyboard") << "KX-QR320Y" << KeyboardColorType::White;
        QTest::newRow("black Japanese keyboard") << "KX-QR300B" << KeyboardColorType::Black;
        QTest::newRow("type number missing from the catalogue is Black")
            << "KX-NOPE" << KeyboardColorType::Black;
    }

    void handOverOfAConnectedKeyboard()
    {
        QFETCH(QString, typeNumber);
        QFETCH(KeyboardColorType, expected);
        const ResourceFixture fixture;
        KeyBoardConfig &theme = KeyBoardConfig::shared();
        // Start from the other colour, so that the hand-over has to change every child.
        theme.applyKeyboardColor(expected == KeyboardColorType::White ? KeyboardColorType::Black
                                                                      : KeyboardColorType::White);
        auto keyboard = std::make_shared<KeyboardDataEntity>();
        keyboard->typeNumber = typeNumber;
        ResourceLoader::sharedInstance().setKeyboardData(keyboard);

        QCOMPARE(theme.keyboardColorType(), std::optional(expected));
        QCOMPARE(theme.virtualKey.keyboardColorType(), expected);
        QCOMPARE(theme.buttons.tabButton.keyboardColorType(), expected);
    }

    void layoutNamesAreLocalized()
    {
        LocalizedStrings::setLanguage("ja");
        const KeyBoardConfig config;
        QCOMPARE(config.keyboardLayoutNameForJapanese(), "日本語配列");
        QCOMPARE(config.keyboardLayoutNameForEnglish(), "英語配列");
        LocalizedStrings::setLanguage({});
    }
};

QTEST_MAIN(tst_KeyBoardConfig)
#include "tst_keyboardconfig.moc"
