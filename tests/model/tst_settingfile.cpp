#include "exceptions.h"
#include "resourcefixture.h"
#include "resourceloader.h"
#include "utility.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

#include <memory>

namespace {

// A valid "All" file for a Japanese keyboard.
QJsonObject validFile()
{
    QString edits = "ToolVersion=\"1.0.0.1\";KeyboardLayout=0;TypeNumber=\"KX-QR320B\";"
                    "DipSwitch=[6xtrue];PointingStickButton=true;GesturePad=[4xfalse];"
                    "SaveType=\"All\";SettingFileVersion=\"1.1.0.0\"";
    for (const char *profile : {"Profile1", "Profile2", "Profile3", "Profile4"}) {
        for (const char *layer : {"Normal", "WithFn1", "WithFn2", "WithFn3"})
            edits += QString(";Keymap.%1.%2=[120x4]").arg(profile, layer);
    }
    return ResourceFixture::edited({}, edits);
}

} // namespace

class tst_SettingFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_fixture.reset(); }
    void roundTrip_data();
    void roundTrip();
    void readingStopsAtTheFirstBadKey_data();
    void readingStopsAtTheFirstBadKey();
    void unreadableFile_data();
    void unreadableFile();
    void checksInOrder_data();
    void checksInOrder();
    void failedWriteLeavesTheOldFileWhole();

private:
    ResourceLoader &loader() { return ResourceLoader::sharedInstance(); }
    QString path() const { return m_fixture->root() + "setting.tpk"; }
    void connect(const QString &typeNumber);
    void write(const QString &typeNumber, SaveProfileType saveType, const QString &path);

    std::unique_ptr<ResourceFixture> m_fixture;
    ProfileListDataEntity m_profiles;
};

void tst_SettingFile::init()
{
    m_fixture = std::make_unique<ResourceFixture>();
    connect("KX-QR320B");
    for (int index = 0; index < 4; ++index) {
        for (int layer = 0; layer < 4; ++layer) {
            for (int key = 0; key < 120; ++key)
                m_profiles.profile(index).layer(FnMode(layer))[key] =
                    index * 1000 + layer * 120 + key;
        }
    }
}

void tst_SettingFile::connect(const QString &typeNumber)
{
    auto keyboard = std::make_shared<KeyboardDataEntity>();
    keyboard->typeNumber = typeNumber;
    loader().setKeyboardData(keyboard);
}

void tst_SettingFile::write(const QString &typeNumber, SaveProfileType saveType,
                            const QString &path)
{
    loader().writeKeymap(m_profiles, {true, false, false, false, true, false}, typeNumber, path,
                         true, {false, true, true, false}, saveType);
}

void tst_SettingFile::roundTrip_data()
{
    QTest::addColumn<QString>("typeNumber");
    QTest::addColumn<SaveProfileType>("saveType");
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("keymapKeys");

    QTest::newRow("all, Japanese")
        << "KX-QR320B" << SaveProfileType::all << 0 << "Profile1,Profile2,Profile3,Profile4";
    QTest::newRow("profile 3, English")
        << "KX-QR300Y" << SaveProfileType::profile3 << 1 << "Profile";
    QTest::newRow("profile 1, unknown type number")
        << "KX-QR999" << SaveProfileType::profile1 << 1 << "Profile";
}

void tst_SettingFile::roundTrip()
{
    QFETCH(QString, typeNumber);
    QFETCH(SaveProfileType, saveType);
    QFETCH(int, layout);
    QFETCH(QString, keymapKeys);
    connect(typeNumber);

    write(typeNumber, saveType, path());

    QFile file(path());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonObject json = QJsonDocument::fromJson(file.readAll()).object();
    QCOMPARE(json.keys().size(), 9);
    QCOMPARE(json.value("KeyboardLayout").toInt(-1), layout);
    QCOMPARE(json.value("SaveType").toString(),
             saveType == SaveProfileType::all ? "All" : "Single");
    QCOMPARE(json.value("Keymap").toObject().keys().join(','), keymapKeys);
    if (typeNumber == "KX-QR999")
        return; // not a supported type number: refused on reading
    const ConfigDataEntity read = loader().loadKeymap(path());
    QCOMPARE(read.toolVersion, Utility::getAppVersion());
    QCOMPARE(read.keyboardLayout, KeyboardLayoutType(layout));
    QCOMPARE(read.typeNumber, typeNumber);
    QCOMPARE(read.dipSwitch, QList<bool>({true, false, false, false, true, false}));
    QCOMPARE(read.pointingStickButton, true);
    QCOMPARE(read.gesturePads, QList<bool>({false, true, true, false}));
    QCOMPARE(read.settingFileVersion, "1.1.0.0");
    for (int index = 0; index < 4; ++index) {
        const int source = saveType == SaveProfileType::all ? index : int(saveType);
        QVERIFY(
            Utility::isSameProfile(read.profilesData->profile(index), m_profiles.profile(source)));
    }
    // A single profile fills the four slots as one object.
    QCOMPARE(read.profilesData->profile4 == read.profilesData->profile1,
             saveType != SaveProfileType::all);
}

