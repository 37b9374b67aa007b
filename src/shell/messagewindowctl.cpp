#include "messagewindowctl.h"

#include "messagecatalogue.h"
#include "msgbutton.h"
#include "msgbuttonclickdelegate.h"
#include "msgviewctrl.h"
#include "wrappedlabel.h"

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

WrappedLabel *MessageWindowCtl::labelMsg()
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
    m_labelMsg = new WrappedLabel(m_msgViewCtrl);
    m_labelMsg->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
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
    layoutView();
}

void MessageWindowCtl::layoutView()
{
    // Laid out for the smallest view of 450 x 150: the text 20 from the top in a box at least
    // 60 high, 86 from the left beside an icon (20 without), the buttons 26 below the text and
    // 16 above the bottom, right-aligned 20 from the right. A longer text or a larger font makes
    // the view higher, wider buttons make it wider.
    constexpr int margin = 20;
    constexpr int spacing = 10;
    QList<MsgButton *> shown;
    int buttonsWidth = -spacing;
    int buttonHeight = 0;
    for (MsgButton *btn : {m_btn1, m_btn2, m_btn3}) {
        if (btn->isHidden())
            continue;
        shown << btn;
        buttonsWidth += btn->sizeHint().width() + spacing;
        buttonHeight = qMax(buttonHeight, btn->sizeHint().height());
    }
    const int width = qMax(viewWidth, buttonsWidth + 2 * margin);
    const bool hasIcon = !m_imgIcon->isHidden();
    const int textLeft = hasIcon ? 86 : margin;
    const int textWidth = width - textLeft - (hasIcon ? 18 : margin);
    const int textHeight = qMax(60, m_labelMsg->heightForWidth(textWidth));
    m_labelMsg->setGeometry(textLeft, margin, textWidth, textHeight);
    const int buttonTop = margin + textHeight + 26;
    int right = width - margin;
    for (MsgButton *btn : std::as_const(shown)) {
        const int buttonWidth = btn->sizeHint().width();
        btn->setGeometry(right - buttonWidth, buttonTop, buttonWidth, buttonHeight);
        right -= buttonWidth + spacing;
    }
    m_msgViewCtrl->resize(width, qMax(viewHeight, buttonTop + buttonHeight + 16));
}
