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
    trailer.replace(0, target.size(), target);
    return file + trailer.replace(16, version.size(), version);
}

FirmDataEntity FirmwareImageBuilder::entity() const
{
    const QByteArray raw = bytes();
    const QString text = QString::fromLatin1(version);
    return {text.left(2) + '.' + text.mid(2), {0x4D, 0x41, 0x49, 0x4E}, raw.size(), raw, {},
            QString::fromLatin1(target)};
}