void tst_SettingFile::readingStopsAtTheFirstBadKey_data()
{
    QTest::addColumn<QString>("edits");
    QTest::addColumn<QString>("error");

    const QStringList keys{"ToolVersion", "KeyboardLayout", "TypeNumber", "PointingStickButton",
                           "GesturePad",  "SaveType",       "DipSwitch",  "Keymap"};
    // Without every key from the n-th on, reading fails on the n-th: keys are read in this order.
    for (int first = 0; first < keys.size(); ++first)
        QTest::addRow("%s and all after it missing", qPrintable(keys[first]))
            << keys.mid(first).join(';') << "FormatException(" + keys[first] + ')';
    const auto row = [](const char *name, const char *edits, const QString &error) {
        QTest::newRow(name) << QString(edits) << error;
    };
    const auto format = [](const QString &detail) { return "FormatException(" + detail + ')'; };
    row("not an object", "[1]", format("Json"));
    row("a bare number", " 12 ", format("Json"));
    row("empty file", "", "PlatformError");
    row("not JSON", "{\"ToolVersion\": ", "PlatformError");
    row("KeyboardLayout 2", "KeyboardLayout=2", format("KeyboardLayout"));
    row("KeyboardLayout true", "KeyboardLayout=true", format("KeyboardLayout"));
    row("flag as number", "PointingStickButton=1", format("PointingStickButton"));
    row("pads holding a number", "GesturePad=[true,0]", format("GesturePad"));
    row("SaveType wrong case", "SaveType=\"all\"", format("SaveType"));
    row("SaveType checked after DipSwitch", "SaveType=\"single\";DipSwitch", format("DipSwitch"));
    row("All without Profile1", "Keymap.Profile=1;Keymap.Profile1", format("Profile1"));
    row("Single without Profile", "SaveType=\"Single\"", format("Profile"));
    row("Single, bad layer", "SaveType=\"Single\";Keymap.Profile.Normal=[120x0]",
        format("Profile.WithFn1"));
    row("Profile2 missing", "Keymap.Profile2", format("Profile2"));
    row("layers read in order", "Keymap.Profile3.WithFn3;Keymap.Profile3.WithFn2",
        format("Profile3.WithFn2"));
    row("beyond 32 bits", "Keymap.Profile1.WithFn3=[120x4,7:2147483648]",
        format("Profile1.WithFn3"));
    row("a fraction", "Keymap.Profile1.Normal=[120x4,0:4.25]", format("Profile1.Normal"));
}

void tst_SettingFile::readingStopsAtTheFirstBadKey()
{
    QFETCH(QString, edits);
    QFETCH(QString, error);
    if (edits.isEmpty() || edits.startsWith('{') || !edits.front().isLetter())
        m_fixture->writeFile("setting.tpk", edits.toUtf8());
    else
        m_fixture->writeJson("setting.tpk", validFile(), edits);

    QCOMPARE(ResourceFixture::failure([this] { loader().loadKeymap(path()); }), error);
}

void tst_SettingFile::unreadableFile_data()
{
    QTest::addColumn<QString>("name");

    QTest::newRow("no such file") << "missing.tpk";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("larger than 4 MiB") << "large.tpk";
}

void tst_SettingFile::unreadableFile()
{
    QFETCH(QString, name);
    QDir(m_fixture->root()).mkdir("folder");
    m_fixture->writeFile("large.tpk", QByteArray(ResourceLoader::maxSettingFileSize + 1, ' '));
    const QString path = m_fixture->root() + name;

    QCOMPARE(ResourceFixture::failure([&] { loader().loadKeymap(path); }),
             "CannotReadException(Can't read " + path + ')');
}

