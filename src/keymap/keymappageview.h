#pragma once

#include "editingtypes.h"
#include "enumerations.h"
#include "keyboardpageview.h"

#include <QList>

#include <functional>

class EditButton;
class FnButton;
class MainWindowController;
class PleaseClickGrid;
class QStackedWidget;
class ReturnButton;
class TabButton;
class WriteKeymapButton;

// The keymap page's view: the keyboard display of KeyboardPageView with the page's own controls
// around it: the return, undo and write buttons, the two hints that say where to click next, the
// palette tabs over the stack of the four palettes' places, and the layer tabs of the qwerty
// palette. A palette key dropped on the page beside every key, a drop on the page or a key that
// another button than the left one made, and a release on the page itself, go to the page's
// handlers.
class KeymapPageView : public KeyboardPageView
{
    Q_OBJECT

public:
    // The return button leads to the start page through delegate.
    explicit KeymapPageView(MainWindowController *delegate, QWidget *parent = nullptr);

    ReturnButton *returnButton() const { return m_returnButton; }
    EditButton *undoButton() const { return m_undoButton; }
    WriteKeymapButton *writeToTAVOButton() const { return m_writeToTAVOButton; }
    PleaseClickGrid *pleaseClickVirtualKeyGrid() const { return m_pleaseClickVirtualKeyGrid; }
    PleaseClickGrid *pleaseClickAssignKeyGird() const { return m_pleaseClickAssignKeyGird; }

    // The palette tabs and the stack that shows one palette's place at a time, in the order of
    // PaletteTab.
    TabButton *tabButton(PaletteTab tab) const;
    QStackedWidget *assignKeyboardTabView() const { return m_assignKeyboardTabView; }
    QWidget *paletteContainer(PaletteTab tab) const;
    // The layer tabs of the qwerty palette, in its place.
    FnButton *fnButtonInQwerty(FnMode mode) const;

    void setOnDragPerform(std::function<void()> onDragPerform)
    {
        m_onDragPerform = std::move(onDragPerform);
    }
    // A drag that another button ended over the page or one of its keys: nothing was dropped.
    void setOnDragRefused(std::function<void()> onDragRefused)
    {
        m_onDragRefused = std::move(onDragRefused);
    }
    void setOnMouseUp(std::function<void()> onMouseUp) { m_onMouseUp = std::move(onMouseUp); }

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void buildButtons(MainWindowController *delegate);
    void buildPaletteTabs();

    ReturnButton *m_returnButton = nullptr;
    EditButton *m_undoButton = nullptr;
    WriteKeymapButton *m_writeToTAVOButton = nullptr;
    PleaseClickGrid *m_pleaseClickVirtualKeyGrid = nullptr;
    PleaseClickGrid *m_pleaseClickAssignKeyGird = nullptr;
    QList<TabButton *> m_tabButtons;
    QStackedWidget *m_assignKeyboardTabView = nullptr;
    QList<QWidget *> m_paletteContainers;
    QList<FnButton *> m_fnButtonsInQwerty;
    std::function<void()> m_onDragPerform = [] {};
    std::function<void()> m_onDragRefused = [] {};
    std::function<void()> m_onMouseUp = [] {};
};
