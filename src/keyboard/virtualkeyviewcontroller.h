#pragma once

#include "defaultusageids.h"
#include "enumerations.h"
#include "keyface.h"
#include "virtualkeyview.h"

#include <QObject>
#include <QPointer>

#include <functional>

// Owns one key of the drawn keyboard: its number, its usage and its factory usages decide what
// its view shows, and it turns the view's clicks and drops into reports to the keyboard.
class VirtualKeyViewController : public QObject
{
    Q_OBJECT

public:
    using Report = std::function<void(VirtualKeyViewController &)>;

    // The view is made at once; it shows usageId in profile 1's normal layer when it is first
    // laid out, unless a usage was shown on it before.
    VirtualKeyViewController(int keyNumber, qint32 usageId, const DefaultUsageIds &defaults,
                             KeyboardColorType keyboardColorType,
                             KeyboardLayoutType keyboardLayoutType, bool isInteractive,
                             bool isMouseKey);
    ~VirtualKeyViewController() override;

    VirtualKeyView *virtualKeyView() const { return m_virtualKeyView; }
    int keyNumber() const { return m_keyNumber; }
    qint32 usageId() const { return m_usageId; }
    bool isSpecial() const { return m_isSpecial; }
    bool usageIdWillChange() const { return m_usageIdWillChange; }
    bool hasLayouted() const { return m_hasLayouted; }
    // The modifiers of the usage shown.
    const ShortCutInfo &shortCutInfo() const { return m_shortCutInfo; }

    // A click on the key, reported before the keyboard sees the release.
    void setAfterKeyClick(Report afterKeyClick) { m_afterKeyClick = std::move(afterKeyClick); }
    // A palette key dropped on the key.
    void setAfterKeyDrag(Report afterKeyDrag) { m_afterKeyDrag = std::move(afterKeyDrag); }

    // Shows newUsageId, modified against the factory usage of that profile and layer.
    void updateKey(qint32 newUsageId, ProfileMode profileMode, FnMode fnMode);
    // The same, and whether the key may not be changed in that layer.
    void updateKey(qint32 newUsageId, ProfileMode profileMode, FnMode fnMode, bool isSpecial);
    // Whether the page waits for a target key for a palette key: hovering then marks the key.
    void updateKeyStatus(bool newValue);
    void select();
    void unselect();

protected:
    VirtualKeyViewController(int keyNumber, qint32 usageId, const DefaultUsageIds &defaults,
                             KeyboardColorType keyboardColorType,
                             KeyboardLayoutType keyboardLayoutType, bool isInteractive,
                             bool isMouseKey, VirtualKeyView *view);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void displayCharacterInKeyView(ProfileMode profileMode, FnMode fnMode);

    KeyFace m_keyFace;
    QPointer<VirtualKeyView> m_virtualKeyView;
    int m_keyNumber = -1;
    qint32 m_usageId = -1;
    DefaultUsageIds m_defaults;
    ShortCutInfo m_shortCutInfo;
    bool m_usageIdWillChange = false;
    bool m_isSpecial = false;
    bool m_hasLayouted = false;
    Report m_afterKeyClick = [](VirtualKeyViewController &) {};
    Report m_afterKeyDrag = [](VirtualKeyViewController &) {};
};
