#include "firmwareimagebuilder.h"

#include <QtEndian>

FirmwareImageBuilder FirmwareImageBuilder::withSizes(const QList<qsizetype> &sizes)
{
    FirmwareImageBuilder builder;
    for (int part = 0; part < sizes.size(); ++part)
        for (qsizetype i = 0; i < sizes[part]; ++i)
            builder.parts[part] += char((i * 7 + (part + 1) * 31 + i / 251) & 0xFF);
    return builder;
}

QByteArray FirmwareImageBuilder::bytes() const
{
    QByteArray file;
    for (int i = 0; i < parts.size(); ++i) {
        QByteArray header(16, '\0');
        if (i == 0)
            header.replace(0, 4, "MAIN");
        qToBigEndian<quint32>(quint32(parts[i].size()), header.data() + 12);
        file += header + parts[i] + QByteArray((16 - parts[i].size() % 16) % 16, '\0');
    }
    QByteArray trailer(32, '\0');
    trailer.replace(0, 9, "KX-QR300B");
    return file + trailer.replace(16, 4, "0123");
}

FirmDataEntity FirmwareImageBuilder::entity() const
{
    const QByteArray raw = bytes();
    return {"01.23", {0x4D, 0x41, 0x49, 0x4E}, raw.size(), raw, {}, "KX-QR300B"};
}
