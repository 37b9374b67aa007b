#pragma once

#include "firmdataentity.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The six firmware parts of an image (main microcontroller, Bluetooth module, touch pads 1 to 4),
// cut from the image file and checked whole before an update sends anything.
struct FirmwareParts
{
    // The start and data commands carry a part's size and offsets in three bytes.
    static constexpr qint64 maxPartSize = (qint64(1) << 24) - 1;
    // The set-version command carries the version without its points in six bytes.
    static constexpr qsizetype maxVersionBytes = 6;

    // The six sizes as the part headers state them; bytes past the end of the file count as 0.
    static QList<qint64> getFirmDataSize(const QByteArray &rawDic);
    // Where each part's data starts in the file, from the sizes getFirmDataSize() gives.
    static QList<qint64> getFirmPosition(const QList<qint64> &partDataSize);
    // The bytes of each part; a part that runs past the end of the file comes back short.
    static QList<QByteArray> getFirmData(const QByteArray &rawDic, const QList<qint64> &position,
                                         const QList<qint64> &partDataSize);

    // The parts of an image that can be written: one with its prefix, every header and every
    // part inside the file before its trailer, every size inside its three-byte field, a main
    // part that is not empty and a version that fits the set-version command. Nothing for any other
    // image, and problem says why.
    static std::optional<FirmwareParts> cut(const FirmDataEntity &firmData, QString &problem);

    // The set-version command's bytes for a version: its text without points, as UTF-8.
    static QByteArray versionBytes(const QString &firmVersion);

    QList<qint64> sizes;
    QList<QByteArray> data;
};
