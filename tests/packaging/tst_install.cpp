#include "localizedstrings.h"
#include "utility.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A prefix with a blank, which the desktop entry's Exec line has to quote.
const QString prefix = QStringLiteral("/home/keymap user/.local");
const QString desktopId = QStringLiteral("tavo-keymap-tool");
const QString entryPath = "share/applications/" + desktopId + ".desktop";

QString textIn(const QString &language, const QString &key)
{
    LocalizedStrings::setLanguage(language);
    return LocalizedStrings::text(key);
}

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The keys of a desktop entry's one group, "Name[ja]" standing for the Japanese name; nothing
// when the file is not one.
QMap<QString, QString> readEntry(const QString &path)
{
    QStringList lines = readText(path).split('\n', Qt::SkipEmptyParts);
    if (lines.isEmpty() || lines.takeFirst() != "[Desktop Entry]")
        return {};
    QMap<QString, QString> entry;
    for (const QString &line : lines)
        entry.insert(line.section('=', 0, 0), line.section('=', 1));
    return entry;
}

// Everything the program has logged under the data folder data.
QString loggedUnder(const QString &data)
{
    QString text;
    QDirIterator logs(data + "/tavo-keymap-tool/Pellix", {"*.log"}, QDir::Files);
    while (logs.hasNext())
        text += readText(logs.next());
    return text;
}

} // namespace

