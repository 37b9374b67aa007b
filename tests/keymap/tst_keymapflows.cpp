#include "keyboarddataentity.h"
#include "keymapfixture.h"
#include "resourceloader.h"
#include "utility.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

const QList<bool> keyboardDipSwitch{true, false, true, false, false, false};
// Menus with nothing to undo, roll back or return to factory settings.
const QString menusAtRest = QStringLiteral("menus=open,save,updates,about,close");

// Profiles that differ from the factory's in every profile.
std::shared_ptr<ProfileListDataEntity> fileProfiles()
{
    QString changes;
    for (int profile = 0; profile < 4; ++profile)
        changes += QString(" %1:N[5]=0x1%1 %1:F3[%2]=0x2e").arg(profile).arg(9 + profile);
    return KeymapFixture::profiles(changes);
}

} // namespace

Q_DECLARE_METATYPE(SaveProfileType)
Q_DECLARE_METATYPE(KeymapPageEvent)

// The keymap page's commands: writing to the keyboard with the write button's questions and the
// driver's results, all profiles back to factory settings, setting files opened and saved, the
// compare window, the menu commands while the page is shown, and the return button.
class tst_KeymapFlows : public QObject
{
    Q_OBJECT

private slots:
    void commands_data();
    void commands() { KeymapFixture::runRow(); }
    void writeSendsWhatThePageShows();
    void openFile_data();
    void openFile();
    void saveFile_data();
    void saveFile();
    void commandsOnlyWhileShown_data();
    void commandsOnlyWhileShown();
};

