#include "comparewindow.h"

#include "localizedstrings.h"
#include "msgbutton.h"
#include "paintkit.h"
#include "shelllook.h"

#include <QCloseEvent>
#include <QLabel>

namespace {

constexpr int margin = 20;

} // namespace

CompareWindow::CompareWindow(QWidget *parent)
    : QDialog(parent)
    , m_compareWindowLabel(new QLabel(this))
    , m_compareWindowButton(new MsgButton(this))
{
    setObjectName(QStringLiteral("compareWindow"));
    setFixedSize(contentSize);
    setAutoFillBackground(true);
    ShellLook::setColor(*this, QPalette::Window, ShellLook::pageBackground());
    m_compareWindowLabel->setWordWrap(true);
    m_compareWindowLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_compareWindowLabel->setGeometry(margin, margin, contentSize.width() - 2 * margin, 60);
    ShellLook::setColor(*m_compareWindowLabel, QPalette::WindowText, PaintKit::enabledInk());
    connect(m_compareWindowButton, &MsgButton::clicked, this, &CompareWindow::closeRequested);
    awakeFromNib();
}

void CompareWindow::awakeFromNib()
{
    m_compareWindowLabel->setText(
        LocalizedStrings::text(QStringLiteral("CompareWindow_Description")));
    m_compareWindowButton->setText(
        LocalizedStrings::text(QStringLiteral("CompareWindow_CloseButtonLabel")));
    const QSize button = m_compareWindowButton->sizeHint();
    m_compareWindowButton->setGeometry(contentSize.width() - margin - button.width(),
                                       contentSize.height() - margin - button.height(),
                                       button.width(), button.height());
}

void CompareWindow::reject()
{
    emit closeRequested();
}

void CompareWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    emit closeRequested();
}
