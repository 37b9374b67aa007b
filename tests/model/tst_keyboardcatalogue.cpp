#include "exceptions.h"
#include "platformerror.h"
#include "resourcefixture.h"
#include "resourceloader.h"

#include <QJsonArray>
#include <QTest>

#include <functional>
#include <memory>

using JsonEdit = std::function<void(QJsonObject &)>;
Q_DECLARE_METATYPE(JsonEdit)

namespace {

QString environmentMessage(const std::function<void()> &operation)
{
    try {
        operation();
    } catch (const Exceptions &error) {
        if (error.kind() == Exceptions::Case::EnvironmentBrokenException)
            return error.message();
        return "unexpected " + error.caseName();
    }
    return "no error";
}

void setField(QJsonObject &object, const QString &entry, const QString &field,
              const QJsonValue &value)
{
    QJsonObject fields = object.value(entry).toObject();
    if (value.isUndefined())
        fields.remove(field);
    else
        fields.insert(field, value);
    object.insert(entry, fields);
}

void setLayer(QJsonObject &keymap, const QString &profile, const QString &layer,
              const QJsonValue &value)
{
    setField(keymap, profile, layer, value);
}

QJsonArray layerOf(int count, qint32 value = 4)
{
    QJsonArray layer;
    for (int i = 0; i < count; ++i)
        layer.append(value);
    return layer;
}

} // namespace

class tst_KeyboardCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void lookUp_data();
    void lookUp();
    void catalogueErrors_data();
    void catalogueErrors();
    void catalogueThatIsNotJsonIsAParseError();
    void brokenEntryKeepsTheEntriesBeforeIt();
    void factoryKeymapErrors_data();
    void factoryKeymapErrors();
    void unreadableFactoryKeymap_data();
    void unreadableFactoryKeymap();
    void factoryKeymapByLayout_data();
    void factoryKeymapByLayout();
    void factoryCacheIsPerLayout();
    void cachedProfilesCannotBeChanged();
    void failedFactoryReadIsNotCached();

private:
    ResourceLoader &loader() { return ResourceLoader::sharedInstance(); }

    std::unique_ptr<ResourceFixture> m_fixture;
};

void tst_KeyboardCatalogue::init()
{
    m_fixture = std::make_unique<ResourceFixture>();
}

void tst_KeyboardCatalogue::cleanup()
{
    m_fixture.reset();
}

void tst_KeyboardCatalogue::lookUp_data()
{
    QTest::addColumn<QString>("typeNumber");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("recordTypeNumber");
    QTest::addColumn<KeyboardLayoutType>("layout");
    QTest::addColumn<KeyboardColorType>("color");

    QTest::newRow("Japanese black") << "KX-QR300B" << true << "KX-QR300B"
                                    << KeyboardLayoutType::Japanese << KeyboardColorType::Black;
    QTest::newRow("English white") << "KX-QR320Y" << true << "KX-QR320Y"
                                   << KeyboardLayoutType::English << KeyboardColorType::White;
    QTest::newRow("found under its key, not its typeNumber field")
        << "ALIAS" << true << "KX-QR300Y" << KeyboardLayoutType::Japanese
        << KeyboardColorType::White;
    QTest::newRow("typeNumber field is not a key")
        << "KX-QR300Y-X" << false << "" << KeyboardLayoutType::English << KeyboardColorType::Black;
    QTest::newRow("variant suffix needs its own entry")
        << "KX-QR300B-PPM" << false << "" << KeyboardLayoutType::English
        << KeyboardColorType::Black;
    QTest::newRow("case matters") << "kx-qr300b" << false << "" << KeyboardLayoutType::English
                                  << KeyboardColorType::Black;
    QTest::newRow("no trimming") << "KX-QR300B " << false << "" << KeyboardLayoutType::English
                                 << KeyboardColorType::Black;
}

