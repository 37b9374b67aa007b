#include "appdelegate.h"
#include "keyboarddataentity.h"
#include "messagemodalfactory.h"
#include "navigationbutton.h"
#include "progresspageviewcontroller.h"
#include "startdecision.h"
#include "startpagefixture.h"
#include "startpageview.h"

#include <QTest>

namespace {

// One message of the start flow and the button (0 the first) the user answers it with.
struct Step
{
    int message = 0;
    int button = 0;
    // Done before the answer: "plug in" puts the keyboard on the bus.
    QString before;
};
using Script = QList<Step>;

} // namespace

Q_DECLARE_METATYPE(Step)
Q_DECLARE_METATYPE(Script)

// What the start page does with the keyboard it reads: the decision on the running firmware, the
// messages of each road in order, the page it ends on, the progress page, the menus, whether the
// program ends, and the lines it logs.
class tst_StartDecision : public QObject
{
    Q_OBJECT

private slots:
    void startRoads_data();
    void startRoads();
    void decisionOnRunningFirmwareAlone_data();
    void decisionOnRunningFirmwareAlone();
};

void tst_StartDecision::startRoads_data()
{
    QTest::addColumn<QString>("keyboard");
    QTest::addColumn<QString>("missingResource");
    QTest::addColumn<Script>("script");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("handedOverType");
    QTest::addColumn<bool>("progressShown");
    QTest::addColumn<bool>("menusOn");
    QTest::addColumn<int>("terminations");
    QTest::addColumn<QStringList>("log");

    const QString read = QStringLiteral("[INFO] GetKeyboard was finished. (value=");
    const QString notFound =
        QStringLiteral("[DEBUG] GetKeyboard made an error. (error=Can't find any keyboard.)");
    const QString retry = QStringLiteral("[DEBUG] response == .OK");
    const Step ok{1014, 0, {}};
    const Step us{1016, 0, {}};
    const Step jp{1016, 1, {}};
    const Step yes{1017, 0, {}};
    const Step no{1017, 1, {}};
    const Step fatal{9012, 0, {}};
    const Step again{9001, 0, {}};

    QTest::newRow("application") << "application"
                                 << "" << Script{} << "start"
                                 << "" << false << true << 0 << QStringList{read};
    QTest::newRow("boot loader of another version")
        << "boot loader"
        << "" << Script{ok} << "firmup"
        << "KX-QR320B" << false << true << 0
        << QStringList{read, R"([INFO] BootFirmVersion : Optional("07"))"};
    QTest::newRow("boot loader without a version")
        << "boot loader, silent"
        << "" << Script{ok} << "firmup"
        << "KX-QR320B" << false << true << 0 << QStringList{read, "[INFO] BootFirmVersion : nil"};
    QTest::newRow("version 13 in the English keyboard's boot loader")
        << "boot loader 13 of the English keyboard"
        << "" << Script{ok} << "firmup"
        << "KX-QR300B" << false << true << 0
        << QStringList{read, R"([INFO] BootFirmVersion : Optional("13"))"};
    QTest::newRow("version 13: US confirmed")
        << "boot loader 13"
        << "" << Script{ok, us, yes} << "firmup"
        << "KX-QR300B" << false << true << 0
        << QStringList{read, R"([INFO] BootFirmVersion : Optional("13"))"};
    QTest::newRow("version 13: US refused, then JP confirmed")
        << "boot loader 13"
        << "" << Script{ok, us, no, jp, yes} << "firmup"
        << "KX-QR320B" << false << true << 0
        << QStringList{read, R"([INFO] BootFirmVersion : Optional("13"))"};
    QTest::newRow("absent, plugged in after three Retries")
        << "absent"
        << "" << Script{again, again, again, {9001, 0, "plug in"}} << "start"
        << "" << false << true << 0
        << QStringList{notFound, retry, notFound, retry, notFound, retry, notFound, retry, read};
    QTest::newRow("absent, Close") << "absent"
                                   << "" << Script{{9001, 1, {}}} << "start"
                                   << "" << true << false << 1 << QStringList{notFound};
    QTest::newRow("drawing fails")
        << "application"
        << "Japanese_position_black.json" << Script{fatal} << "start"
        << "" << false << false << 1
        << QStringList{read, "[ERROR] Error occured: Japanese_position_black is not found"};
    QTest::newRow("drawing fails in the boot loader")
        << "boot loader"
        << "Japanese_position_black.json" << Script{ok, fatal} << "start"
        << "" << false << false << 1
        << QStringList{read, R"([INFO] BootFirmVersion : Optional("07"))",
                       "[ERROR] Error occured: Japanese_position_black is not found"};
    QTest::newRow("drawing fails after the type question")
        << "boot loader 13"
        << "English_position_black.json" << Script{ok, us, yes, fatal} << "start"
        << "" << false << false << 1
        << QStringList{read, R"([INFO] BootFirmVersion : Optional("13"))",
                       "[ERROR] Error occured: English_position_black is not found"};
    QTest::newRow("factory keymaps missing at the type question")
        << "boot loader 13"
        << "English00.json" << Script{ok, us, fatal} << "start"
        << "" << true << false << 1
        << QStringList{read, R"([INFO] BootFirmVersion : Optional("13"))",
                       "[ERROR] Error occured: set keyboard info failed."};
}

