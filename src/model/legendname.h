#pragma once

#include "enumerations.h"

#include <QString>

#include <optional>

// The parts of a key legend's image name: the usage ID in decimal, "W" or "B" for a white or
// black legend, "E" or "J" for the layout, "S" or "L" for a narrow or wide key and "_SC" for the
// base key of a shortcut, as in "4WES" or "4BES_SC".
struct LegendName
{
    qint32 usageId = 0;
    bool whiteLegend = true;
    KeyboardLayoutType layoutType = KeyboardLayoutType::English;
    bool wide = false;
    bool shortcut = false;

    // Nothing when the text does not follow the scheme.
    static std::optional<LegendName> parse(const QString &name);
    QString text() const;

    friend bool operator==(const LegendName &, const LegendName &) = default;
};
