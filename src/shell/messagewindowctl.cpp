#include "messagewindowctl.h"

#include "messagecatalogue.h"
#include "msgbutton.h"
#include "msgbuttonclickdelegate.h"
#include "msgviewctrl.h"

#include <QLabel>

MessageWindowCtl::MessageWindowCtl(QObject *parent)
    : QObject(parent)
{}

MessageWindowCtl::~MessageWindowCtl()
{
    delete m_msgViewCtrl.data();
}

MsgViewCtrl *MessageWindowCtl::msgViewCtrl()
{
    if (!m_msgViewCtrl)
        loadView();
    return m_msgViewCtrl;
}

QLabel *MessageWindowCtl::labelMsg()
{
    msgViewCtrl();
    return m_labelMsg;
}

QLabel *MessageWindowCtl::imgIcon()
{
    msgViewCtrl();
    return m_imgIcon;
}

MsgButton *MessageWindowCtl::btn1()
{
    msgViewCtrl();
    return m_btn1;
}

MsgButton *MessageWindowCtl::btn2()
{
    msgViewCtrl();
    return m_btn2;
}

MsgButton *MessageWindowCtl::btn3()
{
    msgViewCtrl();
    return m_btn3;
}

void MessageWindowCtl::loadView()
{
    m_msgViewCtrl = new MsgViewCtrl;
    m_msgViewCtrl->resize(viewWidth, viewHeight);
    m_labelMsg = new QLabel(m_msgViewCtrl);
    m_labelMsg->setWordWrap(true);
    m_labelMsg->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_labelMsg->setTextFormat(Qt::PlainText);
    m_imgIcon = new QLabel(m_msgViewCtrl);
    m_imgIcon->setGeometry(22, 26, 48, 48);
    m_btn1 = new MsgButton(m_msgViewCtrl);
    m_btn2 = new MsgButton(m_msgViewCtrl);
    m_btn3 = new MsgButton(m_msgViewCtrl);
    m_btn1->setObjectName(QStringLiteral("btn1"));
    m_btn2->setObjectName(QStringLiteral("btn2"));
    m_btn3->setObjectName(QStringLiteral("btn3"));
    for (MsgButton *btn : {m_btn1, m_btn2, m_btn3})
        connect(btn, &MsgButton::clicked, this, [this, btn] { btnClick(btn); });
    m_msgViewCtrl->setButtons(m_btn1, m_btn2, m_btn3);
    removeAllBtn();
}

void MessageWindowCtl::removeAllBtn()
{
    for (MsgButton *btn : {btn1(), btn2(), btn3()}) {
        btn->resetState();
        btn->hide();
    }
}

void MessageWindowCtl::addButton1(const QString &strBtn, int resType)
{
    addButton(btn1(), strBtn, resType);
}

void MessageWindowCtl::addButton2(const QString &strBtn, int resType)
{
    addButton(btn2(), strBtn, resType);
}

void MessageWindowCtl::addButton3(const QString &strBtn, int resType)
{
    addButton(btn3(), strBtn, resType);
}

void MessageWindowCtl::setKeyEquivalent(MsgButton *btn, int resType)
{
    btn->setKeyEquivalent(MessageCatalogue::keyEquivalentForTag(resType));
}

void MessageWindowCtl::btnClick(QObject *sender)
{
    if (!m_btnClickDelegete)
        return;
    const auto *btn = qobject_cast<MsgButton *>(sender);
    m_btnClickDelegete->buttonClick(btn ? btn->tag() : 1);
}

void MessageWindowCtl::addButton(MsgButton *btn, const QString &strBtn, int resType)
{
    btn->show();
    btn->setText(strBtn);
    btn->setTag(resType);
    setKeyEquivalent(btn, resType);
    layoutButtons();
}

void MessageWindowCtl::layoutButtons()
{
    constexpr int margin = 20;
    constexpr int spacing = 10;
    int right = viewWidth - margin;
    for (MsgButton *btn : {m_btn1, m_btn2, m_btn3}) {
        if (btn->isHidden())
            continue;
        const QSize size = btn->sizeHint();
        btn->setGeometry(right - size.width(), viewHeight - 16 - size.height(), size.width(),
                         size.height());
        right -= size.width() + spacing;
    }
}
