#include "exceptions.h"
#include "platformerror.h"
#include "resourcefixture.h"
#include "resourceloader.h"
#include "settingfilevalidator.h"
#include "utility.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

#include <memory>

namespace {

// One change to a setting file: the value at a dotted key path, or its removal (Undefined).
struct Edit
{
    QString path;
    QJsonValue value = QJsonValue::Undefined;
};
using Edits = QList<Edit>;

void setPath(QJsonObject &object, QStringList keys, const QJsonValue &value)
{
    const QString key = keys.takeFirst();
    if (keys.isEmpty()) {
        if (value.isUndefined())
            object.remove(key);
        else
            object.insert(key, value);
        return;
    }
    QJsonObject inner = object.value(key).toObject();
    setPath(inner, keys, value);
    object.insert(key, inner);
}

QJsonArray layer(qint32 value = 4, int count = 120)
{
    QJsonArray usageIds;
    for (int key = 0; key < count; ++key)
        usageIds.append(value);
    return usageIds;
}

QJsonArray flags(int count)
{
    QJsonArray values;
    for (int i = 0; i < count; ++i)
        values.append(i % 2 == 0);
    return values;
}

QJsonObject profile()
{
    return {{"Normal", layer()}, {"WithFn1", layer()}, {"WithFn2", layer()}, {"WithFn3", layer()}};
}

// A valid "All" file for a Japanese keyboard.
QJsonObject validFile()
{
    return {{"ToolVersion", "1.0.0.1"},
            {"KeyboardLayout", 0},
            {"TypeNumber", "KX-QR320B"},
            {"DipSwitch", flags(6)},
            {"PointingStickButton", true},
            {"GesturePad", flags(4)},
            {"SaveType", "All"},
            {"SettingFileVersion", "1.1.0.0"},
            {"Keymap", QJsonObject{
                           {"Profile1", profile()},
                           {"Profile2", profile()},
                           {"Profile3", profile()},
                           {"Profile4", profile()},
                       }}};
}

QJsonObject edited(const Edits &edits)
{
    QJsonObject file = validFile();
    for (const Edit &edit : edits)
        setPath(file, edit.path.split('.'), edit.value);
    return file;
}

// The error's case and payload, such as "FormatException(DipSwitch)", or "PlatformError".
QString failure(const std::function<void()> &operation)
{
    try {
        operation();
    } catch (const Exceptions &error) {
        return QString::fromUtf8(error.what());
    } catch (const PlatformError &) {
        return "PlatformError";
    }
    return "none";
}

} // namespace

Q_DECLARE_METATYPE(Edits)

class tst_SettingFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void roundTrip_data();
    void roundTrip();
    void writtenLayoutComesFromTheCatalogue_data();
    void writtenLayoutComesFromTheCatalogue();
    void readingStopsAtTheFirstBadKey_data();
    void readingStopsAtTheFirstBadKey();
    void unreadableFile_data();
    void unreadableFile();
    void checksInOrder_data();
    void checksInOrder();
    void versions_data();
    void versions();
    void failedWriteLeavesTheOldFileWhole();
    void writeIntoMissingFolderFails();

private:
    ResourceLoader &loader() { return ResourceLoader::sharedInstance(); }
    QString filePath() const { return m_fixture->root() + "setting.tpk"; }
    void connect(const QString &typeNumber);
    void writeFile(const QJsonObject &file) const;
    void writeProfiles(SaveProfileType saveType, const QString &typeNumber = "KX-QR320B");

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
                    index * 10000 + layer * 1000 + key;
        }
    }
}

void tst_SettingFile::cleanup()
{
    loader().setKeyboardData(std::make_shared<KeyboardDataEntity>());
    m_fixture.reset();
}

void tst_SettingFile::connect(const QString &typeNumber)
{
    auto keyboard = std::make_shared<KeyboardDataEntity>();
    keyboard->typeNumber = typeNumber;
    loader().setKeyboardData(keyboard);
}

