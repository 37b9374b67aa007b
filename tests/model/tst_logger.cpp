#include "capturedoutput.h"
#include "commandline.h"
#include "constants.h"
#include "localtime.h"
#include "logfile.h"
#include "logger.h"
#include "resourcefixture.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <future>
#include <memory>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

// The day's log file: its line format on a 12-hour clock, debug lines and hex dumps only with
// "--verbose", whole lines whoever writes them, values that cannot forge a line, a folder only its
// user can read, and nothing written or changed that is not the user's own log.
class tst_Logger : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture = std::make_unique<ResourceFixture>();
        LogFile::startRunForTesting();
        m_now = QDateTime(QDate(2026, 3, 5), QTime(14, 5, 9));
        LocalTime::setSourceForTesting([this] { return m_now; });
    }

    void cleanup()
    {
        LogFile::setAfterOpenForTesting({});
        LocalTime::setSourceForTesting({});
        CommandLine::setArguments({});
        m_fixture.reset();
    }

    void lines_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QTime>("time");
        // "info", "error", "debug", or "dump <n>" for the bytes 0 to n - 1.
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("text");
        const auto row = [](const char *name, const char *argument, const char *time,
                            const char *call, const QString &text) {
            QTest::newRow(name) << QString(argument) << QTime::fromString(time) << QString(call)
                                << text;
        };
        const auto line = [](const char *time, const char *level, const QString &message) {
            return QString("20260305 %1 | [%2] driver.cpp [812] readKeyboard: %3\n")
                .arg(time, level, message);
        };
        const QString debug = line("02:05:09", "DEBUG", "begin");
        const QString dump =
            line("02:05:09", "DEBUG", "\n00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f");

        row("afternoon on a 12-hour clock", "", "14:05:09", "info",
            line("02:05:09", "INFO", "begin"));
        row("half past midnight is twelve", "", "00:30:00", "error",
            line("12:30:00", "ERROR", "begin"));
        row("noon stays twelve", "", "12:00:01", "info", line("12:00:01", "INFO", "begin"));
        row("debug without --verbose", "", "14:05:09", "debug", "");
        row("debug with --verbose", "--verbose", "14:05:09", "debug", debug);
        row("--verbose=1 is not the option", "--verbose=1", "14:05:09", "debug", "");
        row("dump without --verbose", "", "14:05:09", "dump 1", "");
        row("empty dump is the header alone", "--verbose", "14:05:09", "dump 0",
            line("02:05:09", "DEBUG", "\n"));
        row("sixteen bytes in one row", "--verbose", "14:05:09", "dump 16", dump);
        row("seventeenth byte on a row of its own", "--verbose", "14:05:09", "dump 17",
            dump.chopped(1) + "\n10\n");
    }

    void lines()
    {
        QFETCH(QString, argument);
        QFETCH(QTime, time);
        QFETCH(QString, call);
        QFETCH(QString, text);
        CommandLine::setArguments({"tavo-keymap-tool", argument});
        m_now.setTime(time);
        const char *file = "/home/dev/src/link/driver.cpp";
        QByteArray bytes;
        for (int i = 0; i < call.section(' ', 1).toInt(); ++i)
            bytes.append(char(i));

        Logger logger;
        if (call == "info")
            logger.info(file, "readKeyboard", 812, "begin");
        else if (call == "error")
            logger.error(file, "readKeyboard", 812, "begin");
        else if (call == "debug")
            logger.debug(file, "readKeyboard", 812, "begin");
        else
            logger.debugBinaries(file, "readKeyboard", 812, bytes);

        QCOMPARE(m_fixture->logText(), text);
    }

    void recreatesDeletedFolder()
    {
        Logger logger;
        logger.info("a.cpp", "f", 1, "first");
        QVERIFY(QDir(m_fixture->root() + "logs").removeRecursively());

        logger.info("a.cpp", "f", 2, "second");

        QVERIFY(QFile::exists(m_fixture->root() + "logs/20260305.log"));
        QCOMPARE(m_fixture->logText(), "20260305 02:05:09 | [INFO] a.cpp [2] f: second\n");
    }

    // Workers log at once, each through a logger of its own or through one whose "--verbose" is
    // switched meanwhile (a data race for a ThreadSanitizer build when the level is a plain
    // field): every line is whole, and no information line is lost.
    void linesFromManyThreadsStayWhole()
    {
        const QString message(300, 'x');
        Logger switched;
        std::vector<std::thread> threads;
        for (int t = 0; t < 8; ++t) {
            threads.emplace_back([&switched, &message, t] {
                Logger own;
                for (int i = 0; i < 200; ++i) {
                    if (t % 2)
                        switched.debug("a.cpp", "worker", i, message);
                    else
                        own.info("a.cpp", "worker", i, message);
                }
            });
        }
        for (int i = 0; i < 400; ++i)
            switched.setLogLevel(i % 2 ? LogLevel::debug : LogLevel::normal);
        for (std::thread &thread : threads)
            thread.join();

        const QStringList lines = m_fixture->logText().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.filter("[INFO]").size(), 4 * 200);
        for (const QString &line : lines)
            QVERIFY2(line.endsWith("worker: " + message), qPrintable(line.left(60)));
    }

    void escapedValues_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("logged");
        const auto row = [](const char *name, const QString &value, const QString &logged) {
            QTest::newRow(name) << value << logged;
        };
        row("Japanese text kept", "日本語配列 ＫＸ", "日本語配列 ＫＸ");
        row("line break", "KX\n20260305 02:05:09 | [ERROR] x",
            "KX\\n20260305 02:05:09 | [ERROR] x");
        row("carriage return", "a\rb", "a\\rb");
        row("tab", "a\tb", "a\\tb");
        row("NUL", QString(QChar(0)), "\\x00");
        row("next line of C1", QString(QChar(0x85)), "\\x85");
        row("line separator", "a\u2028b", "a\\u2028b");
        row("paragraph separator", "a\u2029b", "a\\u2029b");
    }

    void escapedValues()
    {
        QFETCH(QString, value);
        QFETCH(QString, logged);
        QCOMPARE(Logger::escaped(value), logged);
    }

    // Serial numbers and, with "--verbose", every report go into the log: the folders it makes
    // and its files are the user's alone, whatever the umask.
    void folderAndFilesAreTheUsers()
    {
        const mode_t umask = ::umask(022);
        Constants::setLogDirectoryForTesting(m_fixture->root() + "data/tool/logs/");
        Logger().info("a.cpp", "f", 1, "Serial: 0123");
        ::umask(umask);

        const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                            QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
        const auto owner = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
        for (const char *folder : {"data", "data/tool", "data/tool/logs"}) {
            const QFile::Permissions permissions = QFile::permissions(m_fixture->root() + folder);
            QCOMPARE(permissions & (owner | others), owner);
        }
        const QFile::Permissions file =
            QFile::permissions(m_fixture->root() + "data/tool/logs/20260305.log");
        QCOMPARE(file & (owner | others), QFile::ReadOwner | QFile::WriteOwner);
    }

    void widerModesOfAnEarlierVersion_data()
    {
        QTest::addColumn<int>("folderMode");
        // The day's file's mode, or -1 when there is no file yet.
        QTest::addColumn<int>("fileMode");
        // Both belong to another user, whose modes the program leaves alone.
        QTest::addColumn<bool>("othersOwn");

        QTest::newRow("folder and file readable by all") << 0755 << 0644 << false;
        QTest::newRow("folder and file writable by all") << 0777 << 0666 << false;
        QTest::newRow("folder readable by all, no file yet") << 0755 << -1 << false;
        QTest::newRow("folder executable by the group only") << 0710 << 0600 << false;
        QTest::newRow("file that the user may not run") << 0700 << 0700 << false;
        QTest::newRow("another user's folder and file") << 0755 << 0644 << true;
    }

    // The folder and the day's file that an earlier version made with wider modes become the
    // user's alone when the next line is written, and keep what they held. Another user's are
    // neither changed nor written.
    void widerModesOfAnEarlierVersion()
    {
        QFETCH(int, folderMode);
        QFETCH(int, fileMode);
        QFETCH(bool, othersOwn);
        const QByteArray folder = QFile::encodeName(m_fixture->root() + "logs");
        const QByteArray file = folder + "/20260305.log";
        QVERIFY(QDir().mkpath(folder));
        QCOMPARE(::chmod(folder.constData(), mode_t(folderMode)), 0);
        if (fileMode >= 0) {
            QFile earlier(file);
            QVERIFY(earlier.open(QIODevice::WriteOnly));
            earlier.write("earlier\n");
            earlier.close();
            QCOMPARE(::chmod(file.constData(), mode_t(fileMode)), 0);
        }
        if (othersOwn && (!giveAway(folder) || !giveAway(file)))
            QSKIP("Files cannot be given to another user here.");

        Logger().info("a.cpp", "f", 1, "later");

        const auto modeOf = [](const QByteArray &path) {
            struct stat status = {};
            return ::stat(path.constData(), &status) == 0 ? int(status.st_mode & 07777) : -1;
        };
        QCOMPARE(modeOf(folder), othersOwn ? folderMode : 0700);
        QCOMPARE(modeOf(file), othersOwn ? fileMode : 0600);
        QCOMPARE(m_fixture->logText(),
                 QString(fileMode >= 0 ? "earlier\n" : "") +
                     (othersOwn ? "" : "20260305 02:05:09 | [INFO] a.cpp [1] f: later\n"));
    }

    void leavesAloneWhatIsNotTheUsersOwn_data()
    {
        // What stands at the log folder's or the day's file's path.
        QTest::addColumn<QString>("planted");
        // The path that standard error names, under the fixture's folder, and why.
        QTest::addColumn<QString>("named");
        QTest::addColumn<QString>("reason");
        const auto row = [](const char *name, const char *planted, const QString &named,
                            const char *reason) {
            QTest::newRow(name) << QString(planted) << named << QString(reason);
        };
        row("log folder a link to a folder elsewhere", "folder link", "logs", "is a symbolic link");
        row("day's file a link to a file elsewhere", "file link", "logs/20260305.log",
            "is a symbolic link");
        row("day's file a second hard link of a file elsewhere", "hard link", "logs/20260305.log",
            "has other hard links");
        row("day's file a FIFO", "fifo", "logs/20260305.log", "is not a regular file");
        row("another user's day's file", "given away", "logs/20260305.log",
            "belongs to another user");
        row("day's file a hard link taken back between the open and the check",
            "hard link taken back", "logs/20260305.log", "changed while it was opened");
        row("log folder past the longest path under missing folders", "folders 2100",
            QString("d/").repeated(2100) + "logs", "is too long");
        row("log folder tens of thousands of missing folders deep", "folders 40000",
            QString("d/").repeated(40000) + "logs", "is too long");
        // Not refused: standard error says nothing, and the next line is written.
        row("file size limit below the day's file", "size limit", "", "");
    }

    // A folder and a file elsewhere stay as they are whatever stands in the log's place, and
    // logging comes back at once without a log file; standard error says why once. A line that
    // cannot be written is lost, and the program goes on.
    void leavesAloneWhatIsNotTheUsersOwn()
    {
        QFETCH(QString, planted);
        QFETCH(QString, named);
        QFETCH(QString, reason);
        const QString root = m_fixture->root();
        const QString elsewhere = root + "elsewhere/20260305.log";
        const QString day = root + "logs/20260305.log";
        QVERIFY(QDir().mkpath(root + "elsewhere"));
        m_fixture->writeFile("elsewhere/20260305.log", "elsewhere\n");
        QCOMPARE(::chmod(QFile::encodeName(root + "elsewhere").constData(), 0755), 0);
        QCOMPARE(::chmod(QFile::encodeName(elsewhere).constData(), 0644), 0);
        const qsizetype depth =
            planted.startsWith("folders ") ? planted.section(' ', 1).toInt() : 0;
        if (depth > 0) {
            Constants::setLogDirectoryForTesting(root + QString("d/").repeated(depth) + "logs/");
        } else if (planted == "folder link") {
            QVERIFY(QFile::link(root + "elsewhere", root + "logs"));
        } else {
            QVERIFY(QDir().mkpath(root + "logs"));
            const QByteArray dayName = QFile::encodeName(day);
            if (planted == "file link")
                QVERIFY(QFile::link(elsewhere, day));
            else if (planted == "hard link")
                QCOMPARE(::link(QFile::encodeName(elsewhere).constData(), dayName.constData()), 0);
            else if (planted == "fifo")
                QCOMPARE(::mkfifo(dayName.constData(), 0644), 0);
            else if (planted == "hard link taken back")
                QVERIFY(takeBackAfterOpen(elsewhere, day));
            else if (planted == "size limit")
                QVERIFY(writeUsersDay(day, "earlier\n"));
            else if (!QFile::copy(elsewhere, day) || ::chmod(dayName.constData(), 0644) != 0 ||
                     !giveAway(dayName))
                QSKIP("Files cannot be given to another user here.");
        }
        // The name taken back is gone, and with it what it described.
        QStringList watched{root + "elsewhere", elsewhere, root + "d"};
        if (planted != "hard link taken back")
            watched.append(day);
        QStringList before;
        for (const QString &path : watched)
            before.append(describe(path));

        const std::optional<QString> errors =
            planted == "size limit" ? logTwiceWithin(8, day) : logTwice(day);

        QVERIFY2(errors, "logging waited on the day's file");
        for (qsizetype i = 0; i < watched.size(); ++i)
            QCOMPARE(describe(watched[i]), before[i]);
        if (named.isEmpty()) {
            QCOMPARE(*errors, "");
            Logger().info("a.cpp", "f", 3, "third");
            QCOMPARE(m_fixture->logText(),
                     "earlier\n20260305 02:05:09 | [INFO] a.cpp [3] f: third\n");
            return;
        }
        QCOMPARE(*errors, "Logging is off for this run: " + root + named + ' ' + reason + '\n');
    }

