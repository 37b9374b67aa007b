#pragma once

#include <QString>
#include <Qt>

class QMimeData;

// The private drag of a palette key onto the keys: it carries one type of its own and no data,
// and offers the copy action inside the program only. Drop targets know it by that alone.
class DragData
{
public:
    static QString mimeType() { return QStringLiteral("application/x-com.ulvar.dragData"); }

    // Whether a drag is a palette key's: its data offer the type and its source the copy action.
    // The data themselves are never read.
    static bool isPaletteDrag(const QMimeData *data, Qt::DropActions possibleActions);
};
