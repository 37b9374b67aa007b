#pragma once

#include <QString>
#include <QWidget>

#include <functional>

// One side, left or right, of a modifier row of the shortcut palette: a round mark in one of four
// images, selected or not and hovered or not, and a grey title. It starts hidden, and selected
// when its title is "L". A click toggles it; its owner, told afterwards with the state from
// before the click, decides what the click means and may set the state and image itself.
class RadioButton : public QWidget
{
    Q_OBJECT

public:
    using Action = std::function<void(RadioButton &sender, bool wasSelected)>;

    explicit RadioButton(const QString &title, QWidget *parent = nullptr);

    const QString &title() const { return m_title; }
    bool isSelected() const { return m_isSelected; }
    // Changes the state only: the image follows at the next hover or click, or when the owner
    // sets it.
    void setIsSelected(bool isSelected) { m_isSelected = isSelected; }
    const QString &image() const { return m_image; }
    void setImage(const QString &image);
    void setAction(Action action) { m_action = std::move(action); }

    // The image of a state, with the pointer over the button or not.
    static QString imageFor(bool isSelected, bool isHovered);

    // A click by program, as by the mouse.
    void performClick();

    QSize sizeHint() const override;

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_title;
    bool m_isSelected = false;
    QString m_image;
    Action m_action = [](RadioButton &, bool) {};
};
