#pragma once

#include "styledbutton.h"

#include <QColor>
#include <QPixmap>

// The base of the pages' action buttons: colours and images per state, set by the subclass in
// setButtonStyle(); while disabled it ignores the mouse and keeps its disabled look.
class IOButton : public StyledButton
{
    Q_OBJECT

public:
    explicit IOButton(QWidget *parent = nullptr);

    // Enables or disables the button and shows the matching image and title colour.
    void setIsEnabled(bool isEnabled);

    bool isMouseOver() const { return mouseIsInside(); }
    bool isMouseDown() const { return mouseIsDown(); }

protected:
    void updateLayer() override;
    // A disabled action button keeps its look whatever the mouse does.
    void setMouseIsInside(bool inside) override;

    // For the subclasses' releases: an enabled button takes its released look and answers
    // whether the pointer is still over it, that is whether the click counts.
    bool releaseInside();

    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

    QPixmap m_disabledImage;
    QPixmap m_clickedImage;
    QColor m_disabledBackground;
    QColor m_clickedBackground;
    QColor m_clickedBorder;
    QColor m_mouseOverBackground;
    QColor m_mouseOverBorder;
    QColor m_normalBackground;
    QColor m_normalBorder;
    qreal m_border = 2.0;
};
