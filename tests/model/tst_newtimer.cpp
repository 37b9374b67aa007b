#include "newtimer.h"

#include <QTest>

// Counts the timer's calls.
class Ticker : public QObject
{
    Q_OBJECT

public:
    void tick() { ++ticks; }
    int ticks = 0;
};

class tst_NewTimer : public QObject
{
    Q_OBJECT

private slots:
    void calls_data()
    {
        QTest::addColumn<bool>("repeats");
        // What happens at once after the timer is scheduled: "", "invalidate" or "target gone".
        QTest::addColumn<QString>("then");
        QTest::addColumn<int>("leastTicks");
        QTest::addColumn<int>("mostTicks");
        QTest::addColumn<bool>("valid");
        QTest::newRow("repeating") << true << "" << 2 << 100 << true;
        QTest::newRow("once") << false << "" << 1 << 1 << true;
        QTest::newRow("invalidated") << true << "invalidate" << 0 << 0 << false;
        // A call into the deleted target would be a use after free under ASan.
        QTest::newRow("target gone") << true << "target gone" << 0 << 0 << true;
    }

    void calls()
    {
        QFETCH(bool, repeats);
        QFETCH(QString, then);
        QFETCH(int, leastTicks);
        QFETCH(int, mostTicks);
        QFETCH(bool, valid);
        auto ticker = std::make_unique<Ticker>();
        auto timer = NewTimer::scheduledTimer(0.01, ticker.get(), &Ticker::tick, {}, repeats);
        if (then == "invalidate")
            timer->invalidate();
        if (then == "target gone")
            ticker.reset();

        if (leastTicks > 0)
            QTRY_VERIFY(ticker->ticks >= 1);
        QTest::qWait(80);
        const int ticks = ticker ? ticker->ticks : 0;
        QVERIFY2(ticks >= leastTicks && ticks <= mostTicks, qPrintable(QString::number(ticks)));
        QCOMPARE(timer->isValid(), valid);
    }
};

QTEST_GUILESS_MAIN(tst_NewTimer)
#include "tst_newtimer.moc"
