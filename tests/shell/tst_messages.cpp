#include "appdelegate.h"
#include "fakepages.h"
#include "localizedstrings.h"
#include "localtime.h"
#include "mainwindow.h"
#include "mainwindowcontroller.h"
#include "messagemodalfactory.h"
#include "messagewindowctl.h"
#include "msgbutton.h"
#include "msgviewctrl.h"
#include "notificationhub.h"
#include "numberedmessages.h"
#include "progresspageviewcontroller.h"
#include "qttranslations.h"
#include "reviewimage.h"
#include "shelllook.h"
#include "startpageinterface.h"
#include "wrappedlabel.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(MessageType)
Q_DECLARE_METATYPE(MessageModalResponseType)

using Answers = QList<MessageModalResponseType>;

// The numbered messages as overlays over the main window: their contents, answers, keys and
// focus, the completion that is always called once, and the page beneath that gets nothing while
// one is up. Writes a picture of the main window, of its progress page and of every message in
// English and Japanese into build/screenshots, for review by eye.
class tst_Messages : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QGuiApplication::setApplicationDisplayName(QStringLiteral("TAVO Keymap Tool"));
        openWindow(QStringLiteral("en"));
        m_answers.clear();
    }

    void cleanup()
    {
        m_factory.reset();
        m_fixture.reset();
        // The next test's data are read in English.
        LocalizedStrings::setLanguage(QStringLiteral("en"));
    }

    void messageTable_data()
    {
        QTest::addColumn<QString>("language");
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
        for (const QString language : {"en", "ja"}) {
            auto add = [&](int number, MessageType icon, const QString &textKey,
                           const QStringList &labels, const Answers &answers,
                           const QStringList &keys) {
                QTest::addRow("%d %s", number, qPrintable(language))
                    << language << number << icon << textKey << labels << answers << keys;
            };
            auto notice = [&](int number, MessageType icon) {
                add(number, icon, QStringLiteral("Message%1_Text").arg(number), {ok}, {OK},
                    returnKey);
            };
            add(1001, MessageType::noIcon, "Message1001_Text", {centre, right, cancel},
                {OK, NO, NG}, threeKeys);
            add(1002, MessageType::noIcon, "Message1002_Text", {centre, right}, {OK, NG},
                returnEscape);
            add(1003, MessageType::noIcon, "Message1003_Text", {ok, cancel}, {OK, NG},
                returnEscape);
            for (int number : {1004, 1005, 1006, 1007, 1008})
                notice(number, MessageType::noIcon);
            add(1010, MessageType::alert, "Message1010_Text", {centre, right}, {OK, NG},
                returnEscape);
            add(1011, MessageType::noIcon, "Message1011_Text", {centre, right, cancel},
                {OK, NO, NG}, threeKeys);
            for (int number : {1012, 1014, 1015})
                notice(number, MessageType::noIcon);
            add(1016, MessageType::noIcon, "Message1016_Text",
                {"Message_US_Type", "Message_JP_Type"}, {OK, NO}, returnNone);
            add(1017, MessageType::noIcon, "Message1017_Text", {"Message_YES", "Message_NO"},
                {OK, NG}, returnEscape);
            add(9001, MessageType::error, "Message9001_Text",
                {"Message9001_Retry", "Message_Close"}, {OK, NG}, returnEscape);
            notice(9004, MessageType::error);
            add(9005, MessageType::error, "Message9005_Text_ToEnglish", {ok}, {OK}, returnKey);
            for (int number : {9006, 9007, 9009, 9010, 9012, 9014, 9016, 9020, 9022, 9023})
                notice(number, MessageType::error);
        }
    }

    void messageTable()
    {
        QFETCH(QString, language);
        QFETCH(int, number);
        QFETCH(MessageType, icon);
        QFETCH(QString, textKey);
        QFETCH(QStringList, labelKeys);
        QFETCH(Answers, answers);
        QFETCH(QStringList, keyEquivalents);
        openWindow(language);
        // The first message of each language pictures the main window too, before it shows.
        if (number == 1001) {
            save(QStringLiteral("mainwindow_%1.png").arg(language));
            ProgressPageViewController *progress =
                m_fixture->controller->startPageViewController()->GetProgressPageViewController();
            progress->show(LocalizedStrings::text("UpdateCheck_Processing_DetailUpLabel"),
                           LocalizedStrings::text("UpdateCheck_Processing_DetailDownLabel"), {});
            save(QStringLiteral("progress_%1.png").arg(language));
            progress->hide();
        }
        const auto record = [this](MessageModalResponseType answer) { this->record(answer); };
        MessageWindowCtl &controls = m_factory->messageWindowCtrl();

        QVERIFY(NumberedMessages::show(*m_factory, number, record));
        QString expectedText = LocalizedStrings::text(textKey);
        if (number == 1017)
            expectedText = expectedText.arg(LocalizedStrings::text("Message_US_Type"));
        QLabel *label = controls.labelMsg();
        QCOMPARE(label->text(), expectedText);
        QCOMPARE(controls.imgIcon()->isVisible(), icon != MessageType::noIcon);
        QCOMPARE(label->x(), icon == MessageType::noIcon ? 20 : 86);
        QCOMPARE(shownButtons().size(), labelKeys.size());
        for (int index = 0; index < labelKeys.size(); ++index) {
            MsgButton *button = shownButtons()[index];
            QCOMPARE(button->text(), LocalizedStrings::text(labelKeys[index]));
            QCOMPARE(button->keyEquivalent(), keyEquivalents[index]);
        }
        QVERIFY(m_window->focusWidget() == controls.btn1());
        save(QStringLiteral("message%1_%2.png").arg(number).arg(language));

        // Each button answers its own answer and takes the message away.
        for (int index = 0; index < answers.size(); ++index) {
            NumberedMessages::show(*m_factory, number, record);
            m_answers.clear();
            QTest::mouseClick(shownButtons()[index], Qt::LeftButton);
            QCOMPARE(m_answers, Answers{answers[index]});
            QVERIFY(!m_factory->isShowingMessage());
            QVERIFY(controls.msgViewCtrl()->isHidden());
            QVERIFY(m_factory->msgMaskView()->isHidden());
        }

        // Return answers OK; Escape answers NG where a button carries it, else nothing happens.
        NumberedMessages::show(*m_factory, number, record);
        m_answers.clear();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(m_answers, Answers{MessageModalResponseType::OK});
        NumberedMessages::show(*m_factory, number, record);
        m_answers.clear();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        const bool hasEscape = keyEquivalents.contains("\x1b");
        QCOMPARE(m_answers, hasEscape ? Answers{MessageModalResponseType::NG} : Answers{});
        QCOMPARE(m_factory->isShowingMessage(), !hasEscape);
    }

    void layoutInText()
    {
        // The US and English texts are rows of the message table; any other answer names JP.
        QLabel *label = m_factory->messageWindowCtrl().labelMsg();
        const QString japanese = LocalizedStrings::text("Message1017_Text")
                                     .arg(LocalizedStrings::text("Message_JP_Type"));
        for (const auto answer : {MessageModalResponseType::NO, MessageModalResponseType::NG}) {
            m_factory->showMessage1017(answer, [](auto) {});
            QCOMPARE(label->text(), japanese);
        }
        m_factory->showMessage9005(KeyboardLayoutType::Japanese, [](auto) {});
        QCOMPARE(label->text(), LocalizedStrings::text("Message9005_Text_ToJapanese"));

        // In Japanese the name, which ends in a full-width parenthesis, runs on without a space.
        LocalizedStrings::setLanguage(QStringLiteral("ja"));
        for (const auto answer : {MessageModalResponseType::OK, MessageModalResponseType::NO}) {
            m_factory->showMessage1017(answer, [](auto) {});
            QVERIFY2(!label->text().contains(QStringLiteral("） ")), qPrintable(label->text()));
        }
    }

    void replacedMessageAnswersAsDismissed_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<MessageModalResponseType>("dismissed");
        QTest::newRow("confirmation with Cancel") << 1003 << MessageModalResponseType::NG;
        QTest::newRow("notice") << 1004 << MessageModalResponseType::OK;
        QTest::newRow("choice without Escape") << 1016 << MessageModalResponseType::OK;
    }

    void replacedMessageAnswersAsDismissed()
    {
        QFETCH(int, first);
        QFETCH(MessageModalResponseType, dismissed);
        Answers firstAnswers;
        NumberedMessages::show(*m_factory, first, [&](auto answer) { firstAnswers << answer; });
        m_factory->showMessage1004([this](auto answer) { record(answer); });
        QCOMPARE(firstAnswers, Answers{dismissed});
        QVERIFY(m_factory->isShowingMessage());
        QCOMPARE(shownButtons().size(), 1);

        // Each completion is called once, however often its message is answered.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        m_factory->buttonClick(2);
        QCOMPARE(firstAnswers, Answers{dismissed});
        QCOMPARE(m_answers, Answers{MessageModalResponseType::OK});
    }

    // A completion may show the next message, whether its own was answered or replaced: 9001 is
    // answered as dismissed when the 1003 answer puts 1004 in its place.
    void completionShowsTheNextMessage()
    {
        for (const bool replaced : {false, true}) {
            Answers replacing;
            m_answers.clear();
            m_factory->showMessage1003([this](auto) {
                m_factory->showMessage1004([this](auto answer) { record(answer); });
            });
            if (replaced)
                m_factory->showMessage9001([&](auto answer) { replacing << answer; });
            else
                m_factory->buttonClick(1);
            QCOMPARE(replacing, replaced ? Answers{MessageModalResponseType::NG} : Answers{});
            QCOMPARE(shownButtons().size(), 1);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(m_answers, Answers{MessageModalResponseType::OK});
        }
    }

    void tabCyclesThroughShownButtons_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("shift");
        // The button focused after each press.
        QTest::addColumn<QList<int>>("focused");
        QTest::newRow("three buttons, Tab") << 1001 << false << QList<int>{3, 2, 1};
        QTest::newRow("three buttons, Shift-Tab") << 1001 << true << QList<int>{2, 3, 1};
        QTest::newRow("two buttons, Tab") << 1003 << false << QList<int>{2, 1};
        QTest::newRow("one button keeps it") << 1004 << false << QList<int>{1, 1};
    }

    void tabCyclesThroughShownButtons()
    {
        QFETCH(int, number);
        QFETCH(bool, shift);
        QFETCH(QList<int>, focused);
        NumberedMessages::show(*m_factory, number, [](auto) {});
        MessageWindowCtl &controls = m_factory->messageWindowCtrl();
        const QList<MsgButton *> buttons{controls.btn1(), controls.btn2(), controls.btn3()};
        for (const int expected : focused) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                            shift ? Qt::ShiftModifier : Qt::NoModifier);
            MsgButton *button = buttons[expected - 1];
            QCOMPARE(m_window->focusWidget(), button);
            // The focused button, and only it, wears the hover look and the focus mark.
            for (MsgButton *each : buttons) {
                QCOMPARE(each->isFirstResponseButton(), each == button);
                QCOMPARE(each->look().focusMark, each == button);
            }
            QCOMPARE(button->look().background,
                     ShellLook::buttons().msgButton.mouseOverBackground());
        }
    }

    void overlayFollowsWindowSize()
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

    void pageBeneathGetsNothing_data()
    {
        QTest::addColumn<QString>("input");
        QTest::newRow("click on a button") << "click";
        QTest::newRow("typing into a field") << "typing";
        QTest::newRow("shortcut of the page") << "shortcut";
        QTest::newRow("menu shortcut") << "menu";
        QTest::newRow("wheel") << "wheel";
    }

    void pageBeneathGetsNothing()
    {
        QFETCH(QString, input);
        QWidget *page = m_fixture->controller->startPageViewController()->view();
        auto *button = new QPushButton(QStringLiteral("page"), page);
        auto *field = new QSpinBox(page);
        field->move(0, 40);
        button->show();
        field->show();
        int clicks = 0, shortcuts = 0;
        connect(button, &QPushButton::clicked, this, [&] { ++clicks; });
        auto *shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_K), field);
        connect(shortcut, &QShortcut::activated, this, [&] { ++shortcuts; });
        QSignalSpy closeCommands(&NotificationHub::sharedInstance(),
                                 &NotificationHub::clickCloseMenuEvent);
        m_factory->showMessage1003([this](auto answer) { record(answer); });
        field->setFocus();

        if (input == "click") {
            QTest::mouseClick(button, Qt::LeftButton);
        } else if (input == "typing") {
            QTest::keyClicks(field, QStringLiteral("5"));
            QTest::keyClick(field, Qt::Key_Return);
        } else if (input == "shortcut") {
            QTest::keyClick(field, Qt::Key_K, Qt::ControlModifier);
        } else if (input == "menu") {
            QTest::keySequence(field, QKeySequence::Close);
        } else {
            QWheelEvent wheel(QPointF(5, 5), field->mapToGlobal(QPointF(5, 5)), {}, {0, 120},
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(field, &wheel);
        }
        QCOMPARE(clicks, 0);
        QCOMPARE(field->value(), 0);
        QCOMPARE(shortcuts, 0);
        QCOMPARE(closeCommands.count(), 0);
        // A key meant for the page goes to the message instead: Return answers it.
        QCOMPARE(m_answers, input == "typing" ? Answers{MessageModalResponseType::OK} : Answers{});
    }

    void filePanels_data()
    {
        QTest::addColumn<bool>("isSave");
        QTest::addColumn<SaveProfileType>("type");
        QTest::addColumn<bool>("isAccepted");
        QTest::addColumn<QString>("expected");
        // An accepted save panel confirms the name it proposed.
        QTest::newRow("open a file")
            << false << SaveProfileType::all << true << "confirm:setting.tpk then";
        QTest::newRow("cancel the open panel")
            << false << SaveProfileType::all << false << "deny then";
        QTest::newRow("save all profiles")
            << true << SaveProfileType::all << true
            << "confirm:TAVO_Pellix_Setting_All_20260305210709.tpk then";
        QTest::newRow("save one profile")
            << true << SaveProfileType::profile3 << true
            << "confirm:TAVO_Pellix_Setting_Single_20260305210709.tpk then";
        QTest::newRow("cancel the save panel")
            << true << SaveProfileType::all << false << "deny then";
    }

    void filePanels()
    {
        QFETCH(bool, isSave);
        QFETCH(SaveProfileType, type);
        QFETCH(bool, isAccepted);
        QFETCH(QString, expected);
        // An evening time, a 24-hour clock and no milliseconds in the proposed name.
        LocalTime::setSourceForTesting(
            [] { return QDateTime(QDate(2026, 3, 5), QTime(21, 7, 9, 999)); });
        QTemporaryDir folder;
        QFile file(folder.filePath("setting.tpk"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();

        QStringList calls;
        auto onConfirm = [&](const std::optional<QUrl> &url) {
            calls << "confirm:" + (url ? QFileInfo(url->toLocalFile()).fileName() : "none");
        };
        auto onDeny = [&] { calls << "deny"; };
        auto then = [&] { calls << "then"; };
        if (isSave)
            m_factory->showFileSaveModal({"tpk"}, type, onConfirm, onDeny, then);
        else
            m_factory->showFileOpenModal({"tpk"}, onConfirm, onDeny, then);
        LocalTime::setSourceForTesting({});
        auto *panel = m_window->findChild<QFileDialog *>();
        QVERIFY(panel);
        QCOMPARE(panel->windowModality(), Qt::WindowModal);
        QVERIFY(!m_factory->isShowingMessage());
        QCOMPARE(panel->fileMode(), isSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        panel->setDirectory(folder.path());
        if (!isSave)
            panel->selectFile(file.fileName());
        isAccepted ? static_cast<QDialog *>(panel)->accept() : panel->reject();
        QCOMPARE(calls.join(' '), expected);
    }

    // Panels open in the folder of the last file chosen; a cancelled panel leaves it.
    void panelsOpenWhereTheLastFileWasChosen()
    {
        QTemporaryDir chosen;
        QTemporaryDir cancelled;
        QFile file(chosen.filePath("setting.tpk"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const auto openPanel = [this] {
            m_factory->showFileOpenModal({"tpk"}, [](const std::optional<QUrl> &) {});
            return m_window->findChild<QFileDialog *>();
        };

        QFileDialog *panel = openPanel();
        panel->setDirectory(chosen.path());
        panel->selectFile(file.fileName());
        static_cast<QDialog *>(panel)->accept();
        QTRY_VERIFY(!m_window->findChild<QFileDialog *>());
        panel = openPanel();
        QCOMPARE(panel->directory().absolutePath(), QDir(chosen.path()).absolutePath());
        panel->setDirectory(cancelled.path());
        panel->reject();
        QTRY_VERIFY(!m_window->findChild<QFileDialog *>());
        m_factory->showFileSaveModal({"tpk"}, SaveProfileType::all,
                                     [](const std::optional<QUrl> &) {});
        panel = m_window->findChild<QFileDialog *>();
        QCOMPARE(panel->directory().absolutePath(), QDir(chosen.path()).absolutePath());
        panel->reject();
    }

    // Last: a translation, once installed, stays for the rest of the run.
    void filePanelsSpeakTheInterfaceLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("lookIn");
        QTest::newRow("no translation of the language") << "xx" << false << "Look in:";
        QTest::newRow("Japanese") << "ja" << true << "アドレス:";
    }

    void filePanelsSpeakTheInterfaceLanguage()
    {
        QFETCH(QString, language);
        QFETCH(bool, installed);
        QFETCH(QString, lookIn);
        QCOMPARE(QtTranslations::install(language), installed);
        m_factory->showFileOpenModal({"tpk"}, [](const std::optional<QUrl> &) {});
        auto *panel = m_window->findChild<QFileDialog *>();
        QCOMPARE(panel->findChild<QLabel *>("lookInLabel")->text(), lookIn);
        panel->reject();
    }

private:
    // A main window of full size whose pages and menus speak language.
    void openWindow(const QString &language);
    void save(const QString &name);
    QList<MsgButton *> shownButtons();
    void record(MessageModalResponseType answer) { m_answers << answer; }

    std::unique_ptr<WindowFixture> m_fixture;
    MainWindow *m_window = nullptr;
    std::unique_ptr<MessageModalFactory> m_factory;
    Answers m_answers;
};
void tst_Messages::openWindow(const QString &language)
{
    m_factory.reset();
    m_fixture.reset();
    LocalizedStrings::setLanguage(language);
    m_fixture = std::make_unique<WindowFixture>();
    m_window = m_fixture->controller->window();
    m_window->resize(1360, 1000 + m_window->menuWidget()->sizeHint().height());
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    m_factory = std::make_unique<MessageModalFactory>();
}

void tst_Messages::save(const QString &name)
{
    QVERIFY(saveReviewImage(m_window->grab().toImage(), name));
}

QList<MsgButton *> tst_Messages::shownButtons()
{
    MessageWindowCtl &controls = m_factory->messageWindowCtrl();
    QList<MsgButton *> buttons{controls.btn1(), controls.btn2(), controls.btn3()};
    buttons.removeIf([](const MsgButton *button) { return button->isHidden(); });
    return buttons;
}

QTEST_MAIN(tst_Messages)
#include "tst_messages.moc"
