#pragma once

#include "firmdataentity.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Writes firmware image files for tests: six part headers with their data and padding, then the
// trailer with the target keyboard and the version, the way the image reader expects them.
struct FirmwareImageBuilder
{
    // Recognisable bytes for a part, different for every seed.
    static QByteArray pattern(qsizetype size, quint8 seed);
    // Six parts of the given sizes filled with pattern() bytes seeded by their index.
    static FirmwareImageBuilder withSizes(const QList<qsizetype> &sizes);

    QByteArray bytes() const;
    // The record the image reader makes of bytes(), with firmVersion as given here.
    FirmDataEntity entity() const;

    QList<QByteArray> parts = QList<QByteArray>(6);
    // The four version digits written into the trailer, and the version the record carries.
    QByteArray versionDigits = "0123";
    QString firmVersion = QStringLiteral("01.23");
};
