#pragma once

#include "selfdrawnbutton.h"

#include <QPixmap>

// The base of the pages' image and action buttons: the subclass styles it once, when it is first
// polished; its look follows whether it is enabled, and the mouse also while a mouse button is
// held on it. Where a mouse button goes down or up is where the pointer is, whatever enter and
// leave events came before, so a press and a release over an enabled button are a click.
class StyledButton : public SelfDrawnButton
{
    Q_OBJECT

public:
    using SelfDrawnButton::SelfDrawnButton;

    // Room for the title, and at least the size of the enabled image.
    QSize sizeHint() const override;

protected:
    // Sets the subclass's colours and images; called once, before the first drawing.
    virtual void setButtonStyle() {}

    bool event(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

    // Takes the hover look when the pointer is inside, the plain look when it is not.
    void followPointer(bool inside);

    QPixmap m_enabledImage;

private:
    bool isOver(const QMouseEvent &event) const;

    bool m_isStyled = false;
};