void tst_SettingFile::writeFile(const QJsonObject &file) const
{
    m_fixture->writeFile("setting.tpk", QJsonDocument(file).toJson());
}

void tst_SettingFile::writeProfiles(SaveProfileType saveType, const QString &typeNumber)
{
    loader().writeKeymap(m_profiles, {true, false, false, false, true, false}, typeNumber,
                         filePath(), true, {false, true, true, false}, saveType);
}

void tst_SettingFile::roundTrip_data()
{
    QTest::addColumn<SaveProfileType>("saveType");
    QTest::addColumn<QString>("writtenSaveType");

    QTest::newRow("all") << SaveProfileType::all << "All";
    QTest::newRow("profile 1") << SaveProfileType::profile1 << "Single";
    QTest::newRow("profile 3") << SaveProfileType::profile3 << "Single";
    QTest::newRow("profile 4") << SaveProfileType::profile4 << "Single";
}

void tst_SettingFile::roundTrip()
{
    QFETCH(SaveProfileType, saveType);
    QFETCH(QString, writtenSaveType);

    writeProfiles(saveType);
    const ConfigDataEntity read = loader().loadKeymap(filePath());

    QCOMPARE(read.toolVersion, Utility::getAppVersion());
    QCOMPARE(read.keyboardLayout, KeyboardLayoutType::Japanese);
    QCOMPARE(read.typeNumber, "KX-QR320B");
    QCOMPARE(read.dipSwitch, QList<bool>({true, false, false, false, true, false}));
    QCOMPARE(read.pointingStickButton, true);
    QCOMPARE(read.gesturePads, QList<bool>({false, true, true, false}));
    QCOMPARE(read.settingFileVersion, "1.1.0.0");
    const ProfileListDataEntity &profiles = *read.profilesData;
    for (int index = 0; index < 4; ++index) {
        const int source = saveType == SaveProfileType::all ? index : int(saveType);
        QVERIFY(Utility::isSameProfile(profiles.profile(index), m_profiles.profile(source)));
    }
    if (saveType != SaveProfileType::all) {
        QCOMPARE(profiles.profile2, profiles.profile1);
        QCOMPARE(profiles.profile4, profiles.profile1);
    } else {
        QVERIFY(profiles.profile2 != profiles.profile1);
    }

    QFile file(filePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    const QJsonObject json = QJsonDocument::fromJson(text).object();
    QCOMPARE(json.keys().size(), 9);
    QCOMPARE(json.value("SaveType").toString(), writtenSaveType);
    QCOMPARE(json.value("Keymap").toObject().keys(),
             saveType == SaveProfileType::all
                 ? QStringList({"Profile1", "Profile2", "Profile3", "Profile4"})
                 : QStringList({"Profile"}));
    QVERIFY2(text.count('\n') > 100, "pretty-printed");
}

void tst_SettingFile::writtenLayoutComesFromTheCatalogue_data()
{
    QTest::addColumn<QString>("typeNumber");
    QTest::addColumn<int>("layout");

    QTest::newRow("Japanese keyboard") << "KX-QR320Y" << 0;
    QTest::newRow("English keyboard") << "KX-QR300B" << 1;
    QTest::newRow("type number the catalogue lacks") << "KX-QR999" << 1;
}

void tst_SettingFile::writtenLayoutComesFromTheCatalogue()
{
    QFETCH(QString, typeNumber);
    QFETCH(int, layout);

    writeProfiles(SaveProfileType::all, typeNumber);

    QFile file(filePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonObject json = QJsonDocument::fromJson(file.readAll()).object();
    QCOMPARE(json.value("KeyboardLayout").toInteger(-1), layout);
    QCOMPARE(json.value("TypeNumber").toString(), typeNumber);
}

void tst_SettingFile::readingStopsAtTheFirstBadKey_data()
{
    QTest::addColumn<Edits>("edits");
    QTest::addColumn<QString>("error");

    const QString keys[] = {"ToolVersion", "KeyboardLayout", "TypeNumber", "PointingStickButton",
                            "GesturePad",  "SaveType",       "DipSwitch",  "Keymap"};
    // Removing every key from the n-th on fails on the n-th: the keys are read in this order.
    for (int first = 0; first < 8; ++first) {
        Edits edits;
        for (int next = first; next < 8; ++next)
            edits.append({keys[next]});
        QTest::addRow("%s missing, and all after it", qPrintable(keys[first]))
            << edits << "FormatException(" + keys[first] + ")";
    }
    const auto wrong = [](const QString &key, const QJsonValue &value) {
        return Edits{{key, value}};
    };
    QTest::newRow("ToolVersion a number")
        << wrong("ToolVersion", 1) << "FormatException(ToolVersion)";
    QTest::newRow("KeyboardLayout 2")
        << wrong("KeyboardLayout", 2) << "FormatException(KeyboardLayout)";
    QTest::newRow("KeyboardLayout a boolean")
        << wrong("KeyboardLayout", true) << "FormatException(KeyboardLayout)";
    QTest::newRow("KeyboardLayout a fraction")
        << wrong("KeyboardLayout", 0.5) << "FormatException(KeyboardLayout)";
    QTest::newRow("PointingStickButton 1")
        << wrong("PointingStickButton", 1) << "FormatException(PointingStickButton)";
    QTest::newRow("GesturePad holding a number")
        << wrong("GesturePad", QJsonArray{true, 0}) << "FormatException(GesturePad)";
    QTest::newRow("DipSwitch an object")
        << wrong("DipSwitch", QJsonObject()) << "FormatException(DipSwitch)";
    QTest::newRow("Keymap an array") << wrong("Keymap", QJsonArray()) << "FormatException(Keymap)";
    QTest::newRow("SaveType in the wrong case")
        << wrong("SaveType", "all") << "FormatException(SaveType)";
    QTest::newRow("SaveType checked only after DipSwitch is read")
        << Edits{{"SaveType", "single"}, {"DipSwitch"}} << "FormatException(DipSwitch)";
    QTest::newRow("All without Profile1")
        << Edits{{"Keymap", QJsonObject{{"Profile", profile()}}}} << "FormatException(Profile1)";
    QTest::newRow("Single without Profile")
        << Edits{{"SaveType", "Single"}} << "FormatException(Profile)";
    QTest::newRow("Single with a broken layer")
        << Edits{{"SaveType", "Single"},
                 {"Keymap", QJsonObject{{"Profile", profile()}}},
                 {"Keymap.Profile.WithFn1", "x"}}
        << "FormatException(Profile.WithFn1)";
    QTest::newRow("Profile2 a number")
        << wrong("Keymap.Profile2", 2) << "FormatException(Profile2)";
    QTest::newRow("Profile3 without WithFn2")
        << Edits{{"Keymap.Profile3.WithFn2"}} << "FormatException(Profile3.WithFn2)";
    QTest::newRow("layers read in order")
        << Edits{{"Keymap.Profile4.WithFn3"}, {"Keymap.Profile4.Normal"}}
        << "FormatException(Profile4.Normal)";
    QTest::newRow("profiles read in order")
        << Edits{{"Keymap.Profile1.WithFn3"}, {"Keymap.Profile2.Normal"}}
        << "FormatException(Profile1.WithFn3)";
    QJsonArray tooLarge = layer();
    tooLarge[7] = 2147483648.0;
    QTest::newRow("usage ID beyond 32 bits")
        << wrong("Keymap.Profile2.WithFn1", tooLarge) << "FormatException(Profile2.WithFn1)";
    QJsonArray fraction = layer();
    fraction[0] = 4.25;
    QTest::newRow("usage ID a fraction")
        << wrong("Keymap.Profile1.Normal", fraction) << "FormatException(Profile1.Normal)";
    QTest::newRow("SettingFileVersion missing reads as 0 and passes")
        << Edits{{"SettingFileVersion"}} << "none";
    QTest::newRow("SettingFileVersion a number reads as 0 and passes")
        << wrong("SettingFileVersion", 2.5) << "none";
    QTest::newRow("unknown keys are ignored") << wrong("Comment", "hello") << "none";
}

void tst_SettingFile::readingStopsAtTheFirstBadKey()
{
    QFETCH(Edits, edits);
    QFETCH(QString, error);
    writeFile(edited(edits));

    QCOMPARE(failure([this] { loader().loadKeymap(filePath()); }), error);
    if (error == "none")
        QCOMPARE(loader().loadKeymap(filePath()).settingFileVersion,
                 edits.first().path == "SettingFileVersion" ? "0" : "1.1.0.0");
}

void tst_SettingFile::unreadableFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("error");

    QTest::newRow("no such file") << "missing.tpk" << QByteArray() << "CannotReadException";
    QTest::newRow("a folder") << "folder" << QByteArray() << "CannotReadException";
    QTest::newRow("larger than 4 MiB")
        << "large.tpk" << QByteArray(4 * 1024 * 1024 + 1, ' ') << "CannotReadException";
    QTest::newRow("empty") << "empty.tpk" << QByteArray("") << "PlatformError";
    QTest::newRow("not JSON") << "text.tpk" << QByteArray("Keymap") << "PlatformError";
    QTest::newRow("cut short") << "short.tpk" << QByteArray("{\"ToolVersion\": \"1")
                               << "PlatformError";
    QTest::newRow("an array") << "array.tpk" << QByteArray("[{}]") << "FormatException(Json)";
    QTest::newRow("a bare number") << "number.tpk" << QByteArray(" 12 ") << "FormatException(Json)";
    QTest::newRow("a bare text") << "text.tpk" << QByteArray("\"All\"") << "FormatException(Json)";
}

void tst_SettingFile::unreadableFile()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, text);
    QFETCH(QString, error);
    const QString path = m_fixture->root() + name;
    if (name == "folder")
        QVERIFY(QDir(m_fixture->root()).mkdir(name));
    else if (name != "missing.tpk")
        m_fixture->writeFile(name, text);

    const QString seen = failure([&] { loader().loadKeymap(path); });

    if (error == "CannotReadException")
        QCOMPARE(seen, "CannotReadException(Can't read " + path + ")");
    else
        QCOMPARE(seen, error);
}

