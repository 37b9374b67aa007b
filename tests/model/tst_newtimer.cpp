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
    void firesAsScheduled_data();
    void firesAsScheduled();
    void invalidatedTimerStaysSilent();
    void goneTargetIsNotCalled();
};

void tst_NewTimer::firesAsScheduled_data()
{
    QTest::addColumn<bool>("repeats");
    QTest::addColumn<bool>("severalTicks");

    QTest::newRow("repeating") << true << true;
    QTest::newRow("once") << false << false;
}

void tst_NewTimer::firesAsScheduled()
{
    QFETCH(bool, repeats);
    QFETCH(bool, severalTicks);
    Ticker ticker;

    auto timer = NewTimer::scheduledTimer(0.01, &ticker, &Ticker::tick, {}, repeats);

    QTRY_VERIFY(ticker.ticks >= 1);
    QTest::qWait(80);
    QCOMPARE(ticker.ticks > 1, severalTicks);
    QCOMPARE(timer->isValid(), true);
}

void tst_NewTimer::invalidatedTimerStaysSilent()
{
    Ticker ticker;
    auto timer = NewTimer::scheduledTimer(0.01, &ticker, &Ticker::tick, {}, true);

    timer->invalidate();
    QTest::qWait(50);

    QCOMPARE(ticker.ticks, 0);
    QVERIFY(!timer->isValid());
}

void tst_NewTimer::goneTargetIsNotCalled()
{
    auto ticker = std::make_unique<Ticker>();
    auto timer = NewTimer::scheduledTimer(0.01, ticker.get(), &Ticker::tick, {}, true);

    ticker.reset();

    QTest::qWait(50); // a call into the deleted target would be a use after free under ASan
    QVERIFY(timer->isValid());
}

QTEST_GUILESS_MAIN(tst_NewTimer)
#include "tst_newtimer.moc"
