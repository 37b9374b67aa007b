#pragma once

#include "styledbutton.h"

#include <QColor>
#include <QPixmap>

// The large image buttons of the pages: they follow the mouse themselves, show a disabled,
// normal, hovered or pressed look, and act on release inside the button rather than by signal.
class BasicButton : public StyledButton
{
    Q_OBJECT

public:
    explicit BasicButton(QWidget *parent = nullptr);

    QPixmap disabledImage() const { return m_disabledImage; }
    void setDisabledImage(const QPixmap &image);
    QPixmap enabledImage() const { return m_enabledImage; }
    void setEnabledImage(const QPixmap &image);
    QPixmap clickedImage() const { return m_clickedImage; }
    void setClickedImage(const QPixmap &image);
    QPixmap unClickedImage() const { return m_unClickedImage; }
    void setUnClickedImage(const QPixmap &image) { m_unClickedImage = image; }

protected:
    // Sets the background the button shows in every look but the pressed one.
    void setMouseExistBackground(const QColor &color) { m_mouseExistBackground = color; }
    void updateLayer() override;
    // For the subclasses' releases: when the button is enabled and the mouse still inside it,
    // shows the released look and answers true (the click counts); otherwise changes nothing.
    bool releaseInside(QMouseEvent *event);

    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Matches the hover look to the mouse after the button moved or changed size under it.
    void followMouse();

    QColor m_mouseExistBackground = Qt::transparent;
    QPixmap m_disabledImage;
    QPixmap m_clickedImage;
    QPixmap m_unClickedImage;
};
