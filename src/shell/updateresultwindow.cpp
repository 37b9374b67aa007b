#include "updateresultwindow.h"

#include "localizedstrings.h"
#include "msgbutton.h"
#include "shelllook.h"

#include <QDebug>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A result text, or a link with its icon after it, in one cell of the grid.
QWidget *resultCell(QLabel *resultText, QPushButton *link, QLabel *icon)
{
    auto *cell = new QWidget;
    auto *row = new QHBoxLayout(cell);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    row->addWidget(resultText);
    row->addWidget(link);
    row->addWidget(icon);
    row->addStretch();
    return cell;
}

} // namespace

UpdateResultWindow::UpdateResultWindow(QWidget *parent)
    : MsgPanel(parent)
    , m_upateWindowDescLabel(new QLabel)
    , m_keymapLabel(new QLabel)
    , m_keymapToolResultText(new QLabel)
    , m_TAVOLabel(new QLabel)
    , m_TAVOToolResultText(new QLabel)
    , m_keymaptoolURLButton(new QPushButton)
    , m_TAVOToolURLButton(new QPushButton)
    , m_closeButton(new MsgButton)
    , m_TAVOToolImageLink(new QLabel)
    , m_keymapImageLink(new QLabel)
{
    setObjectName(QStringLiteral("updateView"));
    layOut();
    awakeFromNib();
}

void UpdateResultWindow::awakeFromNib()
{
    qDebug() << "******************UpdateResultWindow awakeFromNib******************";
    const QColor textColor = ShellLook::msgView().txtColor();
    m_closeButton->setText(
        LocalizedStrings::text(QStringLiteral("UpdateResultWindow_ButtonLabel")));
    m_TAVOToolResultText->setText(
        LocalizedStrings::text(QStringLiteral("UpdateResultWindow_CurrentNewestVersionLabel")));
    m_keymapToolResultText->setText(
        LocalizedStrings::text(QStringLiteral("UpdateResultWindow_CurrentNewestVersionLabel")));
    m_keymapLabel->setText(
        LocalizedStrings::text(QStringLiteral("UpdateResultWindow_DetailTemplateLine2")));
    m_TAVOLabel->setText(
        LocalizedStrings::text(QStringLiteral("UpdateResultWindow_DetailTemplateLine3")));
    m_upateWindowDescLabel->setText(
        LocalizedStrings::text(QStringLiteral("UpdateResultWindow_Title")));
    for (QLabel *label : {m_upateWindowDescLabel, m_keymapLabel, m_keymapToolResultText,
                          m_TAVOLabel, m_TAVOToolResultText})
        ShellLook::setColor(*label, QPalette::WindowText, textColor);
    setLinkStyle(*m_keymaptoolURLButton,
                 QStringLiteral("UpdateResultWindow_FindNewerVersionLabel"));
    setLinkStyle(*m_TAVOToolURLButton, QStringLiteral("UpdateResultWindow_FindNewerVersionLabel"));
    const QPixmap linkIcon = ShellLook::image(QStringLiteral("icn_link_16"));
    m_keymapImageLink->setPixmap(linkIcon);
    m_TAVOToolImageLink->setPixmap(linkIcon);
}

void UpdateResultWindow::layOut()
{
    // At least 600 x 170, and as large as its texts need at the interface font.
    setMinimumSize(600, 170);
    QFont titleFont = m_upateWindowDescLabel->font();
    titleFont.setBold(true);
    m_upateWindowDescLabel->setFont(titleFont);

    auto *lines = new QGridLayout;
    lines->setHorizontalSpacing(12);
    lines->addWidget(m_keymapLabel, 0, 0);
    lines->addWidget(resultCell(m_keymapToolResultText, m_keymaptoolURLButton, m_keymapImageLink),
                     0, 1);
    lines->addWidget(m_TAVOLabel, 1, 0);
    lines->addWidget(resultCell(m_TAVOToolResultText, m_TAVOToolURLButton, m_TAVOToolImageLink), 1,
                     1);
    lines->setColumnStretch(1, 1);

    auto *panel = new QVBoxLayout(this);
    panel->setContentsMargins(20, 16, 20, 16);
    panel->addWidget(m_upateWindowDescLabel);
    panel->addLayout(lines);
    panel->addStretch();
    panel->addWidget(m_closeButton, 0, Qt::AlignRight);
}

void UpdateResultWindow::setLinkStyle(QPushButton &button, const QString &stringValue)
{
    button.setText(LocalizedStrings::text(stringValue));
    QFont font = button.font();
    font.setUnderline(true);
    button.setFont(font);
    ShellLook::setColor(button, QPalette::ButtonText, ShellLook::updateLinkColor());
    button.setCursor(Qt::PointingHandCursor);
    button.setFlat(true);
}
