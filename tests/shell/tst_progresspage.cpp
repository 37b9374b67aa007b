#include "appdelegate.h"
#include "overlaytracker.h"
#include "progressicon.h"
#include "progresspageview.h"
#include "progresspageviewcontroller.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QVariantAnimation>

#include <memory>

// The progress page over a page: shown and hidden, its texts, its one turning icon, and the page
// beneath that gets no input while it is up.
class tst_ProgressPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void hiddenUntilShown();
    void showSetsTextsAndIsAnOverlay();
    void showTwiceKeepsOneTurningIcon();
    void hideThenShowGoesOnTurning();
    void coversThePageAsItResizes();
    void pageBeneathGetsNoClick();

private:
    std::unique_ptr<QWidget> m_page;
    QPushButton *m_button = nullptr;
    std::unique_ptr<ProgressPageViewController> m_progress;
};

void tst_ProgressPage::init()
{
    m_page = std::make_unique<QWidget>();
    m_page->resize(640, 480);
    m_button = new QPushButton(QStringLiteral("write"), m_page.get());
    m_progress = std::make_unique<ProgressPageViewController>();
    m_progress->attach(m_page.get());
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
}

void tst_ProgressPage::cleanup()
{
    m_progress.reset();
    m_page.reset();
}

void tst_ProgressPage::hiddenUntilShown()
{
    QVERIFY(!m_progress->isShown());
    QVERIFY(!m_progress->view()->isVisible());
    QVERIFY(!OverlayTracker::sharedInstance().isAnyShown());
}

void tst_ProgressPage::showSetsTextsAndIsAnOverlay()
{
    m_progress->show("Writing", "Do not unplug", "42%");
    QVERIFY(m_progress->view()->isVisible());
    QCOMPARE(m_progress->view()->mainMessageTextField()->text(), QString("Writing"));
    QCOMPARE(m_progress->view()->subMessageTextField()->text(), QString("Do not unplug"));
    QCOMPARE(m_progress->view()->percentMessageTextField()->text(), QString("42%"));
    QVERIFY(OverlayTracker::sharedInstance().isAnyShown());
    m_progress->hide();
    QVERIFY(!m_progress->view()->isVisible());
    QVERIFY(!OverlayTracker::sharedInstance().isAnyShown());
}

void tst_ProgressPage::showTwiceKeepsOneTurningIcon()
{
    m_progress->show("Writing", "", "1%");
    m_progress->show("Writing", "", "2%");
    const auto animations = m_progress->findChildren<QVariantAnimation *>();
    QCOMPARE(animations.size(), 1);
    QCOMPARE(animations.first()->state(), QAbstractAnimation::Running);
    QCOMPARE(animations.first()->loopCount(), -1);
    QCOMPARE(m_progress->view()->percentMessageTextField()->text(), QString("2%"));
}

void tst_ProgressPage::hideThenShowGoesOnTurning()
{
    m_progress->show("Reading", "", "");
    ProgressIcon *icon = m_progress->view()->progressIconView();
    QTRY_VERIFY(icon->rotation() > 10.0);
    m_progress->hide();
    const qreal angle = icon->rotation();
    m_progress->show("Reading", "", "");
    QTest::qWait(50);
    const qreal later = icon->rotation();
    // Going on from where it was, not from 0 (unless it just completed a turn).
    QVERIFY2(later >= angle || later + 360.0 - angle < 120.0,
             qPrintable(QStringLiteral("%1 then %2").arg(angle).arg(later)));
    QCOMPARE(m_progress->findChildren<QVariantAnimation *>().size(), 1);
}

void tst_ProgressPage::coversThePageAsItResizes()
{
    m_progress->show("Reading", "", "");
    for (const QSize size : {QSize(800, 600), QSize(300, 200)}) {
        m_page->resize(size);
        QTRY_COMPARE(m_progress->view()->geometry(), m_page->rect());
    }
}

void tst_ProgressPage::pageBeneathGetsNoClick()
{
    int clicks = 0;
    connect(m_button, &QPushButton::clicked, this, [&] { ++clicks; });
    m_progress->show("Writing", "", "");
    QTest::mouseClick(m_button, Qt::LeftButton);
    QTest::mouseClick(m_progress->view(), Qt::LeftButton, {}, m_button->geometry().center());
    QCOMPARE(clicks, 0);
    m_progress->hide();
    QTest::mouseClick(m_button, Qt::LeftButton);
    QCOMPARE(clicks, 1);
}

QTEST_MAIN(tst_ProgressPage)
#include "tst_progresspage.moc"
