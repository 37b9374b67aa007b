#pragma once

#include "keymapeditobserver.h"
#include "keymapmenuport.h"
#include "keymapmessageport.h"

#include <QList>
#include <QStringList>

// Stands in for the keymap page around the editing model: records the messages shown, the menu
// flags set and every redraw asked for. Messages are answered at once with a chosen answer, or
// held until the test answers them.
class FakeEditPorts final : public KeymapMessagePort,
                            public KeymapMenuPort,
                            public KeymapEditObserver
{
public:
    // "none", "virtualKey" or "assignKey".
    static QString hintName(PleaseClickHint hint);

    void answerAtOnce(MessageModalResponseType answer) { m_atOnce = answer; }
    void answerLater() { m_atOnce.reset(); }
    // Answers the oldest message still open; false when none is.
    bool answer(MessageModalResponseType answer);
    int openMessages() const { return m_open.size(); }

    void showMessage(int number, Completion completion) override;
    void showMessage9005(KeyboardLayoutType layout, Completion completion) override;
    void setMenuFlags(const KeymapMenuFlags &flags) override { menuFlags = flags; }

    void keyboardStatusChanged() override { events << "status"; }
    void hintChanged(PleaseClickHint hint) override;
    void selectionsCleared(bool clearShortcutCombination) override;
    void drawnKeySelectionCleared() override { events << "clearDrawn"; }
    void slideKeySelectionCleared() override { events << "clearSlide"; }
    void keyChanged(int keyNumber) override { events << QString("key(%1)").arg(keyNumber); }
    void settingsReplaced() override { events << "replaced"; }
    void assignedMarksChanged() override { events << "marks"; }
    void writeButtonChanged(bool enabled) override;
    void undoButtonChanged(bool enabled) override;
    void profileShown(int index) override { events << QString("profile(%1)").arg(index); }
    void layerShown(FnMode layer) override;
    void paletteLayerShown(FnMode layer) override;
    void paletteTabsChanged() override { events << "tabs"; }
    void profileListHidden() override { events << "listHidden"; }

    // Every message shown, in order.
    QList<int> messages;
    // The layout of each message 9005 shown.
    QList<KeyboardLayoutType> messageLayouts;
    KeymapMenuFlags menuFlags;
    // The redraws asked for, in order, such as "clear(reset)" or "write(on)".
    QStringList events;

private:
    std::optional<MessageModalResponseType> m_atOnce = MessageModalResponseType::OK;
    QList<Completion> m_open;
};
