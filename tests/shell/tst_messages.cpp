#include "appdelegate.h"
#include "localizedstrings.h"
#include "localtime.h"
#include "messagecalls.h"
#include "messagewindowctl.h"
#include "msgbutton.h"
#include "msgviewctrl.h"
#include "overlaytracker.h"
#include "shelllook.h"

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QShortcut>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

Q_DECLARE_METATYPE(MessageType)
Q_DECLARE_METATYPE(MessageModalResponseType)

using Answers = QList<MessageModalResponseType>;

// Counts the events of one type that reach an object.
class EventCounter : public QObject
{
public:
    EventCounter(QObject *watched, QEvent::Type type)
        : m_type(type)
    {
        watched->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == m_type ? 1 : 0;
        return false;
    }

private:
    QEvent::Type m_type;
};

// The numbered messages as overlays: their contents, answers, keys and focus, the completion that
// is always called once, and the page beneath that gets nothing while one is up.
class tst_Messages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void messageTable_data();
    void messageTable();
    void layoutInText_data();
    void layoutInText();
    void replacedMessageAnswersAsDismissed_data();
    void replacedMessageAnswersAsDismissed();
    void answeredOnceOnly();
    void focusCycle_data();
    void focusCycle();
    void tabMovesFocusAmongShownButtons();
    void overlayFollowsWindowSize();
    void pageBeneathGetsNothing_data();
    void pageBeneathGetsNothing();
    void menusOffWhileMessageUp();
    void filePanels_data();
    void filePanels();
    void defaultSaveFileName_data();
    void defaultSaveFileName();

private:
    QList<MsgButton *> shownButtons();

    std::unique_ptr<AppDelegate> m_delegate;
    std::unique_ptr<QMainWindow> m_window;
    QLineEdit *m_field = nullptr;
    QPushButton *m_pageButton = nullptr;
    std::unique_ptr<MessageModalFactory> m_factory;
    Answers m_answers;
};

void tst_Messages::initTestCase()
{
    LocalizedStrings::setLanguage(QStringLiteral("en"));
}

void tst_Messages::init()
{
    m_delegate = std::make_unique<AppDelegate>();
    m_window = std::make_unique<QMainWindow>();
    auto *content = new QWidget;
    auto *layout = new QVBoxLayout(content);
    m_field = new QLineEdit;
    m_pageButton = new QPushButton(QStringLiteral("page"));
    layout->addWidget(m_field);
    layout->addWidget(m_pageButton);
    m_window->setCentralWidget(content);
    m_window->resize(800, 600);
    AppDelegate::setCurrentWindow(m_window.get());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_factory = std::make_unique<MessageModalFactory>();
    m_answers.clear();
}

void tst_Messages::cleanup()
{
    m_factory.reset();
    m_window.reset();
    m_delegate.reset();
}

QList<MsgButton *> tst_Messages::shownButtons()
{
    QList<MsgButton *> shown;
    MessageWindowCtl &controls = m_factory->messageWindowCtrl();
    for (MsgButton *button : {controls.btn1(), controls.btn2(), controls.btn3()}) {
        if (!button->isHidden())
            shown << button;
    }
    return shown;
}

