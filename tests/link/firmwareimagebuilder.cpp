#include "firmwareimagebuilder.h"

#include <QtEndian>

QByteArray FirmwareImageBuilder::pattern(qsizetype size, quint8 seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + seed * 31 + i / 251) & 0xFF);
    return bytes;
}

FirmwareImageBuilder FirmwareImageBuilder::withSizes(const QList<qsizetype> &sizes)
{
    FirmwareImageBuilder builder;
    for (int i = 0; i < sizes.size(); ++i)
        builder.parts[i] = pattern(sizes[i], quint8(i + 1));
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
        file += header + parts[i];
        file += QByteArray((16 - parts[i].size() % 16) % 16, '\0');
    }
    QByteArray trailer(32, '\0');
    trailer.replace(0, 9, "KX-QR300B");
    trailer.replace(16, versionDigits.size(), versionDigits);
    return file + trailer;
}

FirmDataEntity FirmwareImageBuilder::entity() const
{
    FirmDataEntity firmData;
    firmData.firmRawDataDic = bytes();
    firmData.firmSize = firmData.firmRawDataDic.size();
    firmData.firmVersion = firmVersion;
    firmData.crc = {0x4D, 0x41, 0x49, 0x4E};
    firmData.appliableKeyboard = QStringLiteral("KX-QR300B");
    return firmData;
}
