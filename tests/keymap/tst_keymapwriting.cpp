#include "flowfixture.h"
#include "keyboarddataentity.h"
#include "localizedstrings.h"
#include "utility.h"

#include <QFile>
#include <QTest>

namespace {

using Edits = QList<EditFixture::KeyEdit>;
const QList<bool> allPadsOn{true, true, true, true};
// Profile 1's normal layer without the Fn1 key (the factory keymaps hold it on key 80).
const Edits withoutFn1{{0, FnMode::Normal, 80, 0x2c}};
// One key changed, the second pad switched off and the stick on: what a write sends.
const QString someEdits = QStringLiteral("key:5 pal:0x2c pad:2 stick");
const QList<bool> editedPads{true, false, true, true};

} // namespace

Q_DECLARE_METATYPE(Edits)
Q_DECLARE_METATYPE(WriteToTAVOResult)

// Writing the page's state to the keyboard: the write button's warnings, the driver's results,
// and all profiles back to factory settings.
class tst_KeymapWriting : public QObject
{
    Q_OBJECT

private slots:
    void writeButton_data();
    void writeButton();
    void driverResult_data();
    void driverResult();
    void menusStayOffUntilTheResultIsAnswered();
    void allProfilesToFactory_data();
    void allProfilesToFactory();
};

void tst_KeymapWriting::writeButton_data()
{
    QTest::addColumn<Edits>("keyboard");
    QTest::addColumn<QString>("answers");
    // How the save panel answers: "save", "cancel", "no path" or "unwritable".
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QList<int>>("messages");
    QTest::addColumn<bool>("writes");

    const Edits fn1OnAnFnLayer = withoutFn1 + Edits{{0, FnMode::WithFn1, 80, 0x5101}};
    const Edits fn2OnTheNormalLayer{{0, FnMode::Normal, 80, 0x5102}};
    const Edits fn3OnTheNormalLayer{{0, FnMode::Normal, 80, 0x5103}};
    const Edits fn1ElsewhereOnNormal = withoutFn1 + Edits{{0, FnMode::Normal, 119, 0x5101}};

    QTest::newRow("Fn1 key on the normal layer: at once") << Edits{} << ""
                                                          << "" << QList<int>{} << true;
    QTest::newRow("Fn1 key on any key of the normal layer: at once") << fn1ElsewhereOnNormal << ""
                                                                     << "" << QList<int>{} << true;
    QTest::newRow("Fn1 key only on an Fn layer: 1010") << fn1OnAnFnLayer << "NG"
                                                       << "" << QList<int>{1010} << false;
    QTest::newRow("Fn2 key on the normal layer: 1010") << fn2OnTheNormalLayer << "NG"
                                                       << "" << QList<int>{1010} << false;
    QTest::newRow("Fn3 key on the normal layer: 1010") << fn3OnTheNormalLayer << "NG"
                                                       << "" << QList<int>{1010} << false;
    QTest::newRow("1001 NO: written without a panel") << withoutFn1 << "OK NO"
                                                      << "" << QList<int>{1010, 1001} << true;
    QTest::newRow("1001 Cancel") << withoutFn1 << "OK NG"
                                 << "" << QList<int>{1010, 1001} << false;
    QTest::newRow("1001 OK, saved: written") << withoutFn1 << "OK OK"
                                             << "save" << QList<int>{1010, 1001} << true;
    QTest::newRow("1001 OK, panel cancelled") << withoutFn1 << "OK OK"
                                              << "cancel" << QList<int>{1010, 1001} << false;
    QTest::newRow("1001 OK, panel confirmed without a file")
        << withoutFn1 << "OK OK"
        << "no path" << QList<int>{1010, 1001} << false;
    QTest::newRow("1001 OK, file not writable: 9007")
        << withoutFn1 << "OK OK"
        << "unwritable" << QList<int>{1010, 1001, 9007} << false;
}

