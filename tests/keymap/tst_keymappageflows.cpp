#include "exceptions.h"
#include "flowfixture.h"
#include "utility.h"

#include <QTest>

namespace {

const QList<bool> allPadsOn{true, true, true, true};
const QList<KeymapPageEvent> allEvents{
    KeymapPageEvent::clickUndoMenuEvent,
    KeymapPageEvent::clickOpenConfigFileMenuEvent,
    KeymapPageEvent::clickSaveAllConfigFileMenuEvent,
    KeymapPageEvent::clickSaveCurrentConfigFileMenuEvent,
    KeymapPageEvent::clickRollbackMenuEvent,
    KeymapPageEvent::clickedCurrentProfileToFactoryMenuEvent,
    KeymapPageEvent::clickedAllProfilesToFactoryMenuEvent,
    KeymapPageEvent::clickCloseCompareWindowEvent,
};

// A page with two key changes and the compare window up, whose panels are cancelled and whose
// messages wait for an answer.
struct CommandFixture : FlowFixture
{
    CommandFixture()
    {
        edit.run("key:5 pal:0x2c key:6 pal:0x2d");
        readKeymap = [](const QString &) -> ConfigDataEntity {
            throw Exceptions::MismatchKeyboardException(ConfigDataEntity(), false);
        };
        ports.choosePath(path("file.tpk"));
        flows.receive(KeymapPageEvent::clickOpenConfigFileMenuEvent);
        ports.cancelPanels();
        ports.panels.clear();
        messages().answerLater();
    }

    // What the commands may change: the edits, the history, the panels and messages shown and
    // the compare window.
    QString trace()
    {
        QStringList shown;
        for (int message : messages().messages)
            shown << QString::number(message);
        return QString("%1 history=%2 panels=%3 messages=%4 hides=%5")
            .arg(edit.changedEntries())
            .arg(model().profileHistory().items.size())
            .arg(ports.panels.join(','), shown.join(','))
            .arg(ports.compareWindowHides);
    }
};

} // namespace

Q_DECLARE_METATYPE(KeymapPageEvent)

// The menu commands reach the page only while it is shown; the return button leads back to the
// start page, asking before edits are lost, and so does closing the window.
class tst_KeymapPageFlows : public QObject
{
    Q_OBJECT

private slots:
    void commandsOnlyWhileShown_data();
    void commandsOnlyWhileShown();
    void menusFollowTheView();
    void returnButton_data();
    void returnButton();
};

void tst_KeymapPageFlows::commandsOnlyWhileShown_data()
{
    QTest::addColumn<KeymapPageEvent>("command");
    const char *const names[] = {"undo",
                                 "open",
                                 "save all",
                                 "save current",
                                 "rollback",
                                 "current profile to factory",
                                 "all profiles to factory",
                                 "close compare window"};
    for (KeymapPageEvent event : allEvents)
        QTest::newRow(names[int(event)]) << event;
}

// Each command acts exactly as once received, and only while the page is shown.
void tst_KeymapPageFlows::commandsOnlyWhileShown()
{
    QFETCH(KeymapPageEvent, command);
    CommandFixture expected;
    const QString before = expected.trace();
    expected.flows.receive(command);
    const QString once = expected.trace();
    QVERIFY2(once != before, qPrintable(once));

    CommandFixture fixture;
    fixture.ports.post(command);
    QCOMPARE(fixture.trace(), before);
    fixture.flows.viewDidAppear();
    fixture.flows.viewDidDisappear();
    fixture.ports.post(command);
    QCOMPARE(fixture.trace(), before);

    fixture.flows.viewDidAppear();
    fixture.flows.viewDidAppear();
    fixture.ports.post(command);
    QCOMPARE(fixture.trace(), once);
}

void tst_KeymapPageFlows::menusFollowTheView()
{
    FlowFixture fixture;
    fixture.edit.run("key:5 pal:0x2c");

    fixture.flows.viewDidAppear();
    QVERIFY(fixture.messages().menuFlags.open);
    QVERIFY(fixture.messages().menuFlags.undo);

    fixture.flows.viewDidDisappear();
    QCOMPARE(fixture.messages().menuFlags, KeymapMenuFlags());
}

void tst_KeymapPageFlows::returnButton_data()
{
    QTest::addColumn<QString>("edits");
    // Set when the window's close brought the return button.
    QTest::addColumn<bool>("closing");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("leaves");

    QTest::newRow("no edits") << "" << false << "" << true;
    QTest::newRow("edits, OK") << "key:5 pal:0x2c stick pad:3" << false << "OK" << true;
    QTest::newRow("edits, Cancel") << "key:5 pal:0x2c stick pad:3" << false << "NG" << false;
    QTest::newRow("close, edits, OK") << "key:5 pal:0x2c stick" << true << "OK" << true;
    QTest::newRow("close, edits, Cancel") << "key:5 pal:0x2c stick" << true << "NG" << false;
    QTest::newRow("a pad back as it was") << "pad:3 pad:3" << false << "OK" << true;
}

void tst_KeymapPageFlows::returnButton()
{
    QFETCH(QString, edits);
    QFETCH(bool, closing);
    QFETCH(QString, answer);
    QFETCH(bool, leaves);
    FlowFixture fixture({{0, FnMode::Normal, 9, 0x2e}});
    fixture.edit.run("profile:1 layer:2 " + edits);
    const QString changed = fixture.edit.changedEntries();
    const qsizetype history = fixture.model().profileHistory().items.size();
    int stays = 0;
    fixture.messages().answerLater();

    fixture.flows.returnButtonWillSwap(
        [&] { fixture.flows.returnButtonDidSwap(closing, fixture.ports); }, [&] { ++stays; });
    QVERIFY(fixture.answer(answer));

    QCOMPARE(fixture.messages().messages, answer.isEmpty() ? QList<int>{} : QList<int>{1003});
    QVERIFY(fixture.messages().events.contains("listHidden"));
    QCOMPARE(stays, leaves ? 0 : 1);
    QCOMPARE(fixture.terminations, leaves && closing ? 1 : 0);
    QVERIFY(!fixture.model().isShowAlert());
    if (!leaves) {
        QCOMPARE(fixture.edit.changedEntries(), changed);
        QCOMPARE(fixture.model().profileHistory().items.size(), history);
        QVERIFY(!fixture.ports.handedBackProfiles);
        return;
    }
    // The page is reset and the start page shows the keyboard's own state.
    QVERIFY(fixture.showsKeyboardState());
    QVERIFY(fixture.model().profileHistory().items.isEmpty());
    QCOMPARE(fixture.model().selectedProfileIndex(), 0);
    QCOMPARE(fixture.model().shownLayer(), FnMode::Normal);
    QVERIFY(fixture.ports.handedBackProfiles);
    QVERIFY(Utility::isSameProfiles(*fixture.ports.handedBackProfiles,
                                    *EditFixture::editedProfiles({{0, FnMode::Normal, 9, 0x2e}})));
    QCOMPARE(fixture.ports.handedBackPads, allPadsOn);
    QCOMPARE(fixture.ports.handedBackStick, false);
    // The start page's list is its own.
    fixture.edit.run("key:9 pal:0x2c");
    QCOMPARE(fixture.ports.handedBackProfiles->profile(0).normal[9], 0x2e);
}

QTEST_GUILESS_MAIN(tst_KeymapPageFlows)
#include "tst_keymappageflows.moc"
