#include "commandline.h"
#include "constants.h"
#include "localtime.h"
#include "logger.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>
#include <vector>

class tst_Logger : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void lineFormat_data();
    void lineFormat();
    void debugOnlyWhenVerbose_data();
    void debugOnlyWhenVerbose();
    void hexDump_data();
    void hexDump();
    void recreatesDeletedFolder();
    void linesFromManyThreadsStayWhole();

private:
    QString logText() const;

    std::unique_ptr<QTemporaryDir> m_folder;
    QDateTime m_now;
};

void tst_Logger::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    Constants::setLogDirectoryForTesting(m_folder->path() + "/logs/");
    m_now = QDateTime(QDate(2026, 3, 5), QTime(14, 5, 9));
    LocalTime::setSourceForTesting([this] { return m_now; });
    CommandLine::setArguments({"tavo-keymap-tool"});
}

void tst_Logger::cleanup()
{
    LocalTime::setSourceForTesting({});
    Constants::setLogDirectoryForTesting({});
    CommandLine::setArguments({});
}

QString tst_Logger::logText() const
{
    QFile file(m_folder->path() + "/logs/" + m_now.toString("yyyyMMdd") + ".log");
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

void tst_Logger::lineFormat_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("expected");

    QTest::newRow("afternoon on a 12-hour clock")
        << QTime(14, 5, 9) << "info"
        << "20260305 02:05:09 | [INFO] driver.cpp [812] readKeyboard: begin\n";
    QTest::newRow("half past midnight is twelve")
        << QTime(0, 30, 0) << "error"
        << "20260305 12:30:00 | [ERROR] driver.cpp [812] readKeyboard: begin\n";
    QTest::newRow("noon stays twelve")
        << QTime(12, 0, 1) << "info"
        << "20260305 12:00:01 | [INFO] driver.cpp [812] readKeyboard: begin\n";
}

void tst_Logger::lineFormat()
{
    QFETCH(QTime, time);
    QFETCH(QString, level);
    QFETCH(QString, expected);
    m_now.setTime(time);

    Logger logger;
    if (level == "info")
        logger.info("/home/dev/src/link/driver.cpp", "readKeyboard", 812, "begin");
    else
        logger.error("/home/dev/src/link/driver.cpp", "readKeyboard", 812, "begin");

    QCOMPARE(logText(), expected);
}

void tst_Logger::debugOnlyWhenVerbose_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("written");

    QTest::newRow("no option") << QStringList{"tool"} << false;
    QTest::newRow("--verbose") << QStringList{"tool", "--verbose"} << true;
    QTest::newRow("--verbose=1 is not the option") << QStringList{"tool", "--verbose=1"} << false;
    QTest::newRow("-verbose is not the option") << QStringList{"tool", "-verbose"} << false;
}

void tst_Logger::debugOnlyWhenVerbose()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, written);
    CommandLine::setArguments(arguments);

    Logger logger;
    logger.debug("a.cpp", "f", 1, "detail");
    logger.debugBinaries("a.cpp", "f", 2, QByteArray("\x01", 1));
    logger.info("a.cpp", "f", 3, "always");

    const QString text = logText();
    QCOMPARE(text.contains("[DEBUG] a.cpp [1] f: detail\n"), written);
    QCOMPARE(text.contains("[DEBUG] a.cpp [2] f: \n01\n"), written);
    QVERIFY(text.contains("[INFO] a.cpp [3] f: always\n"));
}

void tst_Logger::hexDump_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("body");

    QTest::newRow("empty gives the header alone") << 0 << "";
    QTest::newRow("sixteen bytes in one row")
        << 16 << "00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f";
    QTest::newRow("seventeenth byte on a row of its own")
        << 17 << "00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f\n10";
}

void tst_Logger::hexDump()
{
    QFETCH(int, count);
    QFETCH(QString, body);
    CommandLine::setArguments({"tool", "--verbose"});
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes.append(char(i));

    Logger logger;
    logger.debugBinaries("x/usb.cpp", "send", 7, bytes);

    QCOMPARE(logText(), "20260305 02:05:09 | [DEBUG] usb.cpp [7] send: \n" + body + "\n");
}

void tst_Logger::recreatesDeletedFolder()
{
    Logger logger;
    logger.info("a.cpp", "f", 1, "first");
    QVERIFY(QDir(m_folder->path() + "/logs").removeRecursively());

    logger.info("a.cpp", "f", 2, "second");

    QCOMPARE(logText(), "20260305 02:05:09 | [INFO] a.cpp [2] f: second\n");
}

void tst_Logger::linesFromManyThreadsStayWhole()
{
    constexpr int threadCount = 8;
    constexpr int linesPerThread = 200;
    const QString message(300, 'x');
    std::vector<std::unique_ptr<QThread>> threads;
    for (int t = 0; t < threadCount; ++t) {
        threads.emplace_back(QThread::create([&message] {
            Logger logger;
            for (int i = 0; i < linesPerThread; ++i)
                logger.info("a.cpp", "worker", i, message);
        }));
        threads.back()->start();
    }
    for (auto &thread : threads)
        QVERIFY(thread->wait(30000));

    const QStringList lines = logText().split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), threadCount * linesPerThread);
    for (const QString &line : lines)
        QVERIFY2(line.endsWith("worker: " + message), qPrintable(line.left(60)));
}

QTEST_GUILESS_MAIN(tst_Logger)
#include "tst_logger.moc"