void tst_KeyboardCatalogue::lookUp()
{
    QFETCH(QString, typeNumber);
    QFETCH(bool, found);
    QFETCH(QString, recordTypeNumber);
    QFETCH(KeyboardLayoutType, layout);
    QFETCH(KeyboardColorType, color);
    QJsonObject catalogue = ResourceFixture::catalogue();
    catalogue.insert("ALIAS", ResourceFixture::catalogueEntry("KX-QR300Y", 0, 1));
    QJsonObject other = ResourceFixture::catalogueEntry("KX-QR300Y-X", 0, 1);
    catalogue.insert("KX-OTHER", other);
    m_fixture->writeJson("KeyboardDatalist.json", catalogue);

    QCOMPARE(loader().getKeyboardInformation(typeNumber).has_value(), found);
    QCOMPARE(loader().checkKeyboardIsAvailable(typeNumber), found);
    KeyboardDataEntity keyboard;
    keyboard.typeNumber = typeNumber;
    QCOMPARE(loader().GetTAVOTypeNumber(keyboard), recordTypeNumber);
    QCOMPARE(loader().getKeyboardLayoutType(typeNumber), layout);
    QCOMPARE(loader().getKeyboardColor(typeNumber), color);
}

void tst_KeyboardCatalogue::catalogueErrors_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<JsonEdit>("edit");
    QTest::addColumn<QString>("message");

    const JsonEdit none = [](QJsonObject &) {};
    QTest::newRow("missing") << QByteArray() << none << "Can't find KeyboardDatalist.json";
    QTest::newRow("array") << QByteArray("[]") << none << "Can't read KeyboardDatalist.json";
    QTest::newRow("bare number") << QByteArray("12") << none << "Can't read KeyboardDatalist.json";
    QTest::newRow("entry not an object")
        << QByteArray("{\"KX-QR300B\": 3}") << none << "Can't read KeyboardDatalist.json";

    const QStringList fields{"typeNumber",     "layoutType", "colorType",          "series",
                             "layoutTypeName", "postfix",    "isKeymapChangeable", "firmTypeNumber",
                             "firmDataSize"};
    for (const QString &field : fields) {
        QTest::addRow("%s missing", qPrintable(field))
            << QByteArray() << JsonEdit([field](QJsonObject &catalogue) {
                   setField(catalogue, "KX-QR320B", field, QJsonValue::Undefined);
               })
            << "Can't get " + field + " of KX-QR320B from KeyboardDatalist.json";
    }
    const auto wrong = [](const QString &field, const QJsonValue &value) {
        return JsonEdit([field, value](QJsonObject &catalogue) {
            setField(catalogue, "KX-QR320B", field, value);
        });
    };
    const QString suffix = " of KX-QR320B from KeyboardDatalist.json";
    QTest::newRow("series 1") << QByteArray() << wrong("series", 1) << "Can't get series" + suffix;
    QTest::newRow("layoutType 2") << QByteArray() << wrong("layoutType", 2)
                                  << "Can't get layoutType" + suffix;
    QTest::newRow("colorType -1") << QByteArray() << wrong("colorType", -1)
                                  << "Can't get colorType" + suffix;
    QTest::newRow("layoutTypeName as text")
        << QByteArray() << wrong("layoutTypeName", "1") << "Can't get layoutTypeName" + suffix;
    QTest::newRow("typeNumber as number")
        << QByteArray() << wrong("typeNumber", 300) << "Can't get typeNumber" + suffix;
    QTest::newRow("isKeymapChangeable as number") << QByteArray() << wrong("isKeymapChangeable", 1)
                                                  << "Can't get isKeymapChangeable" + suffix;
    QTest::newRow("firmDataSize fraction")
        << QByteArray() << wrong("firmDataSize", 1.5) << "Can't get firmDataSize" + suffix;
    QTest::newRow("fields read in order: layoutType before colorType")
        << QByteArray() << JsonEdit([](QJsonObject &catalogue) {
               setField(catalogue, "KX-QR320B", "colorType", QJsonValue::Undefined);
               setField(catalogue, "KX-QR320B", "layoutType", QJsonValue::Undefined);
           })
        << "Can't get layoutType" + suffix;
}

