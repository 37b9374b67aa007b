#pragma once

#include "selfdrawnbutton.h"

// A layer tab (Fn0 to Fn3) of the keymap page: hidden until the page styles it, then drawn with
// a 110 x 2 bar along its lower edge that marks the selected layer.
class FnButton : public SelfDrawnButton
{
    Q_OBJECT

public:
    explicit FnButton(QWidget *parent = nullptr);

    // Shows the tab, styled for the assign palettes (isAssign) or for the drawn keyboard.
    void setButtonStyle(bool isAssign);

    QColor backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(const QColor &color);
    bool isSelected() const { return m_isSelected; }
    void setIsSelected(bool isSelected);
    bool isAssignKey() const { return m_isAssignKey; }

    QColor bottomBarColor() const { return m_bottomBarColor; }
    static QRectF bottomBarRect() { return {0.0, 33.0, 110.0, 2.0}; }

protected:
    void updateLayer() override;
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_backgroundColor = Qt::transparent;
    bool m_isSelected = false;
    bool m_isAssignKey = false;
    QColor m_bottomBarColor = Qt::transparent;
};
