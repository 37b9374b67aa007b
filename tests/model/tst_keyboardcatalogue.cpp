#include "constants.h"
#include "localizedstrings.h"
#include "resourcefixture.h"
#include "resourceloader.h"

#include <QTest>

#include <memory>

class tst_KeyboardCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture = std::make_unique<ResourceFixture>(); }
    void cleanup() { m_fixture.reset(); }
    void lookUp_data();
    void lookUp();
    void keyboardName_data();
    void keyboardName();
    void handOverTellsTheColour();
    void catalogueErrors_data();
    void catalogueErrors();
    void brokenEntryKeepsTheEntriesBeforeIt();
    void factoryKeymapErrors_data();
    void factoryKeymapErrors();
    void factoryKeymapsByLayoutCachedAndCopied();
    void applicationResourcesLoad();

private:
    ResourceLoader &loader() { return ResourceLoader::sharedInstance(); }

    std::unique_ptr<ResourceFixture> m_fixture;
};

void tst_KeyboardCatalogue::lookUp_data()
{
    QTest::addColumn<QString>("typeNumber");
    QTest::addColumn<QString>("found");
    QTest::addColumn<KeyboardLayoutType>("layout");
    QTest::addColumn<KeyboardColorType>("color");

    const auto row = [](const char *name, const char *typeNumber, const char *found,
                        KeyboardLayoutType layout = KeyboardLayoutType::English,
                        KeyboardColorType color = KeyboardColorType::Black) {
        QTest::newRow(name) << QString(typeNumber) << QString(found) << layout << color;
    };
    row("Japanese black", "KX-QR320B", "KX-QR320B", KeyboardLayoutType::Japanese);
    row("English white", "KX-QR300Y", "KX-QR300Y", KeyboardLayoutType::English,
        KeyboardColorType::White);
    row("found under its key", "ALIAS", "KX-QR999", KeyboardLayoutType::Japanese);
    row("not under its typeNumber field", "KX-QR999", "");
    row("variant suffix needs its own entry", "KX-QR320B-EM", "");
    row("case matters", "kx-qr320b", "");
}

void tst_KeyboardCatalogue::lookUp()
{
    QFETCH(QString, typeNumber);
    QFETCH(QString, found);
    QFETCH(KeyboardLayoutType, layout);
    QFETCH(KeyboardColorType, color);
    QJsonObject catalogue = ResourceFixture::catalogue();
    catalogue.insert("ALIAS", catalogue.value("KX-QR320B"));
    m_fixture->writeJson("KeyboardDatalist.json", catalogue, "ALIAS.typeNumber=\"KX-QR999\"");
    KeyboardDataEntity keyboard;
    keyboard.typeNumber = typeNumber;

    QCOMPARE(loader().GetTAVOTypeNumber(keyboard), found);
    QCOMPARE(loader().checkKeyboardIsAvailable(typeNumber), !found.isEmpty());
    QCOMPARE(loader().getKeyboardLayoutType(typeNumber), layout);
    QCOMPARE(loader().getKeyboardColor(typeNumber), color);
    QCOMPARE(m_fixture->logText().contains("TypeNumber:" + typeNumber + " is unknown.\n"),
             found.isEmpty());
}

void tst_KeyboardCatalogue::keyboardName_data()
{
    QTest::addColumn<QString>("typeNumber");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("name");

    const auto row = [](const char *name, const char *typeNumber, const char *language,
                        const QString &keyboardName) {
        QTest::newRow(name) << QString(typeNumber) << QString(language) << keyboardName;
    };
    row("English model", "KX-QR300B", "en", "TAVO Pellix English");
    row("Japanese model in Japanese", "KX-QR320B", "ja", "TAVO Pellix 日本語配列");
    row("by layoutTypeName, not layoutType", "KX-QR300Y", "en", "TAVO Pellix Japanese");
    row("unknown type number", "KX-QR999", "en", "");
}

void tst_KeyboardCatalogue::keyboardName()
{
    QFETCH(QString, typeNumber);
    QFETCH(QString, language);
    QFETCH(QString, name);
    m_fixture->writeJson("KeyboardDatalist.json", ResourceFixture::catalogue(),
                         "KX-QR300Y.layoutTypeName=0");
    LocalizedStrings::setLanguage(language);

    QCOMPARE(loader().getKeyboardName(typeNumber), name);
}

void tst_KeyboardCatalogue::handOverTellsTheColour()
{
    QList<KeyboardColorType> told;
    loader().setKeyboardColorListener([&told](KeyboardColorType color) { told.append(color); });
    auto white = std::make_shared<KeyboardDataEntity>();
    white->typeNumber = "KX-QR300Y";
    auto unknown = std::make_shared<KeyboardDataEntity>();
    unknown->typeNumber = "KX-QR999Y";

    loader().setKeyboardData(white);
    QCOMPARE(loader().keyboardData(), white);
    loader().setKeyboardData(unknown);
    loader().setKeyboardColorListener({});

    QCOMPARE(loader().keyboardData(), unknown);
    QCOMPARE(told, QList<KeyboardColorType>({KeyboardColorType::White, KeyboardColorType::Black}));
}

