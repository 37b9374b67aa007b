#pragma once

#include "selfdrawnbutton.h"

// A palette tab of the keymap page: selected or not, with a border while the mouse is over it.
class TabButton : public SelfDrawnButton
{
    Q_OBJECT

public:
    explicit TabButton(QWidget *parent = nullptr);

    bool isSelected() const { return m_isSelected; }
    void setIsSelected(bool isSelected);

protected:
    void updateLayer() override;

private:
    bool m_isSelected = false;
};
