#include "slidehintanimation.h"

#include <QElapsedTimer>
#include <QTest>

namespace {
// Counts the slides that begin: each first shows its circle at the start of a line not yet drawn.
struct SlideCounter
{
    explicit SlideCounter(const SlideHintAnimation &hint)
    {
        QObject::connect(&hint, &SlideHintAnimation::drawingChanged, &context, [this, &hint] {
            const bool atStart = hint.isDrawn() && hint.drawnLine().length() == 0;
            slides += atStart && !wasAtStart;
            wasAtStart = atStart;
        });
    }
    QObject context;
    bool wasAtStart = false;
    int slides = 0;
};

bool slideHasEnded(const SlideHintAnimation &hint)
{
    return hint.isDrawn() &&
           hint.drawnLine().p2() == SlideHintAnimation::path(hint.selectedIndex()).lineTo;
}
} // namespace

// The slide hint: its path for each slide key, one slide and its removal, the repeats, and the
// pointer's rest that starts it and its leaving that stops it, on a clock running faster (the
// hover delay is 300 ms of real time, a slide 1 s, its removal 0.3 s later, a repeat every 2.1 s).
class tst_SlideHintAnimation : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { SlideHintAnimation::setTimeScaleForTesting(1.0); }

    void pathOfEachKey_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("pad");
        QTest::addColumn<QPointF>("circleStart");
        QTest::addColumn<QPointF>("lineFrom");
        const auto row = [](const char *name, int index, int pad, QPointF circle, QPointF line) {
            QTest::newRow(name) << index << pad << circle << line;
        };
        row("1: side left, forwards", 1, 0, {35, 82}, {50, 97});
        row("2: front left, to the left", 2, 1, {140, 65}, {155, 78});
        row("3: front left, to the right", 3, 1, {20, 65}, {35, 78});
        row("4: front right, to the left", 4, 2, {200, 65}, {215, 78});
        row("5: front right, to the right", 5, 2, {20, 65}, {35, 78});
        row("6: side right, backwards", 6, 3, {25, 66}, {35, 79});
        row("7: side right, forwards", 7, 3, {185, 86}, {200, 99});
        row("-1 as 0", -1, 0, {195, 65}, {210, 80});
        row("8 as 0", 8, 0, {195, 65}, {210, 80});
    }

    // Each slide starts with the circle at its start and no line yet, on its pad's picture.
    void pathOfEachKey()
    {
        QFETCH(int, index);
        QFETCH(int, pad);
        QFETCH(QPointF, circleStart);
        QFETCH(QPointF, lineFrom);
        SlideHintAnimation hint;
        QVERIFY(!hint.isDrawn());
        hint.showSlideAnimation1(index);
        QCOMPARE(hint.padIndex(), pad);
        QCOMPARE(hint.circleFrame(), QRectF(circleStart, QSizeF(30, 30)));
        QCOMPARE(hint.drawnLine(), QLineF(lineFrom, lineFrom));
    }

    // After its second the circle has moved by its offset and the whole line is drawn; both stay
    // a little longer, then go.
    void aSlideEndsWhereItsPathDoesAndGoesLater()
    {
        constexpr double scale = 0.2;
        SlideHintAnimation::setTimeScaleForTesting(scale);
        SlideHintAnimation hint;
        QElapsedTimer clock;
        qint64 endedAt = -1, removedAt = -1;
        // Read where the slide ended as it ends: a busy machine may wake the test only after the
        // removal.
        QPointF endedCircle;
        QLineF endedLine;
        connect(&hint, &SlideHintAnimation::drawingChanged, this, [&] {
            if (endedAt < 0 && slideHasEnded(hint)) {
                endedAt = clock.elapsed();
                endedCircle = hint.circleFrame().topLeft();
                endedLine = hint.drawnLine();
            }
            if (endedAt >= 0 && removedAt < 0 && !hint.isDrawn())
                removedAt = clock.elapsed();
        });
        clock.start();
        hint.showSlideAnimation(0);
        QTRY_VERIFY(endedAt >= 0);
        QVERIFY(endedAt >= 1000 * scale);
        QCOMPARE(endedCircle, QPointF(195 - 160, 65 + 16));
        QCOMPARE(endedLine, QLineF(210, 80, 50, 97));
        QTRY_VERIFY(removedAt >= 0);
        QVERIFY(removedAt - endedAt >= 300 * scale);
        QVERIFY(hint.timer());
    }

    // A second start replaces the first one's repeats: the slides keep the pace of one timer.
    void twoStartsLeaveOneRepeat()
    {
        constexpr double scale = 0.1;
        SlideHintAnimation::setTimeScaleForTesting(scale);
        SlideHintAnimation hint;
        SlideCounter counter(hint);
        hint.showSlideAnimation(0);
        hint.showSlideAnimation(2);
        QCOMPARE(counter.slides, 1);
        QTest::qWait(5 * 2100 * scale + 50);
        // Five repeats at most; two timers would have made ten.
        QVERIFY2(counter.slides >= 2 && counter.slides <= 6,
                 qPrintable(QString::number(counter.slides)));
        QCOMPARE(hint.selectedIndex(), 2);
    }

    void leavingMidSlideRemovesAllAtOnce()
    {
        constexpr double scale = 0.2;
        SlideHintAnimation::setTimeScaleForTesting(scale);
        SlideHintAnimation hint;
        SlideCounter counter(hint);
        hint.pointerEntered(1);
        QTRY_VERIFY(hint.isDrawn() && hint.drawnLine().length() > 0);
        QVERIFY(!slideHasEnded(hint));
        hint.pointerExited(1);
        QVERIFY(!hint.isDrawn());
        QCOMPARE(hint.timer(), nullptr);
        QTest::qWait((2100 + 300) * scale);
        QVERIFY(!hint.isDrawn());
        QCOMPARE(counter.slides, 1);
    }

    // The removal that a slide's end schedules leaves a slide that has begun since alone.
    void aLateRemovalSparesTheNextSlide()
    {
        constexpr double scale = 0.5;
        SlideHintAnimation::setTimeScaleForTesting(scale);
        SlideHintAnimation hint;
        hint.showSlideAnimation1(0);
        QTRY_VERIFY(slideHasEnded(hint));
        hint.showSlideAnimation1(2);
        QTest::qWait(2 * 300 * scale);
        QVERIFY(hint.isDrawn());
        QCOMPARE(hint.padIndex(), 1);
    }

    // The pointer must rest 0.3 s without leaving: a leave and a return start the wait again.
    void reEnteringWithinTheDelayStartsItAgain()
    {
        SlideHintAnimation hint;
        hint.pointerEntered(3);
        QTest::qWait(100);
        hint.pointerExited(3);
        QElapsedTimer sinceReturn;
        sinceReturn.start();
        hint.pointerEntered(3);
        QTRY_VERIFY(hint.isDrawn());
        QVERIFY2(sinceReturn.elapsed() >= 300, qPrintable(QString::number(sinceReturn.elapsed())));
        QCOMPARE(hint.selectedIndex(), 3);
        QVERIFY(hint.timer());
    }

    void enteringAnotherKeyWhileRepeatingStartsNothing()
    {
        constexpr double scale = 0.1;
        SlideHintAnimation::setTimeScaleForTesting(scale);
        SlideHintAnimation hint;
        hint.showSlideAnimation(0);
        hint.pointerEntered(4);
        QTest::qWait(2 * 300 * scale);
        QVERIFY(hint.selectedIndex() == 0 && hint.padIndex() == 0);
    }

    // Nothing the hint scheduled runs once it is gone.
    void theRepeatsEndWithTheirOwner()
    {
        constexpr double scale = 0.05;
        SlideHintAnimation::setTimeScaleForTesting(scale);
        auto *hint = new SlideHintAnimation;
        hint->pointerEntered(0);
        QTRY_VERIFY(hint->timer());
        QTRY_VERIFY(slideHasEnded(*hint));
        delete hint;
        QTest::qWait(2 * 2100 * scale);
    }
};

QTEST_GUILESS_MAIN(tst_SlideHintAnimation)
#include "tst_slidehintanimation.moc"
