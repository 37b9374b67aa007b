#pragma once

#include "basicbutton.h"

#include <functional>

// An image button of the keymap page (undo) that calls one closure on release inside it.
class EditButton : public BasicButton
{
    Q_OBJECT

public:
    explicit EditButton(QWidget *parent = nullptr);

    void setOnClick(std::function<void()> onClick) { m_onClick = std::move(onClick); }

protected:
    void setButtonStyle() override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    std::function<void()> m_onClick = [] {};
};
