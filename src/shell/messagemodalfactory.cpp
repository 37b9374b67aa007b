#include "messagemodalfactory.h"

#include "appdelegate.h"
#include "localizedstrings.h"
#include "localtime.h"
#include "logger.h"
#include "messagewindowctl.h"
#include "msgbutton.h"
#include "msgmaskview.h"
#include "msgviewctrl.h"
#include "shelllook.h"
#include "wrappedlabel.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>

#include <utility>

namespace {

QStringList nameFilters(const QStringList &allowedFileTypes)
{
    QStringList patterns;
    for (const QString &type : allowedFileTypes)
        patterns << QStringLiteral("*.") + type;
    return {patterns.join(QLatin1Char(' '))};
}

// The folder a panel opens in: where the user last chose a file, at first the home folder, never
// the folder the program was started from.
QString &panelFolder()
{
    static QString folder = QDir::homePath();
    return folder;
}

QFileDialog *newPanel()
{
    auto *panel = new QFileDialog(AppDelegate::getCurrentWindow(), QString(), panelFolder());
    // Qt's own dialogs under tests, the desktop's otherwise.
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        panel->setOption(QFileDialog::DontUseNativeDialog);
    return panel;
}

void runPanel(QFileDialog *dialog, MessageModalFactory::UrlHandler onConfirm,
              std::function<void()> onDeny, std::function<void()> then)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    QObject::connect(dialog, &QFileDialog::finished, dialog,
                     [dialog, onConfirm = std::move(onConfirm), onDeny = std::move(onDeny),
                      then = std::move(then)](int result) {
                         if (result == QDialog::Accepted) {
                             const QList<QUrl> urls = dialog->selectedUrls();
                             panelFolder() = dialog->directory().absolutePath();
                             onConfirm(urls.isEmpty() ? std::nullopt
                                                      : std::optional<QUrl>(urls.first()));
                         } else {
                             onDeny();
                         }
                         then();
                     });
    dialog->open();
}

} // namespace

MessageModalFactory::MessageModalFactory(QObject *parent)
    : QObject(parent)
    , m_messageWindowCtrl(std::make_unique<MessageWindowCtl>())
{}

MessageModalFactory::~MessageModalFactory()
{
    delete m_msgMaskView.data();
}

MessageModalFactory &MessageModalFactory::sharedInstance()
{
    // Owned by the application, so that its views go before the application does.
    static auto *factory = new MessageModalFactory(qApp);
    return *factory;
}

void MessageModalFactory::showMessage1001(Completion completion)
{
    showMessage(1001, std::move(completion));
}

void MessageModalFactory::showMessage1002(Completion completion)
{
    showMessage(1002, std::move(completion));
}

void MessageModalFactory::showMessage1003(Completion completion)
{
    showMessage(1003, std::move(completion));
}

void MessageModalFactory::showMessage1004(Completion completion)
{
    showMessage(1004, std::move(completion));
}

void MessageModalFactory::showMessage1005(Completion completion)
{
    showMessage(1005, std::move(completion));
}

void MessageModalFactory::showMessage1006(Completion completion)
{
    showMessage(1006, std::move(completion));
}

void MessageModalFactory::showMessage1007(Completion completion)
{
    showMessage(1007, std::move(completion));
}

void MessageModalFactory::showMessage1008(Completion completion)
{
    showMessage(1008, std::move(completion));
}

void MessageModalFactory::showMessage1010(Completion completion)
{
    showMessage(1010, std::move(completion));
}

void MessageModalFactory::showMessage1011(Completion completion)
{
    showMessage(1011, std::move(completion));
}

void MessageModalFactory::showMessage1012(Completion completion)
{
    showMessage(1012, std::move(completion));
}

void MessageModalFactory::showMessage1014(Completion completion)
{
    showMessage(1014, std::move(completion));
}

void MessageModalFactory::showMessage1015(Completion completion)
{
    showMessage(1015, std::move(completion));
}

void MessageModalFactory::showMessage1016(Completion completion)
{
    showMessage(1016, std::move(completion));
}

