#include "progresspageview.h"

#include "progressicon.h"
#include "shelllook.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

QLabel *makeText(qreal pointSize, bool bold, QWidget *parent)
{
    auto *label = new QLabel(parent);
    QFont font = label->font();
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    ShellLook::setColor(*label, QPalette::WindowText, ShellLook::msgView().txtColor());
    return label;
}

} // namespace

ProgressPageView::ProgressPageView(QWidget *parent)
    : OverlayView(parent)
{
    m_progressIconView = new ProgressIcon(this);
    m_mainMessageTextField = makeText(16, true, this);
    m_subMessageTextField = makeText(11, false, this);
    m_percentMessageTextField = makeText(14, true, this);
    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(m_progressIconView, 0, Qt::AlignHCenter);
    layout->addSpacing(16);
    layout->addWidget(m_mainMessageTextField);
    layout->addWidget(m_subMessageTextField);
    layout->addSpacing(8);
    layout->addWidget(m_percentMessageTextField);
    layout->addStretch();
}
