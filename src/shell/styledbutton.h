#pragma once

#include "buttonlook.h"

#include <QAbstractButton>
#include <QPixmap>

// The base of the pages' self-drawn buttons: the subclass styles it once, when it is first
// polished, and it is drawn from a look that follows its state and whether it is enabled.
class StyledButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit StyledButton(QWidget *parent = nullptr);

    const ButtonLook &look() const { return m_look; }
    // Room for the title, and at least the size of the enabled image.
    QSize sizeHint() const override;

protected:
    // Sets the subclass's colours and images; called once, before the first drawing.
    virtual void setButtonStyle() {}
    // Sets the look from the present state and redraws.
    virtual void updateLayer() = 0;

    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

    ButtonLook m_look;
    QPixmap m_enabledImage;

private:
    bool m_isStyled = false;
};