void tst_KeymapFlows::commands_data()
{
    KeymapFixture::addColumns();
    const auto row = KeymapFixture::addRow;
    // A key changed, the second pad off and the stick on.
    const QString edits = QStringLiteral("key:5 pal:0x2c pad:2 stick ");
    const char *const noFn1 = "N[80]=0x2c";

    // The write button asks first when the normal layer lacks the Fn1 key; nothing of the page
    // changes before the keyboard has answered, and the menus stay off until then.
    row("write with the Fn1 key", "", edits + "write",
        "messages=- writes=1 progress=on alert=on menus=- changed=N[5]=0x2c history=3 "
        "record=1111,off,read");
    row("no Fn1 key, Cancel", noFn1, "later write cancel",
        "messages=1010 writes=0 alert=off menus=open,save,current,all,factory,updates,about,close");
    row("Fn1 key on an Fn layer only", "N[80]=0x2c F1[80]=0x5101", "later write", "messages=1010");
    row("Fn2 key in place of the Fn1 key", "N[80]=0x5102", "later write", "messages=1010");
    row("no Fn1 key, write without saving", noFn1, "later write ok no",
        "messages=1010,1001 panels=- writes=1 progress=on");
    row("no Fn1 key, stopped", noFn1, "later write ok cancel",
        "messages=1010,1001 writes=0 alert=off");
    row("no Fn1 key, saved first", noFn1, "path:setting.tpk later write ok ok",
        "messages=1010,1001 panels=save(tpk/all) file=yes writes=1");
    row("no Fn1 key, save panel cancelled", noFn1, "nopanel later write ok ok",
        "panels=save(tpk/all) writes=0 alert=off");
    row("no Fn1 key, save panel confirmed without a file", noFn1, "nopath later write ok ok",
        "panels=save(tpk/all) writes=0 alert=off");
    row("no Fn1 key, save panel confirmed with an empty path", noFn1, "emptypath later write ok ok",
        "panels=save(tpk/all) writes=0 alert=off");
    row("no Fn1 key, file not writable", noFn1, "path:missing/setting.tpk later write ok ok ok",
        "messages=1010,1001,9007 file=no writes=0 alert=off");

    // A written state is the keyboard's from then on; a failure changes nothing the page or the
    // keyboard record holds.
    row("written", "", edits + "write done",
        "messages=1004 progress=off keyboard=yes history=0 write=off undo=off pads=1011 "
        "record=1011,on,written alert=off menus=open,save,current,all,factory,updates,about,close");
    row("write failed", "", edits + "write fail",
        "messages=9009 progress=off keyboard=no history=3 write=on undo=on record=1111,off,read "
        "alert=off");
    row("keyboard in another mode", "", edits + "write mismatch",
        "messages=9020 progress=off keyboard=no history=3 write=on record=1111,off,read");
    row("another keyboard", "", edits + "write otherkeyboard",
        "messages=9009 progress=off keyboard=no history=3 write=on record=1111,off,read");
    row("MCU not answering", "", edits + "write mcufail",
        "messages=9009 progress=off keyboard=no history=3 write=on record=1111,off,read");
    row("result not yet answered", "", edits + "later write done",
        "messages=1004 alert=on menus=-");
    row("an edit after a write", "", edits + "write done key:6 pal:0x2d", "write=on");
    // The keyboard may hold part of a failed write, whatever the page shows.
    row("every edit undone after a failed write", "", edits + "write fail undo undo undo",
        "history=0 write=on");
    row("written after a failed write", "", edits + "write fail undo undo undo write done",
        "messages=9009,1004 history=0 write=off");

    // All profiles back to factory settings: the page shows them once the keyboard holds them,
    // with every pad on and the stick off.
    row("all profiles to factory, Cancel", "1:F2[7]=0x2c", edits + "later allfactory cancel",
        "messages=1011 writes=0 factory=no alert=off");
    row("all profiles to factory, write running", "1:F2[7]=0x2c", edits + "later allfactory no",
        "writes=1 factory=no");
    row("all profiles to factory, written", "1:F2[7]=0x2c", edits + "later allfactory no done ok",
        "messages=1011,1004 factory=yes keyboard=yes history=0 pads=1111 stick=off "
        "record=1111,off,written " +
            menusAtRest);
    row("all profiles to factory, write failed", "1:F2[7]=0x2c",
        edits + "later allfactory no fail ok",
        "messages=1011,9009 factory=no pads=1011 stick=on history=3 record=1111,off,read");
    row("all profiles to factory, saved first", "1:F2[7]=0x2c",
        edits + "path:before.tpk later allfactory ok done ok",
        "panels=save(tpk/all) file=yes filed=0:N[5]=0x2c,1:F2[7]=0x2c factory=yes");

    // Setting-file panels, which wait for a write under way.
    row("open panel cancelled", "", "nopanel open",
        "panels=open(tpk) messages=- keyboard=yes alert=off " + menusAtRest);
    row("open panel confirmed without a file", "", "nopath open",
        "panels=open(tpk) messages=- keyboard=yes alert=off");
    row("save panel cancelled", "", "nopanel saveall",
        "panels=save(tpk/all) messages=- file=no alert=off " + menusAtRest);
    row("file not writable", "", "profile:1 path:missing/file.tpk savecurrent",
        "panels=save(tpk/profile2) messages=9007 file=no alert=off");
    row("open during a write", "", "key:5 pal:0x2c path:file.tpk write mark open",
        "panels=- hidden=yes alert=on menus=-");
    row("save during a write", "", "key:5 pal:0x2c path:file.tpk write savecurrent",
        "panels=- alert=on menus=-");
    row("panels after a write", "", "key:5 pal:0x2c path:file.tpk write savecurrent done",
        "alert=off menus=open,save,current,all,factory,updates,about,close");
    row("a write begun while the open panel was up", "", "path:file.tpk busy open",
        "panels=open(tpk) messages=- keyboard=yes alert=off " + menusAtRest);

    // The compare window for a file of other DIP switches: each showing carries the file's, and
    // only the window's own button closes it.
    const char *const dip = "dip=101000";
    row("file of other DIP switches", dip, "key:5 pal:0x2c path:file.tpk dipfile:111001 open",
        "messages=- compared=101000/111001 alert=on menus=- changed=N[5]=0x2c history=1");
    row("compare window closed", dip, "path:file.tpk dipfile:111001 open closecompare",
        "hides=1 alert=off " + menusAtRest);
    row("compare window for a second file", dip,
        "path:file.tpk dipfile:111001 open closecompare dipfile:001000 open",
        "compared=101000/111001,101000/001000");
    row("compare close without the window", dip,
        "key:5 pal:0x2c path:file.tpk dipfile:111001 open closecompare later write closecompare",
        "hides=1 alert=on");

    // The menus follow the view; the return button asks before edits are lost, resets the page
    // and hands the keyboard's own state back to the start page.
    row("page shown", "", "key:5 pal:0x2c appear",
        "menus=open,save,rollback,undo,current,all,"
        "factory,updates,about,close");
    row("page taken away", "", "key:5 pal:0x2c appear disappear", "menus=-");
    row("return without edits", "", "profile:1 layer:2 tab:1 qlayer:3 return",
        "messages=- handed=keyboard stayed=0 terminated=0 profile=0 layer=0 tab=0 qlayer=0 "
        "hidden=yes");
    row("return after edits, OK", "", "profile:1 layer:2 " + edits + "later return ok",
        "messages=1003 handed=keyboard keyboard=yes history=0 profile=0 layer=0 alert=off");
    row("return after edits, Cancel", "", "profile:1 " + edits + "later return cancel",
        "messages=1003 handed=- stayed=1 changed=N[5]=0x2c history=3 profile=1 alert=off");
    row("window closed after edits, OK", "", edits + "later quit ok",
        "handed=keyboard terminated=1");
    row("window closed after edits, Cancel", "", edits + "later quit cancel",
        "messages=1003 handed=- stayed=1 terminated=0");
    row("return after a pad flipped and back", "", "pad:3 pad:3 later return ok",
        "messages=1003 handed=keyboard");
}

