#include "backendchoice.h"
#include "constants.h"
#include "realclock.h"
#include "resourcefixture.h"
#include "tavodriver.h"

#include <QTest>

// Which keyboards a run finds: the emulated one only when KEYMAP_TOOL_DEVICE says "emulated".
class tst_BackendChoice : public QObject
{
    Q_OBJECT

private slots:
    void emulatedOnlyWhenAsked_data();
    void emulatedOnlyWhenAsked();
    void emulatedRunReadsTheEmulatedKeyboard();
    void emulatedScenarios_data();
    void emulatedScenarios();
};

void tst_BackendChoice::emulatedOnlyWhenAsked_data()
{
    QTest::addColumn<QByteArray>("device");
    QTest::addColumn<bool>("emulated");

    QTest::newRow("emulated") << QByteArray("emulated") << true;
    QTest::newRow("unset") << QByteArray() << false;
    QTest::newRow("other spelling") << QByteArray("Emulated") << false;
    QTest::newRow("anything else") << QByteArray("usb") << false;
}

void tst_BackendChoice::emulatedOnlyWhenAsked()
{
    QFETCH(QByteArray, device);
    QFETCH(bool, emulated);
    ResourceFixture resources;
    const BackendChoice choice(device);

    // The machine running the tests has no keyboard with the placeholder vendor ID on its bus.
    const QList<HidDeviceInfo> found =
        choice.backend().enumerate(Constants::tavoVendorId, Constants::tavoProductIds.first());

    QCOMPARE(!found.isEmpty(), emulated);
}

// The program's own shared driver finds the emulated keyboard, whose profiles are the factory
// keymaps, on the real clock.
void tst_BackendChoice::emulatedRunReadsTheEmulatedKeyboard()
{
    qputenv("KEYMAP_TOOL_DEVICE", "emulated");
    ResourceFixture resources;
    BackendChoice::install();

    std::shared_ptr<KeyboardDataEntity> keyboard;
    TAVODriver::sharedInstance().getKeyboard(
        [&keyboard](const std::shared_ptr<KeyboardDataEntity> &read) { keyboard = read; },
        [](const QString &message) { QFAIL(qPrintable(message)); });

    QTRY_VERIFY_WITH_TIMEOUT(keyboard, 20000);
    QCOMPARE(keyboard->runningFirmwareState, RunningFirmwareState::app);
    QCOMPARE(keyboard->profiles->profile(1).withFn2[30],
             ResourceFixture::factoryUsageId(ResourceFixture::japaneseMarker, 1, 2, 30));
}

void tst_BackendChoice::emulatedScenarios_data()
{
    QTest::addColumn<QByteArray>("scenario");
    QTest::addColumn<QString>("found");

    QTest::newRow("none") << QByteArray() << "KX-QR320B app boot loader ";
    QTest::newRow("unknown") << QByteArray("bot") << "KX-QR320B app boot loader ";
    QTest::newRow("boot") << QByteArray("boot") << "KX-QR320B boot boot loader 07";
    QTest::newRow("boot13") << QByteArray("boot13") << "KX-QR320B boot boot loader 13";
    QTest::newRow("absent") << QByteArray("absent") << "Can't find any keyboard.";
    QTest::newRow("type") << QByteArray("type=KX-QR300Y") << "KX-QR300Y app boot loader ";
}

// What the program finds on the emulated keyboard of each scenario: the type number, the
// firmware it runs and the boot loader's version, or the error.
void tst_BackendChoice::emulatedScenarios()
{
    QFETCH(QByteArray, scenario);
    QFETCH(QString, found);
    ResourceFixture resources;
    const BackendChoice choice("emulated", scenario);
    TAVODriver driver(choice.backend(), RealClock::sharedInstance());

    QString read;
    driver.getKeyboard(
        [&read](const std::shared_ptr<KeyboardDataEntity> &keyboard) {
            const bool isBoot = keyboard->runningFirmwareState == RunningFirmwareState::boot;
            read = keyboard->typeNumber + (isBoot ? " boot" : " app") + " boot loader " +
                   keyboard->bootFirmVersion;
        },
        [&read](const QString &message) { read = message; });

    QTRY_VERIFY_WITH_TIMEOUT(!read.isEmpty(), 20000);
    QCOMPARE(read, found);
}

QTEST_GUILESS_MAIN(tst_BackendChoice)
#include "tst_backendchoice.moc"
