#include "styledbutton.h"

#include <QEvent>
#include <QPainter>

StyledButton::StyledButton(QWidget *parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

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
    return QAbstractButton::event(event);
}

void StyledButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_look.paint(painter, rect(), text());
}