void tst_KeyboardCatalogue::catalogueErrors()
{
    QFETCH(QByteArray, text);
    QFETCH(JsonEdit, edit);
    QFETCH(QString, message);
    QJsonObject catalogue = ResourceFixture::catalogue();
    edit(catalogue);
    m_fixture->writeJson("KeyboardDatalist.json", catalogue);
    if (!text.isEmpty())
        m_fixture->writeFile("KeyboardDatalist.json", text);
    else if (message.startsWith("Can't find"))
        QVERIFY(QFile::remove(m_fixture->root() + "KeyboardDatalist.json"));

    QCOMPARE(environmentMessage([this] { loader().LoadKeyboardInformations(); }), message);
    QVERIFY(!loader().getKeyboardInformation("KX-QR320B"));
    QVERIFY(m_fixture->logText().contains(message.startsWith("Can't get")
                                              ? "TypeNumber:KX-QR320B is unknown."
                                              : "Error occured: " + message));
}

void tst_KeyboardCatalogue::catalogueThatIsNotJsonIsAParseError()
{
    m_fixture->writeFile("KeyboardDatalist.json", "{\"KX-QR300B\": ");

    QVERIFY_THROWS_EXCEPTION(PlatformError, loader().LoadKeyboardInformations());
    QVERIFY(!loader().getKeyboardInformation("KX-QR300B"));
    QVERIFY(m_fixture->logText().contains("Error occured: "));
}

void tst_KeyboardCatalogue::brokenEntryKeepsTheEntriesBeforeIt()
{
    QJsonObject catalogue = ResourceFixture::catalogue();
    setField(catalogue, "KX-QR300Y", "series", 1);
    m_fixture->writeJson("KeyboardDatalist.json", catalogue);

    QVERIFY_THROWS_EXCEPTION(Exceptions, loader().LoadKeyboardInformations());
    loader().LoadKeyboardInformations();

    // Entries are read in key order: KX-QR300B precedes the broken KX-QR300Y, KX-QR320B follows.
    QVERIFY(loader().getKeyboardInformation("KX-QR300B"));
    QVERIFY(!loader().getKeyboardInformation("KX-QR300Y"));
    QVERIFY(!loader().getKeyboardInformation("KX-QR320B"));
}

