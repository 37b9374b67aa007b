#include "constants.h"
#include "functionchecker.h"
#include "localizedstrings.h"
#include "resourcefixture.h"
#include "resourceloader.h"
#include "settingsstore.h"

#include <QLocale>
#include <QSet>
#include <QTest>

#include <memory>

using ListSource = QList<QList<qint32>> (*)();
using Frames = QList<QList<double>>;
Q_DECLARE_METATYPE(ListSource)

// What the resource loader reads from the catalogue, the factory keymaps and the key-frame assets,
// the Fn-key flag that compares with the factory keymaps, and the palettes' usage lists.
class tst_KeyboardCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture = std::make_unique<ResourceFixture>(); }
    void cleanup()
    {
        m_fixture.reset();
        LocalizedStrings::setLanguage("en");
        QLocale::setDefault(QLocale::c());
    }

    void lookUp_data()
    {
        QTest::addColumn<QString>("typeNumber");
        QTest::addColumn<QString>("found");
        QTest::addColumn<KeyboardLayoutType>("layout");
        QTest::addColumn<KeyboardColorType>("color");
        QTest::addColumn<QString>("name");
        const auto row = [](const char *name, const char *typeNumber, const char *found,
                            KeyboardLayoutType layout, KeyboardColorType color,
                            const QString &keyboardName) {
            QTest::newRow(name) << QString(typeNumber) << QString(found) << layout << color
                                << keyboardName;
        };
        const auto J = KeyboardLayoutType::Japanese, E = KeyboardLayoutType::English;
        const auto B = KeyboardColorType::Black, W = KeyboardColorType::White;

        // Names are read in Japanese.
        row("Japanese black", "KX-QR320B", "KX-QR320B", J, B, "TAVO Pellix 日本語配列");
        row("English black", "KX-QR300B", "KX-QR300B", E, B, "TAVO Pellix 英語配列");
        row("English white, named by layoutTypeName", "KX-QR300Y", "KX-QR300Y", E, W,
            "TAVO Pellix 日本語配列");
        row("found under its key", "ALIAS", "KX-QR999", J, B, "TAVO Pellix 日本語配列");
        row("not under its typeNumber field", "KX-QR999", "", E, B, "");
        row("variant suffix needs its own entry", "KX-QR320B-EM", "", E, B, "");
    }

    void lookUp()
    {
        QFETCH(QString, typeNumber);
        QFETCH(QString, found);
        QFETCH(KeyboardLayoutType, layout);
        QFETCH(KeyboardColorType, color);
        QFETCH(QString, name);
        QJsonObject catalogue = ResourceFixture::catalogue();
        catalogue.insert("ALIAS", catalogue.value("KX-QR320B"));
        m_fixture->writeJson("KeyboardDatalist.json", catalogue,
                             "ALIAS.typeNumber=\"KX-QR999\";KX-QR300Y.layoutTypeName=0");
        LocalizedStrings::setLanguage("ja");
        auto keyboard = std::make_shared<KeyboardDataEntity>();
        keyboard->typeNumber = typeNumber;
        QList<KeyboardColorType> told;
        loader().setKeyboardColorListener([&told](KeyboardColorType color) { told << color; });

        loader().setKeyboardData(keyboard);
        loader().setKeyboardColorListener({});

        QCOMPARE(told, QList<KeyboardColorType>{color});
        QCOMPARE(loader().GetTAVOTypeNumber(*keyboard), found);
        QCOMPARE(loader().checkKeyboardIsAvailable(typeNumber), !found.isEmpty());
        QCOMPARE(loader().getKeyboardLayoutType(typeNumber), layout);
        QCOMPARE(loader().getKeyboardColor(typeNumber), color);
        QCOMPARE(loader().getKeyboardName(typeNumber), name);
        QCOMPARE(m_fixture->logText().contains("TypeNumber:" + typeNumber + " is unknown.\n"),
                 found.isEmpty());
    }

    void resourceErrors_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("edits");
        QTest::addColumn<QString>("message");
        const auto catalogue = [](const QString &name, const QString &edits, const char *message) {
            QTest::newRow(qPrintable("catalogue: " + name))
                << "KeyboardDatalist.json" << edits << QString(message);
        };
        const auto keymap = [](const char *name, const char *edits, const char *message) {
            QTest::newRow(name) << "English00.json" << QString(edits) << QString(message);
        };
        // A bare field name stands for "Can't get <field> of KX-QR300Y from KeyboardDatalist.json".
        catalogue("missing", "", "Can't find KeyboardDatalist.json");
        catalogue("an array", "[{}]", "Can't read KeyboardDatalist.json");
        catalogue("entry not an object", "KX-QR300B=3", "Can't read KeyboardDatalist.json");
        catalogue("not JSON", "{\"KX", "");
        for (const char *field :
             {"typeNumber", "layoutType", "colorType", "series", "layoutTypeName", "postfix",
              "isKeymapChangeable", "firmTypeNumber", "firmDataSize"})
            catalogue(field, QString("KX-QR300Y.") + field, field);
        catalogue("series 1", "KX-QR300Y.series=1", "series");
        catalogue("layoutType 2", "KX-QR300Y.layoutType=2", "layoutType");
        catalogue("colorType as text", "KX-QR300Y.colorType=\"0\"", "colorType");
        keymap("keymap missing", "", "English00 is not found");
        keymap("keymap an array", "[]", "Can't read English00");
        keymap("keymap not JSON", "{", "");
        keymap("Profile1 missing", "Profile1", "Can't get Profile1 from English00");
        keymap("WithFn2 missing", "Profile2.WithFn2", "Can't get WithFn2 from English00");
        keymap("usage beyond 32 bits", "Profile3.Normal=[120x4,5:2147483648]",
               "Can't get Normal from English00");
        keymap("119 normal keys", "Profile1.Normal=[119x4]",
               "The number of normal keys is invalid in English00");
        keymap("121 WithFn2 keys", "Profile4.WithFn2=[121x4]",
               "The number of withfn keys is invalid in English00");
        keymap("119 WithFn3 keys", "Profile2.WithFn3=[119x4]",
               "The number of withfn3 keys is invalid in English00");
    }

    void resourceErrors()
    {
        QFETCH(QString, file);
        QFETCH(QString, edits);
        QFETCH(QString, message);
        const bool keymap = file == "English00.json";
        if (edits.isEmpty())
            m_fixture->remove(file);
        else if (edits.startsWith('[') || edits.startsWith('{'))
            m_fixture->writeFile(file, edits.toUtf8());
        else
            m_fixture->writeJson(
                file, keymap ? ResourceFixture::factoryKeymap(0) : ResourceFixture::catalogue(),
                edits);
        if (!message.contains(' ') && !message.isEmpty())
            message = "Can't get " + message + " of KX-QR300Y from KeyboardDatalist.json";
        const QString error =
            message.isEmpty() ? "PlatformError" : "EnvironmentBrokenException(" + message + ')';

        QCOMPARE(ResourceFixture::failure([keymap] {
                     if (keymap)
                         loader().getDefaultProfilesData("KX-QR300B", QList<bool>(6));
                     else
                         loader().LoadKeyboardInformations();
                 }),
                 error);
        // A broken entry is never kept.
        QVERIFY(keymap || !loader().getKeyboardInformation("KX-QR300Y"));
    }

    void keyFrames_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<Frames>("frames");
        const auto row = [](const char *name, const QByteArray &text, const QString &failure,
                            const Frames &frames = {}) {
            QTest::newRow(name) << text << failure << frames;
        };
        const QString unreadable = "EnvironmentBrokenException(Can't read Test_position)";
        row("fractions and negative numbers", "[[1.5, -2, 30, 40.25], [0, 0, 1e2, 7]]", "none",
            {{1.5, -2, 30, 40.25}, {0, 0, 100, 7}});
        row("an outline after the box keeps its length",
            "[[1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15], [1, 2, 3, 4]]", "none",
            {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, {1, 2, 3, 4}});
        row("missing", QByteArray(), "EnvironmentBrokenException(Test_position is not found)");
        // Spaces are valid JSON around the list, so only the size refuses it.
        row("larger than a resource may be", QByteArray(4 * 1024 * 1024, ' ') + "[[1, 2, 3, 4]]",
            "EnvironmentBrokenException(Test_position is not found)");
        row("not JSON", "[[1, 2, 3, 4]", unreadable);
        row("an object", R"({"frames": [[1, 2, 3, 4]]})", unreadable);
        row("a flat list", "[1, 2, 3, 4]", unreadable);
        row("a number as text", R"([[1, 2, 3, "4"]])", unreadable);
        row("a frame without its height", "[[1, 2, 3, 4], [1, 2, 3]]",
            "EnvironmentBrokenException(Can't read key frame 1 of Test_position)");
    }

    void keyFrames()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, failure);
        QFETCH(Frames, frames);
        if (!text.isNull())
            m_fixture->writeFile("Test_position.json", text);
        Frames read;
        QCOMPARE(ResourceFixture::failure([&] { read = loader().getKeyFrames("Test_position"); }),
                 failure);
        QCOMPARE(read, frames);
    }

    void factoryKeymapsByLayoutCachedAndCopied()
    {
        QList<bool> dip(6, false);
        const auto japanese = loader().getDefaultProfilesData("KX-QR320B", dip);
        japanese->profile2->withFn1[7] = 0x5101;
        const auto english = loader().getDefaultProfilesData("KX-QR300B", dip);
        // Once cached, a layout is not read again; the DIP switches take no part.
        m_fixture->remove("Japanese0.json");
        dip[4] = true;
        const auto japaneseAgain = loader().getDefaultProfilesData("KX-QR320Y", dip);

        QCOMPARE(loader().loadDefaultProfilesData("KX-UNKNOWN", dip)->profile4->withFn3[119],
                 ResourceFixture::factoryUsageId(ResourceFixture::englishMarker, 3, 3, 119));
        QCOMPARE(english->profile1->normal[0], ResourceFixture::englishMarker);
        QCOMPARE(japaneseAgain->profile2->withFn1[7],
                 ResourceFixture::factoryUsageId(ResourceFixture::japaneseMarker, 1, 1, 7));
        QCOMPARE(japaneseAgain->profile4->withFn3[119],
                 ResourceFixture::factoryUsageId(ResourceFixture::japaneseMarker, 3, 3, 119));
    }

    void fnKeyFlag_data()
    {
        QTest::addColumn<bool>("storedBefore");
        QTest::addColumn<QString>("typeNumber");
        // The usage at key 10 of profile 3's Fn1 layer, 0 for the factory one.
        QTest::addColumn<qint32>("usageId");
        QTest::addColumn<bool>("factoryReadable");
        QTest::addColumn<bool>("checking");

        const auto row = [](const char *name, bool storedBefore, const char *typeNumber,
                            qint32 usageId, bool factoryReadable, bool checking) {
            QTest::newRow(name) << storedBefore << QString(typeNumber) << usageId << factoryReadable
                                << checking;
        };

        row("nothing stored, Fn key placed", false, "KX-QR300Y", 0x5103, true, true);
        // The Japanese factory keymap is read first; the English one holds Fn2 there.
        row("Fn2 where its layout's factory keymap has it", false, "KX-QR300B", 0x5102, true,
            false);
        row("stored, profiles not looked at", true, "KX-QR320B", 0, true, true);
        row("factory keymap unreadable", false, "KX-QR300B", 0x5103, false, false);
    }

    void fnKeyFlag()
    {
        QFETCH(bool, storedBefore);
        QFETCH(QString, typeNumber);
        QFETCH(qint32, usageId);
        QFETCH(bool, factoryReadable);
        QFETCH(bool, checking);
        SettingsStore::setBoolValue(FunctionChecker::checkFunctionKey, storedBefore);
        // Only the English factory keymap holds Fn2 (0x5102) on the key.
        m_fixture->writeJson("English00.json",
                             ResourceFixture::factoryKeymap(ResourceFixture::englishMarker),
                             "Profile3.WithFn1=[120x0,10:20738]");
        loader().getDefaultProfilesData("KX-QR320B", QList<bool>(6));
        const auto keyboard = this->keyboard(typeNumber, usageId);
        if (!factoryReadable)
            m_fixture->remove("English00.json");
        FunctionChecker &checker = FunctionChecker::sharedInstance();

        checker.getIsCheckingFunction(*keyboard);
        QCOMPARE(checker.isCheckingFunction(), checking);
        QFile settings(m_fixture->root() + "settings.ini");
        QVERIFY(settings.open(QIODevice::ReadOnly));
        QCOMPARE(settings.readAll().contains("isCheckingFunction=true"), checking);
        // Once set, the flag stays for every later keyboard.
        checker.getIsCheckingFunction(*this->keyboard("KX-QR320B", 0));
        QCOMPARE(checker.isCheckingFunction(), checking);
    }

    void applicationResourcesLoad()
    {
        loader().setResourceRootForTesting({});

        for (const QString &typeNumber : Constants::tavoTypeNumbers) {
            QVERIFY2(loader().checkKeyboardIsAvailable(typeNumber), qPrintable(typeNumber));
            const auto profiles = loader().getDefaultProfilesData(typeNumber, QList<bool>(6));
            for (int index = 0; index < 4; ++index)
                QVERIFY(profiles->profile(index).normal.contains(0x5101));
        }
        QCOMPARE(m_fixture->logText(), QString());
    }

    void paletteRows_data()
    {
        QTest::addColumn<ListSource>("source");
        QTest::addColumn<QLocale::Language>("language");
        QTest::addColumn<QList<int>>("rowSizes");
        // The last keys of the last row, where the Japanese locale's extra keys go.
        QTest::addColumn<QList<qint32>>("ending");
        const auto row = [](const char *name, ListSource source, QLocale::Language language,
                            const QList<int> &rowSizes, const QList<qint32> &ending) {
            QTest::newRow(name) << source << language << rowSizes << ending;
        };
        const QList<int> alphabet{22, 22, 22, 22, 22, 22, 22};
        const auto J = QLocale::Japanese, E = QLocale::English;

        row("Japanese alphabet", &ResourceLoader::getSortedJapaneseUsageIdList, J,
            alphabet + QList<int>{21}, {0x5F91, 0x5F92});
        row("English alphabet", &ResourceLoader::getSortedEnglishUsageIdList, E,
            alphabet + QList<int>{18}, {0x5F91, 0x5F92});
        row("English alphabet, Japanese locale", &ResourceLoader::getSortedEnglishUsageIdList, J,
            alphabet + QList<int>{21}, {0x5F92, 136, 144, 145});
        row("Japanese shortcuts", &ResourceLoader::getSortedShortcutJapaneseUsageIdList, E,
            {22, 22, 22, 22, 22, 22, 2, 1}, {0});
        row("English shortcuts", &ResourceLoader::getSortedShortcutEnglishUsageIdList, E,
            {22, 22, 22, 22, 22, 21, 1}, {0});
        row("English shortcuts, Japanese locale",
            &ResourceLoader::getSortedShortcutEnglishUsageIdList, J, {22, 22, 22, 22, 22, 22, 2, 1},
            {0});
        row("device", &ResourceLoader::getSortedDeviceUsageIdList, E, {21, 14}, {0x5F91, 0x5F92});
    }

    void paletteRows()
    {
        QFETCH(ListSource, source);
        QFETCH(QLocale::Language, language);
        QFETCH(QList<int>, rowSizes);
        QFETCH(QList<qint32>, ending);
        QLocale::setDefault(QLocale(language));

        QList<int> sizes;
        QList<qint32> keys;
        for (const QList<qint32> &row : source()) {
            sizes << row.size();
            keys << row;
        }
        QCOMPARE(sizes, rowSizes);
        QCOMPARE(source().last().last(ending.size()), ending);
        // Every key appears once; 0 stands for empty keys and may repeat.
        keys.removeAll(0);
        QCOMPARE(QSet<qint32>(keys.cbegin(), keys.cend()).size(), keys.size());
    }

private:
    static ResourceLoader &loader() { return ResourceLoader::sharedInstance(); }

    // A keyboard holding its layout's factory profiles, with usageId at key 10 of profile 3's
    // Fn1 layer unless it is 0.
    static std::unique_ptr<KeyboardDataEntity> keyboard(const QString &typeNumber, qint32 usageId)
    {
        auto keyboard = std::make_unique<KeyboardDataEntity>();
        keyboard->typeNumber = typeNumber;
        keyboard->profiles->getProfilesData(
            *loader().loadDefaultProfilesData(typeNumber, QList<bool>(6)));
        if (usageId != 0)
            keyboard->profiles->profile3->withFn1[10] = usageId;
        return keyboard;
    }

    std::unique_ptr<ResourceFixture> m_fixture;
};

QTEST_GUILESS_MAIN(tst_KeyboardCatalogue)
#include "tst_keyboardcatalogue.moc"
