#pragma once

#include "buttonlook.h"

#include <QAbstractButton>

// A palette tab of the keymap page: selected or not, with a border while the mouse is over it.
class TabButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit TabButton(QWidget *parent = nullptr);

    bool isSelected() const { return m_isSelected; }
    void setIsSelected(bool isSelected);
    bool mouseIsInside() const { return m_mouseIsInside; }
    const ButtonLook &look() const { return m_look; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void updateLayer();

    bool m_isSelected = false;
    bool m_mouseIsInside = false;
    ButtonLook m_look;
};
