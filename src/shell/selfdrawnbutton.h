#pragma once

#include "buttonlook.h"

#include <QAbstractButton>

// The base of the self-drawn buttons: it paints the look its subclass sets for the present state,
// follows the mouse onto and off the button and the press on it, sees the left mouse button
// alone, and takes no keyboard focus of its own accord.
class SelfDrawnButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit SelfDrawnButton(QWidget *parent = nullptr);

    const ButtonLook &look() const { return m_look; }
    bool mouseIsInside() const { return m_mouseIsInside; }
    bool mouseIsDown() const { return m_mouseIsDown; }

protected:
    // Sets the look from the present state and redraws.
    virtual void updateLayer() = 0;
    // The mouse came onto the button or left it; leaving also ends a press. Redraws.
    virtual void setMouseIsInside(bool inside);
    void setMouseIsDown(bool down);

    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

    ButtonLook m_look;

private:
    bool m_mouseIsInside = false;
    bool m_mouseIsDown = false;
};