void tst_Messages::messageTable_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<MessageType>("icon");
    QTest::addColumn<QString>("textKey");
    QTest::addColumn<QStringList>("labelKeys");
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<QStringList>("keyEquivalents");

    using enum MessageModalResponseType;
    const QString ok = "Message_Ok", cancel = "Message_Cancel";
    const QString centre = "KeymapPage_CloseConfilmation_CenterButtonLabel";
    const QString right = "KeymapPage_CloseConfilmation_RightButtonLabel";
    const QStringList returnKey{"\r"}, returnEscape{"\r", "\x1b"};
    const QStringList threeKeys{"\r", "", "\x1b"}, returnNone{"\r", ""};
    auto add = [&](int number, MessageType icon, const QString &textKey, const QStringList &labels,
                   const Answers &answers, const QStringList &keys) {
        QTest::addRow("%d", number) << number << icon << textKey << labels << answers << keys;
    };
    auto notice = [&](int number, MessageType icon) {
        add(number, icon, QStringLiteral("Message%1_Text").arg(number), {ok}, {OK}, returnKey);
    };
    add(1001, MessageType::noIcon, "Message1001_Text", {centre, right, cancel}, {OK, NO, NG},
        threeKeys);
    add(1002, MessageType::noIcon, "Message1002_Text", {centre, right}, {OK, NG}, returnEscape);
    add(1003, MessageType::noIcon, "Message1003_Text", {ok, cancel}, {OK, NG}, returnEscape);
    for (int number : {1004, 1005, 1006, 1007, 1008})
        notice(number, MessageType::noIcon);
    add(1010, MessageType::alert, "Message1010_Text", {centre, right}, {OK, NG}, returnEscape);
    add(1011, MessageType::noIcon, "Message1011_Text", {centre, right, cancel}, {OK, NO, NG},
        threeKeys);
    for (int number : {1012, 1014, 1015})
        notice(number, MessageType::noIcon);
    add(1016, MessageType::noIcon, "Message1016_Text", {"Message_US_Type", "Message_JP_Type"},
        {OK, NO}, returnNone);
    add(1017, MessageType::noIcon, "Message1017_Text", {"Message_YES", "Message_NO"}, {OK, NG},
        returnEscape);
    add(9001, MessageType::error, "Message9001_Text", {"Message9001_Retry", "Message_Close"},
        {OK, NG}, returnEscape);
    notice(9004, MessageType::error);
    add(9005, MessageType::error, "Message9005_Text_ToEnglish", {ok}, {OK}, returnKey);
    for (int number : {9006, 9007, 9009, 9010, 9012, 9014, 9016, 9020, 9022, 9023})
        notice(number, MessageType::error);
}

void tst_Messages::messageTable()
{
    QFETCH(int, number);
    QFETCH(MessageType, icon);
    QFETCH(QString, textKey);
    QFETCH(QStringList, labelKeys);
    QFETCH(Answers, answers);
    QFETCH(QStringList, keyEquivalents);
    const auto record = [this](MessageModalResponseType answer) { m_answers << answer; };
    MessageWindowCtl &controls = m_factory->messageWindowCtrl();

    QVERIFY(showNumberedMessage(*m_factory, number, record));
    QString expectedText = LocalizedStrings::text(textKey);
    if (number == 1017)
        expectedText = expectedText.arg(LocalizedStrings::text("Message_US_Type"));
    QCOMPARE(controls.labelMsg()->text(), expectedText);
    QCOMPARE(controls.imgIcon()->isVisible(), icon != MessageType::noIcon);
    QCOMPARE(controls.labelMsg()->x(), icon == MessageType::noIcon ? 20 : 86);
    QCOMPARE(shownButtons().size(), labelKeys.size());
    for (int index = 0; index < labelKeys.size(); ++index) {
        QCOMPARE(shownButtons()[index]->text(), LocalizedStrings::text(labelKeys[index]));
        QCOMPARE(shownButtons()[index]->keyEquivalent(), keyEquivalents[index]);
    }
    QVERIFY(m_window->focusWidget() == controls.btn1());

    // Each button answers its own answer and takes the message away.
    for (int index = 0; index < answers.size(); ++index) {
        showNumberedMessage(*m_factory, number, record);
        m_answers.clear();
        QTest::mouseClick(shownButtons()[index], Qt::LeftButton);
        QCOMPARE(m_answers, Answers{answers[index]});
        QVERIFY(!m_factory->isShowingMessage());
        QVERIFY(controls.msgViewCtrl()->isHidden());
        QVERIFY(m_factory->msgMaskView()->isHidden());
    }

    // Return answers OK; Escape answers NG where a button carries it, else nothing happens.
    showNumberedMessage(*m_factory, number, record);
    m_answers.clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(m_answers, Answers{MessageModalResponseType::OK});
    showNumberedMessage(*m_factory, number, record);
    m_answers.clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    const bool hasEscape = keyEquivalents.contains("\x1b");
    QCOMPARE(m_answers, hasEscape ? Answers{MessageModalResponseType::NG} : Answers{});
    QCOMPARE(m_factory->isShowingMessage(), !hasEscape);
}

