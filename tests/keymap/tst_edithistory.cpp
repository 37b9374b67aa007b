#include "editfixture.h"
#include "keyboarddataentity.h"
#include "utility.h"

#include <QTest>

namespace {

using Edits = QList<EditFixture::KeyEdit>;
const QList<bool> allPadsOn{true, true, true, true};

// The names of the menu items on, such as "open save undo".
QString flagsText(const KeymapMenuFlags &flags)
{
    const std::pair<bool, const char *> items[] = {
        {flags.open, "open"},
        {flags.save, "save"},
        {flags.rollback, "rollback"},
        {flags.undo, "undo"},
        {flags.currentProfileToFactory, "current"},
        {flags.allProfilesToFactory, "all"},
        {flags.returnToFactory, "factory"},
        {flags.checkUpdates, "updates"},
        {flags.about, "about"},
        {flags.close, "close"},
    };
    QStringList on;
    for (const auto &[isOn, name] : items) {
        if (isOn)
            on << name;
    }
    return on.join(' ');
}

bool showsKeyboardState(const KeymapEditModel &model)
{
    return Utility::isSameProfiles(model.currentProfilesdata(), model.physicalProfilesData()) &&
           model.currentGesturePads() == model.physicalGesturePads() &&
           model.isPointStickOn() == model.physicalPointingStick();
}

// What the page does once the keyboard has taken what is shown.
void markWritten(KeymapEditModel &model)
{
    model.setPhysicalGesturePads(model.currentGesturePads());
    model.setPhysicalPointingStick(model.isPointStickOn());
    model.updatePhysicalProfiles(model.currentProfilesdata());
}

} // namespace

Q_DECLARE_METATYPE(Edits)

// The undo history, the bulk changes (roll back, factory settings, setting files, writes), the
// profile switch, and the write button, undo button and menu items that follow the comparison
// of the edited settings with the keyboard's and the factory's.
class tst_EditHistory : public QObject
{
    Q_OBJECT

private slots:
    void undoWalksBackOneChangeAtATime()
    {
        EditFixture fixture;
        fixture.run("key:5 pal:0x2c key:6 pal:0x2d");
        QCOMPARE(fixture.model.profileHistory().items.size(), 2);

        fixture.run("undo");
        QCOMPARE(fixture.changedEntries(), "N[5]=0x2c");
        QVERIFY(fixture.model.isUndoButtonEnabled());

        fixture.run("undo");
        QCOMPARE(fixture.changedEntries(), "");
        QVERIFY(!fixture.model.isUndoButtonEnabled());
        QVERIFY(!fixture.ports.menuFlags.undo);
        QVERIFY(!fixture.model.isWriteButtonEnabled());
    }

    void undoWithAnEmptyHistoryDoesNothing()
    {
        EditFixture fixture;
        fixture.run("key:5");
        fixture.ports.events.clear();

        fixture.model.recieveClickUndoMenuEvent();

        QCOMPARE(fixture.ports.events, QStringList{"listHidden"});
        QCOMPARE(fixture.model.keymapPageState(), KeymapPageState::clickedVirtualKey);
        QVERIFY(fixture.model.profileHistory().items.isEmpty());
    }

    void undoRestoresPadsStickAndProfilesAtOnce()
    {
        EditFixture fixture;
        fixture.run("key:5 pal:0x2c pad:2 stick");

        fixture.run("undo undo key:7 undo");

        QVERIFY(!fixture.model.isPointStickOn());
        QCOMPARE(fixture.model.currentGesturePads(), allPadsOn);
        QCOMPARE(fixture.changedEntries(), "");
        QCOMPARE(fixture.model.keymapPageState(), KeymapPageState::normal);
        QVERIFY(fixture.ports.events.contains("replaced"));
    }

    // The write button compares values: a control flipped and back has nothing to write, yet
    // both flips stay undoable, each keeping the state before it.
    void flippedAndBack_data()
    {
        QTest::addColumn<QString>("flip");
        QTest::addColumn<bool>("stickBefore");

        QTest::newRow("gesture pad") << "pad:4" << false;
        QTest::newRow("pointing stick on") << "stick" << true;
        QTest::newRow("pointing stick off") << "stick" << false;
    }