void tst_StartDecision::startRoads()
{
    QFETCH(QString, keyboard);
    QFETCH(QString, missingResource);
    QFETCH(Script, script);
    QFETCH(QString, page);
    QFETCH(QString, handedOverType);
    QFETCH(bool, progressShown);
    QFETCH(bool, menusOn);
    QFETCH(int, terminations);
    QFETCH(QStringList, log);
    StartPageFixture fixture;
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

    fixture.open();
    MessageModalFactory &messages = MessageModalFactory::sharedInstance();
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
    QCOMPARE(fixture.currentPage(), page == "start"
                                        ? static_cast<PageViewController *>(&fixture.startPage())
                                        : &fixture.firmupPage());
    const HandedOverKeyboard &handed = fixture.firmupPage().handedOverKeyboard;
    QCOMPARE(handed.keyboardTypeNumber, handedOverType);
    if (!handedOverType.isEmpty()) {
        // The catalogue row and the factory keymaps of the type the keyboard is taken for.
        const bool isEnglish = handedOverType == "KX-QR300B";
        QCOMPARE(handed.keyboardData->serial, QString(isEnglish ? "B00" : "B20"));
        const qint32 marker =
            isEnglish ? ResourceFixture::englishMarker : ResourceFixture::japaneseMarker;
        QCOMPARE(handed.physicalProfilesData->profile(2).withFn1[7],
                 ResourceFixture::factoryUsageId(marker, 2, 1, 7));
    }
    QCOMPARE(fixture.startPage().GetProgressPageViewController()->isShown(), progressShown);
    QCOMPARE(messages.isShowProgressPage(), progressShown);
    const AppDelegate &app = fixture.delegate;
    QCOMPARE((QList<bool>{app.enableCheckUpdatesMenuItem(), app.enableAboutMenuItem(),
                          app.enableCloseMenuItem()}),
             QList<bool>(3, menusOn));
    QCOMPARE(fixture.terminations, terminations);
    const QStringList lines = fixture.flowLogLines();
    QCOMPARE(lines.size(), log.size());
    for (int index = 0; index < log.size(); ++index)
        QVERIFY2(lines[index].startsWith(log[index]), qPrintable(lines[index]));
}

void tst_StartDecision::decisionOnRunningFirmwareAlone_data()
{
    QTest::addColumn<std::optional<RunningFirmwareState>>("state");
    QTest::addColumn<QStringList>("reactions");

    const QStringList shown{"changeable", "then"};
    QTest::newRow("application") << std::optional(RunningFirmwareState::app) << shown;
    QTest::newRow("no state") << std::optional<RunningFirmwareState>() << shown;
    QTest::newRow("boot loader") << std::optional(RunningFirmwareState::boot)
                                 << QStringList{"boot message", "answered", "firmware updatable",
                                                "then"};
}

// Whatever the record says besides, only its running firmware decides; the answer to the boot
// loader's message changes nothing.
void tst_StartDecision::decisionOnRunningFirmwareAlone()
{
    QFETCH(std::optional<RunningFirmwareState>, state);
    QFETCH(QStringList, reactions);
    LinkFixture link;
    TAVODriver driver(link.backend, link.clock);
    QStringList called;
    const auto note = [&called](const char *reaction) {
        return [&called, reaction] { called << reaction; };
    };
    StartDecision decision(driver, [](const std::shared_ptr<KeyboardDataEntity> &) {},
                           {note("changeable"), note("firmware updatable"), note("serious error"),
                            [](const StartDecision::Handler &) {},
                            [&called](const StartDecision::Handler &handler) {
                                called << "boot message";
                                called << "answered";
                                handler(MessageModalResponseType::NG);
                            },
                            note("then")});
    KeyboardDataEntity record(QStringLiteral("00.00"), {}, QStringLiteral("KX-QR999Z"), {}, {},
                              RunningFirmwareState::app);
    record.runningFirmwareState = state;

    decision.checkKeyboardData(record);

    QCOMPARE(called, reactions);
}

QTEST_MAIN(tst_StartDecision)
#include "tst_startdecision.moc"
