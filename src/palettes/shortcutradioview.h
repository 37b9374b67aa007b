#pragma once

#include "enumerations.h"

#include <QColor>
#include <QString>
#include <QWidget>

#include <functional>

class RadioButton;

// One modifier row of the shortcut palette: the modifier's name as a text image and, while the
// modifier is chosen, the left-hand and right-hand radio buttons with the side in use selected.
// It shows the state its palette gives it; a click on the row or on a button is reported to the
// palette, which decides.
class ShortcutRadioView : public QWidget
{
    Q_OBJECT

public:
    explicit ShortcutRadioView(ShortCutType shortcutType, QWidget *parent = nullptr);

    ShortCutType shortcutType() const { return m_shortcutType; }
    bool isSelected() const { return m_isSelected; }
    RadioButton *lRadioButton() const { return m_lRadioButton; }
    RadioButton *rRadioButton() const { return m_rRadioButton; }

    // Shows the row chosen, with the buttons of the side isLeft names, or not chosen, with its
    // buttons hidden and the left one preset.
    void showState(bool isSelected, bool isLeft);

    // The look of the row now: its text image and its colours.
    QString textImage() const;
    QColor backgroundColor() const;
    QColor borderColor() const;

    // A press on the row outside its buttons.
    void setOnRowClick(std::function<void()> onRowClick) { m_onRowClick = std::move(onRowClick); }
    // A click on the left (isLeft) or right button, with the buttons as they were before it.
    void setOnSideClick(std::function<void(bool isLeft)> onSideClick)
    {
        m_onSideClick = std::move(onSideClick);
    }

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    RadioButton *addRadioButton(const QString &title, bool isLeft);
    void setHovered(bool hovered);

    const ShortCutType m_shortcutType;
    bool m_isSelected = false;
    bool m_hovered = false;
    RadioButton *m_lRadioButton = nullptr;
    RadioButton *m_rRadioButton = nullptr;
    std::function<void()> m_onRowClick = [] {};
    std::function<void(bool)> m_onSideClick = [](bool) {};
};