void MessageModalFactory::showMessage1017(MessageModalResponseType responseType,
                                          Completion completion)
{
    const QString layout = LocalizedStrings::text(responseType == MessageModalResponseType::OK
                                                      ? QStringLiteral("Message_US_Type")
                                                      : QStringLiteral("Message_JP_Type"));
    showMessage(1017, LocalizedStrings::text(MessageCatalogue::textKey(1017)).arg(layout),
                std::move(completion));
}

void MessageModalFactory::showMessage9001(Completion completion)
{
    showMessage(9001, std::move(completion));
}

void MessageModalFactory::showMessage9004(Completion completion)
{
    showMessage(9004, std::move(completion));
}

void MessageModalFactory::showMessage9005(KeyboardLayoutType layout, Completion completion)
{
    const QString key = layout == KeyboardLayoutType::English
                            ? QStringLiteral("Message9005_Text_ToEnglish")
                            : QStringLiteral("Message9005_Text_ToJapanese");
    showMessage(9005, LocalizedStrings::text(key), std::move(completion));
}

void MessageModalFactory::showMessage9006(Completion completion)
{
    showMessage(9006, std::move(completion));
}

void MessageModalFactory::showMessage9007(Completion completion)
{
    showMessage(9007, std::move(completion));
}

void MessageModalFactory::showMessage9009(Completion completion)
{
    showMessage(9009, std::move(completion));
}

void MessageModalFactory::showMessage9010(Completion completion)
{
    showMessage(9010, std::move(completion));
}

void MessageModalFactory::showMessage9012(Completion completion)
{
    showMessage(9012, std::move(completion));
}

void MessageModalFactory::showMessage9014(Completion completion)
{
    showMessage(9014, std::move(completion));
}

void MessageModalFactory::showMessage9016(Completion completion)
{
    showMessage(9016, std::move(completion));
}

void MessageModalFactory::showMessage9020(Completion completion)
{
    showMessage(9020, std::move(completion));
}

void MessageModalFactory::showMessage9022(Completion completion)
{
    showMessage(9022, std::move(completion));
}

void MessageModalFactory::showMessage9023(Completion completion)
{
    showMessage(9023, std::move(completion));
}

void MessageModalFactory::buttonClick(int resType)
{
    takeMessageAway();
    // Taken out first: the completion may show the next message at once.
    if (Completion completion = std::exchange(m_completion, nullptr))
        completion(MessageCatalogue::responseForTag(resType));
}

MsgViewCtrl *MessageModalFactory::msgAlertView() const
{
    return m_messageWindowCtrl->msgViewCtrl();
}

void MessageModalFactory::showFileOpenModal(const QStringList &allowedFileTypes,
                                            UrlHandler onConfirm, std::function<void()> onDeny,
                                            std::function<void()> then)
{
    QFileDialog *panel = newPanel();
    panel->setFileMode(QFileDialog::ExistingFile);
    panel->setOption(QFileDialog::ReadOnly);
    panel->setNameFilters(nameFilters(allowedFileTypes));
    LOG_DEBUG(QStringLiteral("Show a open panel."));
    runPanel(panel, std::move(onConfirm), std::move(onDeny), std::move(then));
}

void MessageModalFactory::showFileSaveModal(const QStringList &allowedFileTypes,
                                            SaveProfileType saveProfileType, UrlHandler onConfirm,
                                            std::function<void()> onDeny,
                                            std::function<void()> then)
{
    QFileDialog *panel = newPanel();
    panel->setAcceptMode(QFileDialog::AcceptSave);
    panel->setFileMode(QFileDialog::AnyFile);
    panel->selectFile(defaultSaveFileName(saveProfileType, LocalTime::now()));
    panel->setNameFilters(nameFilters(allowedFileTypes));
    panel->setDefaultSuffix(allowedFileTypes.value(0));
    LOG_DEBUG(QStringLiteral("Show a save panel."));
    runPanel(panel, std::move(onConfirm), std::move(onDeny), std::move(then));
}

