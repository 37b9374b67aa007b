#include "constants.h"
#include "dispatcher.h"
#include "linkfixture.h"
#include "logger.h"
#include "realclock.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cstdio>
#include <cstdlib>

using std::chrono::milliseconds;

namespace {

// Set in the environment of the test program's copies (endOfACopy()): the folder of their log.
const char copyFolder[] = "KEYMAP_END_TEST_FOLDER";
// What a copy writes as it comes to its end.
const char endNotice[] = "The copy comes to its end.";

const char notACopy[] =
    "Runs only in a copy of the test program that another test function starts.";

// In a copy that endOfACopy() started: logs into the copy's folder, and answers true.
bool enterCopy()
{
    const QString folder = qEnvironmentVariable(copyFolder);
    if (folder.isEmpty())
        return false;
    Constants::setLogDirectoryForTesting(folder + "/logs/");
    return true;
}

// The requests of a read of the fixture's keyboard that nothing stops.
QList<QByteArray> wholeRead()
{
    LinkFixture fixture;
    fixture.read(&TAVODriver::seekTAVOInNormalMode);
    return fixture.keyboard.requests();
}

// Releases ended as the calling thread ends.
void releaseAtThreadEnd(QSemaphore &ended)
{
    struct Notice
    {
        ~Notice() { semaphore->release(); }
        QSemaphore *semaphore;
    };
    thread_local const Notice notice{&ended};
}

} // namespace

// The end of the program while the keyboard's workers talk to the keyboard: by main's return and
// by exit(), which Qt calls when the display goes.
class tst_ProgramEnd : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Dispatcher::reopenForTesting(); }

    void stopEveryWorker_data()
    {
        QTest::addColumn<bool>("fromTheWorker");

        QTest::newRow("from the GUI thread, the worker waiting for a reply") << false;
        // As when exit() is called on a worker.
        QTest::newRow("inside the worker's own exchange") << true;
    }

    // Stopped in the middle of a read with another read queued: the read under way finishes its
    // exchanges and its result is dropped; neither the queued read nor one asked for afterwards
    // reaches the keyboard. Stopped from the GUI thread, the worker has ended on the return;
    // stopped inside its own exchange, it ends by itself once the read is done.
    void stopEveryWorker()
    {
        QFETCH(bool, fromTheWorker);
        const QList<QByteArray> whole = wholeRead();
        LinkFixture fixture;
        fixture.keyboard.setReplyLatency(milliseconds(1));
        QSemaphore inExchange;
        QSemaphore goOn;
        QSemaphore ended;
        // In the third exchange, while the worker waits for the keyboard's reply.
        fixture.clock.actionAt = fixture.clock.now() + milliseconds(3);
        fixture.clock.action = [&] {
            releaseAtThreadEnd(ended);
            if (fromTheWorker)
                TAVODriver::stopEveryWorker();
            inExchange.release();
            goOn.acquire();
        };
        auto driver = std::make_unique<TAVODriver>(fixture.backend, fixture.clock);
        int reports = 0;
        const auto report = [&reports](const auto &) { ++reports; };
        driver->seekTAVOInNormalMode(report, report);
        driver->seekTAVOInNormalMode(report, report);

        const bool reached = inExchange.tryAcquire(1, 20000);
        goOn.release();
        if (!fromTheWorker)
            TAVODriver::stopEveryWorker();
        const bool workerEnded = ended.tryAcquire(1, fromTheWorker ? 20000 : 0);
        const QList<QByteArray> sent = fixture.keyboard.requests();
        driver->seekTAVOInNormalMode(report, report);
        driver.reset();
        QCoreApplication::sendPostedEvents();

        QVERIFY(reached);
        QVERIFY(workerEnded);
        QCOMPARE(sent, whole);
        QCOMPARE(fixture.keyboard.requests(), whole);
        QCOMPARE(reports, 0);
    }

    void endOfACopy_data()
    {
        QTest::addColumn<QString>("function");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("lastRecord");

        // As Qt ends the program when the display goes.
        QTest::newRow("exit() in the middle of a read")
            << "exitInTheMiddleOfARead" << 1 << QByteArray("End communicate's main thread.\n");
        // As every test program ends: the application object goes before the workers stop.
        QTest::newRow("main's return, the driver never having reported")
            << "makeAnIdleDriver" << 0 << QByteArray();
    }

    // The test program runs a copy of itself running one test function: the copy ends with its
    // status and nothing from the sanitizers, every record of its log in a day's file, the last
    // one lastRecord.
    void endOfACopy()
    {
        QFETCH(QString, function);
        QFETCH(int, status);
        QFETCH(QByteArray, lastRecord);
        QTemporaryDir folder;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(copyFolder, folder.path());
        QProcess copy;
        copy.setProcessEnvironment(environment);

        copy.start(QCoreApplication::applicationFilePath(), {function});

        QVERIFY(copy.waitForFinished(60000));
        const QByteArray errors = copy.readAllStandardError();
        QVERIFY2(!errors.contains("runtime error") && !errors.contains("Sanitizer"), errors);
        QVERIFY2(copy.readAllStandardOutput().contains(endNotice), errors);
        QCOMPARE(copy.exitStatus(), QProcess::NormalExit);
        QCOMPARE(copy.exitCode(), status);
        const QDir logs(folder.filePath("logs"));
        QByteArray logged;
        for (const QString &name : logs.entryList(QDir::Files | QDir::Hidden)) {
            QVERIFY2(QRegularExpression(R"(^\d{8}\.log$)").match(name).hasMatch(),
                     qPrintable(name));
            QFile file(logs.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            logged += file.readAll();
        }
        QVERIFY(logged.endsWith(lastRecord));
    }

    // A copy's part: exit() while the worker reads on the machine's clock, logging every report.
    void exitInTheMiddleOfARead()
    {
        if (!enterCopy())
            QSKIP(notACopy);
        Logger::sharedInstance().setLogLevel(LogLevel::debug);
        EmulatedKeyboard keyboard(RealClock::sharedInstance());
        keyboard.setReplyLatency(milliseconds(1));
        EmulatedBackend backend(keyboard);
        TAVODriver driver(backend, RealClock::sharedInstance());
        driver.seekTAVOInNormalMode([](const auto &) {}, [](const auto &) {});
        const QDeadlineTimer deadline(30000);
        while (keyboard.requests().size() < 3 && !deadline.hasExpired())
            QThread::msleep(1);
        QVERIFY(keyboard.requests().size() >= 3);
        std::puts(endNotice);
        std::fflush(stdout);
        std::exit(1);
    }

    // A copy's part: a driver that hands nothing to the GUI thread.
    void makeAnIdleDriver()
    {
        if (!enterCopy())
            QSKIP(notACopy);
        EmulatedKeyboard keyboard(RealClock::sharedInstance());
        EmulatedBackend backend(keyboard);
        TAVODriver driver(backend, RealClock::sharedInstance());
        std::puts(endNotice);
    }
};

QTEST_GUILESS_MAIN(tst_ProgramEnd)
#include "tst_programend.moc"
