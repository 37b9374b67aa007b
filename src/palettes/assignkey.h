#pragma once

#include <QtGlobal>

// A palette key as the palette's rules handle it: the usage it offers, its selected look, whether
// hovering it previews the selection, and its not-assigned mark.
class AssignKey
{
public:
    virtual ~AssignKey() = default;

    virtual qint32 usageId() const = 0;

    // Shows or hides the selected border.
    virtual void select() = 0;
    virtual void unselect() = 0;

    // While set, hovering the key shows it selected: a key of the drawn keyboard waits for it.
    virtual bool toDisplayBorderOnMouseOver() const = 0;
    virtual void updateKeyStatus(bool newValue) = 0;
    // Hands the hover preview on to the key's view.
    virtual void changeKeyViewStatus(bool toDisplayBorderOnMouseOver) = 0;

    // Redraws the key with the not-assigned mark when isAssigned is false.
    virtual void updateKey(bool isAssigned) = 0;
};
