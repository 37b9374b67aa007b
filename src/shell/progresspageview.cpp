#include "progresspageview.h"

#include "msgpanel.h"
#include "overlaytracker.h"
#include "progressicon.h"
#include "shelllook.h"
#include "wrappedlabel.h"

#include <QVBoxLayout>

#include <cmath>

namespace {

// A text of the panel at a size relative to the interface font.
WrappedLabel *makeText(qreal scale, bool bold, QWidget *parent)
{
    auto *label = new WrappedLabel(parent);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * scale);
    font.setBold(bold);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    ShellLook::setColor(*label, QPalette::WindowText, ShellLook::msgView().txtColor());
    return label;
}

} // namespace

ProgressPageView::ProgressPageView(QWidget *parent)
    : OverlayView(parent)
    , m_panel(new MsgPanel(this))
{
    m_progressIconView = new ProgressIcon(m_panel);
    m_mainMessageTextField = makeText(1.4, true, m_panel);
    m_subMessageTextField = makeText(1.0, false, m_panel);
    m_percentMessageTextField = makeText(1.25, true, m_panel);
    m_panel->setGraphicsEffect(ShellLook::msgViewShadow(m_panel));
    // As wide as a message at the smallest fonts, wider at larger ones; the texts wrap inside.
    m_panel->setFixedWidth(qMax(450, int(std::lround(fontMetrics().height() * 28))));
    auto *texts = new QVBoxLayout(m_panel);
    texts->setContentsMargins(24, 24, 24, 24);
    texts->setSpacing(6);
    texts->addWidget(m_progressIconView, 0, Qt::AlignHCenter);
    texts->addSpacing(10);
    texts->addWidget(m_mainMessageTextField);
    texts->addWidget(m_subMessageTextField);
    texts->addWidget(m_percentMessageTextField);
    // Under a message the panel would show through the message's mask around it.
    connect(&OverlayTracker::sharedInstance(), &OverlayTracker::changed, this,
            &ProgressPageView::followCover);
}

ProgressPageView::~ProgressPageView()
{
    // The overlay's own going away is announced when this part of it is gone already.
    disconnect(&OverlayTracker::sharedInstance(), nullptr, this, nullptr);
}

void ProgressPageView::setTexts(const QString &mainMessage, const QString &subMessage,
                                const QString &percentMessage)
{
    m_mainMessageTextField->setText(mainMessage);
    m_subMessageTextField->setText(subMessage);
    m_percentMessageTextField->setText(percentMessage);
    placePanel();
}

void ProgressPageView::resizeEvent(QResizeEvent *event)
{
    OverlayView::resizeEvent(event);
    placePanel();
}

void ProgressPageView::placePanel()
{
    const int height = m_panel->heightForWidth(m_panel->width());
    m_panel->setGeometry((width() - m_panel->width()) / 2, (this->height() - height) / 2,
                         m_panel->width(), height);
}

void ProgressPageView::followCover()
{
    m_panel->setVisible(!OverlayTracker::sharedInstance().isCovered(this));
}
