#include "dragdata.h"

#include <QMimeData>

bool DragData::isPaletteDrag(const QMimeData *data, Qt::DropActions possibleActions)
{
    return data && data->hasFormat(mimeType()) && possibleActions.testFlag(Qt::CopyAction);
}
