#include "profileitem.h"

#include "drawinginfo.h"
#include "keyboardconfig.h"
#include "paintkit.h"

#include <QPainter>

namespace {
constexpr double borderWidth = 2.0;
// The title's indent from the entry's left edge.
constexpr double headIndent = 12.0;
constexpr int titlePixelSize = 14;
} // namespace

ProfileItem::ProfileItem(const QString &title, QWidget *parent)
    : QAbstractButton(parent)
{
    setText(title);
}

void ProfileItem::enterEvent(QEnterEvent *)
{
    setMouseOver(true);
}

void ProfileItem::leaveEvent(QEvent *)
{
    setMouseOver(false);
}

void ProfileItem::setMouseOver(bool isMouseOver)
{
    m_isMouseOver = isMouseOver;
    update();
}

void ProfileItem::paintEvent(QPaintEvent *)
{
    const ProfileItemConfig &colors = KeyBoardConfig::shared().profile.profileItem;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintKit::fillRounded(
        painter, rect(), DrawingInfo::profileList().cornerRadius, colors.normalBackground(),
        m_isMouseOver ? colors.mouseOverBorderColor() : colors.normalBorderColor(), borderWidth);
    PaintKit::caption(painter, QRectF(rect()).adjusted(headIndent, 0, 0, 0), text(), titlePixelSize,
                      colors.textColor(), Qt::AlignLeft | Qt::AlignVCenter);
}