// `cmake --install` into a folder that stands for the system's root (DESTDIR), under a prefix of
// its own: exactly the program, its desktop entry, its icon and the udev rule land there; the entry
// holds the program's own texts and passes the desktop's validator; the icon's pictures have their
// sizes; and the installed program starts on the emulated keyboard.
class tst_Install : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        QProcess install;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DESTDIR", m_root.path());
        install.setProcessEnvironment(environment);
        install.start(KEYMAP_CMAKE_COMMAND, {"--install", KEYMAP_BUILD_DIR, "--prefix", prefix});
        QVERIFY(install.waitForFinished(120000));
        QVERIFY2(install.exitCode() == 0, install.readAllStandardError().constData());
    }

    void installsExactlyItsFiles()
    {
        QStringList files;
        QDirIterator it(m_root.path(), QDir::Files | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next().mid(m_root.path().size());
        files.sort();
        QStringList expected{"/bin/" + desktopId,
                             "/" + entryPath,
                             "/share/icons/hicolor/scalable/apps/" + desktopId + ".svg",
                             "/share/icons/hicolor/48x48/apps/" + desktopId + ".png",
                             "/share/icons/hicolor/256x256/apps/" + desktopId + ".png",
                             "/lib/udev/rules.d/70-tavo-keyboard.rules"};
        for (QString &file : expected)
            file.prepend(prefix);
        expected.sort();
        QCOMPARE(files, expected);
    }

    void desktopEntry_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        const auto row = [](const QString &key, const QString &value) {
            QTest::newRow(qPrintable(key)) << key << value;
        };
        row("Type", "Application");
        for (const QString language : {"en", "ja"}) {
            const QString suffix = language == "en" ? "" : "[" + language + "]";
            row("Name" + suffix, textIn(language, "ApplicationName"));
            row("GenericName" + suffix, textIn(language, "ApplicationGenericName"));
            row("Comment" + suffix, textIn(language, "ApplicationComment"));
        }
        // The full path in quotes, and no field codes: the program opens files from its own panels.
        row("Exec", "\"" + prefix + "/bin/" + desktopId + "\"");
        row("Icon", desktopId);
        row("Terminal", "false");
        // One main category, so that the program stands once in a menu.
        row("Categories", "Settings;HardwareSettings;");
        // The class of the program's window is its application name.
        row("StartupWMClass", desktopId);
        // Not a key of the format that the platform's validator knows.
        row("SingleMainWindow", QString());
    }

    // The key holds the value; a null value stands for a key that is not there.
    void desktopEntry()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        const QMap<QString, QString> entry = readEntry(installed(entryPath));
        QVERIFY2(entry.contains(key) != value.isNull(), qPrintable(readText(installed(entryPath))));
        QCOMPARE(entry.value(key), value);
    }

    void desktopEntryPassesTheValidator()
    {
        const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
        QVERIFY2(!validator.isEmpty(),
                 "desktop-file-validate is missing (Debian package desktop-file-utils)");
        QProcess validate;
        validate.setProcessChannelMode(QProcess::MergedChannels);
        validate.start(validator, {installed(entryPath)});
        QVERIFY(validate.waitForFinished());
        const QString output = QString::fromUtf8(validate.readAll());
        // A hint on the categories: the program may stand more than once in a menu.
        static const QRegularExpression categoriesHint(QStringLiteral("hint: .*\"Categories\""));
        QVERIFY2(validate.exitCode() == 0 && !output.contains("error:") &&
                     !output.contains("warning:") && !output.contains(categoriesHint),
                 qPrintable(output));
    }

    void refusesAPrefixTheEntryCannotHold_data()
    {
        QTest::addColumn<bool>("isConfiguring");
        QTest::addColumn<QString>("unfitPrefix");
        // The prefix as the message shows it.
        QTest::addColumn<QString>("shown");
        QTest::newRow("install, newline") << false << "/opt/keymap\nbin"
                                          << "/opt/keymap\\nbin";
        QTest::newRow("install, tab") << false << "/opt/keymap\ttool"
                                      << "/opt/keymap\\ttool";
        QTest::newRow("install, escape") << false << "/opt/keymap\x1b"
                                         << "/opt/keymap\\x1b";
        QTest::newRow("configure, newline") << true << "/opt/keymap\nbin"
                                            << "/opt/keymap\\nbin";
        QTest::newRow("configure, tab") << true << "/opt/keymap\ttool"
                                        << "/opt/keymap\\ttool";
    }

    // A prefix with a control character would break the desktop entry's Exec line, a newline
    // making a second Exec line of its end: the configuration, or the installation before it puts
    // anything in place, stops with a message that names the prefix.
    void refusesAPrefixTheEntryCannotHold()
    {
        QFETCH(bool, isConfiguring);
        QFETCH(QString, unfitPrefix);
        QFETCH(QString, shown);
        QTemporaryDir folder;
        QProcess cmake;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DESTDIR", folder.filePath("root"));
        cmake.setProcessEnvironment(environment);
        const QStringList arguments =
            isConfiguring ? QStringList{"-S",
                                        KEYMAP_SOURCE_DIR,
                                        "-B",
                                        folder.filePath("build"),
                                        "-G",
                                        KEYMAP_CMAKE_GENERATOR,
                                        "-DKEYMAP_BUILD_TESTS=OFF",
                                        "-DKEYMAP_BUILD_BENCH=OFF",
                                        "-DCMAKE_INSTALL_PREFIX=" + unfitPrefix}
                          : QStringList{"--install", KEYMAP_BUILD_DIR, "--prefix", unfitPrefix};
        cmake.start(KEYMAP_CMAKE_COMMAND, arguments);
        QVERIFY(cmake.waitForFinished(120000));
        const QString output = QString::fromUtf8(cmake.readAllStandardError());
        QVERIFY2(cmake.exitCode() != 0, qPrintable(output));
        QVERIFY2(output.contains("prefix \"" + shown + "\""), qPrintable(output));
        QVERIFY(!QFileInfo::exists(folder.filePath("root")));
    }

    void icon_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<int>("size");
        const QString apps = "/apps/" + desktopId;
        QTest::newRow("drawing") << "scalable" + apps + ".svg" << QByteArray("svg") << 256;
        QTest::newRow("48 px") << "48x48" + apps + ".png" << QByteArray("png") << 48;
        QTest::newRow("256 px") << "256x256" + apps + ".png" << QByteArray("png") << 256;
    }

    void icon()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, format);
        QFETCH(int, size);
        QImageReader reader(installed("share/icons/hicolor/" + path));
        QCOMPARE(reader.format(), format);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), QSize(size, size));
        // A picture on a clear ground: drawn in the middle, nothing in the corners.
        QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(size - 1, size - 1)), 0);
    }

    void udevRule()
    {
        const QString rule = readText(KEYMAP_SOURCE_DIR "/packaging/70-tavo-keyboard.rules");
        QVERIFY(!rule.isEmpty());
        QCOMPARE(readText(installed("lib/udev/rules.d/70-tavo-keyboard.rules")), rule);
    }

    void installedProgramStarts()
    {
        // The program's log, settings and lock stay in home, and it finds no message bus.
        QTemporaryDir home;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
            environment.insert(name, home.filePath(name));
        environment.insert("HOME", home.path());
        environment.insert("XDG_RUNTIME_DIR", home.path());
        environment.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + home.filePath("no-bus"));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("KEYMAP_TOOL_DEVICE", "emulated");
        environment.remove("KEYMAP_TOOL_EMULATED");
        QProcess program;
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(home.path());
        program.start(installed("bin/" + desktopId), {});
        QVERIFY(program.waitForStarted());

        const QString line = ": AppVersion: " + Utility::getAppVersion() + "\n";
        const auto logged = [&] {
            return loggedUnder(home.filePath("XDG_DATA_HOME")).contains(line);
        };
        QTRY_VERIFY_WITH_TIMEOUT(logged() || program.state() == QProcess::NotRunning, 60000);
        const QByteArray output = program.readAllStandardError();
        program.kill();
        program.waitForFinished();
        QVERIFY2(logged(), output.constData());
    }

private:
    QString installed(const QString &path) const { return m_root.path() + prefix + '/' + path; }

    QTemporaryDir m_root;
};

QTEST_GUILESS_MAIN(tst_Install)
#include "tst_install.moc"
