#include "functionchecker.h"
#include "keyboarddataentity.h"
#include "resourcefixture.h"
#include "resourceloader.h"
#include "settingsstore.h"
#include "utility.h"

#include <QTest>

#include <memory>

class tst_FunctionChecker : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void placedFnKey_data();
    void placedFnKey();
    void flag_data();
    void flag();

private:
    // A keyboard holding its layout's factory profiles, with usageId at key 10 of layer of
    // profile 3 when usageId is not 0.
    static std::unique_ptr<KeyboardDataEntity> keyboard(const QString &typeNumber, FnMode layer,
                                                        qint32 usageId);

    std::unique_ptr<ResourceFixture> m_fixture;
};

void tst_FunctionChecker::init()
{
    m_fixture = std::make_unique<ResourceFixture>();
    SettingsStore::setFileForTesting(m_fixture->root() + "settings.ini");
    // Only the English factory keymap holds Fn2, on key 10 of every Fn1 layer.
    QString edits;
    for (int profile = 1; profile <= 4; ++profile)
        edits += QString("Profile%1.WithFn1=[120x0,10:%2];").arg(profile).arg(0x5102);
    m_fixture->writeJson("English00.json", ResourceFixture::factoryKeymap(3000), edits);
}

void tst_FunctionChecker::cleanup()
{
    SettingsStore::setFileForTesting({});
    m_fixture.reset();
}

std::unique_ptr<KeyboardDataEntity> tst_FunctionChecker::keyboard(const QString &typeNumber,
                                                                  FnMode layer, qint32 usageId)
{
    auto keyboard = std::make_unique<KeyboardDataEntity>();
    keyboard->typeNumber = typeNumber;
    keyboard->profiles->getProfilesData(
        *ResourceLoader::sharedInstance().loadDefaultProfilesData(typeNumber, QList<bool>(6)));
    if (usageId != 0)
        keyboard->profiles->profile3->layer(layer)[10] = usageId;
    return keyboard;
}

void tst_FunctionChecker::placedFnKey_data()
{
    QTest::addColumn<QString>("typeNumber");
    QTest::addColumn<FnMode>("layer");
    QTest::addColumn<qint32>("usageId");
    QTest::addColumn<bool>("placed");

    QTest::newRow("factory profiles") << "KX-QR320B" << FnMode::Normal << 0 << false;
    QTest::newRow("Fn1 in WithFn1") << "KX-QR320B" << FnMode::WithFn1 << 0x5101 << true;
    QTest::newRow("Fn3 in WithFn3") << "KX-QR300Y" << FnMode::WithFn3 << 0x5103 << true;
    QTest::newRow("Fn2 in the normal layer") << "KX-QR320B" << FnMode::Normal << 0x5102 << false;
    QTest::newRow("not an Fn key") << "KX-QR320B" << FnMode::WithFn2 << 0x5104 << false;
    // The Japanese factory keymap is read first; the English keyboard is compared with its own.
    QTest::newRow("Fn2 where its layout's factory keymap has it")
        << "KX-QR300B" << FnMode::WithFn1 << 0x5102 << false;
}

void tst_FunctionChecker::placedFnKey()
{
    QFETCH(QString, typeNumber);
    QFETCH(FnMode, layer);
    QFETCH(qint32, usageId);
    QFETCH(bool, placed);
    ResourceLoader::sharedInstance().getDefaultProfilesData("KX-QR320B", QList<bool>(6));

    QCOMPARE(Utility::isAssignedFnKeyInProfiles(*keyboard(typeNumber, layer, usageId)), placed);
}

void tst_FunctionChecker::flag_data()
{
    QTest::addColumn<bool>("storedBefore");
    QTest::addColumn<bool>("factoryReadable");
    QTest::addColumn<qint32>("usageId");
    QTest::addColumn<bool>("checking");

    QTest::newRow("nothing stored, no Fn key") << false << true << 0 << false;
    QTest::newRow("nothing stored, Fn key placed") << false << true << 0x5103 << true;
    QTest::newRow("stored, profiles not looked at") << true << false << 0 << true;
    QTest::newRow("factory keymap unreadable") << false << false << 0x5103 << false;
}

void tst_FunctionChecker::flag()
{
    QFETCH(bool, storedBefore);
    QFETCH(bool, factoryReadable);
    QFETCH(qint32, usageId);
    QFETCH(bool, checking);
    SettingsStore::setBoolValue(FunctionChecker::checkFunctionKey, storedBefore);
    const auto keyboard = this->keyboard("KX-QR320B", FnMode::WithFn3, usageId);
    if (!factoryReadable)
        m_fixture->remove("Japanese0.json");
    FunctionChecker &checker = FunctionChecker::sharedInstance();

    checker.getIsCheckingFunction(*keyboard);
    QCOMPARE(checker.isCheckingFunction(), checking);
    QCOMPARE(SettingsStore::boolValue(FunctionChecker::checkFunctionKey), checking);
    // Once set, the flag stays for every later keyboard.
    checker.getIsCheckingFunction(*this->keyboard("KX-QR300B", FnMode::Normal, 0));
    QCOMPARE(checker.isCheckingFunction(), checking);
}

QTEST_GUILESS_MAIN(tst_FunctionChecker)
#include "tst_functionchecker.moc"
