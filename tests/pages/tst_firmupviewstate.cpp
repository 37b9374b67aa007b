#include "commandline.h"
#include "firmdataentity.h"
#include "firmupviewstate.h"
#include "keyboarddataentity.h"
#include "localizedstrings.h"

#include <QTest>

namespace {

// "app", "boot" or "none" for a record that does not say.
std::optional<RunningFirmwareState> runningState(const QString &name)
{
    if (name == "none")
        return std::nullopt;
    return name == "boot" ? RunningFirmwareState::boot : RunningFirmwareState::app;
}

} // namespace

// What the firmware page shows for a keyboard and an image: the version texts, the warning, and
// which of the update and return buttons may be used.
class tst_FirmupViewState : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LocalizedStrings::setLanguage(QStringLiteral("en")); }
    void cleanup() { CommandLine::setArguments({}); }
    void versionCheck_data();
    void versionCheck();
    void withoutKeyboard();
};

void tst_FirmupViewState::versionCheck_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("keyboardVersion");
    QTest::addColumn<QString>("imageVersion");
    QTest::addColumn<bool>("checkDisabled");
    QTest::addColumn<QString>("currentVersionText");
    QTest::addColumn<bool>("showsWarning");
    QTest::addColumn<bool>("isUpdateEnabled");

    const QString current = QStringLiteral("Current firmware : 01.05");
    QTest::newRow("no image") << "app"
                              << "01.05"
                              << "" << false << current << false << false;
    QTest::newRow("newer image") << "app"
                                 << "01.05"
                                 << "01.06" << false << current << false << true;
    QTest::newRow("equal version") << "app"
                                   << "01.05"
                                   << "01.05" << false << current << true << false;
    QTest::newRow("older version") << "app"
                                   << "01.05"
                                   << "01.04" << false << current << true << false;
    // The comparison looks at the minor part alone, as the versions have always been compared.
    QTest::newRow("newer major part only") << "app"
                                           << "01.05"
                                           << "02.05" << false << current << true << false;
    QTest::newRow("older version, check disabled") << "app"
                                                   << "01.05"
                                                   << "01.04" << true << current << false << true;
    QTest::newRow("record without a running state counts as the application")
        << "none"
        << "01.05"
        << "01.05" << false << current << true << false;
    QTest::newRow("boot loader, any version may be written")
        << "boot"
        << "00.00"
        << "00.00" << false << "Current firmware : Boot firmware running (update required)" << false
        << true;
}

void tst_FirmupViewState::versionCheck()
{
    QFETCH(QString, state);
    QFETCH(QString, keyboardVersion);
    QFETCH(QString, imageVersion);
    QFETCH(bool, checkDisabled);
    QFETCH(QString, currentVersionText);
    QFETCH(bool, showsWarning);
    QFETCH(bool, isUpdateEnabled);
    if (checkDisabled)
        CommandLine::setArguments({"tool", "--disable-version-check"});
    KeyboardDataEntity keyboard(keyboardVersion, "07", "KX-QR320B", "A1", "TV1",
                                RunningFirmwareState::app);
    keyboard.runningFirmwareState = runningState(state);
    FirmDataEntity image;
    image.firmVersion = imageVersion;

    const FirmupViewState shown =
        FirmupViewState::of(&keyboard, imageVersion.isEmpty() ? nullptr : &image);

    QCOMPARE(shown.currentVersionText, currentVersionText);
    QCOMPARE(shown.disablesReturn, state == "boot");
    QCOMPARE(shown.nextVersionPrefix.has_value(), !imageVersion.isEmpty());
    if (!imageVersion.isEmpty())
        QCOMPARE(shown.nextVersionText, "New firmware : " + imageVersion);
    QCOMPARE(shown.showsWarning, showsWarning);
    QCOMPARE(shown.isUpdateEnabled, isUpdateEnabled);
}

// Before a hand-over nothing is shown and nothing may be written.
void tst_FirmupViewState::withoutKeyboard()
{
    FirmDataEntity image;
    image.firmVersion = QStringLiteral("01.06");

    const FirmupViewState shown = FirmupViewState::of(nullptr, &image);

    QVERIFY(shown.currentVersionText.isEmpty());
    QVERIFY(!shown.disablesReturn && !shown.showsWarning && !shown.isUpdateEnabled);
}

QTEST_MAIN(tst_FirmupViewState)
#include "tst_firmupviewstate.moc"
