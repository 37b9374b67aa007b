#include "enterkeydataentity.h"

#include "exceptions.h"

EnterKeyDataEntity EnterKeyDataEntity::arrayToEnterKeyDataEntity(const QList<double> &values,
                                                                 double arcRadius)
{
    constexpr qsizetype headerSize = 14;
    constexpr qsizetype arcSize = 5;
    if (values.size() < headerSize || (values.size() - headerSize) % arcSize != 0)
        throw Exceptions::EnvironmentBrokenException(
            QStringLiteral("Enter key outline needs 14 values and whole arcs"));

    EnterKeyDataEntity entity;
    entity.frame = QRectF(values[0], values[1], values[2], values[3]);
    entity.rects = {QRectF(values[4], values[5], values[6], values[7]),
                    QRectF(values[8], values[9], values[10], values[11])};
    entity.startPoint = QPointF(values[12], values[13]);
    for (qsizetype i = headerSize; i < values.size(); i += arcSize) {
        entity.arcParams.append({QPointF(values[i], values[i + 1]), values[i + 2], values[i + 3],
                                 values[i + 4] == 1.0});
    }
    entity.arcRadius = arcRadius;
    return entity;
}
