#include "linkfixture.h"

#include <QTest>

// A run with KEYMAP_TOOL_DEVICE=emulated: the program's own driver finds the emulated keyboard,
// whose profiles are the factory keymaps, on the real clock.
class tst_EmulatedRun : public QObject
{
    Q_OBJECT

private slots:
    void sharedDriverReadsTheEmulatedKeyboard();
};

void tst_EmulatedRun::sharedDriverReadsTheEmulatedKeyboard()
{
    qputenv("KEYMAP_TOOL_DEVICE", "emulated");
    LinkFixture fixture;

    std::shared_ptr<KeyboardDataEntity> keyboard;
    TAVODriver::sharedInstance().getKeyboard(
        [&keyboard](const std::shared_ptr<KeyboardDataEntity> &read) { keyboard = read; },
        [](const QString &message) { QFAIL(qPrintable(message)); });

    QTRY_VERIFY_WITH_TIMEOUT(keyboard, 20000);
    QCOMPARE(keyboard->typeNumber, "KX-QR320B");
    QCOMPARE(keyboard->runningFirmwareState, RunningFirmwareState::app);
    QCOMPARE(keyboard->profiles->profile(1).withFn2[30],
             LinkFixture::factoryMarker + LinkFixture::usageId(1, 2, 30));
}

QTEST_GUILESS_MAIN(tst_EmulatedRun)
#include "tst_emulatedrun.moc"