void tst_KeyboardCatalogue::factoryKeymapErrors_data()
{
    QTest::addColumn<QString>("typeNumber");
    QTest::addColumn<JsonEdit>("edit");
    QTest::addColumn<QString>("message");

    QTest::newRow("not an object") << "KX-QR300B" << JsonEdit([](QJsonObject &keymap) {
        keymap = {{"bare", true}};
    }) << "Can't get Profile1 from Japanese0";
    for (int profile = 1; profile <= 4; ++profile) {
        const QString key = QString("Profile%1").arg(profile);
        QTest::addRow("%s missing", qPrintable(key))
            << "KX-QR320B" << JsonEdit([key](QJsonObject &keymap) { keymap.remove(key); })
            << "Can't get " + key + " from English00";
    }
    QTest::newRow("profile is an array") << "KX-QR320B" << JsonEdit([](QJsonObject &keymap) {
        keymap.insert("Profile3", QJsonArray());
    }) << "Can't get Profile3 from English00";
    const QStringList layers{"Normal", "WithFn1", "WithFn2", "WithFn3"};
    for (const QString &layer : layers) {
        QTest::addRow("%s missing", qPrintable(layer))
            << "KX-QR300B" << JsonEdit([layer](QJsonObject &keymap) {
                   setLayer(keymap, "Profile2", layer, QJsonValue::Undefined);
               })
            << "Can't get " + layer + " from Japanese0";
    }
    const auto layer = [](const QString &name, const QJsonArray &usageIds) {
        return JsonEdit([name, usageIds](QJsonObject &keymap) {
            setLayer(keymap, "Profile4", name, usageIds);
        });
    };
    QJsonArray tooLarge = layerOf(120);
    tooLarge[5] = 2147483648.0;
    QJsonArray fraction = layerOf(120);
    fraction[0] = 4.5;
    QJsonArray text = layerOf(120);
    text[119] = "4";
    QTest::newRow("usage ID beyond 32 bits")
        << "KX-QR300B" << layer("WithFn1", tooLarge) << "Can't get WithFn1 from Japanese0";
    QTest::newRow("fraction") << "KX-QR300B" << layer("WithFn2", fraction)
                              << "Can't get WithFn2 from Japanese0";
    QTest::newRow("text") << "KX-QR300B" << layer("Normal", text)
                          << "Can't get Normal from Japanese0";
    QTest::newRow("119 normal keys") << "KX-QR320B" << layer("Normal", layerOf(119))
                                     << "The number of normal keys is invalid in English00";
    QTest::newRow("121 WithFn1 keys") << "KX-QR320B" << layer("WithFn1", layerOf(121))
                                      << "The number of withfn keys is invalid in English00";
    QTest::newRow("119 WithFn2 keys") << "KX-QR320B" << layer("WithFn2", layerOf(119))
                                      << "The number of withfn keys is invalid in English00";
    QTest::newRow("119 WithFn3 keys") << "KX-QR300B" << layer("WithFn3", layerOf(119))
                                      << "The number of withfn3 keys is invalid in Japanese0";
    QTest::newRow("profile 1 read whole before profile 2")
        << "KX-QR300B" << JsonEdit([](QJsonObject &keymap) {
               keymap.remove("Profile2");
               setLayer(keymap, "Profile1", "WithFn3", layerOf(3));
           })
        << "The number of withfn3 keys is invalid in Japanese0";
}

void tst_KeyboardCatalogue::factoryKeymapErrors()
{
    QFETCH(QString, typeNumber);
    QFETCH(JsonEdit, edit);
    QFETCH(QString, message);
    const bool japanese = message.endsWith("Japanese0");
    const QString name = japanese ? "Japanese0.json" : "English00.json";
    QJsonObject keymap = ResourceFixture::factoryKeymap(0);
    edit(keymap);
    m_fixture->writeJson(name, keymap);

    const QList<bool> dip(6, false);
    QCOMPARE(environmentMessage([&] { loader().loadDefaultProfilesData(typeNumber, dip); }),
             message);
    QCOMPARE(environmentMessage([&] { loader().getDefaultProfilesData(typeNumber, dip); }),
             message);
}

void tst_KeyboardCatalogue::unreadableFactoryKeymap_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("message");

    QTest::newRow("missing") << QByteArray() << "English00 is not found";
    QTest::newRow("array") << QByteArray("[1, 2]") << "Can't read English00";
    QTest::newRow("bare text") << QByteArray("\"Profile1\"") << "Can't read English00";
    QTest::newRow("not JSON") << QByteArray("Profile1") << "parse error";
}

void tst_KeyboardCatalogue::unreadableFactoryKeymap()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    if (text.isEmpty())
        QVERIFY(QFile::remove(m_fixture->root() + "English00.json"));
    else
        m_fixture->writeFile("English00.json", text);

    QString seen;
    try {
        loader().getDefaultProfilesData("KX-QR320Y", QList<bool>(6, false));
    } catch (const Exceptions &error) {
        seen = error.message();
    } catch (const PlatformError &) {
        seen = "parse error";
    }
    QCOMPARE(seen, message);
}

