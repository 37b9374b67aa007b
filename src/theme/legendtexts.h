#pragma once

#include "enumerations.h"

#include <QList>
#include <QString>

// The text printed on each key cap, by usage ID and keyboard layout. Lines are separated by "\n";
// a two-line legend of single characters is the shifted character above the plain one, as
// printed on real key caps.
class LegendTexts
{
public:
    // "" for usage 0 (the blank key) and for usages that have no legend.
    static QString text(qint32 usageId, KeyboardLayoutType layoutType);
    // Every usage with a legend in either layout, ascending.
    static QList<qint32> usages();
};
