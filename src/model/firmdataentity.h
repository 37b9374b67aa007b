#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One firmware image as read from its file.
struct FirmDataEntity
{
    QString firmVersion;
    // The four bytes the file starts with (its "MAIN" prefix, not a checksum).
    QList<quint8> crc;
    qint64 firmSize = 0;
    // Every byte of the file by offset. The file's bytes in order answer the same question as a map
    // from offset to byte, at a fraction of its size.
    QByteArray firmRawDataDic;
    QString filePath;
    QString appliableKeyboard;
};
