#pragma once

#include "enumerations.h"
#include "messagecatalogue.h"
#include "msgbuttonclickdelegate.h"
#include "msgmaskview.h"

#include <QObject>
#include <QPointer>
#include <QUrl>

#include <functional>
#include <optional>

class MessageWindowCtl;
class MsgViewCtrl;
class QDateTime;

// Shows every numbered message as an overlay inside the current window, a mask under the message
// view, and hands the user's answer to the completion of the caller, exactly once: a message that
// another one replaces answers as if dismissed. It also opens the file panels on that window.
class MessageModalFactory : public QObject, public MsgButtonClickDelegate
{
    Q_OBJECT

public:
    using Completion = std::function<void(MessageModalResponseType)>;
    using UrlHandler = std::function<void(const std::optional<QUrl> &url)>;

    explicit MessageModalFactory(QObject *parent = nullptr);
    ~MessageModalFactory() override;

    static MessageModalFactory &sharedInstance();

    void showMessage1001(Completion completion);
    void showMessage1002(Completion completion);
    void showMessage1003(Completion completion);
    void showMessage1004(Completion completion);
    void showMessage1005(Completion completion);
    void showMessage1006(Completion completion);
    void showMessage1007(Completion completion);
    void showMessage1008(Completion completion);
    void showMessage1010(Completion completion);
    void showMessage1011(Completion completion);
    void showMessage1012(Completion completion);
    void showMessage1014(Completion completion);
    void showMessage1015(Completion completion);
    void showMessage1016(Completion completion);
    // The text names the layout chosen in 1016: US for OK, JP otherwise.
    void showMessage1017(MessageModalResponseType responseType, Completion completion);
    void showMessage9001(Completion completion);
    void showMessage9004(Completion completion);
    // The text names the layout the setting file was made for.
    void showMessage9005(KeyboardLayoutType layout, Completion completion);
    void showMessage9006(Completion completion);
    void showMessage9007(Completion completion);
    void showMessage9009(Completion completion);
    void showMessage9010(Completion completion);
    void showMessage9012(Completion completion);
    void showMessage9014(Completion completion);
    void showMessage9016(Completion completion);
    void showMessage9020(Completion completion);
    void showMessage9022(Completion completion);
    void showMessage9023(Completion completion);

    // Takes the message away and answers its completion with the answer of the tag.
    void buttonClick(int resType) override;

    bool isShowingMessage() const { return m_isShowingMessage; }
    // The number of the message shown; 0 while none is.
    int shownMessageNumber() const { return m_isShowingMessage ? m_shown.number : 0; }
    // While true, the window keeps refusing to close after a message has been answered.
    bool isShowProgressPage() const { return m_isShowProgressPage; }
    void setIsShowProgressPage(bool isShow) { m_isShowProgressPage = isShow; }

    MsgMaskView *msgMaskView() const { return m_msgMaskView; }
    MsgViewCtrl *msgAlertView() const;
    MessageWindowCtl &messageWindowCtrl() { return *m_messageWindowCtrl; }

    // Lets the user pick one existing file with one of the extensions (without dot).
    void showFileOpenModal(
        const QStringList &allowedFileTypes, UrlHandler onConfirm,
        std::function<void()> onDeny = [] {}, std::function<void()> then = [] {});
    // Lets the user name a setting file, proposing a time-stamped name.
    void showFileSaveModal(
        const QStringList &allowedFileTypes, SaveProfileType saveProfileType, UrlHandler onConfirm,
        std::function<void()> onDeny = [] {}, std::function<void()> then = [] {});
    // "TAVO_Pellix_Setting_All_" or "..._Single_" and the time as "yyyyMMddHHmmss".
    static QString defaultSaveFileName(SaveProfileType saveProfileType, const QDateTime &now);

    // Shows the message of number with its text from the catalogue, for callers that name their
    // messages by number.
    void showMessage(int number, Completion completion);

private:
    void showMessage(int number, const QString &messageText, Completion completion);
    void initMsgAlerView(MessageType type, const QString &messageText);
    void showMsgMaskView();
    void showAlert();
    void takeMessageAway();

    QPointer<MsgMaskView> m_msgMaskView;
    std::unique_ptr<MessageWindowCtl> m_messageWindowCtrl;
    Completion m_completion;
    MessageCatalogue::Entry m_shown;
    bool m_isShowingMessage = false;
    bool m_isShowProgressPage = false;
};
