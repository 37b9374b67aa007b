#include "appdelegate.h"
#include "localizedstrings.h"
#include "mainwindow.h"
#include "mainwindowcontroller.h"
#include "messagecalls.h"
#include "messagewindowctl.h"
#include "msgbutton.h"
#include "msgviewctrl.h"
#include "placeholderpagefactory.h"

#include <QDir>
#include <QLabel>
#include <QTest>

// Writes a picture of the main window and of every numbered message in English and Japanese into
// the build folder, for review by eye, and checks that each message's text fits its place.
class tst_Screenshots : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void messagesFitTheirView_data();
    void messagesFitTheirView();

private:
    void save(const QString &name);

    std::unique_ptr<AppDelegate> m_delegate;
    PlaceholderPageFactory m_pages;
    std::unique_ptr<MainWindowController> m_controller;
    QDir m_folder;
};

void tst_Screenshots::initTestCase()
{
    QGuiApplication::setApplicationDisplayName(QStringLiteral("TAVO Keymap Tool"));
    m_folder = QDir(QStringLiteral(KEYMAP_SCREENSHOT_DIR));
    QVERIFY(m_folder.mkpath(QStringLiteral(".")));
    m_delegate = std::make_unique<AppDelegate>();
    m_delegate->setTerminateHandler([] {});
    // The pages take their texts when they are built: one window per language.
    for (const QString &language : {QStringLiteral("ja"), QStringLiteral("en")}) {
        LocalizedStrings::setLanguage(language);
        m_controller = std::make_unique<MainWindowController>(m_pages);
        m_delegate->installMenus(m_controller->window());
        m_controller->windowDidLoad();
        MainWindow *window = m_controller->window();
        window->resize(1360, 1000 + window->menuWidget()->sizeHint().height());
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
        save(QStringLiteral("mainwindow_%1.png").arg(language));
    }
}

void tst_Screenshots::cleanupTestCase()
{
    LocalizedStrings::setLanguage(QStringLiteral("en"));
    m_controller.reset();
    m_delegate.reset();
}

void tst_Screenshots::messagesFitTheirView_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("number");
    for (const QString &language : {QStringLiteral("en"), QStringLiteral("ja")}) {
        for (const MessageCatalogue::Entry &entry : MessageCatalogue::entries()) {
            const QString row = QStringLiteral("%1 %2").arg(entry.number).arg(language);
            QTest::newRow(qPrintable(row)) << language << entry.number;
        }
    }
}

void tst_Screenshots::messagesFitTheirView()
{
    QFETCH(QString, language);
    QFETCH(int, number);
    LocalizedStrings::setLanguage(language);
    MessageModalFactory &factory = MessageModalFactory::sharedInstance();
    QVERIFY(showNumberedMessage(factory, number, [](MessageModalResponseType) {}));
    save(QStringLiteral("message%1_%2.png").arg(number).arg(language));

    QLabel *label = factory.messageWindowCtrl().labelMsg();
    QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(label->text()));
    const QRect view = factory.msgAlertView()->geometry();
    for (MsgButton *button :
         {factory.messageWindowCtrl().btn1(), factory.messageWindowCtrl().btn2(),
          factory.messageWindowCtrl().btn3()}) {
        if (!button->isHidden())
            QVERIFY(QRect(QPoint(), view.size()).contains(button->geometry()));
    }
    factory.buttonClick(1);
}

void tst_Screenshots::save(const QString &name)
{
    QVERIFY(m_controller->window()->grab().save(m_folder.filePath(name)));
}

QTEST_MAIN(tst_Screenshots)
#include "tst_screenshots.moc"
