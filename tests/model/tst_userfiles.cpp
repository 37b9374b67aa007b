#include "exceptions.h"
#include "firmwareimagebuilder.h"
#include "isolatedchild.h"
#include "pendingtemporaryfiles.h"
#include "platformerror.h"
#include "resourcefixture.h"
#include "resourceloader.h"
#include "settingfilewriter.h"
#include "utility.h"

#include <QDir>
#include <QJsonArray>
#include <QTest>

#include <atomic>
#include <fcntl.h>
#include <memory>
#include <sys/mount.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

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

QString format(const QString &detail)
{
    return "FormatException(" + detail + ')';
}

// An image of six parts of the given sizes.
QByteArray image(const QList<qsizetype> &sizes, const QByteArray &target = "KX-QR300B",
                 const QByteArray &version = "0123")
{
    FirmwareImageBuilder builder = FirmwareImageBuilder::withSizes(sizes);
    builder.target = target;
    builder.version = version;
    return builder.bytes();
}

const QList<qsizetype> parts{100, 20, 0, 0, 0, 32};

// Mounts a file system of 16 KiB at folder.
bool mountSmallDisk(const QString &folder)
{
    return ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=16k") == 0;
}

} // namespace

// The files a user picks. Setting files: written and read back, every reading error in reading
// order, and the checks against the connected keyboard in their order. Firmware image files: what
// is an image, what is read from it, and what is refused before anything is read out of bounds.
class tst_UserFiles : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture = std::make_unique<ResourceFixture>();
        connect("KX-QR320B");
        // Every entry tells its place, so that a key written to another place is caught.
        for (int entry = 0; entry < 4 * 4 * 120; ++entry)
            m_profiles.profile(entry / 480).layer(FnMode(entry / 120 % 4))[entry % 120] = entry;
    }
    void cleanup() { m_fixture.reset(); }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("typeNumber");
        QTest::addColumn<SaveProfileType>("saveType");
        QTest::addColumn<int>("layout");

        QTest::newRow("all, Japanese") << "KX-QR320B" << SaveProfileType::all << 0;
        QTest::newRow("profile 3, English") << "KX-QR300Y" << SaveProfileType::profile3 << 1;
        QTest::newRow("uncatalogued model written as English")
            << "KX-QR300B-EM" << SaveProfileType::profile1 << 1;
    }

    void roundTrip()
    {
        QFETCH(QString, typeNumber);
        QFETCH(SaveProfileType, saveType);
        QFETCH(int, layout);
        connect(typeNumber);

        write(typeNumber, saveType, path());

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
            QVERIFY(Utility::isSameProfile(read.profilesData->profile(index),
                                           m_profiles.profile(source)));
        }
        // A single profile fills the four slots as one object.
        QCOMPARE(read.profilesData->profile4 == read.profilesData->profile1,
                 saveType != SaveProfileType::all);
    }

    void loadKeymap_data()
    {
        // Edits to the valid file, "text:" and the file's whole text, or "no file".
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("logged");
        QTest::addColumn<QString>("connected");
        const auto row = [](const char *name, const QString &file, const QString &error = "none",
                            const QString &logged = {}, const char *connected = "KX-QR320B") {
            QTest::newRow(name) << file << error << logged << QString(connected);
        };
        const QStringList keys{"ToolVersion", "KeyboardLayout", "TypeNumber", "PointingStickButton",
                               "GesturePad",  "SaveType",       "DipSwitch",  "Keymap"};
        // Without every key from the n-th on, reading fails on the n-th: keys are read in order.
        for (int first = 0; first < keys.size(); ++first)
            row(qPrintable(keys[first] + " and all after it missing"), keys.mid(first).join(';'),
                format(keys[first]));
        const QString cannotRead = "CannotReadException(Can't read %1)";
        row("no such file", "no file", cannotRead);
        row("larger than 4 MiB", "text:" + QString(ResourceLoader::maxSettingFileSize + 1, ' '),
            cannotRead, "is larger than 4194304 bytes.");
        row("not an object", "text:[1]", format("Json"));
        row("empty file", "text:", "PlatformError");
        row("KeyboardLayout 2^32 is not 0", "KeyboardLayout=4294967296", format("KeyboardLayout"));
        row("pads holding a number", "GesturePad=[true,0]", format("GesturePad"));
        row("SaveType wrong case", "SaveType=\"all\"", format("SaveType"));
        row("SaveType checked after DipSwitch", "SaveType=\"single\";DipSwitch",
            format("DipSwitch"));
        row("All without Profile1", "Keymap.Profile=1;Keymap.Profile1", format("Profile1"));
        row("Single without Profile", "SaveType=\"Single\"", format("Profile"));
        row("Single, bad layer", "SaveType=\"Single\";Keymap.Profile.Normal=[120x0]",
            format("Profile.WithFn1"));
        row("layers read in order", "Keymap.Profile3.WithFn3;Keymap.Profile3.WithFn2",
            format("Profile3.WithFn2"));
        row("a fraction", "Keymap.Profile1.Normal=[120x4,0:4.25]", format("Profile1.Normal"));

        // The checks of a file that was read, in their order.
        const QString invalid = "InvalidConfigFileException()";
        const QString mismatch = "MismatchKeyboardException(isMismatchKeyboardLayout: true)";
        const QString outOfRange = "Usage ID must be range of [0,65535].";
        row("valid", "");
        row("version not a text reads 0", "SettingFileVersion=2");
        row("another model of the layout", "TypeNumber=\"KX-QR320Y-PPM\"");
        row("empty type number, before the layout", "TypeNumber=\"\";KeyboardLayout=1", invalid,
            "TypeNumber is empty.");
        row("unsupported type number", "TypeNumber=\"KX-QR320\"", invalid,
            "TypeNumber is not supported.");
        row("layout differs, before the keymap", "KeyboardLayout=1;Keymap.Profile1.Normal=[3x4]",
            mismatch, "Mismatched keyboard layout. Setting:English");
        row("Japanese file, unknown keyboard", "", mismatch,
            "Mismatched keyboard layout. Setting:Japanese", "KX-QR999");
        row("English file, unknown keyboard", "KeyboardLayout=1", "none", {}, "KX-QR999");
        row("119 keys in profile 2 WithFn3", "Keymap.Profile2.WithFn3=[119x4]", invalid,
            "The number of withfn keys is invalid.");
        row("keymap before DIP switches", "Keymap.Profile3.Normal=[121x4];DipSwitch=[5xtrue]",
            invalid, "The number of normal keys is invalid.");
        row("65536 at key 119 of profile 4", "Keymap.Profile4.Normal=[120x4,119:65536]", invalid,
            outOfRange);
        row("-1", "Keymap.Profile1.WithFn2=[120x4,3:-1]", invalid, outOfRange);
        row("0 and 65535 valid",
            "Keymap.Profile1.Normal=[120x0];Keymap.Profile4.WithFn3=[120x65535]");
        row("five DIP switches", "DipSwitch=[5xtrue];GesturePad=[3xtrue]", invalid,
            "The number of dipSwitches is invalid.");
        row("three gesture pads", "GesturePad=[3xtrue];SettingFileVersion=\"9.0\"", invalid,
            "The number of gesturePads is invalid.");
        row("version 1.1.0.1 newer", "SettingFileVersion=\"1.1.0.1\"",
            "NewerVersionException(1.1.0.1)",
            "The version of the config file is newer than the current tool version. Update the "
            "tool.");
        row("version 1.x", "SettingFileVersion=\"1.x\"", format("Version invalid"),
            "loadKeymap: checkConfigFileFormat error");
    }

    void loadKeymap()
    {
        QFETCH(QString, file);
        QFETCH(QString, error);
        QFETCH(QString, logged);
        QFETCH(QString, connected);
        connect(connected);
        const bool text = file.startsWith("text:");
        const QJsonObject json = text ? QJsonObject() : ResourceFixture::edited(validFile(), file);
        if (text)
            m_fixture->writeFile("setting.tpk", file.mid(5).toUtf8());
        else if (file != "no file")
            m_fixture->writeJson("setting.tpk", json);

        QCOMPARE(ResourceFixture::failure([this] { loader().loadKeymap(path()); }),
                 error.arg(path()));
        const QString log = m_fixture->logText();
        QVERIFY2(logged.isEmpty() || log.contains(logged + '\n'), qPrintable(log));
        if (!error.startsWith("Mismatch"))
            return;
        try {
            loader().loadKeymap(path());
        } catch (const Exceptions &mismatch) {
            // The error carries the file as read.
            QCOMPARE(mismatch.configData().profilesData->profile1->normal.size(),
                     json["Keymap"]["Profile1"]["Normal"].toArray().size());
        }
    }

    void failedWriteLeavesTheOldFileWhole()
    {
        // The longest name a folder takes leaves no room for the temporary file beside it, so the
        // write fails after the old file was found, whoever runs the test.
        const QString name = QString(251, 'k') + ".tpk";
        m_fixture->writeFile(name, "old");
        const QStringList before = QDir(m_fixture->root()).entryList(QDir::Files | QDir::Hidden);

        for (const QString &path : {m_fixture->root() + name, m_fixture->root() + "no/such.tpk"}) {
            QCOMPARE(
                ResourceFixture::failure([&] { write("KX-QR320B", SaveProfileType::all, path); }),
                "PlatformError");
        }
        QFile old(m_fixture->root() + name);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), "old");
        QCOMPARE(QDir(m_fixture->root()).entryList(QDir::Files | QDir::Hidden), before);
    }

    void filesThatAreNotFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("readable");
        QTest::newRow("named pipe") << "fifo" << false;
        QTest::newRow("link to a named pipe") << "link to fifo" << false;
        QTest::newRow("folder") << "folder" << false;
        QTest::newRow("endless device") << "/dev/zero" << false;
        QTest::newRow("link to a file is read") << "link to file" << true;
    }

    // A path typed into a file panel may name anything. Only regular files are read; anything
    // else fails at once like a file that cannot be opened, without waiting for a writer.
    void filesThatAreNotFiles()
    {
        QFETCH(QString, kind);
        QFETCH(bool, readable);
        const QString fifo = m_fixture->root() + "pipe";
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        m_fixture->writeJson("setting.tpk", validFile());
        QVERIFY(QDir().mkdir(m_fixture->root() + "folder.tpk"));
        const QString link = m_fixture->root() + "link.tpk";
        QVERIFY(QFile::link(kind == "link to file" ? path() : fifo, link));
        const QHash<QString, QString> paths{{"fifo", fifo},
                                            {"link to fifo", link},
                                            {"link to file", link},
                                            {"folder", m_fixture->root() + "folder.tpk"},
                                            {"/dev/zero", "/dev/zero"}};
        const QString picked = paths.value(kind);

        QString settingFile;
        std::optional<FirmDataEntity> image;
        QVERIFY2(endsWithoutAWriter(fifo,
                                    [&] {
                                        settingFile = ResourceFixture::failure(
                                            [&] { loader().loadKeymap(picked); });
                                        image = loader().GetFirmdata(picked);
                                    }),
                 "the read waited for a writer");

        QCOMPARE(settingFile, readable ? "none" : "CannotReadException(Can't read " + picked + ')');
        QVERIFY(!image);
        QVERIFY2(!m_fixture->logText().contains("[ERROR]"), qPrintable(m_fixture->logText()));
    }

    void diskFillingPartWay_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("file smaller than the write buffer") << 14000;
        QTest::newRow("file larger than the write buffer") << 40000;
    }

    // A disk with room for less than the file: the write fails saying that the disk is full,
    // the old file stays whole and no temporary file is left.
    void diskFillingPartWay()
    {
        QFETCH(int, size);
        const QString folder = m_fixture->root() + "small";
        const QString target = folder + "/setting.tpk";
        QVERIFY(QDir().mkdir(folder));

        const std::optional<QByteArray> outcome = IsolatedChild::answer(
            [&] { return mountSmallDisk(folder); },
            [&] {
                SettingFileWriter::save("old", target);
                QByteArray failure = "none";
                try {
                    SettingFileWriter::save(QByteArray(size, ' '), target);
                } catch (const PlatformError &error) {
                    failure = error.what();
                }
                QFile old(target);
                return failure + '|' + (old.open(QIODevice::ReadOnly) ? old.readAll() : "") + '|' +
                       QDir(folder).entryList(QDir::Files | QDir::Hidden).join(',').toUtf8();
            });

        if (!outcome)
            QSKIP("No mount namespace here for a small disk.");
        QCOMPARE(*outcome,
                 "Can't write " + target.toUtf8() + ": No space left on device|old|setting.tpk");
    }

    // A write killed halfway where the temporary file has a name. The next write removes it, and
    // nothing the user named alike.
    void temporaryFileOfAKilledWriteIsRemoved()
    {
        QFile temporary(path() + ".QwErTy");
        QVERIFY(temporary.open(QIODevice::WriteOnly));
        PendingTemporaryFiles::add(PendingTemporaryFiles::pathOf(temporary));
        temporary.write("{\n    \"DipSwitch\": [");
        temporary.close(); // the process ends here, without forgetting the file
        m_fixture->writeFile("setting.tpk.backup", "the user's");

        write("KX-QR320B", SaveProfileType::all, path());

        QCOMPARE(QDir(m_fixture->root()).entryList({"setting.tpk*"}),
                 QStringList({"setting.tpk", "setting.tpk.backup"}));
        // Once removed, the file is forgotten: a file of that name made later stays.
        m_fixture->writeFile("setting.tpk.QwErTy", "the user's");
        write("KX-QR320B", SaveProfileType::all, path());
        QVERIFY(QFile::exists(path() + ".QwErTy"));
    }

    void firmwareImage_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        // An image's size, target and version; else what the log says why it is none.
        QTest::addColumn<QStringList>("read");
        const QByteArray empty = image({0, 0, 0, 0, 0, 0});
        const auto none = [](const char *logged) { return QStringList{logged}; };

        QTest::newRow("typical image") << image(parts) << QStringList{"304", "KX-QR300B", "01.23"};
        QTest::newRow("only the main part")
            << image({16, 0, 0, 0, 0, 0}) << QStringList{"144", "KX-QR300B", "01.23"};
        QTest::newRow("no padding after the last part")
            << image({16, 16, 16, 16, 16, 5}).remove(181, 11)
            << QStringList{"213", "KX-QR300B", "01.23"};
        QTest::newRow("last version byte NUL")
            << image(parts, "KX", QByteArray("012\0", 4)) << QStringList{"304", "KX", "01.2"};
        QTest::newRow("line break inside the target")
            << image(parts, "KX\n[INFO]x") << QStringList{"304", "KX\n[INFO]x", "01.23"};
        QTest::newRow("empty file") << QByteArray() << none("");
        QTest::newRow("fourth byte X") << image(parts).replace(3, 1, "X") << none("");
        QTest::newRow("31 bytes") << QByteArray("MAIN").leftJustified(31, '\0') << none("shorter");
        QTest::newRow("sixth header cut short")
            << empty.left(88) + empty.right(32) << none("do not fit");
        QTest::newRow("size with the top bit set")
            << image(parts).replace(12, 1, "\x80") << none("do not fit");
        QTest::newRow("part beyond the file")
            << image(parts).replace(13, 1, "\x7f") << none("do not fit");
        QTest::newRow("empty main part, the others whole")
            << image({0, 20, 16, 16, 16, 16}) << none("main part is empty");
        QTest::newRow("larger than 16 MiB")
            << image(parts).leftJustified(ResourceLoader::maxFirmwareFileSize + 1, '\0')
            << none("is larger than 16777216 bytes.");
    }

    void firmwareImage()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, read);
        const QString path = m_fixture->root() + "image.bin";
        m_fixture->writeFile("image.bin", bytes);

        const std::optional<FirmDataEntity> image = loader().GetFirmdata(path);

        const QString log = m_fixture->logText();
        QCOMPARE(image.has_value(), read.size() == 3);
        if (!image) {
            QVERIFY2(read[0].isEmpty() ? log.isEmpty() : log.contains(read[0]), qPrintable(log));
            return;
        }
        QCOMPARE(QStringList({QString::number(image->firmSize), image->appliableKeyboard,
                              image->firmVersion}),
                 read);
        QCOMPARE(image->crc, QList<quint8>({0x4D, 0x41, 0x49, 0x4E}));
        QCOMPARE(image->firmRawDataDic, bytes);
        QCOMPARE(image->filePath, path);
        // The target is the file's text: a line break in it is written escaped.
        QVERIFY(log.contains(QString("getFirmDataEntity: \n firmSize: %1 \n firmVersion: %3 \n "
                                     "appliableKeyboard: %2\n")
                                 .arg(read[0], QString(read[1]).replace('\n', "\\n"), read[2])));
    }