void tst_Messages::layoutInText_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("argument");
    QTest::addColumn<QString>("expected");
    const QString chosen = LocalizedStrings::text("Message1017_Text");
    QTest::newRow("1017 after US") << 1017 << int(MessageModalResponseType::OK)
                                   << chosen.arg(LocalizedStrings::text("Message_US_Type"));
    QTest::newRow("1017 after JP") << 1017 << int(MessageModalResponseType::NO)
                                   << chosen.arg(LocalizedStrings::text("Message_JP_Type"));
    QTest::newRow("1017 after NG") << 1017 << int(MessageModalResponseType::NG)
                                   << chosen.arg(LocalizedStrings::text("Message_JP_Type"));
    QTest::newRow("9005 to English") << 9005 << int(KeyboardLayoutType::English)
                                     << LocalizedStrings::text("Message9005_Text_ToEnglish");
    QTest::newRow("9005 to Japanese") << 9005 << int(KeyboardLayoutType::Japanese)
                                      << LocalizedStrings::text("Message9005_Text_ToJapanese");
}

void tst_Messages::layoutInText()
{
    QFETCH(int, number);
    QFETCH(int, argument);
    QFETCH(QString, expected);
    if (number == 1017)
        m_factory->showMessage1017(MessageModalResponseType(argument), [](auto) {});
    else
        m_factory->showMessage9005(KeyboardLayoutType(argument), [](auto) {});
    QCOMPARE(m_factory->messageWindowCtrl().labelMsg()->text(), expected);
}

void tst_Messages::replacedMessageAnswersAsDismissed_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<MessageModalResponseType>("dismissed");
    QTest::newRow("confirmation with Cancel") << 1003 << MessageModalResponseType::NG;
    QTest::newRow("three buttons") << 1001 << MessageModalResponseType::NG;
    QTest::newRow("notice") << 1004 << MessageModalResponseType::OK;
    QTest::newRow("choice without Escape") << 1016 << MessageModalResponseType::OK;
    QTest::newRow("error with Close") << 9001 << MessageModalResponseType::NG;
}

void tst_Messages::replacedMessageAnswersAsDismissed()
{
    QFETCH(int, first);
    QFETCH(MessageModalResponseType, dismissed);
    Answers firstAnswers, secondAnswers;
    showNumberedMessage(*m_factory, first, [&](auto answer) { firstAnswers << answer; });
    m_factory->showMessage1004([&](auto answer) { secondAnswers << answer; });
    QCOMPARE(firstAnswers, Answers{dismissed});
    QVERIFY(m_factory->isShowingMessage());
    QCOMPARE(shownButtons().size(), 1);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(firstAnswers, Answers{dismissed});
    QCOMPARE(secondAnswers, Answers{MessageModalResponseType::OK});
}

void tst_Messages::answeredOnceOnly()
{
    m_factory->showMessage1003([this](auto answer) { m_answers << answer; });
    m_factory->buttonClick(2);
    m_factory->buttonClick(1);
    QCOMPARE(m_answers, Answers{MessageModalResponseType::NG});

    // A completion may show the next message at once.
    m_factory->showMessage1003(
        [this](auto) { m_factory->showMessage1004([this](auto answer) { m_answers << answer; }); });
    m_factory->buttonClick(1);
    QVERIFY(m_factory->isShowingMessage());
    QCOMPARE(shownButtons().size(), 1);
}

