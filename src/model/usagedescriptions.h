#pragma once

#include "enumerations.h"

#include <QString>

#include <optional>

// The names of usage IDs that tooltips show: a key's own tooltip, and the label of a shortcut's
// base key. A name is either a literal text or a key of the localized string table.
class UsageDescriptions
{
public:
    struct Text
    {
        QString value;
        bool isLocalizedKey = false;
    };

    UsageDescriptions() = delete;

    // The tooltip of a key that carries usageId; nothing for usages without one.
    static std::optional<Text> tooltip(qint32 usageId, KeyboardLayoutType layout);
    // The label of usageId as the base key of a shortcut; nothing for usages without one.
    static std::optional<Text> shortcutLabel(qint32 usageId, KeyboardLayoutType layout);
};
