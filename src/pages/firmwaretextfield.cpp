#include "firmwaretextfield.h"

#include "keyboardconfig.h"
#include "paintkit.h"

#include <QPainter>

namespace {

constexpr qreal borderWidth = 2.0;
constexpr qreal cornerRadius = 3.0;
constexpr int textMargin = 8;

} // namespace

FirmwareTextField::FirmwareTextField(QWidget *parent)
    : QWidget(parent)
{}

void FirmwareTextField::setText(const QString &text)
{
    m_text = text;
    setToolTip(text);
    update();
}

void FirmwareTextField::paintEvent(QPaintEvent *)
{
    const FirmwareConfig &colors = KeyBoardConfig::shared().firmware;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintKit::fillRounded(painter, rect(), cornerRadius, colors.textFieldBackgroundColor(),
                          colors.textFieldBorderColor(), borderWidth);
    const QRect textRect = rect().adjusted(textMargin, 0, -textMargin, 0);
    painter.setPen(Qt::white);
    painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft,
                     fontMetrics().elidedText(m_text, Qt::ElideMiddle, textRect.width()));
}
