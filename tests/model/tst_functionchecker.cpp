#include "functionchecker.h"
#include "keyboarddataentity.h"
#include "resourcefixture.h"
#include "resourceloader.h"
#include "settingsstore.h"
#include "utility.h"

#include <QJsonArray>
#include <QTest>

#include <memory>

namespace {

// A usage ID placed into the keyboard's profiles: profile index, layer, key number, value.
struct Placement
{
    int profile;
    FnMode layer;
    int key;
    qint32 usageId;
};
using Placements = QList<Placement>;

constexpr qint32 fn1 = 0x5101;
constexpr qint32 fn2 = 0x5102;
constexpr qint32 fn3 = 0x5103;

} // namespace

Q_DECLARE_METATYPE(Placements)

class tst_FunctionChecker : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void placedFnKey_data();
    void placedFnKey();
    void comparedWithTheFactoryKeymapOfItsOwnLayout();
    void unreadableFactoryKeymapCountsAsNoFnKey();
    void flag_data();
    void flag();

private:
    // A keyboard of the type number holding its layout's factory profiles with the placements.
    std::unique_ptr<KeyboardDataEntity> keyboard(const QString &typeNumber,
                                                 const Placements &placements = {});

    std::unique_ptr<ResourceFixture> m_fixture;
};

void tst_FunctionChecker::init()
{
    m_fixture = std::make_unique<ResourceFixture>();
    SettingsStore::setFileForTesting(m_fixture->root() + "settings.ini");
    // The English factory keymap holds Fn2 on key 3 of every Fn1 layer.
    QJsonObject english = ResourceFixture::factoryKeymap(ResourceFixture::englishMarker);
    for (const char *profile : {"Profile1", "Profile2", "Profile3", "Profile4"}) {
        QJsonObject layers = english.value(profile).toObject();
        QJsonArray withFn1 = layers.value("WithFn1").toArray();
        withFn1[3] = fn2;
        layers.insert("WithFn1", withFn1);
        english.insert(profile, layers);
    }
    m_fixture->writeJson("English00.json", english);
}

void tst_FunctionChecker::cleanup()
{
    SettingsStore::setFileForTesting({});
    m_fixture.reset();
}

std::unique_ptr<KeyboardDataEntity> tst_FunctionChecker::keyboard(const QString &typeNumber,
                                                                  const Placements &placements)
{
    auto keyboard = std::make_unique<KeyboardDataEntity>();
    keyboard->typeNumber = typeNumber;
    keyboard->profiles->getProfilesData(
        *ResourceLoader::sharedInstance().loadDefaultProfilesData(typeNumber, QList<bool>(6)));
    for (const Placement &placement : placements)
        keyboard->profiles->profile(placement.profile).layer(placement.layer)[placement.key] =
            placement.usageId;
    return keyboard;
}

void tst_FunctionChecker::placedFnKey_data()
{
    QTest::addColumn<QString>("typeNumber");
    QTest::addColumn<Placements>("placements");
    QTest::addColumn<bool>("placed");

    QTest::newRow("factory profiles") << "KX-QR320B" << Placements{} << false;
    QTest::newRow("Fn1 in profile 1 WithFn1")
        << "KX-QR320B" << Placements{{0, FnMode::WithFn1, 10, fn1}} << true;
    QTest::newRow("Fn3 at the last key of profile 4 WithFn3")
        << "KX-QR320Y" << Placements{{3, FnMode::WithFn3, 119, fn3}} << true;
    QTest::newRow("Fn2 in profile 3 WithFn2")
        << "KX-QR300B" << Placements{{2, FnMode::WithFn2, 0, fn2}} << true;
    QTest::newRow("Fn keys in the normal layer do not count")
        << "KX-QR320B"
        << Placements{{0, FnMode::Normal, 10, fn1},
                      {1, FnMode::Normal, 11, fn2},
                      {3, FnMode::Normal, 12, fn3}}
        << false;
    QTest::newRow("Fn key where the factory keymap has it too")
        << "KX-QR300B" << Placements{{1, FnMode::WithFn1, 3, fn2}} << false;
    QTest::newRow("other usages do not count") << "KX-QR320B"
                                               << Placements{{0, FnMode::WithFn1, 10, 0x5100},
                                                             {0, FnMode::WithFn2, 10, 0x5104},
                                                             {0, FnMode::WithFn3, 10, 1}}
                                               << false;
}

void tst_FunctionChecker::placedFnKey()
{
    QFETCH(QString, typeNumber);
    QFETCH(Placements, placements);
    QFETCH(bool, placed);

    QCOMPARE(Utility::isAssignedFnKeyInProfiles(*keyboard(typeNumber, placements)), placed);
}

void tst_FunctionChecker::comparedWithTheFactoryKeymapOfItsOwnLayout()
{
    // A Japanese keyboard first fills the factory-keymap cache; the English keyboard that
    // follows holds the English factory profiles, Fn2 on key 3 of WithFn1 included.
    QVERIFY(!Utility::isAssignedFnKeyInProfiles(*keyboard("KX-QR320B")));

    QVERIFY(!Utility::isAssignedFnKeyInProfiles(*keyboard("KX-QR300Y")));
}

void tst_FunctionChecker::unreadableFactoryKeymapCountsAsNoFnKey()
{
    const auto withFnKey = keyboard("KX-QR320B", {{0, FnMode::WithFn1, 10, fn1}});
    m_fixture->writeFile("Japanese0.json", "{}");

    QVERIFY(!Utility::isAssignedFnKeyInProfiles(*withFnKey));
}

void tst_FunctionChecker::flag_data()
{
    QTest::addColumn<bool>("storedBefore");
    QTest::addColumn<bool>("factoryReadable");
    QTest::addColumn<Placements>("placements");
    QTest::addColumn<bool>("checking");

    const Placements fnKey{{2, FnMode::WithFn3, 50, fn3}};
    QTest::newRow("nothing stored, no Fn key") << false << true << Placements{} << false;
    QTest::newRow("nothing stored, Fn key placed") << false << true << fnKey << true;
    QTest::newRow("stored, profiles not looked at") << true << false << Placements{} << true;
    QTest::newRow("nothing stored, factory keymap unreadable") << false << false << fnKey << false;
}

void tst_FunctionChecker::flag()
{
    QFETCH(bool, storedBefore);
    QFETCH(bool, factoryReadable);
    QFETCH(Placements, placements);
    QFETCH(bool, checking);
    if (storedBefore)
        SettingsStore::setBoolValue(FunctionChecker::checkFunctionKey, true);
    const auto keyboard = this->keyboard("KX-QR320B", placements);
    if (!factoryReadable)
        QVERIFY(QFile::remove(m_fixture->root() + "Japanese0.json"));
    FunctionChecker &checker = FunctionChecker::sharedInstance();

    checker.getIsCheckingFunction(*keyboard);

    QCOMPARE(checker.isCheckingFunction(), checking);
    QCOMPARE(SettingsStore::boolValue(FunctionChecker::checkFunctionKey), checking);
    // Once set, the flag stays for every later keyboard.
    checker.getIsCheckingFunction(*this->keyboard("KX-QR300B"));
    QCOMPARE(checker.isCheckingFunction(), checking);
}

QTEST_GUILESS_MAIN(tst_FunctionChecker)
#include "tst_functionchecker.moc"
