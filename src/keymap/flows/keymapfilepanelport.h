#pragma once

#include "enumerations.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Where the keymap page asks for a setting file: the message factory's open and save panels in
// the program. Exactly one of the two handlers runs when the panel closes.
class KeymapFilePanelPort
{
public:
    // The path chosen; a panel may confirm without one.
    using PathHandler = std::function<void(const std::optional<QString> &path)>;
    using DenyHandler = std::function<void()>;

    virtual ~KeymapFilePanelPort() = default;
    // One existing file with one of the extensions.
    virtual void showFileOpenModal(const QStringList &allowedFileTypes, PathHandler onConfirm,
                                   DenyHandler onDeny) = 0;
    // A new or existing file, the proposed name following saveProfileType.
    virtual void showFileSaveModal(const QStringList &allowedFileTypes,
                                   SaveProfileType saveProfileType, PathHandler onConfirm,
                                   DenyHandler onDeny) = 0;
};