void tst_KeymapWriting::writeButton()
{
    QFETCH(Edits, keyboard);
    QFETCH(QString, answers);
    QFETCH(QString, panel);
    QFETCH(QList<int>, messages);
    QFETCH(bool, writes);
    FlowFixture fixture(keyboard);
    fixture.edit.run(someEdits);
    const QString edited = fixture.edit.changedEntries();
    const QString file =
        fixture.path(panel == "unwritable" ? "missing/setting.tpk" : "setting.tpk");
    if (panel == "save" || panel == "unwritable")
        fixture.ports.choosePath(file);
    if (panel == "no path")
        fixture.ports.confirmWithoutPath();
    fixture.messages().answerLater();

    fixture.flows.writeToTAVOButtonEvent();
    QVERIFY(fixture.answer(answers));
    const bool isAnswered = fixture.answer("OK"); // 9007, when it came

    QCOMPARE(fixture.messages().messages, messages);
    QCOMPARE(isAnswered, messages.contains(9007));
    QCOMPARE(fixture.ports.writesStarted, writes ? 1 : 0);
    QCOMPARE(fixture.ports.panels, panel.isEmpty() ? QStringList() : QStringList{"save(tpk, all)"});
    QCOMPARE(QFile::exists(file), panel == "save");
    QCOMPARE(fixture.resources.logText().contains(": save config file error. \n"),
             panel == "unwritable");
    // Nothing of the page changes before the keyboard has answered.
    QCOMPARE(fixture.edit.changedEntries(), edited);
    QCOMPARE(fixture.model().profileHistory().items.size(), 3);
    // The menus are off while the write runs and back once the user stopped.
    QCOMPARE(fixture.ports.isProgressUp, writes);
    QCOMPARE(fixture.model().isShowAlert(), writes);
    QCOMPARE(fixture.messages().menuFlags.open, !writes);
    QCOMPARE(fixture.messages().menuFlags.undo, !writes);
    if (panel == "save")
        QVERIFY(Utility::isSameProfiles(*fixture.readFile(file).profilesData,
                                        fixture.model().currentProfilesdata()));
}

void tst_KeymapWriting::driverResult_data()
{
    QTest::addColumn<WriteToTAVOResult>("result");
    QTest::addColumn<int>("message");

    QTest::newRow("success") << WriteToTAVOResult::Success << 1004;
    QTest::newRow("mode mismatch") << WriteToTAVOResult::ModeMismatchError << 9020;
    QTest::newRow("keyboard mismatch") << WriteToTAVOResult::KeyboardMismatchError << 9009;
    QTest::newRow("communication error") << WriteToTAVOResult::CommunicationError << 9009;
    QTest::newRow("MCU communication error") << WriteToTAVOResult::MCUCommunicationError << 9009;
}

void tst_KeymapWriting::driverResult()
{
    QFETCH(WriteToTAVOResult, result);
    QFETCH(int, message);
    const bool succeeded = result == WriteToTAVOResult::Success;
    FlowFixture fixture;
    fixture.edit.run("profile:2 " + someEdits);
    const std::shared_ptr<KeyboardDataEntity> keyboard = fixture.model().keyboardData();
    const std::shared_ptr<ProfileListDataEntity> keyboardProfiles = keyboard->profiles;

    fixture.flows.writeToTAVOButtonEvent();
    QCOMPARE(fixture.ports.runningWrites.size(), 1);
    const FakeFlowPorts::Write write = fixture.ports.runningWrites.first();
    QVERIFY(Utility::isSameProfiles(*write.profilesData, fixture.model().currentProfilesdata()));
    QCOMPARE(write.keyboardData->gesturePadInfo, editedPads);
    QCOMPARE(write.keyboardData->pointingStickStatus, true);
    QCOMPARE(write.keyboardData->typeNumber, "KX-QR320B");
    QCOMPARE(write.selectedProfileId, 2);
    QCOMPARE(write.isInitProfiles, false);
    QCOMPARE(fixture.ports.progressTexts,
             (QStringList{LocalizedStrings::text("KeymapPage_WritingTAVO_DetailUpLabel"),
                          LocalizedStrings::text("KeymapPage_WritingTAVO_DetailBottomLabel"),
                          QString()}));
    // The keyboard's record keeps the keyboard's own pads and stick while the write runs.
    QCOMPARE(keyboard->gesturePadInfo, allPadsOn);
    QCOMPARE(keyboard->pointingStickStatus, false);

    fixture.ports.finishWrite(result);

    QCOMPARE(fixture.messages().messages, QList<int>{message});
    QVERIFY(!fixture.ports.isProgressUp);
    QCOMPARE(fixture.showsKeyboardState(), succeeded);
    QCOMPARE(fixture.model().profileHistory().items.isEmpty(), succeeded);
    QCOMPARE(fixture.model().isWriteButtonEnabled(), !succeeded);
    QCOMPARE(fixture.model().isUndoButtonEnabled(), !succeeded);
    QCOMPARE(fixture.model().currentGesturePads(), editedPads);
    QCOMPARE(fixture.model().isPointStickOn(), true);
    QCOMPARE(keyboard->gesturePadInfo, succeeded ? editedPads : allPadsOn);
    QCOMPARE(keyboard->pointingStickStatus, succeeded);
    QCOMPARE(keyboard->profiles == keyboardProfiles, !succeeded);
    QVERIFY(Utility::isSameProfiles(*keyboard->profiles, succeeded
                                                             ? fixture.model().currentProfilesdata()
                                                             : *keyboardProfiles));
    QVERIFY(!fixture.model().isShowAlert());
    QVERIFY(fixture.messages().menuFlags.open);

    // The next edit is a change again, also after a write.
    fixture.edit.run("key:6 pal:0x2d");
    QVERIFY(fixture.model().isWriteButtonEnabled());
}

