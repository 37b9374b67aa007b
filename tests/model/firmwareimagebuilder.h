#pragma once

#include "firmdataentity.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Writes firmware image files for tests the way the image reader expects them: six part
// headers, each with its part's data and padding, then the trailer naming the target keyboard
// (10 bytes at most) and the version (four digits: "0123" is 01.23).
struct FirmwareImageBuilder
{
    // Six parts of the given sizes, their bytes recognisable and different for every part.
    static FirmwareImageBuilder withSizes(const QList<qsizetype> &sizes);

    QByteArray bytes() const;
    // The record the image reader makes of bytes().
    FirmDataEntity entity() const;

    QList<QByteArray> parts = QList<QByteArray>(6);
    QByteArray target = "KX-QR300B";
    QByteArray version = "0123";
};
