#pragma once

#include "enterkeydataentity.h"
#include "enumerations.h"
#include "exceptions.h"

#include <QList>
#include <QRectF>
#include <QString>

#include <optional>

// The keys of the drawn keyboard as its key-frame asset lays them out: for each drawn key its
// number, its place and how its legend is aligned. Refuses an asset the keyboard cannot be drawn
// from, so that a broken installation is reported instead of drawn wrongly.
class DrawnKeyboardLayout
{
public:
    struct Key
    {
        int keyNumber = 0;
        // The key's box, origin at the bottom left of the keyboard.
        QRectF frame;
        KeyImageAlignment alignment = KeyImageAlignment::Center;
        bool isMouseKey = false;
        // Only for the L-shaped Enter key: its outline, and the height of its legend band (the
        // next key's height).
        std::optional<EnterKeyDataEntity> enterKey;
        double charLayerHeight = 0;
    };

    // Builds the layout of the frames read from assetName for the layout and the six DIP
    // switches; an L-shaped Enter key gets corners of arcRadius. Throws
    // Exceptions::EnvironmentBrokenException naming the asset when there are not six DIP
    // switches, when the asset holds another number of keys than the layout draws, more than one
    // L-shaped list, an L-shaped list as the last one, or one without its whole outline.
    static DrawnKeyboardLayout load(const QString &assetName, const QList<QList<double>> &frames,
                                    KeyboardLayoutType layout, const QList<bool> &dipSwitch,
                                    double arcRadius);
    // Builds the layout of frames that picture the keys keyNumbers names, in the same order: the
    // drawn keyboard, or another picture of its keys such as a palette's. Throws as above for
    // the frames.
    static DrawnKeyboardLayout load(const QString &assetName, const QList<QList<double>> &frames,
                                    const QList<int> &keyNumbers, KeyboardLayoutType layout,
                                    double arcRadius);

    const QList<Key> &keys() const { return m_keys; }

    // The drawn index of the key with that number; nothing when no drawn key has it.
    std::optional<int> drawnIndex(int keyNumber) const;
    bool hasEnterKey() const;

    // The refusal of an asset that keys cannot be drawn from, naming the asset and the fault.
    static Exceptions cannotDraw(const QString &assetName, const QString &fault);
    // The box at the start of the frame of the key at index, origin at the bottom left; throws
    // cannotDraw() when the frame holds less than a whole box.
    static QRectF box(const QString &assetName, const QList<double> &frame, int index);

private:
    static KeyImageAlignment alignment(KeyboardLayoutType layout, int drawnIndex);

    QList<Key> m_keys;
};
