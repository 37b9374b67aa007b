#pragma once

#include "selfdrawnbutton.h"

// The button of the numbered messages and of the update-result view: it shows the keyboard focus
// with the hover background, and may carry Return or Escape as its key equivalent.
class MsgButton : public SelfDrawnButton
{
    Q_OBJECT

public:
    explicit MsgButton(QWidget *parent = nullptr);

    bool isFirstResponseButton() const { return m_isFirstResponseButton; }
    bool mouseDown() const { return mouseIsDown(); }
    // Forgets the hover, press and focus state so that the button is drawn plain.
    void resetState();

    // "\r" for Return, "\x1b" for Escape, empty for none.
    QString keyEquivalent() const { return m_keyEquivalent; }
    void setKeyEquivalent(const QString &keyEquivalent) { m_keyEquivalent = keyEquivalent; }

    // The number the button answers with when pressed.
    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

    QSize sizeHint() const override;

protected:
    void updateLayer() override;

    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool m_isFirstResponseButton = false;
    QString m_keyEquivalent;
    int m_tag = 0;
};