void tst_SettingFile::checksInOrder_data()
{
    QTest::addColumn<QString>("connected");
    QTest::addColumn<Edits>("edits");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("logged");

    const QString invalid = "InvalidConfigFileException()";
    const QString mismatch = "MismatchKeyboardException(isMismatchKeyboardLayout: true)";
    const Edits brokenKeymap{{"Keymap.Profile1.Normal", layer(4, 3)}};
    QJsonArray highAtLastKey = layer();
    highAtLastKey[119] = 65536;
    QJsonArray negative = layer();
    negative[60] = -1;

    QTest::newRow("valid") << "KX-QR320B" << Edits{} << "none"
                           << "";
    QTest::newRow("empty type number before the layout")
        << "KX-QR320B" << Edits{{"TypeNumber", ""}, {"KeyboardLayout", 1}} << invalid
        << "TypeNumber is empty.";
    QTest::newRow("unsupported type number")
        << "KX-QR320B" << Edits{{"TypeNumber", "KX-QR320"}, {"KeyboardLayout", 1}} << invalid
        << "TypeNumber is not supported.";
    QTest::newRow("type numbers compared with case")
        << "KX-QR320B" << Edits{{"TypeNumber", "kx-qr320b"}} << invalid
        << "TypeNumber is not supported.";
    QTest::newRow("another supported type number of the same layout")
        << "KX-QR320B" << Edits{{"TypeNumber", "KX-QR300Y-PPM"}} << "none"
        << "";
    QTest::newRow("layout differs, before the keymap")
        << "KX-QR320B" << (Edits{{"KeyboardLayout", 1}} + brokenKeymap) << mismatch
        << "Mismatched keyboard layout. Setting:English";
    QTest::newRow("English file on a Japanese keyboard")
        << "KX-QR320Y" << Edits{{"KeyboardLayout", 1}} << mismatch
        << "Mismatched keyboard layout. Setting:English";
    QTest::newRow("Japanese file on an English keyboard")
        << "KX-QR300B" << Edits{} << mismatch << "Mismatched keyboard layout. Setting:Japanese";
    QTest::newRow("English file on an unknown keyboard")
        << "KX-UNKNOWN" << Edits{{"KeyboardLayout", 1}} << "none"
        << "";
    QTest::newRow("Japanese file on an unknown keyboard")
        << "KX-UNKNOWN" << Edits{} << mismatch << "Mismatched keyboard layout. Setting:Japanese";
    QTest::newRow("119 keys in profile 2 WithFn3")
        << "KX-QR320B" << Edits{{"Keymap.Profile2.WithFn3", layer(4, 119)}} << invalid
        << "The number of withfn keys is invalid.";
    QTest::newRow("121 keys in profile 3 Normal")
        << "KX-QR320B" << Edits{{"Keymap.Profile3.Normal", layer(4, 121)}} << invalid
        << "The number of normal keys is invalid.";
    QTest::newRow("65536 at key 119 of profile 4")
        << "KX-QR320B" << Edits{{"Keymap.Profile4.Normal", highAtLastKey}} << invalid
        << "Usage ID must be range of [0,65535].";
    QTest::newRow("-1 in profile 1 WithFn2")
        << "KX-QR320B" << Edits{{"Keymap.Profile1.WithFn2", negative}} << invalid
        << "Usage ID must be range of [0,65535].";
    QTest::newRow("0 and 65535 are valid")
        << "KX-QR320B"
        << Edits{{"Keymap.Profile1.Normal", layer(0)}, {"Keymap.Profile4.WithFn3", layer(65535)}}
        << "none"
        << "";
    QTest::newRow("keymap before the DIP switches")
        << "KX-QR320B" << (brokenKeymap + Edits{{"DipSwitch", flags(5)}}) << invalid
        << "The number of normal keys is invalid.";
    QTest::newRow("five DIP switches")
        << "KX-QR320B" << Edits{{"DipSwitch", flags(5)}, {"GesturePad", flags(3)}} << invalid
        << "The number of dipSwitches is invalid.";
    QTest::newRow("three gesture pads")
        << "KX-QR320B" << Edits{{"GesturePad", flags(3)}, {"SettingFileVersion", "9.0.0.0"}}
        << invalid << "The number of gesturePads is invalid.";
    QTest::newRow("newer version") << "KX-QR320B" << Edits{{"SettingFileVersion", "1.1.0.1"}}
                                   << "NewerVersionException(1.1.0.1)"
                                   << "The version of the config file is newer than the current "
                                      "tool version. Update the tool.";
    QTest::newRow("version that is not a number")
        << "KX-QR320B" << Edits{{"SettingFileVersion", "1.x"}} << "FormatException(Version invalid)"
        << "";
    QTest::newRow("version too long to fold")
        << "KX-QR320B" << Edits{{"SettingFileVersion", "1.0.0.0.0.0.0.0.0.0.0"}}
        << "FormatException(Version invalid)"
        << "";
    QTest::newRow("Single file checked like one profile")
        << "KX-QR320B"
        << Edits{{"SaveType", "Single"}, {"Keymap", QJsonObject{{"Profile", profile()}}}} << "none"
        << "";
}

