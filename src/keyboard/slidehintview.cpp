#include "slidehintview.h"

#include "bottomleftspace.h"
#include "keyboardconfig.h"
#include "slidehintanimation.h"

#include <QPainter>

namespace {
constexpr double lineWidth = 1.0;
} // namespace

SlideHintView::SlideHintView(const SlideHintAnimation &hint, QWidget *parent)
    : QWidget(parent)
    , m_hint(hint)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SlideHintView::paintEvent(QPaintEvent *)
{
    if (!m_hint.isDrawn())
        return;
    const SlideKeyConfig &theme = KeyBoardConfig::shared().slideKey;
    const BottomLeftSpace space(height());
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(theme.circleStrokerColor(), lineWidth));
    painter.setBrush(theme.circleFillColor());
    painter.drawEllipse(space.toQt(m_hint.circleFrame()));
    const QLineF line = m_hint.drawnLine();
    painter.setPen(QPen(theme.lineStrokerColor(), lineWidth));
    painter.drawLine(space.toQt(line.p1()), space.toQt(line.p2()));
}
