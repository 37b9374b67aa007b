#include "wrappedlabel.h"

#include "linebreaker.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

WrappedLabel::WrappedLabel(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

QStringList WrappedLabel::lines(int width) const
{
    if (m_broken.width != width || m_broken.text != text() || m_broken.font != font()) {
        const QFontMetricsF metrics(font());
        const LineBreaker breaker(
            [&metrics](const QString &piece) { return metrics.horizontalAdvance(piece); }, width);
        m_broken = {text(), font(), width, breaker.lines(text())};
    }
    return m_broken.lines;
}

int WrappedLabel::heightForWidth(int width) const
{
    const QFontMetricsF metrics(font());
    return int(std::ceil(metrics.lineSpacing() * lines(width).size()));
}

QSize WrappedLabel::sizeHint() const
{
    // As wide as the longest line the text has of its own.
    const QFontMetricsF metrics(font());
    qreal widest = 0;
    for (const QString &line : text().split(u'\n'))
        widest = qMax(widest, metrics.horizontalAdvance(line));
    const int width = int(std::ceil(widest));
    return {width, heightForWidth(width)};
}

QSize WrappedLabel::minimumSizeHint() const
{
    return {0, int(std::ceil(QFontMetricsF(font()).lineSpacing()))};
}

void WrappedLabel::paintEvent(QPaintEvent *)
{
    const QStringList shown = lines(width());
    const qreal lineHeight = QFontMetricsF(font()).lineSpacing();
    const qreal blockHeight = lineHeight * shown.size();
    qreal top = 0;
    if (alignment() & Qt::AlignVCenter)
        top = (height() - blockHeight) / 2;
    else if (alignment() & Qt::AlignBottom)
        top = height() - blockHeight;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const Qt::Alignment horizontal = alignment() & Qt::AlignHorizontal_Mask;
    for (const QString &line : shown) {
        painter.drawText(QRectF(0, top, width(), lineHeight), int(horizontal | Qt::AlignVCenter),
                         line);
        top += lineHeight;
    }
}
