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
    switch (event->type()) {
    case QEvent::Polish:
        if (!m_isStyled) {
            m_isStyled = true;
            setButtonStyle();
            updateLayer();
        }
        break;
    case QEvent::EnabledChange:
        // An action button ignores the pointer while it is off, and Qt sends no second enter
        // while the pointer stays: turned on, the button asks where the pointer is.
        followPointer(underMouse());
        updateLayer();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        followPointer(isOver(*static_cast<QMouseEvent *>(event)));
        break;
    default:
        break;
    }
    return SelfDrawnButton::event(event);
}

void StyledButton::mouseMoveEvent(QMouseEvent *event)
{
    // While a button is held the mouse is grabbed and no leave event comes.
    event->accept();
    followPointer(isOver(*event));
}

void StyledButton::followPointer(bool inside)
{
    if (inside != mouseIsInside())
        setMouseIsInside(inside);
}

bool StyledButton::isOver(const QMouseEvent &event) const
{
    return rect().contains(event.position().toPoint());
}
