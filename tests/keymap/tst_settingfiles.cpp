#include "exceptions.h"
#include "flowfixture.h"
#include "keyboarddataentity.h"
#include "resourceloader.h"
#include "utility.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

using Edits = QList<EditFixture::KeyEdit>;
const QList<bool> keyboardDipSwitch{true, false, true, false, false, false};
const QList<bool> filePads{false, true, false, true};

// Profiles that differ from the factory's in every profile.
std::shared_ptr<ProfileListDataEntity> fileProfiles()
{
    Edits edits;
    for (int profile = 0; profile < 4; ++profile)
        edits << EditFixture::KeyEdit{profile, FnMode::Normal, 5, 0x10 + profile}
              << EditFixture::KeyEdit{profile, FnMode::WithFn3, 9 + profile, 0x2e};
    return EditFixture::editedProfiles(edits);
}

// Writes a setting file of fileProfiles() with the stick on and filePads, then applies the
// resource fixture's JSON edits; "not JSON" writes text.
QString writeSettingFile(const FlowFixture &fixture, SaveProfileType type,
                         const QString &typeNumber, const QString &edits)
{
    const QString name = QStringLiteral("file.tpk");
    ResourceLoader::sharedInstance().writeKeymap(*fileProfiles(), keyboardDipSwitch, typeNumber,
                                                 fixture.path(name), true, filePads, type);
    if (edits == "not JSON") {
        fixture.resources.writeFile(name, "Profile1 = 0x10");
    } else if (!edits.isEmpty()) {
        QFile file(fixture.path(name));
        file.open(QIODevice::ReadOnly);
        fixture.resources.writeJson(name, QJsonDocument::fromJson(file.readAll()).object(), edits);
    }
    return fixture.path(name);
}

QJsonObject readJson(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QJsonDocument::fromJson(file.readAll()).object();
}

// A reader that finds the file made for the keyboard's layout but with other DIP switches.
SettingFileFlow::KeymapReader dipSwitchMismatch(const QList<bool> &fileDipSwitch)
{
    return [fileDipSwitch](const QString &) -> ConfigDataEntity {
        ConfigDataEntity configData;
        configData.dipSwitch = fileDipSwitch;
        throw Exceptions::MismatchKeyboardException(configData, false);
    };
}

} // namespace

Q_DECLARE_METATYPE(SaveProfileType)
Q_DECLARE_METATYPE(KeymapPageEvent)

// Opening and saving setting files from the menus, and the window that compares DIP switches.
class tst_SettingFiles : public QObject
{
    Q_OBJECT

private slots:
    void openFile_data();
    void openFile();
    void saveFile_data();
    void saveFile();
    void panelsWaitForTheProgressPage_data();
    void panelsWaitForTheProgressPage();
    void confirmedPanelFindsTheProgressPageUp();
    void compareWindowForOtherDipSwitches();
};

void tst_SettingFiles::openFile_data()
{
    QTest::addColumn<SaveProfileType>("saveType");
    QTest::addColumn<QString>("typeNumber");
    // Resource-fixture JSON edits of the saved file, "not JSON", or how the panel answers:
    // "cancel" or "no path".
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("message");
    // The profile of the file that the selected profile becomes; -1 when nothing changes.
    QTest::addColumn<int>("applied");
    QTest::addColumn<QString>("log");

    const SaveProfileType all = SaveProfileType::all;
    QTest::newRow("all profiles, profile 3 selected") << all << "KX-QR320B"
                                                      << "" << 2 << 1005 << 2 << "";
    QTest::newRow("one profile, profile 2 selected") << SaveProfileType::profile4 << "KX-QR320B"
                                                     << "" << 1 << 1005 << 3 << "";
    QTest::newRow("other layout") << all << "KX-QR300B"
                                  << "" << 0 << 9005 << -1
                                  << ": Exceptions.MismatchKeyboardException\n";
    QTest::newRow("newer") << all << "KX-QR320B"
                           << "SettingFileVersion=\"9.0.0.0\"" << 0 << 9006 << -1
                           << ": Exceptions.NewerVersionException:9.0.0.0\n";
    QTest::newRow("malformed") << all << "KX-QR320B"
                               << "PointingStickButton=3" << 0 << 9004 << -1
                               << ": Exceptions.FormatException:PointingStickButton\n";
    QTest::newRow("unknown type number") << all << "KX-QR999B"
                                         << "" << 0 << 9004 << -1 << ": other exception error.\n";
    QTest::newRow("not JSON") << all << "KX-QR320B"
                              << "not JSON" << 0 << 9004 << -1 << ": other exception error.\n";
    QTest::newRow("cancelled") << all << "KX-QR320B"
                               << "cancel" << 0 << 0 << -1 << "";
    QTest::newRow("confirmed without a file") << all << "KX-QR320B"
                                              << "no path" << 0 << 0 << -1 << "";
}

