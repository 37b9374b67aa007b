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

// What the platform's validator says against the desktop entry at path: nothing for an entry
// that passes, without even a hint on its categories (the program may then stand more than once in
// a menu).
QString validatorComplaints(const QString &path)
{
    const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
    if (validator.isEmpty())
        return "desktop-file-validate is missing (Debian package desktop-file-utils)";
    QProcess validate;
    validate.setProcessChannelMode(QProcess::MergedChannels);
    validate.start(validator, {path});
    if (!validate.waitForFinished())
        return "desktop-file-validate did not end";
    const QString output = QString::fromUtf8(validate.readAll());
    static const QRegularExpression categoriesHint(QStringLiteral("hint: .*\"Categories\""));
    const bool passes = validate.exitCode() == 0 && !output.contains("error:") &&
                        !output.contains("warning:") && !output.contains(categoriesHint);
    return passes ? QString()
                  : output + "(exit status " + QString::number(validate.exitCode()) + ")";
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
        QCOMPARE(validatorComplaints(installed(entryPath)), QString());
    }

    void refusesAPathTheEntryCannotHold_data()
    {
        QTest::addColumn<bool>("isConfiguring");
        // The prefix or the bin folder, as bytes: a path need not be UTF-8.
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QByteArray>("unfitPath");
        // The path as the message shows it, after its name.
        QTest::addColumn<QString>("shown");
        const auto row = [](const char *name, bool isConfiguring, const QString &variable,
                            const QByteArray &unfitPath, const QString &shown) {
            QTest::newRow(name) << isConfiguring << variable << unfitPath << shown;
        };
        const QString prefix = QStringLiteral("CMAKE_INSTALL_PREFIX");
        const QString binFolder = QStringLiteral("CMAKE_INSTALL_BINDIR");
        row("install, newline", false, prefix, "/opt/keymap\nbin", "prefix \"/opt/keymap\\nbin\"");
        row("install, tab", false, prefix, "/opt/keymap\ttool", "prefix \"/opt/keymap\\ttool\"");
        row("install, escape", false, prefix, "/opt/keymap\x1b", "prefix \"/opt/keymap\\x1b\"");
        row("configure, newline", true, prefix, "/opt/keymap\nbin", "prefix \"/opt/keymap\\nbin\"");
        row("configure, tab", true, prefix, "/opt/keymap\ttool", "prefix \"/opt/keymap\\ttool\"");
        // A desktop entry is UTF-8 text: Latin-1 bytes, a lone continuation byte, a cut sequence.
        row("install, Latin-1", false, prefix, "/opt/k\xe9ymap", "prefix \"/opt/k\\xe9ymap\"");
        row("install, lone continuation byte", false, prefix, "/opt/\x80", "prefix \"/opt/\\x80\"");
        row("configure, cut sequence", true, prefix, "/opt/\xe3\x82", "prefix \"/opt/\\xe3\\x82\"");
        // Any byte past ASCII is shown escaped once the path is not UTF-8.
        row("configure, UTF-8 then Latin-1", true, prefix, "/opt/\xc3\xa9\xe9",
            "prefix \"/opt/\\xc3\\xa9\\xe9\"");
        // The bin folder stands on the Exec line too.
        row("configure, bin folder with a newline", true, binFolder, "bin\nExec=/bin/sh",
            "CMAKE_INSTALL_BINDIR \"bin\\nExec=/bin/sh\"");
        row("configure, bin folder with a tab", true, binFolder, "bin\ttool",
            "CMAKE_INSTALL_BINDIR \"bin\\ttool\"");
        row("configure, bin folder in Latin-1", true, binFolder, "b\xeen",
            "CMAKE_INSTALL_BINDIR \"b\\xeen\"");
    }

    // A prefix or a bin folder with a control character would break the desktop entry's Exec
    // line, a newline making a second Exec line of its end, and one that is not UTF-8 makes an
    // entry the desktop refuses: the configuration, or the installation before it puts anything
    // in place, stops with a message that names the path.
    void refusesAPathTheEntryCannotHold()
    {
        QFETCH(bool, isConfiguring);
        QFETCH(QString, variable);
        QFETCH(QByteArray, unfitPath);
        QFETCH(QString, shown);
        QTemporaryDir folder;
        QProcess cmake;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DESTDIR", folder.filePath("root"));
        cmake.setProcessEnvironment(environment);
        const QStringList arguments = isConfiguring
                                          ? QStringList{"-S",
                                                        KEYMAP_SOURCE_DIR,
                                                        "-B",
                                                        folder.filePath("build"),
                                                        "-G",
                                                        KEYMAP_CMAKE_GENERATOR,
                                                        "-DKEYMAP_BUILD_TESTS=OFF",
                                                        "-DKEYMAP_BUILD_BENCH=OFF"}
                                          : QStringList{"--install", KEYMAP_BUILD_DIR, "--prefix"};
        const QByteArray unfitArgument =
            isConfiguring ? "-D" + variable.toUtf8() + '=' + unfitPath : unfitPath;
        // QProcess hands on text only: xargs hands on the path's own bytes, as the last argument.
        cmake.start("xargs", QStringList{"-0", KEYMAP_CMAKE_COMMAND} + arguments);
        cmake.write(unfitArgument + '\0');
        cmake.closeWriteChannel();
        QVERIFY(cmake.waitForFinished(120000));
        const QString output = QString::fromUtf8(cmake.readAllStandardError());
        QVERIFY2(cmake.exitCode() != 0, qPrintable(output));
        QVERIFY2(output.contains(shown), qPrintable(output));
        QVERIFY(!QFileInfo::exists(folder.filePath("root")));
    }

    void absoluteBinFolder_data()
    {
        QTest::addColumn<QString>("binFolder");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << "/opt/keymap/bin"
                               << "/opt/keymap/bin/" + desktopId;
        QTest::newRow("with a blank") << "/opt/keymap tool/bin"
                                      << "\"/opt/keymap tool/bin/" + desktopId + "\"";
    }

    // An absolute bin folder is where the program goes, whatever the prefix: the entry's Exec
    // line names it there, and the entry still passes the validator.
    void absoluteBinFolder()
    {
        QFETCH(QString, binFolder);
        QFETCH(QString, exec);
        QTemporaryDir folder;
        QProcess cmake;
        cmake.setProcessChannelMode(QProcess::MergedChannels);
        cmake.start(KEYMAP_CMAKE_COMMAND,
                    {"-S", KEYMAP_SOURCE_DIR, "-B", folder.filePath("build"), "-G",
                     KEYMAP_CMAKE_GENERATOR, "-DKEYMAP_BUILD_TESTS=OFF", "-DKEYMAP_BUILD_BENCH=OFF",
                     "-DCMAKE_INSTALL_BINDIR=" + binFolder});
        QVERIFY(cmake.waitForFinished(120000));
        QVERIFY2(cmake.exitCode() == 0, cmake.readAll().constData());
        // Only the entry's own part of the installation: the program is not built here.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DESTDIR", folder.filePath("root"));
        cmake.setProcessEnvironment(environment);
        cmake.start(KEYMAP_CMAKE_COMMAND,
                    {"-DCMAKE_INSTALL_PREFIX=" + prefix, "-P",
                     folder.filePath("build/packaging/installdesktopentry.cmake")});
        QVERIFY(cmake.waitForFinished(120000));
        QVERIFY2(cmake.exitCode() == 0, cmake.readAll().constData());
        const QString entry = folder.filePath("root") + prefix + '/' + entryPath;
        QCOMPARE(readEntry(entry).value("Exec"), exec);
        QCOMPARE(validatorComplaints(entry), QString());
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