void tst_SettingFile::checksInOrder()
{
    QFETCH(QString, connected);
    QFETCH(Edits, edits);
    QFETCH(QString, error);
    QFETCH(QString, logged);
    connect(connected);
    writeFile(edited(edits));

    QCOMPARE(failure([this] { loader().loadKeymap(filePath()); }), error);
    if (error.startsWith("Mismatch")) {
        try {
            loader().loadKeymap(filePath());
        } catch (const Exceptions &mismatch) {
            // The error carries the file as read, for the page to show.
            QCOMPARE(mismatch.configData().typeNumber,
                     edited(edits).value("TypeNumber").toString());
            QCOMPARE(mismatch.configData().profilesData->profile1->normal.size(),
                     edited(edits).value("Keymap")["Profile1"]["Normal"].toArray().size());
        }
    }

    const QString log = m_fixture->logText();
    if (error == "none") {
        QVERIFY(!log.contains("[ERROR]") || connected == "KX-UNKNOWN");
        return;
    }
    if (!logged.isEmpty())
        QVERIFY2(log.contains(logged + "\n"), qPrintable(log));
    QVERIFY(log.trimmed().endsWith("loadKeymap: checkConfigFileFormat error"));
}

void tst_SettingFile::versions_data()
{
    QTest::addColumn<QString>("fileVersion");
    QTest::addColumn<QString>("result");

    QTest::newRow("same") << "1.1.0.0"
                          << "true";
    QTest::newRow("older") << "1.0.9.9"
                           << "true";
    QTest::newRow("newer last part") << "1.1.0.1"
                                     << "false";
    QTest::newRow("newer minor") << "1.2.0.0"
                                 << "false";
    QTest::newRow("fewer parts fold smaller: 1.2") << "1.2"
                                                   << "true";
    QTest::newRow("fewer parts fold smaller: 9.9.9") << "9.9.9"
                                                     << "true";
    QTest::newRow("0") << "0"
                       << "true";
    QTest::newRow("more parts: 0.0.0.0.1") << "0.0.0.0.1"
                                           << "true";
    QTest::newRow("more parts: 1.0.0.0.0") << "1.0.0.0.0"
                                           << "false";
    QTest::newRow("not a number") << "1.x"
                                  << "FormatException(Version invalid)";
    QTest::newRow("empty") << ""
                           << "FormatException(Version invalid)";
    QTest::newRow("nineteen digits, then a part") << "9223372036854775807.1"
                                                  << "FormatException(Version invalid)";
}

