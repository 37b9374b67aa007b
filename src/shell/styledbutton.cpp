#include "styledbutton.h"

#include <QEvent>
#include <QMouseEvent>

QSize StyledButton::sizeHint() const
{
    const QSize title = fontMetrics().size(Qt::TextSingleLine, text());
    return (title + QSize(32, 16)).expandedTo(m_enabledImage.deviceIndependentSize().toSize());
}

bool StyledButton::event(QEvent *event)
{
    if (event->type() == QEvent::Polish && !m_isStyled) {
        m_isStyled = true;
        setButtonStyle();
        updateLayer();
    } else if (event->type() == QEvent::EnabledChange) {
        updateLayer();
    }
    return SelfDrawnButton::event(event);
}

void StyledButton::mouseMoveEvent(QMouseEvent *event)
{
    // While a button is held the mouse is grabbed and no leave event comes.
    event->accept();
    const bool inside = rect().contains(event->position().toPoint());
    if (inside != mouseIsInside())
        setMouseIsInside(inside);
}