void tst_Messages::focusCycle_data()
{
    QTest::addColumn<bool>("isBtn2Shown");
    QTest::addColumn<bool>("isBtn3Shown");
    QTest::addColumn<int>("focused");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<int>("next");
    QTest::newRow("one button stays") << false << false << 1 << false << 0;
    QTest::newRow("two: Tab from 1") << true << false << 1 << false << 2;
    QTest::newRow("two: Tab from 2") << true << false << 2 << false << 1;
    QTest::newRow("two: Shift-Tab from 1") << true << false << 1 << true << 2;
    QTest::newRow("two: no focus") << true << false << 0 << false << 0;
    QTest::newRow("three: Tab from 1") << true << true << 1 << false << 3;
    QTest::newRow("three: Tab from 3") << true << true << 3 << false << 2;
    QTest::newRow("three: Tab from 2") << true << true << 2 << false << 1;
    QTest::newRow("three: Shift-Tab from 1") << true << true << 1 << true << 2;
    QTest::newRow("three: Shift-Tab from 2") << true << true << 2 << true << 3;
    QTest::newRow("three: Shift-Tab from 3") << true << true << 3 << true << 1;
    QTest::newRow("three: no focus") << true << true << 0 << true << 0;
}

void tst_Messages::focusCycle()
{
    QFETCH(bool, isBtn2Shown);
    QFETCH(bool, isBtn3Shown);
    QFETCH(int, focused);
    QFETCH(bool, shift);
    QFETCH(int, next);
    QCOMPARE(MsgViewCtrl::nextFocus(isBtn2Shown, isBtn3Shown, focused, shift), next);
}

void tst_Messages::tabMovesFocusAmongShownButtons()
{
    MessageWindowCtl &controls = m_factory->messageWindowCtrl();
    m_factory->showMessage1001([](auto) {});
    QVERIFY(controls.btn1()->isFirstResponseButton());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(m_window->focusWidget(), controls.btn3());
    QVERIFY(controls.btn3()->isFirstResponseButton());
    QVERIFY(!controls.btn1()->isFirstResponseButton());
    QCOMPARE(controls.btn3()->look().background,
             ShellLook::buttons().msgButton.mouseOverBackground());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(m_window->focusWidget(), controls.btn2());

    m_factory->showMessage1004([](auto) {});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(m_window->focusWidget(), controls.btn1());
}

void tst_Messages::overlayFollowsWindowSize()
{
    m_factory->showMessage1004([](auto) {});
    for (const QSize size : {QSize(900, 700), QSize(500, 400)}) {
        m_window->resize(size);
        QWidget *content = m_window->centralWidget();
        QTRY_COMPARE(m_factory->msgMaskView()->geometry(), content->rect());
        const QRect message = m_factory->msgAlertView()->geometry();
        QCOMPARE(message.center().x(), content->rect().center().x());
        QVERIFY(qAbs(message.center().y() - content->rect().center().y()) <= 1);
    }
}

void tst_Messages::pageBeneathGetsNothing_data()
{
    QTest::addColumn<QString>("input");
    QTest::newRow("click on a button") << "click";
    QTest::newRow("typing into a field") << "typing";
    QTest::newRow("shortcut of the page") << "shortcut";
    QTest::newRow("wheel") << "wheel";
}

void tst_Messages::pageBeneathGetsNothing()
{
    QFETCH(QString, input);
    int clicks = 0, shortcuts = 0;
    EventCounter wheels(m_field, QEvent::Wheel);
    connect(m_pageButton, &QPushButton::clicked, this, [&] { ++clicks; });
    auto *shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_K), m_field);
    connect(shortcut, &QShortcut::activated, this, [&] { ++shortcuts; });
    m_field->setFocus();
    m_factory->showMessage1003([this](auto answer) { m_answers << answer; });
    m_field->setFocus();

    if (input == "click") {
        QTest::mouseClick(m_pageButton, Qt::LeftButton);
    } else if (input == "typing") {
        QTest::keyClicks(m_field, QStringLiteral("abc"));
        QTest::keyClick(m_field, Qt::Key_Return);
    } else if (input == "shortcut") {
        QTest::keyClick(m_field, Qt::Key_K, Qt::ControlModifier);
    } else {
        QWheelEvent wheel(QPointF(5, 5), m_field->mapToGlobal(QPointF(5, 5)), {}, {0, -120},
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(m_field, &wheel);
    }
    QCOMPARE(clicks, 0);
    QCOMPARE(m_field->text(), QString());
    QCOMPARE(shortcuts, 0);
    QCOMPARE(wheels.count, 0);
    // A key meant for the page goes to the message instead: Return answers it.
    QCOMPARE(m_answers, input == "typing" ? Answers{MessageModalResponseType::OK} : Answers{});
}

