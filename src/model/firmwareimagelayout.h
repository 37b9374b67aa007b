#pragma once

#include <QByteArray>
#include <QList>

// Where the six parts of a firmware image lie. After the prefix "MAIN" each part is a 16-byte
// header whose bytes 12 to 15 give its size S big-endian, then S bytes of data padded to a
// multiple of 16; a 32-byte trailer holding the target keyboard and the version ends the file.
struct FirmwareImageLayout
{
    static constexpr int partCount = 6;
    // The main microcontroller's application comes first.
    static constexpr int mainPart = 0;
    static constexpr qint64 partHeaderSize = 16;
    static constexpr qint64 trailerSize = 32;

    FirmwareImageLayout() = delete;

    // The six sizes as the part headers state them; bytes past the end of the image count as 0.
    static QList<qint64> partSizes(const QByteArray &image);
    // Where each part's data starts in the image, from the six sizes.
    static QList<qint64> dataPositions(const QList<qint64> &sizes);
};