void tst_KeyboardCatalogue::catalogueErrors_data()
{
    QTest::addColumn<QString>("edits");
    QTest::addColumn<QString>("message");

    // A bare field name stands for "Can't get <field> of KX-QR300Y from KeyboardDatalist.json".
    const auto row = [](const char *name, const QString &edits, const char *message) {
        QTest::newRow(name) << edits << QString(message);
    };
    row("missing", "", "Can't find KeyboardDatalist.json");
    row("an array", "[{}]", "Can't read KeyboardDatalist.json");
    row("entry not an object", "KX-QR300B=3", "Can't read KeyboardDatalist.json");
    row("not JSON", "{\"KX", "");
    for (const char *field : {"typeNumber", "layoutType", "colorType", "series", "layoutTypeName",
                              "postfix", "isKeymapChangeable", "firmTypeNumber", "firmDataSize"})
        row(field, QString("KX-QR300Y.") + field, field);
    row("series 1", "KX-QR300Y.series=1", "series");
    row("layoutType 2", "KX-QR300Y.layoutType=2", "layoutType");
    row("colorType as text", "KX-QR300Y.colorType=\"0\"", "colorType");
}

void tst_KeyboardCatalogue::catalogueErrors()
{
    QFETCH(QString, edits);
    QFETCH(QString, message);
    if (edits.isEmpty())
        m_fixture->remove("KeyboardDatalist.json");
    else if (edits.startsWith('[') || edits.startsWith('{'))
        m_fixture->writeFile("KeyboardDatalist.json", edits.toUtf8());
    else
        m_fixture->writeJson("KeyboardDatalist.json", ResourceFixture::catalogue(), edits);
    if (!message.contains(' ') && !message.isEmpty())
        message = "Can't get " + message + " of KX-QR300Y from KeyboardDatalist.json";

    QCOMPARE(ResourceFixture::failure([this] { loader().LoadKeyboardInformations(); }),
             message.isEmpty() ? "PlatformError" : "EnvironmentBrokenException(" + message + ')');
    QVERIFY(!loader().getKeyboardInformation("KX-QR300Y"));
}

void tst_KeyboardCatalogue::brokenEntryKeepsTheEntriesBeforeIt()
{
    m_fixture->writeJson("KeyboardDatalist.json", ResourceFixture::catalogue(),
                         "KX-QR300Y.series=1");

    QVERIFY(ResourceFixture::failure([this] { loader().LoadKeyboardInformations(); }) != "none");

    // Entries are read in key order: KX-QR300B precedes the broken KX-QR300Y, KX-QR320B follows.
    QVERIFY(loader().getKeyboardInformation("KX-QR300B"));
    QVERIFY(!loader().getKeyboardInformation("KX-QR320B"));
}

void tst_KeyboardCatalogue::factoryKeymapErrors_data()
{
    QTest::addColumn<QString>("edits");
    QTest::addColumn<QString>("message");

    const auto row = [](const char *name, const char *edits, const char *message) {
        QTest::newRow(name) << QString(edits) << QString(message);
    };
    row("missing", "", "English00 is not found");
    row("an array", "[]", "Can't read English00");
    row("not JSON", "{", "");
    row("Profile1 missing", "Profile1", "Can't get Profile1 from English00");
    row("Profile4 an array", "Profile4=[]", "Can't get Profile4 from English00");
    row("WithFn2 missing", "Profile2.WithFn2", "Can't get WithFn2 from English00");
    row("beyond 32 bits", "Profile3.Normal=[120x4,5:2147483648]",
        "Can't get Normal from English00");
    row("a fraction", "Profile3.WithFn1=[120x0.5]", "Can't get WithFn1 from English00");
    row("119 normal keys", "Profile1.Normal=[119x4]",
        "The number of normal keys is invalid in English00");
    row("121 WithFn2 keys", "Profile4.WithFn2=[121x4]",
        "The number of withfn keys is invalid in English00");
    row("119 WithFn3 keys", "Profile2.WithFn3=[119x4]",
        "The number of withfn3 keys is invalid in English00");
}

void tst_KeyboardCatalogue::factoryKeymapErrors()
{
    QFETCH(QString, edits);
    QFETCH(QString, message);
    if (edits.isEmpty())
        m_fixture->remove("English00.json");
    else if (!edits.startsWith("Profile"))
        m_fixture->writeFile("English00.json", edits.toUtf8());
    else
        m_fixture->writeJson("English00.json", ResourceFixture::factoryKeymap(0), edits);
    const QString error =
        message.isEmpty() ? "PlatformError" : "EnvironmentBrokenException(" + message + ')';
    const QList<bool> dip(6, false);

    QCOMPARE(ResourceFixture::failure([&] { loader().loadDefaultProfilesData("KX-QR300B", dip); }),
             error);
    QCOMPARE(ResourceFixture::failure([&] { loader().getDefaultProfilesData("KX-QR300B", dip); }),
             error);
}

void tst_KeyboardCatalogue::factoryKeymapsByLayoutCachedAndCopied()
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

void tst_KeyboardCatalogue::applicationResourcesLoad()
{
    loader().setResourceRootForTesting({});

    for (const QString &typeNumber : Constants::tavoTypeNumbers) {
        QVERIFY2(loader().checkKeyboardIsAvailable(typeNumber), qPrintable(typeNumber));
        const auto profiles = loader().getDefaultProfilesData(typeNumber, QList<bool>(6, false));
        for (int index = 0; index < 4; ++index)
            QVERIFY(profiles->profile(index).normal.contains(0x5101));
    }
    QCOMPARE(m_fixture->logText(), QString());
}

QTEST_GUILESS_MAIN(tst_KeyboardCatalogue)
#include "tst_keyboardcatalogue.moc"
