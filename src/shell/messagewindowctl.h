#pragma once

#include <QObject>
#include <QPointer>

class MsgButton;
class MsgButtonClickDelegate;
class MsgViewCtrl;
class QLabel;
class WrappedLabel;

// Builds the message view (text, icon and three buttons) and fills its buttons anew for every
// message; a pressed button's tag goes to the delegate.
class MessageWindowCtl : public QObject
{
    Q_OBJECT

public:
    // The smallest size of the message view.
    static constexpr int viewWidth = 450;
    static constexpr int viewHeight = 150;

    explicit MessageWindowCtl(QObject *parent = nullptr);
    ~MessageWindowCtl() override;

    // The message view, built on first use and again if its window took it down with it.
    MsgViewCtrl *msgViewCtrl();
    WrappedLabel *labelMsg();
    QLabel *imgIcon();
    MsgButton *btn1();
    MsgButton *btn2();
    MsgButton *btn3();

    void setBtnClickDelegete(MsgButtonClickDelegate *delegate) { m_btnClickDelegete = delegate; }

    // Hides the three buttons and forgets their state.
    void removeAllBtn();
    void addButton1(const QString &strBtn, int resType);
    void addButton2(const QString &strBtn, int resType);
    void addButton3(const QString &strBtn, int resType);
    static void setKeyEquivalent(MsgButton *btn, int resType);
    // Forwards the tag of sender (1 for anything but a message button) to the delegate.
    void btnClick(QObject *sender);
    // Sizes the view to its text, icon and shown buttons, the first button on the right.
    void layoutView();

private:
    void loadView();
    void addButton(MsgButton *btn, const QString &strBtn, int resType);

    QPointer<MsgViewCtrl> m_msgViewCtrl;
    WrappedLabel *m_labelMsg = nullptr;
    QLabel *m_imgIcon = nullptr;
    MsgButton *m_btn1 = nullptr;
    MsgButton *m_btn2 = nullptr;
    MsgButton *m_btn3 = nullptr;
    MsgButtonClickDelegate *m_btnClickDelegete = nullptr;
};
