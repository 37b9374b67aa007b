#include "appdelegate.h"
#include "comparewindow.h"
#include "comparewindowcontroller.h"
#include "dipswitchview.h"
#include "dipswitchviewcontroller.h"
#include "imageview.h"
#include "localizedstrings.h"
#include "msgbutton.h"
#include "notificationhub.h"

#include <QDir>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

namespace {

const bool on = true;
const bool off = false;

// "on" or "off" for each switch the panel shows, "*" after each marked one.
QString shown(const DipSwitchViewController &panel)
{
    QStringList switches;
    for (int index = 0; index < DipSwitchView::switchCount; ++index) {
        const DipSwitchView &view = *panel.view();
        QString text = view.switchOn(index)->isHidden() ? "off" : "on";
        if (!view.switchError(index)->isHidden() && !view.switchErrorIcon(index)->isHidden())
            text += '*';
        switches << text;
    }
    return switches.join(' ');
}

} // namespace

// The window that shows the keyboard's DIP switches beside a setting file's.
class tst_CompareWindow : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_mainWindow = std::make_unique<QWidget>();
        m_mainWindow->resize(800, 600);
        m_mainWindow->show();
        AppDelegate::setCurrentWindow(m_mainWindow.get());
    }
    void cleanup()
    {
        AppDelegate::setCurrentWindow(nullptr);
        m_mainWindow.reset();
        LocalizedStrings::setLanguage(QStringLiteral("en"));
    }

    void marksTheKeyboardsDifferingSwitches_data();
    void marksTheKeyboardsDifferingSwitches();
    void everyCloseAsksThePage();
    void reviewPicture_data();
    void reviewPicture();

private:
    std::unique_ptr<QWidget> m_mainWindow;
};

void tst_CompareWindow::marksTheKeyboardsDifferingSwitches_data()
{
    QTest::addColumn<QList<QList<bool>>>("showings");
    QTest::addColumn<QString>("keyboard");
    QTest::addColumn<QString>("file");

    const QList<bool> keyboard{on, off, on, off, off, off};
    const QList<bool> file{on, on, on, off, off, on};
    QTest::newRow("switches 2 and 6")
        << QList<QList<bool>>{keyboard, file} << "on off* on off off off*"
        << "on on on off off on";
    QTest::newRow("the same") << QList<QList<bool>>{keyboard, keyboard} << "on off on off off off"
                              << "on off on off off off";
    // A second showing marks its own differences, also those the first did not.
    QTest::newRow("shown again") << QList<QList<bool>>{keyboard, keyboard, keyboard, file}
                                 << "on off* on off off off*"
                                 << "on on on off off on";
}

void tst_CompareWindow::marksTheKeyboardsDifferingSwitches()
{
    QFETCH(QList<QList<bool>>, showings);
    QFETCH(QString, keyboard);
    QFETCH(QString, file);
    CompareWindowController controller;

    for (qsizetype index = 0; index < showings.size(); index += 2) {
        controller.hideCompareWindow();
        controller.showCompareWindow(showings[index], showings[index + 1]);
    }

    CompareWindow *window = controller.window();
    QVERIFY(window->isVisible());
    QCOMPARE(window->parentWidget(), m_mainWindow.get());
    QCOMPARE(window->windowModality(), Qt::WindowModal);
    QCOMPARE(shown(*controller.keyboardDipSwitchViewController()), keyboard);
    QCOMPARE(shown(*controller.configFileDipSwitchViewController()), file);
    QCOMPARE(controller.keyboardDipSwitchViewController()->view()->caption()->text(),
             LocalizedStrings::text("CompareWindow_CurrentSetting"));
    QCOMPARE(controller.configFileDipSwitchViewController()->view()->caption()->text(),
             LocalizedStrings::text("CompareWindow_ConfigFileLabel"));
    QCOMPARE(window->compareWindowLabel()->text(),
             LocalizedStrings::text("CompareWindow_Description"));
    QCOMPARE(window->compareWindowButton()->text(),
             LocalizedStrings::text("CompareWindow_CloseButtonLabel"));
    // The keyboard's panel on the left, the file's on the right, 72 points above the bottom.
    QCOMPARE(controller.keyboardDipSwitchViewController()->view()->geometry(),
             QRect(134, 98, 150, 90));
    QCOMPARE(controller.configFileDipSwitchViewController()->view()->geometry(),
             QRect(321, 98, 150, 90));
}

void tst_CompareWindow::everyCloseAsksThePage()
{
    CompareWindowController controller;
    QSignalSpy closes(&NotificationHub::sharedInstance(),
                      &NotificationHub::clickCloseCompareWindowEvent);
    controller.showCompareWindow(QList<bool>(6, on), QList<bool>(6, off));
    CompareWindow *window = controller.window();

    QTest::mouseClick(window->compareWindowButton(), Qt::LeftButton);
    QTest::keyClick(window, Qt::Key_Escape);
    window->close();

    QCOMPARE(closes.size(), 3);
    QVERIFY(window->isVisible());
    controller.hideCompareWindow();
    QVERIFY(!window->isVisible());
}

void tst_CompareWindow::reviewPicture_data()
{
    QTest::addColumn<QString>("language");

    QTest::newRow("English") << "en";
    QTest::newRow("Japanese") << "ja";
}

// Writes the window with switches 2 and 6 differing into build/screenshots, for review by eye.
void tst_CompareWindow::reviewPicture()
{
    QFETCH(QString, language);
    LocalizedStrings::setLanguage(language);
    CompareWindowController controller;

    controller.showCompareWindow({on, off, on, off, off, off}, {on, on, on, off, off, on});

    QDir().mkpath(KEYMAP_SCREENSHOT_DIR);
    const QString path = QString(KEYMAP_SCREENSHOT_DIR "/compare-window-%1.png").arg(language);
    QVERIFY(controller.window()->grab().save(path));
}

QTEST_MAIN(tst_CompareWindow)
#include "tst_comparewindow.moc"
