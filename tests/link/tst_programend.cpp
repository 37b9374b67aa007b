#include "dispatcher.h"
#include "linkfixture.h"

#include <QSemaphore>
#include <QTest>

using std::chrono::milliseconds;

namespace {

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

// The end of the program while the keyboard's workers talk to the keyboard.
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
};

QTEST_GUILESS_MAIN(tst_ProgramEnd)
#include "tst_programend.moc"
