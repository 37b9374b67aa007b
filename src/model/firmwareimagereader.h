#pragma once

#include "firmdataentity.h"

#include <QByteArray>
#include <QString>

#include <optional>

// Recognises a firmware image (laid out as FirmwareImageLayout says) and reads the target keyboard
// at the start of its trailer and the version 16 bytes before its end.
class FirmwareImageReader
{
public:
    FirmwareImageReader() = delete;

    // The image in bytes, read from path; nothing for bytes that do not start with "MAIN", that
    // are too short for the trailer, whose part headers or part data do not fit before the
    // trailer (so nothing that uses the image reads beyond its end), or whose main part is empty.
    static std::optional<FirmDataEntity> read(const QByteArray &bytes, const QString &path);

private:
    static bool partsFit(const QByteArray &bytes);
};
