#pragma once

#include "virtualkeyview.h"

class SlideHintAnimation;

// One slide key beside a gesture pad: a key whose legend is always centred and whose modified
// tint stays framed on a White keyboard when it is not selected. The pointer resting on it plays
// the slide hint of its panel, also where the key cannot be changed.
class VirtualSlideSqareKeyView : public VirtualKeyView
{
    Q_OBJECT

public:
    explicit VirtualSlideSqareKeyView(QWidget *parent = nullptr);

    // The key's position among the slide keys (0 to 7), which names its hint; -1 until placed.
    int index() const { return m_index; }
    void setIndex(int index) { m_index = index; }

protected:
    QColor unselectedBorderColor() const override;

    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    // The hint of the slide-key panel the key sits on; none elsewhere.
    SlideHintAnimation *slideHint() const;

    int m_index = -1;
};
