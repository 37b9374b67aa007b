#include "enterkeyshape.h"

#include "bottomleftspace.h"

#include <algorithm>

EnterKeyShape::EnterKeyShape(const EnterKeyDataEntity &enterKey)
{
    const BottomLeftSpace box(enterKey.frame.height());
    for (const QRectF &rect : enterKey.rects)
        m_rects.append(box.toQt(rect));
}

bool EnterKeyShape::contains(QPointF point) const
{
    return std::ranges::any_of(m_rects, [point](const QRectF &rect) {
        return rect.left() < point.x() && point.x() < rect.right() && rect.top() < point.y() &&
               point.y() < rect.bottom();
    });
}

QRegion EnterKeyShape::region() const
{
    QRegion region;
    for (const QRectF &rect : m_rects)
        region += rect.toRect();
    return region;
}
