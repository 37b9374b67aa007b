#include "keyboarddataentity.h"
#include "messagemodalfactory.h"
#include "navigationbutton.h"
#include "pagefixture.h"
#include "progresspageviewcontroller.h"
#include "startdecision.h"
#include "startpageview.h"

#include <QTest>
#include <QTimer>

namespace {

// One message of the start flow and the button (0 the first) the user answers it with; "plug
// in" puts the keyboard on the bus before the answer.
struct Step
{
    int message = 0;
    int button = 0;
    QString before;
};
using Script = QList<Step>;

// Puts the keyboard the row names on the bus, or none for "absent", and takes the resource it
// names away.
void prepareKeyboard(PageFixture &fixture, const QString &keyboard, const QString &missingResource)
{
    fixture.link.changeKeyboard([&](EmulatedKeyboardState &state) {
        state.bootVersion = keyboard.contains("13") ? 0x13 : 0x07;
        state.productId = keyboard.contains("English") ? 0x16 : 0x15;
    });
    if (keyboard.startsWith("boot loader"))
        fixture.link.keyboard.setMode(EmulatedKeyboard::Mode::BootLoader);
    if (keyboard.endsWith("silent"))
        fixture.link.keyboard.injectFault(0, {EmulatedKeyboard::Fault::NoReply});
    if (keyboard == "absent")
        fixture.link.keyboard.unplug();
    if (!missingResource.isEmpty())
        fixture.link.resources.remove(missingResource);
}

} // namespace

Q_DECLARE_METATYPE(Script)

// What the start page does with the keyboard it reads: the decision on the running firmware, the
// messages of each road in order, the page it ends on, the progress page, the menus, whether the
// program ends, and the lines it logs.
class tst_StartDecision : public QObject
{
    Q_OBJECT

private slots:
    void startRoads_data()
    {
        QTest::addColumn<QString>("keyboard");
        QTest::addColumn<QString>("missingResource");
        QTest::addColumn<Script>("script");
        // The page the road ends on: "start", or the firmware page with the type handed over.
        QTest::addColumn<QString>("page");
        // The start page's progress page still up, the menus on, the program ended.
        QTest::addColumn<QString>("after");
        QTest::addColumn<QStringList>("log");
        const auto row = [](const char *name, const char *keyboard, const char *missing,
                            const Script &script, const char *page, const char *after,
                            const QStringList &log) {
            QTest::newRow(name) << keyboard << missing << script << page << after << log;
        };

        const QString read = QStringLiteral("[INFO] GetKeyboard was finished. (value=");
        const QString notFound =
            QStringLiteral("[DEBUG] GetKeyboard made an error. (error=Can't find any keyboard.)");
        const QString retry = QStringLiteral("[DEBUG] response == .OK");
        const QString boot07 = R"([INFO] BootFirmVersion : Optional("07"))";
        const QString boot13 = R"([INFO] BootFirmVersion : Optional("13"))";
        const QString noDrawing = "[ERROR] Error occured: Japanese_position_black is not found";
        const Step ok{1014, 0, {}}, us{1016, 0, {}}, jp{1016, 1, {}}, yes{1017, 0, {}};
        const Step no{1017, 1, {}}, fatal{9012, 0, {}}, again{9001, 0, {}};

        row("application", "application", "", {}, "start", "menus", {read});
        row("boot loader of another version", "boot loader", "", {ok}, "KX-QR320B", "menus",
            {read, boot07});
        row("boot loader without a version", "boot loader, silent", "", {ok}, "KX-QR320B", "menus",
            {read, "[INFO] BootFirmVersion : nil"});
        row("version 13 in the English keyboard's boot loader",
            "boot loader 13 of the English keyboard", "", {ok}, "KX-QR300B", "menus",
            {read, boot13});
        row("version 13: US confirmed", "boot loader 13", "", {ok, us, yes}, "KX-QR300B", "menus",
            {read, boot13});
        row("version 13: US refused, then JP confirmed", "boot loader 13", "",
            {ok, us, no, jp, yes}, "KX-QR320B", "menus", {read, boot13});
        row("absent, plugged in after three Retries", "absent", "",
            {again, again, again, {9001, 0, "plug in"}}, "start", "menus",
            {notFound, retry, notFound, retry, notFound, retry, notFound, retry, read});
        row("absent, Close", "absent", "", {{9001, 1, {}}}, "start", "progress ended", {notFound});
        row("drawing fails", "application", "Japanese_position_black.json", {fatal}, "start",
            "ended", {read, noDrawing});
        row("drawing fails in the boot loader", "boot loader", "Japanese_position_black.json",
            {ok, fatal}, "start", "ended", {read, boot07, noDrawing});
        row("drawing fails after the type question", "boot loader 13",
            "English_position_black.json", {ok, us, yes, fatal}, "start", "ended",
            {read, boot13, "[ERROR] Error occured: English_position_black is not found"});
        row("factory keymaps missing at the type question", "boot loader 13", "English00.json",
            {ok, us, fatal}, "start", "progress ended",
            {read, boot13, "[ERROR] Error occured: set keyboard info failed."});
    }