    void flippedAndBack()
    {
        QFETCH(QString, flip);
        QFETCH(bool, stickBefore);
        EditFixture fixture({}, stickBefore);

        fixture.run(flip);
        QVERIFY(fixture.model.isWriteButtonEnabled());
        const HistoryDataEntity &before = *fixture.model.profileHistory().items.last();
        QCOMPARE(before.gesturePadData, allPadsOn);
        QCOMPARE(before.pointingStick, stickBefore);
        fixture.run(flip);

        QVERIFY(!fixture.model.isWriteButtonEnabled());
        QCOMPARE(fixture.model.profileHistory().items.size(), 2);
        QVERIFY(fixture.model.isUndoButtonEnabled());
        QVERIFY(fixture.ports.menuFlags.undo);
    }

    void profileSwitch_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QList<int>>("messages");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("history");
        QTest::addColumn<QString>("changed");
        QTest::addColumn<bool>("writeButton");

        QTest::newRow("profile already shown")
            << "key:5 pal:0x2c profile:0" << QList<int>{} << 0 << 1 << "N[5]=0x2c" << true;
        QTest::newRow("without edits")
            << "pad:1 pad:1 profile:2" << QList<int>{} << 2 << 0 << "" << false;
        QTest::newRow("edit, then Cancel") << "later key:5 pal:0x2c profile:2 cancel"
                                           << QList<int>{1003} << 0 << 1 << "N[5]=0x2c" << true;
        QTest::newRow("edit, then OK")
            << "later key:5 pal:0x2c profile:2 ok" << QList<int>{1003} << 2 << 0 << "" << false;
        QTest::newRow("pad flipped, then OK")
            << "later pad:3 profile:1 ok" << QList<int>{1003} << 1 << 0 << "" << false;
        QTest::newRow("edit undone")
            << "key:5 pal:0x2c undo profile:3" << QList<int>{} << 3 << 0 << "" << false;
    }

    void profileSwitch()
    {
        QFETCH(QString, steps);
        EditFixture fixture;

        fixture.run(steps);

        QTEST(fixture.ports.messages, "messages");
        QTEST(fixture.model.selectedProfileIndex(), "selected");
        QTEST(int(fixture.model.profileHistory().items.size()), "history");
        QTEST(fixture.changedEntries(), "changed");
        QTEST(fixture.model.isWriteButtonEnabled(), "writeButton");
        QVERIFY(fixture.ports.events.contains("listHidden"));
    }

    void switchAfterOkShowsTheKeyboardsProfiles()
    {
        EditFixture fixture({{2, FnMode::Normal, 9, 0x70}});

        fixture.run("stick key:5 pal:0x2c profile:2");

        QVERIFY(showsKeyboardState(fixture.model));
        QCOMPARE(fixture.model.currentKeymapData().normal.at(9), 0x70);
        QVERIFY(fixture.ports.events.contains("profile(2)"));
        QCOMPARE(fixture.model.isClearCombine(), false);
        QVERIFY(fixture.ports.events.contains("clear(reset)"));
    }

    // An Fn-layer 1 stands for the key's normal-layer usage when the write button compares, but
    // not when the profile switch looks for edits.
    void fnLayerOneWrittenOutAsksBeforeASwitch()
    {
        EditFixture fixture;
        fixture.run("layer:2 key:5 pal:9");
        QCOMPARE(fixture.changedEntries(), "F2[5]=0x9");
        QVERIFY(!fixture.model.isWriteButtonEnabled());

        fixture.run("profile:1");

        QCOMPARE(fixture.ports.messages, QList<int>{1003});
    }

    void rollbackIsUndoable()
    {
        EditFixture fixture;
        fixture.run("key:5 pal:0x2c stick");

        fixture.model.recieveClickRollbackMenuEvent();

        QVERIFY(showsKeyboardState(fixture.model));
        QVERIFY(!fixture.model.isWriteButtonEnabled());
        QCOMPARE(fixture.model.profileHistory().items.size(), 3);
        fixture.run("undo");
        QCOMPARE(fixture.changedEntries(), "N[5]=0x2c");
        QVERIFY(fixture.model.isPointStickOn());
    }

    void currentProfileToFactory_data()
    {
        QTest::addColumn<Edits>("keyboard");
        QTest::addColumn<QString>("menus");

        QTest::newRow("other profiles at factory settings")
            << Edits{{0, FnMode::Normal, 5, 0x2c}} << "open save rollback undo updates about close";
        QTest::newRow("another profile off factory settings")
            << Edits{{0, FnMode::Normal, 5, 0x2c}, {3, FnMode::WithFn3, 7, 0x2c}}
            << "open save rollback undo all factory updates about close";
    }

    void currentProfileToFactory()
    {
        QFETCH(Edits, keyboard);
        EditFixture fixture(keyboard, true, {false, true, false, true});

        fixture.model.recieveClickReturnToCurrentProfileInitialMenuEvent();

        QCOMPARE(fixture.changedEntries(), "N[5]=0x9");
        QCOMPARE(fixture.model.currentGesturePads(), allPadsOn);
        QVERIFY(!fixture.model.isPointStickOn());
        QCOMPARE(fixture.model.profileHistory().items.size(), 1);
        QTEST(flagsText(fixture.ports.menuFlags), "menus");
    }

    void settingFileReplacesTheSelectedProfile()
    {
        EditFixture fixture;
        fixture.run("profile:2");
        const std::shared_ptr<ProfileListDataEntity> file =
            EditFixture::editedProfiles({{2, FnMode::WithFn2, 11, 0x2c}});

        fixture.model.performKeymapAndTapAndGesture(file->profile(2), true,
                                                    {false, true, true, false});

        QCOMPARE(fixture.changedEntries(), "F2[11]=0x2c");
        for (int other : {0, 1, 3}) {
            QVERIFY(Utility::isSameProfile(fixture.model.currentProfilesdata().profile(other),
                                           fixture.model.physicalProfilesData().profile(other)));
        }
        QVERIFY(fixture.model.isPointStickOn());
        fixture.run("undo");
        QVERIFY(showsKeyboardState(fixture.model));
    }

    void successfulWriteMakesTheEditsTheKeyboards()
    {
        EditFixture fixture;
        fixture.run("key:5 pal:0x2c pad:1 stick");

        markWritten(fixture.model);

        QCOMPARE(fixture.changedEntries(), "");
        QVERIFY(fixture.model.profileHistory().items.isEmpty());
        QVERIFY(!fixture.model.isWriteButtonEnabled());
        QVERIFY(!fixture.model.isUndoButtonEnabled());
        fixture.run("key:5 pal:0x2d");
        QVERIFY(fixture.model.isWriteButtonEnabled());
    }

    void factoryWriteLeavesNothingToReturn()
    {
        EditFixture fixture({{1, FnMode::Normal, 5, 0x2c}}, true);
        fixture.model.loadDefaultProfiles();

        markWritten(fixture.model);
        fixture.model.changeMenuStatusAndUpdateMenu(true);

        QCOMPARE(flagsText(fixture.ports.menuFlags), "open save updates about close");
        QVERIFY(!fixture.model.isWriteButtonEnabled());
    }

    void menus_data()
    {
        QTest::addColumn<Edits>("keyboard");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("menus");

        QTest::newRow("keyboard at factory settings") << Edits{} << ""
                                                      << "open save updates about close";
        QTest::newRow("one edit") << Edits{} << "key:5 pal:0x2c"
                                  << "open save rollback undo current all factory updates "
                                     "about close";
        QTest::newRow("another profile off factory settings")
            << Edits{{1, FnMode::Normal, 5, 0x2c}} << ""
            << "open save all factory updates about close";
        QTest::newRow("pads off factory settings")
            << Edits{} << "pad:2"
            << "open save rollback undo current all factory updates "
               "about close";
        QTest::newRow("edit undone") << Edits{} << "key:5 pal:0x2c undo"
                                     << "open save updates about close";
        QTest::newRow("message up") << Edits{} << "later key:5 pal:6"
                                    << "";
    }

    void menus()
    {
        QFETCH(Edits, keyboard);
        QFETCH(QString, steps);
        EditFixture fixture(keyboard);
        fixture.run(steps);

        fixture.model.changeMenuStatusAndUpdateMenu(true);

        QTEST(flagsText(fixture.ports.menuFlags), "menus");
        QCOMPARE(fixture.model.menuFlags(), fixture.ports.menuFlags);
    }

    // An edit sets the write button and the roll-back and factory items, and no other item.
    void menusAfterAnEdit_data()
    {
        QTest::addColumn<Edits>("keyboard");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("menus");

        const EditFixture::KeyEdit offFactory{0, FnMode::Normal, 5, 0x2c};
        QTest::newRow("edit away from factory settings") << Edits{} << "key:5 pal:0x2c"
                                                         << "rollback undo current all factory";
        QTest::newRow("edit back to factory settings") << Edits{offFactory} << "key:5 pal:9"
                                                       << "rollback undo";
        QTest::newRow("edit back to factory settings, another profile off them")
            << Edits{offFactory, {2, FnMode::WithFn1, 5, 0x2c}} << "key:5 pal:9"
            << "rollback undo all factory";
        QTest::newRow("edit back to the keyboard's") << Edits{} << "key:5 pal:0x2c key:5 pal:9"
                                                     << "undo";
    }

    void menusAfterAnEdit()
    {
        QFETCH(Edits, keyboard);
        QFETCH(QString, steps);
        EditFixture fixture(keyboard);

        fixture.run(steps);

        QTEST(flagsText(fixture.ports.menuFlags), "menus");
    }

    void menusOff()
    {
        EditFixture fixture;
        fixture.run("key:5 pal:0x2c");

        fixture.model.changeMenuStatusAndUpdateMenu(false);

        QCOMPARE(fixture.ports.menuFlags, KeymapMenuFlags());
    }

    void writeButtonFollowsChangesWhileAMessageIsUp()
    {
        EditFixture fixture;
        fixture.model.setShowAlert(true);

        fixture.run("key:5 pal:0x2c");

        QVERIFY(fixture.model.isWriteButtonEnabled());
        QCOMPARE(flagsText(fixture.ports.menuFlags), "undo");
    }

    void leavingThePageResetsIt()
    {
        EditFixture fixture;
        fixture.run("profile:2 key:5 pal:0x2c stick layer:2 qlayer:1 tab:1 key:6");

        fixture.model.discardEdits();
        fixture.model.initKeymapPage();

        QCOMPARE(fixture.model.selectedProfileIndex(), 0);
        QVERIFY(showsKeyboardState(fixture.model));
        QVERIFY(fixture.model.profileHistory().items.isEmpty());
        QCOMPARE(fixture.model.shownLayer(), FnMode::Normal);
        QCOMPARE(fixture.model.qwertyPaletteLayer(), FnMode::Normal);
        QCOMPARE(fixture.model.paletteTab(), PaletteTab::qwerty);
        QCOMPARE(fixture.model.shownPalette(), PaletteTab::qwerty);
        QCOMPARE(fixture.picks().section(' ', -1), "hint=none");
        QCOMPARE(fixture.model.keymapPageState(), KeymapPageState::normal);
        QVERIFY(fixture.ports.events.contains("profile(0)"));
        QVERIFY(fixture.ports.events.contains("clear(reset)"));
    }

    void dataEntryKeepsOwnCopies()
    {
        auto keyboard = std::make_shared<KeyboardDataEntity>();
        const std::shared_ptr<ProfileListDataEntity> read =
            EditFixture::editedProfiles({{0, FnMode::Normal, 5, 0x2c}});
        FakeEditPorts ports;
        KeymapEditModel model(ports, ports, ports, [] { return false; });

        model.initData(keyboard, "KX-QR300B", {false, false, false, false, false, false}, true,
                       {true, false, true, true}, *read);
        read->profile1->normal[5] = 0x70;

        QVERIFY(model.dataIsInited());
        QCOMPARE(model.selectedProfileIndex(), 0);
        QCOMPARE(model.physicalKeymapData().normal.at(5), 0x2c);
        QCOMPARE(model.currentKeymapData().normal.at(5), 0x2c);
        QVERIFY(model.physicalPointingStick());
        QCOMPARE(model.keyboardData(), keyboard);
    }
};

QTEST_GUILESS_MAIN(tst_EditHistory)
#include "tst_edithistory.moc"