void tst_SettingFiles::openFile()
{
    QFETCH(SaveProfileType, saveType);
    QFETCH(QString, typeNumber);
    QFETCH(QString, file);
    QFETCH(int, selected);
    QFETCH(int, message);
    QFETCH(int, applied);
    QFETCH(QString, log);
    FlowFixture fixture({}, false, {true, true, true, true}, keyboardDipSwitch);
    fixture.edit.run(QString("profile:%1").arg(selected));
    const QString path = writeSettingFile(fixture, saveType, typeNumber,
                                          file == "cancel" || file == "no path" ? "" : file);
    if (file == "cancel")
        fixture.ports.cancelPanels();
    else if (file == "no path")
        fixture.ports.confirmWithoutPath();
    else
        fixture.ports.choosePath(path);

    fixture.flows.receive(KeymapPageEvent::clickOpenConfigFileMenuEvent);

    QCOMPARE(fixture.ports.panels, QStringList{"open(tpk)"});
    QCOMPARE(fixture.messages().messages, message ? QList<int>{message} : QList<int>{});
    QCOMPARE(fixture.messages().messageLayouts,
             message == 9005 ? QList<KeyboardLayoutType>{KeyboardLayoutType::English}
                             : QList<KeyboardLayoutType>{});
    QVERIFY(fixture.ports.comparisons.isEmpty());
    QVERIFY(fixture.resources.logText().contains(log));
    if (message == 9005)
        QVERIFY(fixture.resources.logText().contains(": isMismatchKeyboard\n"));
    QVERIFY(!fixture.model().isShowAlert());
    QVERIFY(fixture.messages().menuFlags.open);
    if (applied < 0) {
        QVERIFY(fixture.showsKeyboardState());
        QVERIFY(fixture.model().profileHistory().items.isEmpty());
        return;
    }
    const std::shared_ptr<ProfileListDataEntity> inFile = fileProfiles();
    for (int profile = 0; profile < 4; ++profile) {
        const ProfileDataEntity &expected =
            profile == selected ? inFile->profile(applied)
                                : fixture.model().physicalProfilesData().profile(profile);
        QVERIFY(Utility::isSameProfile(fixture.model().currentProfilesdata().profile(profile),
                                       expected));
    }
    QCOMPARE(fixture.model().isPointStickOn(), true);
    QCOMPARE(fixture.model().currentGesturePads(), filePads);
    QVERIFY(fixture.model().isWriteButtonEnabled());

    fixture.edit.run("undo");
    QVERIFY(fixture.showsKeyboardState());
    QVERIFY(fixture.model().profileHistory().items.isEmpty());
}