// The driver gets what the page shows, in a record of its own; a return to factory settings
// sends the factory profiles.
void tst_KeymapFlows::writeSendsWhatThePageShows()
{
    KeymapFixture fixture;
    fixture.run("profile:2 key:5 pal:0x2c pad:2 stick write later allfactory no");

    QCOMPARE(fixture.writes.size(), 2);
    const KeymapFixture::Write &write = fixture.writes.first();
    QVERIFY(Utility::isSameProfiles(*write.profilesData, fixture.model.currentProfilesdata()));
    QCOMPARE(write.selectedProfileId, 2);
    QVERIFY(!write.isInitProfiles);
    QVERIFY(write.keyboardData != fixture.model.keyboardData());
    QCOMPARE(write.keyboardData->typeNumber, "KX-QR320B");
    QCOMPARE(write.keyboardData->gesturePadInfo, (QList<bool>{true, false, true, true}));
    QVERIFY(write.keyboardData->pointingStickStatus);
    const KeymapFixture::Write &toFactory = fixture.writes.last();
    QVERIFY(toFactory.isInitProfiles);
    QVERIFY(Utility::isSameProfiles(*toFactory.profilesData, *KeymapFixture::profiles()));
}

void tst_KeymapFlows::openFile_data()
{
    QTest::addColumn<SaveProfileType>("saveType");
    QTest::addColumn<QString>("typeNumber");
    // Resource-fixture JSON edits of the saved file, or "not JSON".
    QTest::addColumn<QString>("edits");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("facts");
    // The profile of the file that the selected profile becomes; -1 when nothing changes.
    QTest::addColumn<int>("applied");
    const auto row = [](const char *name, SaveProfileType saveType, const char *typeNumber,
                        const char *edits, int selected, const char *facts, int applied) {
        QTest::newRow(name) << saveType << typeNumber << edits << selected << facts << applied;
    };

    const auto all = SaveProfileType::all;
    const char *const applies = "messages=1005 stick=on pads=0101 write=on history=1 alert=off";
    row("all profiles, profile 3 selected", all, "KX-QR320B", "", 2, applies, 2);
    row("one profile, profile 2 selected", SaveProfileType::profile4, "KX-QR320B", "", 1, applies,
        3);
    row("other layout", all, "KX-QR300B", "", 0, "messages=9005(English) keyboard=yes history=0",
        -1);
    row("newer", all, "KX-QR320B", "SettingFileVersion=\"9.0.0.0\"", 0,
        "messages=9006 keyboard=yes history=0", -1);
    row("malformed", all, "KX-QR320B", "PointingStickButton=3", 0,
        "messages=9004 keyboard=yes history=0", -1);
    row("unknown type number", all, "KX-QR999B", "", 0, "messages=9004 keyboard=yes", -1);
    row("not JSON", all, "KX-QR320B", "not JSON", 0,
        "messages=9004 keyboard=yes alert=off menus=open,save,updates,about,close", -1);
}

// A file opened gives the selected profile and the pads and stick as one undoable change; a file
// that cannot be used is refused with its message.
void tst_KeymapFlows::openFile()
{
    QFETCH(SaveProfileType, saveType);
    QFETCH(QString, typeNumber);
    QFETCH(QString, edits);
    QFETCH(int, selected);
    QFETCH(QString, facts);
    QFETCH(int, applied);
    KeymapFixture fixture("dip=101000");
    const QString path = fixture.path("file.tpk");
    ResourceLoader::sharedInstance().writeKeymap(*fileProfiles(), keyboardDipSwitch, typeNumber,
                                                 path, true, {false, true, false, true}, saveType);
    if (edits == "not JSON") {
        fixture.resources().writeFile("file.tpk", "Profile1 = 0x10");
    } else if (!edits.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        fixture.resources().writeJson("file.tpk", QJsonDocument::fromJson(file.readAll()).object(),
                                      edits);
    }

    fixture.run(QString("profile:%1 path:file.tpk open").arg(selected));

    QCOMPARE(fixture.facts(facts), facts);
    if (applied < 0)
        return;
    const KeymapEditModel &model = fixture.model;
    for (int profile = 0; profile < 4; ++profile) {
        QVERIFY(Utility::isSameProfile(model.currentProfilesdata().profile(profile),
                                       profile == selected
                                           ? fileProfiles()->profile(applied)
                                           : model.physicalProfilesData().profile(profile)));
    }
    fixture.run("undo");
    QCOMPARE(fixture.facts("keyboard=yes history=0"), "keyboard=yes history=0");
}