    void startRoads()
    {
        QFETCH(QString, keyboard);
        QFETCH(QString, missingResource);
        QFETCH(Script, script);
        QFETCH(QString, page);
        QFETCH(QString, after);
        QFETCH(QStringList, log);
        PageFixture fixture;
        prepareKeyboard(fixture, keyboard, missingResource);

        fixture.open();
        StartPageView &view = *fixture.startPage().startPageView();
        for (const Step &step : script) {
            QCOMPARE(fixture.waitForRest(), step.message);
            if (step.message == 9001) {
                // The search goes on behind the message, and nothing leads on before a keyboard.
                QVERIFY(fixture.startPage().GetProgressPageViewController()->isShown());
                QVERIFY(view.keymapPageButton()->isHidden() && view.firmupPageButton()->isHidden());
            }
            if (step.before == "plug in")
                fixture.link.keyboard.plugIn();
            fixture.answer(step.button);
        }

        QCOMPARE(fixture.waitForRest(), 0);
        const bool onStartPage = page == "start";
        QCOMPARE(fixture.currentPage(),
                 onStartPage ? static_cast<PageViewController *>(&fixture.startPage())
                             : &fixture.fakeFirmupPage());
        const HandedOverKeyboard &handed = fixture.fakeFirmupPage().handedOverKeyboard;
        QCOMPARE(handed.keyboardTypeNumber, onStartPage ? QString() : page);
        if (!onStartPage) {
            // The catalogue row and the factory keymaps of the type the keyboard is taken for.
            const bool isEnglish = page == "KX-QR300B";
            QCOMPARE(handed.keyboardData->serial, QString(isEnglish ? "B00" : "B20"));
            const qint32 marker =
                isEnglish ? ResourceFixture::englishMarker : ResourceFixture::japaneseMarker;
            QCOMPARE(handed.physicalProfilesData->profile(2).withFn1[7],
                     ResourceFixture::factoryUsageId(marker, 2, 1, 7));
        }
        const bool progress = after.contains("progress");
        QCOMPARE(fixture.startPage().GetProgressPageViewController()->isShown(), progress);
        QCOMPARE(MessageModalFactory::sharedInstance().isShowProgressPage(), progress);
        const AppDelegate &app = fixture.delegate;
        QCOMPARE((QList<bool>{app.enableCheckUpdatesMenuItem(), app.enableAboutMenuItem(),
                              app.enableCloseMenuItem()}),
                 QList<bool>(3, after == "menus"));
        QCOMPARE(fixture.terminations, after.contains("ended") ? 1 : 0);
        const QStringList lines = fixture.flowLogLines();
        QCOMPARE(lines.size(), log.size());
        for (int index = 0; index < log.size(); ++index)
            QVERIFY2(lines[index].startsWith(log[index]), qPrintable(lines[index]));
    }

    // Where the start flow decides that the program ends, it ends, although its message or its
    // progress page is still up and the window would refuse the user's own close then: the real
    // delegate and window, the event loop running.
    void programEndsWhereTheFlowDecides_data()
    {
        QTest::addColumn<QString>("keyboard");
        QTest::addColumn<QString>("missingResource");
        QTest::addColumn<Script>("script");
        const Step ok{1014, 0, {}}, us{1016, 0, {}}, yes{1017, 0, {}}, fatal{9012, 0, {}};
        QTest::newRow("absent, Close") << "absent"
                                       << "" << Script{{9001, 1, {}}};
        QTest::newRow("drawing fails") << "application"
                                       << "Japanese_position_black.json" << Script{fatal};
        QTest::newRow("drawing fails after the type question")
            << "boot loader 13"
            << "English_position_black.json" << Script{ok, us, yes, fatal};
        QTest::newRow("factory keymaps missing at the type question")
            << "boot loader 13"
            << "English00.json" << Script{ok, us, fatal};
    }

    void programEndsWhereTheFlowDecides()
    {
        QFETCH(QString, keyboard);
        QFETCH(QString, missingResource);
        QFETCH(Script, script);
        PageFixture fixture;
        fixture.delegate.setTerminateHandler(&AppDelegate::endEventLoop);
        prepareKeyboard(fixture, keyboard, missingResource);
        QTimer::singleShot(0, &fixture.delegate, [&] {
            fixture.open();
            for (const Step &step : script) {
                QCOMPARE(fixture.waitForRest(), step.message);
                fixture.clickMessageButton(step.button);
            }
        });
        QTimer stillRunning;
        stillRunning.callOnTimeout([] { QCoreApplication::exit(1); });
        stillRunning.start(5000);

        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(fixture.delegate.isTerminating());
    }

    void decisionOnRunningFirmwareAlone_data()
    {
        QTest::addColumn<std::optional<RunningFirmwareState>>("state");
        QTest::addColumn<QStringList>("reactions");

        const QStringList shown{"changeable", "then"};
        QTest::newRow("application") << std::optional(RunningFirmwareState::app) << shown;
        QTest::newRow("no state") << std::optional<RunningFirmwareState>() << shown;
        QTest::newRow("boot loader") << std::optional(RunningFirmwareState::boot)
                                     << QStringList{"boot message", "firmware updatable", "then"};
    }

    // Whatever the record says besides, only its running firmware decides; the answer to the
    // boot loader's message changes nothing.
    void decisionOnRunningFirmwareAlone()
    {
        QFETCH(std::optional<RunningFirmwareState>, state);
        LinkFixture link;
        TAVODriver driver(link.backend, link.clock);
        QStringList called;
        const auto note = [&called](const char *reaction) {
            return [&called, reaction] { called << reaction; };
        };
        StartDecision decision(driver, [](const std::shared_ptr<KeyboardDataEntity> &) {},
                               {note("changeable"), note("firmware updatable"),
                                note("serious error"), [](const StartDecision::Handler &) {},
                                [&called](const StartDecision::Handler &handler) {
                                    called << "boot message";
                                    handler(MessageModalResponseType::NG);
                                },
                                note("then")});
        KeyboardDataEntity record(QStringLiteral("00.00"), {}, QStringLiteral("KX-QR999Z"), {}, {},
                                  RunningFirmwareState::app);
        record.runningFirmwareState = state;

        decision.checkKeyboardData(record);

        QTEST(called, "reactions");
    }
};

QTEST_MAIN(tst_StartDecision)
#include "tst_startdecision.moc"