void tst_SettingFiles::saveFile_data()
{
    QTest::addColumn<KeymapPageEvent>("command");
    QTest::addColumn<int>("selected");
    // "save", "cancel" or "unwritable".
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QList<int>>("messages");

    const auto all = KeymapPageEvent::clickSaveAllConfigFileMenuEvent;
    const auto current = KeymapPageEvent::clickSaveCurrentConfigFileMenuEvent;
    QTest::newRow("all profiles") << all << 0 << "save"
                                  << "save(tpk, all)" << QList<int>{1006};
    QTest::newRow("profile 4") << current << 3 << "save"
                               << "save(tpk, profile4)" << QList<int>{1006};
    QTest::newRow("profile 1") << current << 0 << "save"
                               << "save(tpk, profile1)" << QList<int>{1006};
    QTest::newRow("cancelled") << all << 0 << "cancel"
                               << "save(tpk, all)" << QList<int>{};
    QTest::newRow("not writable") << current << 1 << "unwritable"
                                  << "save(tpk, profile2)" << QList<int>{9007};
}

void tst_SettingFiles::saveFile()
{
    QFETCH(KeymapPageEvent, command);
    QFETCH(int, selected);
    QFETCH(QString, panel);
    QFETCH(QString, shown);
    QFETCH(QList<int>, messages);
    const bool isAll = command == KeymapPageEvent::clickSaveAllConfigFileMenuEvent;
    FlowFixture fixture({}, false, {true, true, true, true}, keyboardDipSwitch);
    fixture.edit.run(QString("profile:%1 key:5 pal:0x2c pad:1 stick").arg(selected));
    const QString path = fixture.path(panel == "unwritable" ? "missing/file.tpk" : "file.tpk");
    if (panel == "cancel")
        fixture.ports.cancelPanels();
    else
        fixture.ports.choosePath(path);

    fixture.flows.receive(command);

    QCOMPARE(fixture.ports.panels, QStringList{shown});
    QCOMPARE(fixture.messages().messages, messages);
    QVERIFY(fixture.messages().events.contains("listHidden"));
    QVERIFY(!fixture.model().isShowAlert());
    QVERIFY(fixture.messages().menuFlags.open);
    const QString log = fixture.resources.logText();
    QCOMPARE(log.contains(": saveToConfigFile writeKeymap error.\n"), panel == "unwritable");
    QCOMPARE(log.contains(": save config file error.\n"), panel == "unwritable");
    QCOMPARE(QFile::exists(path), panel == "save");
    if (panel != "save")
        return;
    const ConfigDataEntity saved = fixture.readFile(path);
    QCOMPARE(readJson(path).value("SaveType").toString(), isAll ? "All" : "Single");
    QCOMPARE(saved.typeNumber, "KX-QR320B");
    QCOMPARE(saved.dipSwitch, keyboardDipSwitch);
    QCOMPARE(saved.pointingStickButton, true);
    QCOMPARE(saved.gesturePads, (QList<bool>{false, true, true, true}));
    const ProfileListDataEntity &current = fixture.model().currentProfilesdata();
    for (int profile = 0; profile < 4; ++profile) {
        const int expected = isAll ? profile : selected;
        QVERIFY(Utility::isSameProfile(saved.profilesData->profile(profile),
                                       current.profile(expected)));
    }
}

void tst_SettingFiles::panelsWaitForTheProgressPage_data()
{
    QTest::addColumn<KeymapPageEvent>("command");

    QTest::newRow("open") << KeymapPageEvent::clickOpenConfigFileMenuEvent;
    QTest::newRow("save all") << KeymapPageEvent::clickSaveAllConfigFileMenuEvent;
    QTest::newRow("save current") << KeymapPageEvent::clickSaveCurrentConfigFileMenuEvent;
}