void tst_SettingFile::versions()
{
    QFETCH(QString, fileVersion);
    QFETCH(QString, result);

    bool answer = false;
    const QString error =
        failure([&] { answer = SettingFileValidator::checkVersion(fileVersion, "1.1.0.0"); });

    QCOMPARE(error == "none" ? QString(answer ? "true" : "false") : error, result);
}

void tst_SettingFile::failedWriteLeavesTheOldFileWhole()
{
    // The longest name a folder takes leaves no room for the temporary file beside it, so the
    // write fails after the old file was found, whoever runs the test.
    const QString path = m_fixture->root() + QString(255 - 4, 'k') + ".tpk";
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old contents");
    old.close();
    const QStringList before = QDir(m_fixture->root()).entryList(QDir::Files | QDir::Hidden);

    QCOMPARE(failure([&] {
                 loader().writeKeymap(m_profiles, QList<bool>(6, false), "KX-QR320B", path, false,
                                      QList<bool>(4, true), SaveProfileType::all);
             }),
             "PlatformError");

    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), "old contents");
    QCOMPARE(QDir(m_fixture->root()).entryList(QDir::Files | QDir::Hidden), before);
}

void tst_SettingFile::writeIntoMissingFolderFails()
{
    const QString path = m_fixture->root() + "missing/setting.tpk";

    QCOMPARE(failure([&] { writeProfiles(SaveProfileType::profile2); }), "none");
    QCOMPARE(failure([&] {
                 loader().writeKeymap(m_profiles, QList<bool>(6, false), "KX-QR320B", path, false,
                                      QList<bool>(4, true), SaveProfileType::all);
             }),
             "PlatformError");
    QVERIFY(!QFile::exists(path));
}

QTEST_GUILESS_MAIN(tst_SettingFile)
#include "tst_settingfile.moc"