void tst_KeymapFlows::saveFile_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("facts");

    QTest::newRow("all profiles") << "saveall" << 0
                                  << "panels=save(tpk/all) messages=1006 file=yes alert=off";
    QTest::newRow("profile 4") << "savecurrent" << 3
                               << "panels=save(tpk/profile4) messages=1006 file=yes";
}

// A file holds the profiles shown, all or the selected one, with the keyboard's DIP switches and
// type number and the pads and stick shown.
void tst_KeymapFlows::saveFile()
{
    QFETCH(QString, command);
    QFETCH(int, selected);
    QFETCH(QString, facts);
    KeymapFixture fixture("dip=101000");

    fixture.run(QString("profile:%1 key:5 pal:0x2c pad:1 stick path:file.tpk %2")
                    .arg(selected)
                    .arg(command));

    QCOMPARE(fixture.facts(facts), facts);
    const QString path = fixture.path("file.tpk");
    const ConfigDataEntity saved = ResourceLoader::sharedInstance().loadKeymap(path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QJsonDocument::fromJson(file.readAll()).object().value("SaveType").toString(),
             command == "saveall" ? "All" : "Single");
    QCOMPARE(saved.typeNumber, "KX-QR320B");
    QCOMPARE(saved.dipSwitch, keyboardDipSwitch);
    QCOMPARE(saved.pointingStickButton, true);
    QCOMPARE(saved.gesturePads, (QList<bool>{false, true, true, true}));
    const ProfileListDataEntity &current = fixture.model.currentProfilesdata();
    for (int profile = 0; profile < 4; ++profile) {
        QVERIFY(Utility::isSameProfile(saved.profilesData->profile(profile),
                                       current.profile(command == "saveall" ? profile : selected)));
    }
}

void tst_KeymapFlows::commandsOnlyWhileShown_data()
{
    QTest::addColumn<KeymapPageEvent>("command");

    using E = KeymapPageEvent;
    QTest::newRow("undo") << E::clickUndoMenuEvent;
    QTest::newRow("open") << E::clickOpenConfigFileMenuEvent;
    QTest::newRow("save all") << E::clickSaveAllConfigFileMenuEvent;
    QTest::newRow("save current") << E::clickSaveCurrentConfigFileMenuEvent;
    QTest::newRow("roll back") << E::clickRollbackMenuEvent;
    QTest::newRow("current profile to factory") << E::clickedCurrentProfileToFactoryMenuEvent;
    QTest::newRow("all profiles to factory") << E::clickedAllProfilesToFactoryMenuEvent;
    QTest::newRow("close compare window") << E::clickCloseCompareWindowEvent;
}

// Each command acts exactly as once received, and only while the page is shown.
void tst_KeymapFlows::commandsOnlyWhileShown()
{
    QFETCH(KeymapPageEvent, command);
    // Two key changes and the compare window up; panels are cancelled and messages held.
    const QString setup = "key:5 pal:0x2c key:6 pal:0x2d path:file.tpk dipfile:000000 open "
                          "nopanel later";
    const QString trace = "changed history panels messages hides";
    KeymapFixture expected;
    expected.run(setup);
    const QString before = expected.facts(trace);
    expected.flows.receive(command);
    const QString once = expected.facts(trace);
    QVERIFY2(once != before, qPrintable(once));

    KeymapFixture fixture;
    fixture.run(setup);
    fixture.post(command);
    QCOMPARE(fixture.facts(trace), before);
    fixture.run("appear disappear");
    fixture.post(command);
    QCOMPARE(fixture.facts(trace), before);
    fixture.run("appear appear");
    fixture.post(command);
    QCOMPARE(fixture.facts(trace), once);
}

QTEST_GUILESS_MAIN(tst_KeymapFlows)
#include "tst_keymapflows.moc"