// A command that comes in while the keyboard is written shows no panel and leaves the menus to
// the write.
void tst_SettingFiles::panelsWaitForTheProgressPage()
{
    QFETCH(KeymapPageEvent, command);
    FlowFixture fixture;
    fixture.edit.run("key:5 pal:0x2c");
    fixture.ports.choosePath(fixture.path("file.tpk"));
    fixture.flows.writeToTAVOButtonEvent();
    fixture.messages().events.clear();

    fixture.flows.receive(command);

    QVERIFY(fixture.ports.panels.isEmpty());
    QVERIFY(fixture.messages().events.contains("listHidden"));
    QVERIFY(fixture.model().isShowAlert());
    QCOMPARE(fixture.messages().menuFlags, KeymapMenuFlags());
    fixture.ports.finishWrite(WriteToTAVOResult::Success);
    QVERIFY(fixture.messages().menuFlags.open);
}

// The panel put the menus off; finding a write under way it must give them back.
void tst_SettingFiles::confirmedPanelFindsTheProgressPageUp()
{
    FlowFixture fixture;
    fixture.ports.choosePath(writeSettingFile(fixture, SaveProfileType::all, "KX-QR320B", ""));
    fixture.ports.whilePanelIsUp = [&fixture] { fixture.ports.isProgressUp = true; };

    fixture.flows.receive(KeymapPageEvent::clickOpenConfigFileMenuEvent);

    QCOMPARE(fixture.ports.panels, QStringList{"open(tpk)"});
    QVERIFY(fixture.messages().messages.isEmpty());
    QVERIFY(fixture.showsKeyboardState());
    QVERIFY(!fixture.model().isShowAlert());
    QVERIFY(fixture.messages().menuFlags.open);
}

// Only a file whose DIP switches differ from the keyboard's opens the compare window; each
// showing carries the keyboard's and that file's switches, and only the window's button closes it.
void tst_SettingFiles::compareWindowForOtherDipSwitches()
{
    const QList<bool> firstFile{true, true, true, false, false, true};
    const QList<bool> secondFile{false, false, true, false, false, false};
    FlowFixture fixture({}, false, {true, true, true, true}, keyboardDipSwitch);
    fixture.edit.run("key:5 pal:0x2c");
    fixture.ports.choosePath(fixture.path("file.tpk"));
    fixture.readKeymap = dipSwitchMismatch(firstFile);

    fixture.flows.receive(KeymapPageEvent::clickOpenConfigFileMenuEvent);

    QVERIFY(fixture.messages().messages.isEmpty());
    QCOMPARE(fixture.ports.comparisons.size(), 1);
    QCOMPARE(fixture.ports.comparisons[0], std::pair(keyboardDipSwitch, firstFile));
    QVERIFY(fixture.model().isShowAlert());
    QCOMPARE(fixture.messages().menuFlags, KeymapMenuFlags());
    QCOMPARE(fixture.edit.changedEntries(), "N[5]=0x2c");
    QCOMPARE(fixture.model().profileHistory().items.size(), 1);

    fixture.flows.receive(KeymapPageEvent::clickCloseCompareWindowEvent);
    QCOMPARE(fixture.ports.compareWindowHides, 1);
    QVERIFY(!fixture.model().isShowAlert());
    QVERIFY(fixture.messages().menuFlags.open);
    QCOMPARE(fixture.edit.changedEntries(), "N[5]=0x2c");

    fixture.readKeymap = dipSwitchMismatch(secondFile);
    fixture.flows.receive(KeymapPageEvent::clickOpenConfigFileMenuEvent);
    QCOMPARE(fixture.ports.comparisons.size(), 2);
    QCOMPARE(fixture.ports.comparisons[1], std::pair(keyboardDipSwitch, secondFile));
    fixture.flows.receive(KeymapPageEvent::clickCloseCompareWindowEvent);

    // A close without the window leaves the menus to the write under way.
    fixture.messages().answerLater();
    fixture.flows.writeToTAVOButtonEvent();
    fixture.flows.receive(KeymapPageEvent::clickCloseCompareWindowEvent);
    QCOMPARE(fixture.ports.compareWindowHides, 2);
    QVERIFY(fixture.model().isShowAlert());
}

QTEST_GUILESS_MAIN(tst_SettingFiles)
#include "tst_settingfiles.moc"
