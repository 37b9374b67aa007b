#include "progressicon.h"

#include "shelllook.h"

#include <QPainter>

ProgressIcon::ProgressIcon(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(sizeHint());
}

void ProgressIcon::setRotation(qreal degrees)
{
    m_rotation = degrees;
    update();
}

void ProgressIcon::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(rect().center() + QPointF(0.5, 0.5));
    painter.rotate(m_rotation);
    const qreal radius = qMin(width(), height()) / 2.0 - 5.0;
    const QRectF ring(-radius, -radius, 2 * radius, 2 * radius);
    QColor track = ShellLook::msgView().txtColor();
    track.setAlphaF(0.25f);
    painter.setPen(QPen(track, 5.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawEllipse(ring);
    painter.setPen(QPen(ShellLook::msgView().txtColor(), 5.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(ring, 90 * 16, 100 * 16);
}