private:
    // The day's name is a second hard link of the file at elsewhere until the log has opened
    // it, and then no more: the file has one link again when the log looks at it.
    static bool takeBackAfterOpen(const QString &elsewhere, const QString &day)
    {
        const QByteArray dayName = QFile::encodeName(day);
        LogFile::setAfterOpenForTesting([day, dayName](const QString &opened) {
            if (opened == day)
                ::unlink(dayName.constData());
        });
        return ::link(QFile::encodeName(elsewhere).constData(), dayName.constData()) == 0;
    }

    // The day's file as the log makes it, holding text.
    static bool writeUsersDay(const QString &day, const QByteArray &text)
    {
        QFile file(day);
        return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() &&
               file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }

    // logTwice() with files limited to bytes, as by "ulimit -f".
    static std::optional<QString> logTwiceWithin(rlim_t bytes, const QString &day)
    {
        struct rlimit limit = {};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        const rlim_t unlimited = limit.rlim_cur;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const std::optional<QString> errors = logTwice(day);
        limit.rlim_cur = unlimited;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        return errors;
    }

    // Gives the thing at path to the nobody user of most systems. Only the superuser may, and
    // only when the tests do not run as that user already.
    static bool giveAway(const QByteArray &path)
    {
        const uid_t nobody = 65534;
        return ::geteuid() != nobody && ::chown(path.constData(), nobody, nobody) == 0;
    }

    // What the thing at path is without opening a FIFO: its type and modes, its size, and the
    // contents of a file or the entries of a folder.
    static QString describe(const QString &path)
    {
        struct stat status = {};
        if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
            return "missing";
        QString text = QString::number(status.st_mode, 8) + ' ' + QString::number(status.st_size);
        QFile file(path);
        if (S_ISDIR(status.st_mode))
            text += ' ' + QDir(path)
                              .entryList(QDir::AllEntries | QDir::System | QDir::Hidden |
                                         QDir::NoDotAndDotDot)
                              .join(',');
        else if (S_ISREG(status.st_mode) && file.open(QIODevice::ReadOnly))
            text += ' ' + QString::fromUtf8(file.readAll());
        return text;
    }

    // Logs two lines on a thread of its own and answers what went to standard error meanwhile, or
    // nothing when the lines did not come back within seconds. A writer caught waiting for a
    // reader of a FIFO at day is then given one, so that the test ends.
    static std::optional<QString> logTwice(const QString &day)
    {
        CapturedOutput captured(STDERR_FILENO);
        std::promise<void> logged;
        std::future<void> returned = logged.get_future();
        std::thread worker([&logged] {
            Logger logger;
            logger.info("a.cpp", "f", 1, "first");
            logger.info("a.cpp", "f", 2, "second");
            logged.set_value();
        });
        const bool inTime = returned.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
        const int reader =
            inTime ? -1 : ::open(QFile::encodeName(day).constData(), O_RDONLY | O_NONBLOCK);
        worker.join();
        if (reader >= 0)
            ::close(reader);
        const QString errors = captured.text();
        return inTime ? std::optional<QString>(errors) : std::nullopt;
    }

    std::unique_ptr<ResourceFixture> m_fixture;
    QDateTime m_now;
};

QTEST_GUILESS_MAIN(tst_Logger)
#include "tst_logger.moc"
