#pragma once

#include "firmdataentity.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Recognises a firmware image and reads its version and target keyboard. An image is the prefix
// "MAIN", six parts (a 16-byte header whose bytes 12 to 15 give the part's size S big-endian,
// then S bytes of data padded to a multiple of 16) and a 32-byte trailer holding the target
// keyboard at its start and the version 16 bytes before the end.
class FirmwareImageReader
{
public:
    static constexpr int partCount = 6;
    static constexpr int partHeaderSize = 16;
    static constexpr int trailerSize = 32;

    FirmwareImageReader() = delete;

    // The image in bytes, read from path; nothing for bytes that do not start with "MAIN", that
    // are too short for the trailer, or whose part headers or part data do not fit before the
    // trailer (so nothing that uses the image reads beyond its end).
    static std::optional<FirmDataEntity> read(const QByteArray &bytes, const QString &path);

private:
    static bool partsFit(const QByteArray &bytes);
};