void tst_Messages::menusOffWhileMessageUp()
{
    m_delegate->setEnableUndoMenuItem(true);
    m_delegate->setSaveMenuItemEnabled(true);
    const auto undo = m_delegate->findChild<QAction *>("onClickUndoMenu");
    const auto save = m_delegate->findChild<QAction *>("onClickSaveAllProfileMenu");
    m_factory->showMessage1004([](auto) {});
    QVERIFY(OverlayTracker::sharedInstance().isAnyShown());
    QVERIFY(!undo->isEnabled());
    QVERIFY(!save->isEnabled());
    m_factory->buttonClick(1);
    QVERIFY(undo->isEnabled());
    QVERIFY(save->isEnabled());
    QVERIFY(m_delegate->enableUndoMenuItem());
}

void tst_Messages::filePanels_data()
{
    QTest::addColumn<bool>("isSave");
    QTest::addColumn<bool>("isAccepted");
    QTest::addColumn<QString>("expected");
    QTest::newRow("open a file") << false << true << "confirm:setting.tpk then";
    QTest::newRow("cancel the open panel") << false << false << "deny then";
    QTest::newRow("save a new file") << true << true << "confirm:saved.tpk then";
    QTest::newRow("cancel the save panel") << true << false << "deny then";
}

void tst_Messages::filePanels()
{
    QFETCH(bool, isSave);
    QFETCH(bool, isAccepted);
    QFETCH(QString, expected);
    QTemporaryDir folder;
    const QString path = folder.filePath("setting.tpk");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    QStringList calls;
    auto onConfirm = [&](const std::optional<QUrl> &url) {
        calls << "confirm:" + (url ? QFileInfo(url->toLocalFile()).fileName() : "none");
    };
    auto onDeny = [&] { calls << "deny"; };
    auto then = [&] { calls << "then"; };
    if (isSave)
        m_factory->showFileSaveModal({"tpk"}, SaveProfileType::all, onConfirm, onDeny, then);
    else
        m_factory->showFileOpenModal({"tpk"}, onConfirm, onDeny, then);
    auto *panel = m_window->findChild<QFileDialog *>();
    QVERIFY(panel);
    QCOMPARE(panel->windowModality(), Qt::WindowModal);
    QVERIFY(!m_factory->isShowingMessage());
    QCOMPARE(panel->fileMode(), isSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (isAccepted) {
        panel->setDirectory(folder.path());
        panel->selectFile(isSave ? folder.filePath("saved.tpk") : path);
        static_cast<QDialog *>(panel)->accept();
    } else {
        panel->reject();
    }
    QCOMPARE(calls.join(' '), expected);
}

void tst_Messages::defaultSaveFileName_data()
{
    QTest::addColumn<SaveProfileType>("type");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("expected");
    const QDateTime evening(QDate(2026, 3, 5), QTime(21, 7, 9));
    QTest::newRow("all profiles, 24-hour clock")
        << SaveProfileType::all << evening << "TAVO_Pellix_Setting_All_20260305210709";
    QTest::newRow("one profile") << SaveProfileType::profile3 << evening
                                 << "TAVO_Pellix_Setting_Single_20260305210709";
    QTest::newRow("same second, same name") << SaveProfileType::profile1 << evening.addMSecs(999)
                                            << "TAVO_Pellix_Setting_Single_20260305210709";
}

void tst_Messages::defaultSaveFileName()
{
    QFETCH(SaveProfileType, type);
    QFETCH(QDateTime, now);
    QFETCH(QString, expected);
    QCOMPARE(MessageModalFactory::defaultSaveFileName(type, now), expected);
}

QTEST_MAIN(tst_Messages)
#include "tst_messages.moc"
