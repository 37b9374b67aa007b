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
#include <QSignalSpy>
#include <QTest>

namespace {

const QList<bool> keyboard{true, false, true, false, false, false};
const QList<bool> file{true, true, true, false, false, true};

// "on" or "off" for each switch the panel shows, "*" after each marked one.
QString shown(const DipSwitchViewController &panel)
{
    QStringList switches;
    for (int index = 0; index < DipSwitchView::switchCount; ++index) {
        const DipSwitchView &view = *panel.view();
        switches << QString(view.switchOn(index)->isHidden() ? "off" : "on") +
                        (view.switchError(index)->isHidden() ? "" : "*");
    }
    return switches.join(' ');
}

} // namespace

// The window that shows the keyboard's DIP switches beside a setting file's, window-modal over
// the main window.
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

    // A second showing marks its own differences, also those the first did not.
    void eachShowingMarksItsOwnDifferences()
    {
        CompareWindowController controller;

        controller.showCompareWindow(keyboard, keyboard);
        controller.hideCompareWindow();
        controller.showCompareWindow(keyboard, file);

        CompareWindow *window = controller.window();
        QVERIFY(window->isVisible());
        QCOMPARE(window->parentWidget(), m_mainWindow.get());
        QCOMPARE(window->windowModality(), Qt::WindowModal);
        QCOMPARE(shown(*controller.keyboardDipSwitchViewController()), "on off* on off off off*");
        QCOMPARE(shown(*controller.configFileDipSwitchViewController()), "on on on off off on");
    }

    // The button, Escape and the close box only ask the page, which hides the window.
    void everyCloseAsksThePage()
    {
        CompareWindowController controller;
        QSignalSpy closes(&NotificationHub::sharedInstance(),
                          &NotificationHub::clickCloseCompareWindowEvent);
        controller.showCompareWindow(keyboard, file);
        CompareWindow *window = controller.window();

        QTest::mouseClick(window->compareWindowButton(), Qt::LeftButton);
        QTest::keyClick(window, Qt::Key_Escape);
        window->close();

        QCOMPARE(closes.size(), 3);
        QVERIFY(window->isVisible());
        controller.hideCompareWindow();
        QVERIFY(!window->isVisible());
    }

    void reviewPicture_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "en";
        QTest::newRow("Japanese") << "ja";
    }

    // Writes the window with switches 2 and 6 differing into build/screenshots, for review by
    // eye.
    void reviewPicture()
    {
        QFETCH(QString, language);
        LocalizedStrings::setLanguage(language);
        CompareWindowController controller;

        controller.showCompareWindow(keyboard, file);

        QDir().mkpath(KEYMAP_SCREENSHOT_DIR);
        const QString path = QString(KEYMAP_SCREENSHOT_DIR "/compare-window-%1.png").arg(language);
        QVERIFY(controller.window()->grab().save(path));
    }

private:
    std::unique_ptr<QWidget> m_mainWindow;
};

QTEST_MAIN(tst_CompareWindow)
#include "tst_comparewindow.moc"
