#include "commandline.h"
#include "firmdataentity.h"
#include "firmupviewstate.h"
#include "keyboarddataentity.h"
#include "localizedstrings.h"

#include <QTest>

// What the firmware page shows for a keyboard and an image: the version texts, the warning, and
// which of the update and return buttons may be used.
class tst_FirmupViewState : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LocalizedStrings::setLanguage(QStringLiteral("en")); }
    void cleanup() { CommandLine::setArguments({}); }

    void versionCheck_data()
    {
        // What the keyboard runs ("app", "boot", "none" when its record does not say), or no
        // keyboard; the image's version, or no image; then what is shown.
        QTest::addColumn<QString>("keyboard");
        QTest::addColumn<QString>("image");
        QTest::addColumn<bool>("checkDisabled");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char *name, const char *keyboard, const char *image,
                            bool checkDisabled, const QString &shown) {
            QTest::newRow(name) << keyboard << image << checkDisabled << shown;
        };

        // Both versions shown: the keyboard's 01.05 and the image's.
        const QString both = "Current firmware : 01.05 | New firmware : ";
        row("no image", "app", "", false, "Current firmware : 01.05 | update off");
        row("newer image", "app", "01.06", false, both + "01.06 | update on");
        row("equal version", "app", "01.05", false, both + "01.05 | warning | update off");
        row("older version", "app", "01.04", false, both + "01.04 | warning | update off");
        // The comparison looks at the minor part alone, as the versions have always been compared.
        row("newer major part only", "app", "02.05", false, both + "02.05 | warning | update off");
        row("older version, check disabled", "app", "01.04", true, both + "01.04 | update on");
        row("record without a running state counts as the application", "none", "01.05", false,
            both + "01.05 | warning | update off");
        row("boot loader, any version may be written", "boot", "00.00", false,
            "Current firmware : Boot firmware running (update required) | return off | "
            "New firmware : 00.00 | update on");
        row("no keyboard handed over yet", "", "01.06", false,
            " | New firmware : 01.06 | update off");
    }

    void versionCheck()
    {
        QFETCH(QString, keyboard);
        QFETCH(QString, image);
        QFETCH(bool, checkDisabled);
        if (checkDisabled)
            CommandLine::setArguments({"tool", "--disable-version-check"});
        KeyboardDataEntity record(keyboard == "boot" ? "00.00" : "01.05", "07", "KX-QR320B", "A1",
                                  "TV1", RunningFirmwareState::app);
        if (keyboard != "app")
            record.runningFirmwareState.reset();
        if (keyboard == "boot")
            record.runningFirmwareState = RunningFirmwareState::boot;
        FirmDataEntity firmware;
        firmware.firmVersion = image;

        const FirmupViewState state = FirmupViewState::of(keyboard.isEmpty() ? nullptr : &record,
                                                          image.isEmpty() ? nullptr : &firmware);

        QStringList shown{state.currentVersionText};
        if (state.disablesReturn)
            shown << "return off";
        if (state.nextVersionPrefix)
            shown << state.nextVersionText;
        if (state.showsWarning)
            shown << "warning";
        shown << (state.isUpdateEnabled ? "update on" : "update off");
        QTEST(shown.join(" | "), "shown");
    }
};

QTEST_MAIN(tst_FirmupViewState)
#include "tst_firmupviewstate.moc"
