#pragma once

#include "assignkeyboard.h"

#include <QWidget>

class AssignKeyViewController;
class BottomLeftSpace;

// The base of the key palettes: a widget that holds its keys, paints their shadows below them,
// and turns clicks and drags on them into the palette's reports to the page. Every release on
// the palette also closes the page's profile list.
class AssignKeyboardViewController : public QWidget, public AssignKeyboard
{
    Q_OBJECT

public:
    explicit AssignKeyboardViewController(QWidget *parent = nullptr);

    // Takes key into the palette: its view becomes a child of the palette, its clicks and drags
    // reach the palette, and the palette's rules count it. Place its view afterwards with
    // drawKey() in paletteSpace().
    void addKey(AssignKeyViewController *key);
    // The palette's own space, y upwards, in which its keys are placed; fix the palette's height
    // first.
    BottomLeftSpace paletteSpace() const;

protected:
    // Closes the profile list of the keymap page that holds the palette, as every click on the
    // palette does.
    void hideProfileList();

    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