QString MessageModalFactory::defaultSaveFileName(SaveProfileType saveProfileType,
                                                 const QDateTime &now)
{
    const QString prefix = saveProfileType == SaveProfileType::all
                               ? QStringLiteral("TAVO_Pellix_Setting_All_")
                               : QStringLiteral("TAVO_Pellix_Setting_Single_");
    return prefix + now.toString(QStringLiteral("yyyyMMddHHmmss"));
}

void MessageModalFactory::showMessage(int number, Completion completion)
{
    showMessage(number, LocalizedStrings::text(MessageCatalogue::textKey(number)),
                std::move(completion));
}

void MessageModalFactory::showMessage(int number, const QString &messageText, Completion completion)
{
    LOG_DEBUG(QStringLiteral("Show messge %1.").arg(number));
    // A message still waiting for its answer is answered as dismissed once its successor is in
    // place, so that a message that answer shows replaces the successor in turn and no
    // completion is ever dropped.
    Completion replaced = std::exchange(m_completion, std::move(completion));
    const MessageCatalogue::Entry replacedEntry =
        std::exchange(m_shown, MessageCatalogue::entry(number));
    initMsgAlerView(m_shown.type, messageText);
    const QList<MessageCatalogue::Button> &buttons = m_shown.buttons;
    MessageWindowCtl &controls = *m_messageWindowCtrl;
    if (buttons.size() > 0)
        controls.addButton1(LocalizedStrings::text(buttons[0].labelKey), buttons[0].tag);
    if (buttons.size() > 1)
        controls.addButton2(LocalizedStrings::text(buttons[1].labelKey), buttons[1].tag);
    if (buttons.size() > 2)
        controls.addButton3(LocalizedStrings::text(buttons[2].labelKey), buttons[2].tag);
    showAlert();
    if (replaced)
        replaced(MessageCatalogue::dismissResponse(replacedEntry));
}

void MessageModalFactory::initMsgAlerView(MessageType type, const QString &messageText)
{
    showMsgMaskView();
    MessageWindowCtl &controls = *m_messageWindowCtrl;
    MsgViewCtrl *view = controls.msgViewCtrl();
    if (!view->graphicsEffect()) {
        controls.setBtnClickDelegete(this);
        view->setObjectName(QStringLiteral("msgAlert"));
        view->setGraphicsEffect(ShellLook::msgViewShadow(view));
    }
    controls.removeAllBtn();
    QLabel *label = controls.labelMsg();
    label->setText(messageText);
    ShellLook::setColor(*label, QPalette::WindowText, ShellLook::msgView().txtColor());
    const bool hasIcon = type != MessageType::noIcon;
    controls.imgIcon()->setVisible(hasIcon);
    if (hasIcon) {
        controls.imgIcon()->setPixmap(ShellLook::image(type == MessageType::error
                                                           ? QStringLiteral("icn_error_48")
                                                           : QStringLiteral("icn_alert_48")));
    }
    controls.layoutView();
}

void MessageModalFactory::showMsgMaskView()
{
    QWidget *content = AppDelegate::contentView(AppDelegate::getCurrentWindow());
    if (!content)
        return;
    if (!m_msgMaskView)
        m_msgMaskView = new MsgMaskView;
    m_msgMaskView->setBackgroundColor(ShellLook::msgView().msgMaskViewColor());
    if (m_msgMaskView->parentWidget() != content)
        m_msgMaskView->setParent(content);
    m_msgMaskView->setPanel(m_messageWindowCtrl->msgViewCtrl());
    m_msgMaskView->show();
    m_msgMaskView->raise();
}

void MessageModalFactory::showAlert()
{
    QWidget *content = AppDelegate::contentView(AppDelegate::getCurrentWindow());
    if (!content)
        return;
    MsgViewCtrl *view = m_messageWindowCtrl->msgViewCtrl();
    if (view->parentWidget() != content)
        view->setParent(content);
    m_msgMaskView->centrePanel();
    view->show();
    view->raise();
    m_isShowingMessage = true;
    m_messageWindowCtrl->btn1()->setFocus(Qt::OtherFocusReason);
}

void MessageModalFactory::takeMessageAway()
{
    if (m_msgMaskView)
        m_msgMaskView->hide();
    m_messageWindowCtrl->msgViewCtrl()->hide();
    m_isShowingMessage = false;
}