private:
    static ResourceLoader &loader() { return ResourceLoader::sharedInstance(); }

    // Runs read on a thread of its own. Reads still waiting on the named pipe after two seconds
    // are set free by writers that close at once, and the answer is false.
    static bool endsWithoutAWriter(const QString &fifo, const std::function<void()> &read)
    {
        std::atomic<bool> done = false;
        std::thread reader([&] {
            read();
            done = true;
        });
        const bool alone = QTest::qWaitFor([&] { return done.load(); }, 2000);
        while (!done) {
            const int writer = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0)
                ::close(writer);
            QTest::qWait(20);
        }
        reader.join();
        return alone;
    }

    QString path() const { return m_fixture->root() + "setting.tpk"; }

    static void connect(const QString &typeNumber)
    {
        auto keyboard = std::make_shared<KeyboardDataEntity>();
        keyboard->typeNumber = typeNumber;
        loader().setKeyboardData(keyboard);
    }

    void write(const QString &typeNumber, SaveProfileType saveType, const QString &path)
    {
        loader().writeKeymap(m_profiles, {true, false, false, false, true, false}, typeNumber, path,
                             true, {false, true, true, false}, saveType);
    }

    std::unique_ptr<ResourceFixture> m_fixture;
    ProfileListDataEntity m_profiles;
};

QTEST_GUILESS_MAIN(tst_UserFiles)
#include "tst_userfiles.moc"