void tst_KeymapWriting::menusStayOffUntilTheResultIsAnswered()
{
    FlowFixture fixture;
    fixture.edit.run(someEdits);
    fixture.messages().answerLater();

    fixture.flows.writeToTAVOButtonEvent();
    fixture.ports.finishWrite(WriteToTAVOResult::Success);
    QCOMPARE(fixture.messages().openMessages(), 1);
    QVERIFY(fixture.model().isShowAlert());
    QCOMPARE(fixture.messages().menuFlags, KeymapMenuFlags());

    QVERIFY(fixture.answer("OK"));
    QVERIFY(!fixture.model().isShowAlert());
    QVERIFY(fixture.messages().menuFlags.open);
    QVERIFY(fixture.messages().menuFlags.allProfilesToFactory);
}

void tst_KeymapWriting::allProfilesToFactory_data()
{
    QTest::addColumn<QString>("answer");
    // How the keyboard answers the write; nothing without a write.
    QTest::addColumn<QString>("keyboard");
    QTest::addColumn<bool>("showsFactory");

    QTest::newRow("Cancel") << "NG"
                            << "" << false;
    QTest::newRow("written, success") << "NO"
                                      << "success" << true;
    QTest::newRow("written, failure") << "NO"
                                      << "failure" << false;
    QTest::newRow("saved first, success") << "OK"
                                          << "success" << true;
}

void tst_KeymapWriting::allProfilesToFactory()
{
    QFETCH(QString, answer);
    QFETCH(QString, keyboard);
    QFETCH(bool, showsFactory);
    FlowFixture fixture({{1, FnMode::WithFn2, 7, 0x2c}});
    fixture.edit.run(someEdits);
    const std::shared_ptr<ProfileListDataEntity> edited =
        fixture.model().currentProfilesdata().copy();
    fixture.ports.choosePath(fixture.path("before factory.tpk"));
    fixture.messages().answerLater();

    fixture.flows.receive(KeymapPageEvent::clickedAllProfilesToFactoryMenuEvent);
    QVERIFY(fixture.answer(answer));

    QCOMPARE(fixture.ports.writesStarted, keyboard.isEmpty() ? 0 : 1);
    if (!keyboard.isEmpty()) {
        const FakeFlowPorts::Write write = fixture.ports.runningWrites.first();
        QVERIFY(write.isInitProfiles);
        QVERIFY(Utility::isSameProfiles(*write.profilesData, *EditFixture::factoryProfiles()));
        // The page shows the factory profiles only once the keyboard holds them.
        QVERIFY(Utility::isSameProfiles(fixture.model().currentProfilesdata(), *edited));
        fixture.ports.finishWrite(keyboard == "success" ? WriteToTAVOResult::Success
                                                        : WriteToTAVOResult::CommunicationError);
        QVERIFY(fixture.answer("OK"));
    }
    QCOMPARE(Utility::isSameProfiles(fixture.model().currentProfilesdata(),
                                     *EditFixture::factoryProfiles()),
             showsFactory);
    QCOMPARE(fixture.model().currentGesturePads(), showsFactory ? allPadsOn : editedPads);
    QCOMPARE(fixture.model().isPointStickOn(), !showsFactory);
    QCOMPARE(fixture.model().profileHistory().items.isEmpty(), showsFactory);
    QCOMPARE(fixture.showsKeyboardState(), showsFactory);
    const KeymapMenuFlags &menus = fixture.messages().menuFlags;
    QCOMPARE(menus.currentProfileToFactory || menus.allProfilesToFactory, !showsFactory);
    QVERIFY(menus.open);
    // After a return to factory settings the keyboard holds every pad on and the stick off.
    const KeyboardDataEntity &record = *fixture.model().keyboardData();
    QCOMPARE(record.gesturePadInfo, allPadsOn);
    QCOMPARE(record.pointingStickStatus, false);
    if (answer == "OK") {
        const ConfigDataEntity saved = fixture.readFile(fixture.path("before factory.tpk"));
        QVERIFY(Utility::isSameProfiles(*saved.profilesData, *edited));
    }
}

QTEST_GUILESS_MAIN(tst_KeymapWriting)
#include "tst_keymapwriting.moc"
