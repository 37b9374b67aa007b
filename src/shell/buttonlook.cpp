#include "buttonlook.h"

#include "paintkit.h"

#include <QPainter>

void ButtonLook::paint(QPainter &painter, const QRectF &bounds, const QString &title) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    PaintKit::fillRounded(painter, bounds, cornerRadius, background);
    if (borderWidth > 0.0 && border.alpha() > 0) {
        const qreal inset = borderWidth / 2.0;
        const QRectF edge = bounds.adjusted(inset, inset, -inset, -inset);
        painter.setPen(QPen(border, borderWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(edge, qMax(0.0, cornerRadius - inset),
                                qMax(0.0, cornerRadius - inset));
    }
    if (focusMark) {
        // On pixel centres, so that the thin line stays crisp.
        const qreal inset = borderWidth + 2.5;
        painter.setPen(QPen(titleColor, 1.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(bounds.adjusted(inset, inset, -inset, -inset), 1.0, 1.0);
    }

    QRectF textArea = bounds.adjusted(titleIndent, 0, 0, 0);
    if (!image.isNull()) {
        const QSizeF room = bounds.size() - QSizeF(4, title.isEmpty() ? 4 : 24);
        QSizeF imageSize = image.deviceIndependentSize();
        // As on the platform's buttons, an image is shrunk to fit but never enlarged.
        if (imageSize.width() > room.width() || imageSize.height() > room.height())
            imageSize.scale(room, Qt::KeepAspectRatio);
        const qreal titleHeight = title.isEmpty() ? 0.0 : painter.fontMetrics().height() + 2.0;
        const qreal top = bounds.top() + (bounds.height() - imageSize.height() - titleHeight) / 2;
        const QRectF imageArea(bounds.center().x() - imageSize.width() / 2, top, imageSize.width(),
                               imageSize.height());
        painter.drawPixmap(imageArea, image, image.rect());
        textArea.setTop(imageArea.bottom() + 2.0);
        textArea.setHeight(titleHeight);
    }
    if (!title.isEmpty()) {
        painter.setPen(titleColor);
        painter.drawText(textArea, int(titleAlignment) | Qt::TextSingleLine, title);
    }
    painter.restore();
}