void tst_KeyboardCatalogue::factoryKeymapByLayout_data()
{
    QTest::addColumn<QString>("typeNumber");
    QTest::addColumn<QList<bool>>("dipSwitch");
    QTest::addColumn<int>("marker");

    const QList<bool> off(6, false);
    QList<bool> dip5(6, false);
    dip5[4] = true;
    QTest::newRow("Japanese layout") << "KX-QR300Y" << off << int(ResourceFixture::japaneseMarker);
    QTest::newRow("Japanese layout, DIP 5 on")
        << "KX-QR300B" << dip5 << int(ResourceFixture::japaneseMarker);
    QTest::newRow("English layout") << "KX-QR320B" << off << int(ResourceFixture::englishMarker);
    QTest::newRow("English layout, DIP 5 on")
        << "KX-QR320Y" << dip5 << int(ResourceFixture::englishMarker);
    QTest::newRow("unknown type number reads English")
        << "KX-NOPE" << off << int(ResourceFixture::englishMarker);
}

void tst_KeyboardCatalogue::factoryKeymapByLayout()
{
    QFETCH(QString, typeNumber);
    QFETCH(QList<bool>, dipSwitch);
    QFETCH(int, marker);

    for (const auto &profiles : {loader().loadDefaultProfilesData(typeNumber, dipSwitch),
                                 loader().getDefaultProfilesData(typeNumber, dipSwitch)}) {
        for (int profile = 0; profile < 4; ++profile) {
            for (int layer = 0; layer < 4; ++layer) {
                const QList<qint32> &usageIds = profiles->profile(profile).layer(FnMode(layer));
                QCOMPARE(usageIds.size(), 120);
                QCOMPARE(usageIds.first(),
                         ResourceFixture::factoryUsageId(marker, profile, layer, 0));
                QCOMPARE(usageIds.last(),
                         ResourceFixture::factoryUsageId(marker, profile, layer, 119));
            }
        }
    }
}

void tst_KeyboardCatalogue::factoryCacheIsPerLayout()
{
    const QList<bool> dip(6, false);
    const auto japanese = loader().getDefaultProfilesData("KX-QR300B", dip);
    const auto english = loader().getDefaultProfilesData("KX-QR320B", dip);
    // Once cached, a layout is not read again.
    QVERIFY(QFile::remove(m_fixture->root() + "Japanese0.json"));
    const auto japaneseAgain = loader().getDefaultProfilesData("KX-QR300Y", dip);

    QCOMPARE(japanese->profile1->normal[0], ResourceFixture::japaneseMarker);
    QCOMPARE(english->profile1->normal[0], ResourceFixture::englishMarker);
    QCOMPARE(japaneseAgain->profile1->normal[0], ResourceFixture::japaneseMarker);
}

void tst_KeyboardCatalogue::cachedProfilesCannotBeChanged()
{
    const QList<bool> dip(6, false);
    const auto first = loader().getDefaultProfilesData("KX-QR320B", dip);
    first->profile2->withFn1[7] = 0x5101;
    first->profile4->normal.fill(0);

    const auto second = loader().getDefaultProfilesData("KX-QR320B", dip);

    QVERIFY(second->profile2 != first->profile2);
    QCOMPARE(second->profile2->withFn1[7],
             ResourceFixture::factoryUsageId(ResourceFixture::englishMarker, 1, 1, 7));
    QCOMPARE(second->profile4->normal[3],
             ResourceFixture::factoryUsageId(ResourceFixture::englishMarker, 3, 0, 3));
}

void tst_KeyboardCatalogue::failedFactoryReadIsNotCached()
{
    const QList<bool> dip(6, false);
    m_fixture->writeFile("English00.json", "[]");
    QVERIFY_THROWS_EXCEPTION(Exceptions, loader().getDefaultProfilesData("KX-QR320B", dip));

    m_fixture->writeJson("English00.json", ResourceFixture::factoryKeymap(7));

    QCOMPARE(loader().getDefaultProfilesData("KX-QR320B", dip)->profile1->normal[0], 7);
}

QTEST_GUILESS_MAIN(tst_KeyboardCatalogue)
#include "tst_keyboardcatalogue.moc"
