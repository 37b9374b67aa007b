#pragma once

#include "enumerations.h"

#include <QList>

#include <optional>

// Decides what one key change does: which numbered message the user sees and which layers of
// the key are written. The change lands in the shown layer of the selected profile; keys with a
// fixed Fn1 companion and the Fn keys also set an entry of an Fn layer.
class KeyChangeRules final
{
public:
    static constexpr qint32 fn1Key = 0x5101;
    static constexpr qint32 fn3Key = 0x5103;

    // The messages of the rules: a key without modifiers from the shortcut palette, a usage the
    // slide keys cannot hold, an Fn key on an Fn layer, and the notice that a key brings its
    // Fn1 companion along.
    static constexpr int shortcutWithoutModifierMessage = 9022;
    static constexpr int notForSlideKeyMessage = 1015;
    static constexpr int fnKeyOnFnLayerMessage = 1012;
    static constexpr int fn1CompanionMessage = 1007;

    struct Request
    {
        qint32 usageId = 0;
        bool isSlideKey = false;
        FnMode shownLayer = FnMode::Normal;
        // The shortcut palette's tab button is selected.
        bool isShortcutTabSelected = false;
        // The user has ever placed an Fn key in an Fn layer (the saved Fn-key flag).
        bool isCheckingFunction = false;
    };

    struct LayerWrite
    {
        FnMode layer = FnMode::Normal;
        qint32 usageId = 0;

        friend bool operator==(const LayerWrite &, const LayerWrite &) = default;
    };

    struct Decision
    {
        // One of the four messages above, or none.
        std::optional<int> message;
        // The entries of the key to write, in order, once the message is answered; none when
        // the change is refused.
        QList<LayerWrite> writes;
    };

    static Decision decide(const Request &request);
    // The Fn1 companion of usageId: on the normal layer the usage itself for the keys that have
    // a fixed one, otherwise -1.
    static qint32 checkSpecialUsageId(qint32 usageId, FnMode shownLayer);

private:
    static bool isFnKey(qint32 usageId);
    static bool isNotForSlideKey(const Request &request);
    // The layer whose entry an Fn key clears: Fn1 for the Fn1 key, and so on.
    static FnMode layerOfFnKey(qint32 fnKey);
};
