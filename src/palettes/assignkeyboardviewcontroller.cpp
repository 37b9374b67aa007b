#include "assignkeyboardviewcontroller.h"

#include "assignkeyview.h"
#include "assignkeyviewcontroller.h"
#include "bottomleftspace.h"
#include "keyboardpageinterface.h"

#include <QMouseEvent>
#include <QPainter>

AssignKeyboardViewController::AssignKeyboardViewController(QWidget *parent)
    : QWidget(parent)
{}

void AssignKeyboardViewController::addKey(AssignKeyViewController *key)
{
    key->setParent(this);
    key->assignKeyView()->setParent(this);
    key->setAfterKeyClick([this](AssignKeyViewController &clicked) { doAfterKeyClick(clicked); });
    key->setAfterKeyDrag([this](AssignKeyViewController &dragged) { keyDragStarted(dragged); });
    registerKey(*key);
}

BottomLeftSpace AssignKeyboardViewController::paletteSpace() const
{
    return BottomLeftSpace(height());
}

void AssignKeyboardViewController::hideProfileList()
{
    KeyboardPageInterface *page = KeyboardPageInterface::of(this);
    if (page && page->isKeymapPage())
        page->hideProfileList();
}

// A press on the palette itself; a press on a key stays with the key.
void AssignKeyboardViewController::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    mouseDown();
    event->accept();
}

// Reached by every release on the palette, after a key under it took its click. A click that
// began on the palette itself goes on to the page.
void AssignKeyboardViewController::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    hideProfileList();
    if (mouseUp())
        event->ignore();
    else
        event->accept();
}

void AssignKeyboardViewController::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QList<AssignKeyView *> keyViews =
        findChildren<AssignKeyView *>(Qt::FindDirectChildrenOnly);
    for (AssignKeyView *keyView : keyViews) {
        if (!keyView->isHidden())
            keyView->paintShadow(painter);
    }
}