void tst_SettingFile::checksInOrder_data()
{
    QTest::addColumn<QString>("connected");
    QTest::addColumn<QString>("edits");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("logged");

    const auto row = [](const char *name, const char *connected, const char *edits,
                        const QString &error = "none", const QString &logged = {}) {
        QTest::newRow(name) << QString(connected) << QString(edits) << error << logged;
    };
    const QString invalid = "InvalidConfigFileException()";
    const QString mismatch = "MismatchKeyboardException(isMismatchKeyboardLayout: true)";
    const QString badVersion = "FormatException(Version invalid)";
    const QString outOfRange = "Usage ID must be range of [0,65535].";
    row("valid", "KX-QR320B", "");
    row("version not a text reads 0", "KX-QR320B", "SettingFileVersion=2");
    row("unknown keys ignored", "KX-QR320B", "Comment=1");
    row("another model of the layout", "KX-QR320B", "TypeNumber=\"KX-QR320Y-PPM\"");
    row("empty type number, before the layout", "KX-QR320B", "TypeNumber=\"\";KeyboardLayout=1",
        invalid, "TypeNumber is empty.");
    row("unsupported type number", "KX-QR320B", "TypeNumber=\"KX-QR320\"", invalid,
        "TypeNumber is not supported.");
    row("layout differs, before the keymap", "KX-QR320B",
        "KeyboardLayout=1;Keymap.Profile1.Normal=[3x4]", mismatch,
        "Mismatched keyboard layout. Setting:English");
    row("Japanese file, unknown keyboard", "KX-QR999", "", mismatch,
        "Mismatched keyboard layout. Setting:Japanese");
    row("English file, unknown keyboard", "KX-QR999", "KeyboardLayout=1");
    row("119 keys in profile 2 WithFn3", "KX-QR320B", "Keymap.Profile2.WithFn3=[119x4]", invalid,
        "The number of withfn keys is invalid.");
    row("keymap before DIP switches", "KX-QR320B",
        "Keymap.Profile3.Normal=[121x4];DipSwitch=[5xtrue]", invalid,
        "The number of normal keys is invalid.");
    row("65536 at key 119 of profile 4", "KX-QR320B", "Keymap.Profile4.Normal=[120x4,119:65536]",
        invalid, outOfRange);
    row("-1", "KX-QR320B", "Keymap.Profile1.WithFn2=[120x4,3:-1]", invalid, outOfRange);
    row("0 and 65535 valid", "KX-QR320B",
        "Keymap.Profile1.Normal=[120x0];Keymap.Profile4.WithFn3=[120x65535]");
    row("five DIP switches", "KX-QR320B", "DipSwitch=[5xtrue];GesturePad=[3xtrue]", invalid,
        "The number of dipSwitches is invalid.");
    row("three gesture pads", "KX-QR320B", "GesturePad=[3xtrue];SettingFileVersion=\"9.0\"",
        invalid, "The number of gesturePads is invalid.");
    row("version 1.1.0.1 newer", "KX-QR320B", "SettingFileVersion=\"1.1.0.1\"",
        "NewerVersionException(1.1.0.1)",
        "The version of the config file is newer than the current tool version. Update the tool.");
    row("version 1.0.0.0.0 folds larger", "KX-QR320B", "SettingFileVersion=\"1.0.0.0.0\"",
        "NewerVersionException(1.0.0.0.0)");
    row("version 1.0.9.9 older", "KX-QR320B", "SettingFileVersion=\"1.0.9.9\"");
    row("version 9.9.9 folds smaller", "KX-QR320B", "SettingFileVersion=\"9.9.9\"");
    row("version 0.0.0.0.1 older", "KX-QR320B", "SettingFileVersion=\"0.0.0.0.1\"");
    row("version 1.x", "KX-QR320B", "SettingFileVersion=\"1.x\"", badVersion);
    row("version empty", "KX-QR320B", "SettingFileVersion=\"\"", badVersion);
    row("version too long to fold", "KX-QR320B", "SettingFileVersion=\"1.0.0.0.0.0.0.0.0.0.0\"",
        badVersion);
    row("version part too large", "KX-QR320B", "SettingFileVersion=\"9223372036854775807.1\"",
        badVersion);
}

void tst_SettingFile::checksInOrder()
{
    QFETCH(QString, connected);
    QFETCH(QString, edits);
    QFETCH(QString, error);
    QFETCH(QString, logged);
    connect(connected);
    const QJsonObject file = ResourceFixture::edited(validFile(), edits);
    m_fixture->writeJson("setting.tpk", file);

    QCOMPARE(ResourceFixture::failure([this] { loader().loadKeymap(path()); }), error);
    const QString log = m_fixture->logText();
    QVERIFY2(logged.isEmpty() || log.contains(logged + '\n'), qPrintable(log));
    QCOMPARE(log.endsWith("loadKeymap: checkConfigFileFormat error\n"), error != "none");
    if (error.startsWith("Mismatch")) {
        try {
            loader().loadKeymap(path());
        } catch (const Exceptions &mismatch) {
            // The error carries the file as read.
            QCOMPARE(mismatch.configData().profilesData->profile1->normal.size(),
                     file["Keymap"]["Profile1"]["Normal"].toArray().size());
        }
    }
}

void tst_SettingFile::failedWriteLeavesTheOldFileWhole()
{
    // The longest name a folder takes leaves no room for the temporary file beside it, so the
    // write fails after the old file was found, whoever runs the test.
    const QString name = QString(251, 'k') + ".tpk";
    m_fixture->writeFile(name, "old");
    const QStringList before = QDir(m_fixture->root()).entryList(QDir::Files | QDir::Hidden);

    QCOMPARE(ResourceFixture::failure(
                 [&] { write("KX-QR320B", SaveProfileType::all, m_fixture->root() + name); }),
             "PlatformError");
    QCOMPARE(ResourceFixture::failure([&] {
                 write("KX-QR320B", SaveProfileType::all, m_fixture->root() + "no/such.tpk");
             }),
             "PlatformError");

    QFile old(m_fixture->root() + name);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), "old");
    QCOMPARE(QDir(m_fixture->root()).entryList(QDir::Files | QDir::Hidden), before);
}

QTEST_GUILESS_MAIN(tst_SettingFile)
#include "tst_settingfile.moc"
