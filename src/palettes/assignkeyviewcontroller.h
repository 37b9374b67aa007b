#pragma once

#include "assignkey.h"
#include "assignkeyface.h"
#include "enumerations.h"

#include <QObject>
#include <QPointer>

#include <functional>

class AssignKeyView;

// Owns one key of a palette: the usage it offers and whether the selected profile uses it decide
// what its view shows, and it turns the view's clicks and drags into reports to the palette.
class AssignKeyViewController : public QObject, public AssignKey
{
    Q_OBJECT

public:
    using Report = std::function<void(AssignKeyViewController &)>;

    // The view is made at once; its legend is drawn when it is first laid out, unless one was
    // drawn on it before.
    AssignKeyViewController(qint32 usageId, KeyboardLayoutType keyboardLayoutType,
                            KeyboardColorType keyboardColorType, bool isAssigned);
    ~AssignKeyViewController() override;

    AssignKeyView *assignKeyView() const { return m_assignKeyView; }
    qint32 usageId() const override { return m_usageId; }
    KeyboardLayoutType keyboardLayoutType() const { return m_keyFace.keyboardLayoutType(); }
    KeyboardColorType keyboardColorType() const { return m_keyFace.keyboardColorType(); }
    bool isAssigned() const { return m_isAssigned; }
    bool hasLayouted() const { return m_hasLayouted; }
    bool toDisplayBorderOnMouseOver() const override { return m_toDisplayBorderOnMouseOver; }
    // A key of the shortcut palette: its legend carries the shortcut suffix, and the any-key
    // entry's tooltip reads "(AnyKey)". Set before the key is first drawn.
    bool isShortcut() const { return m_isShortcut; }
    void setIsShortcut(bool isShortcut) { m_isShortcut = isShortcut; }

    // A release on the key, reported before the palette sees it.
    void setAfterKeyClick(Report afterKeyClick) { m_afterKeyClick = std::move(afterKeyClick); }
    // The start of a drag of the key, reported before the drag runs.
    void setAfterKeyDrag(Report afterKeyDrag) { m_afterKeyDrag = std::move(afterKeyDrag); }

    void select() override;
    void unselect() override;
    void updateKeyStatus(bool newValue) override;
    void changeKeyViewStatus(bool toDisplayBorderOnMouseOver) override;
    // Redraws the key with its own usage, marked when isAssigned is false.
    void updateKey(bool isAssigned) override;
    // Draws usageId's legend and tooltip on the key, with the mark when isAssigned is false.
    void displayCharacterInKeyView(qint32 usageId, bool isAssigned);

protected:
    AssignKeyViewController(qint32 usageId, KeyboardLayoutType keyboardLayoutType,
                            KeyboardColorType keyboardColorType, bool isAssigned,
                            AssignKeyView *view);

    void setUsageId(qint32 usageId) { m_usageId = usageId; }
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    AssignKeyFace m_keyFace;
    QPointer<AssignKeyView> m_assignKeyView;
    qint32 m_usageId = -1;
    bool m_isAssigned = true;
    bool m_hasLayouted = false;
    bool m_toDisplayBorderOnMouseOver = false;
    bool m_isShortcut = false;
    Report m_afterKeyClick = [](AssignKeyViewController &) {};
    Report m_afterKeyDrag = [](AssignKeyViewController &) {};
};
