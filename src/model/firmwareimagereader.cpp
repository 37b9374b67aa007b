#include "firmwareimagereader.h"

#include "constants.h"
#include "logger.h"
#include "utility.h"

namespace {

// The part's data rounded up to a multiple of 16, as the parts follow each other.
qint64 paddedSize(qint64 size)
{
    return (size + 15) / 16 * 16;
}

QString text(const QByteArray &bytes, qint64 from, qint64 to)
{
    return Utility::UInt8ToString(QByteArrayView(bytes).sliced(from, to - from));
}

} // namespace

std::optional<FirmDataEntity> FirmwareImageReader::read(const QByteArray &bytes,
                                                        const QString &path)
{
    const qint64 n = bytes.size();
    const QList<quint8> &prefix = Constants::fwPrefixdata;
    if (n < prefix.size())
        return std::nullopt;
    for (int i = 0; i < prefix.size(); ++i) {
        if (quint8(bytes[i]) != prefix[i])
            return std::nullopt;
    }
    if (n < trailerSize) {
        LOG_ERROR(QStringLiteral("The firmware image is shorter than its trailer."));
        return std::nullopt;
    }
    if (!partsFit(bytes)) {
        LOG_ERROR(QStringLiteral("The firmware image's parts do not fit in the file."));
        return std::nullopt;
    }

    FirmDataEntity image;
    if (!text(bytes, n - 16, n - 12).isEmpty())
        image.firmVersion = text(bytes, n - 16, n - 14) + '.' + text(bytes, n - 14, n - 12);
    image.appliableKeyboard = text(bytes, n - 32, n - 22);
    image.crc = prefix;
    image.firmSize = n;
    image.firmRawDataDic = bytes;
    image.filePath = path;
    return image;
}

bool FirmwareImageReader::partsFit(const QByteArray &bytes)
{
    const qint64 bodyEnd = bytes.size() - trailerSize;
    qint64 header = 0;
    for (int part = 0; part < partCount; ++part) {
        if (header + partHeaderSize > bodyEnd)
            return false;
        const QByteArrayView sizeField = QByteArrayView(bytes).sliced(header + 12, 4);
        // A size of 2^31 or more is no size: its first byte has the top bit set.
        if (quint8(sizeField[0]) >= 0x80)
            return false;
        const qint64 size = Utility::UInt8ToInt32(sizeField);
        const qint64 data = header + partHeaderSize;
        if (data + size > bodyEnd)
            return false;
        header = data + paddedSize(size);
    }
    return true;
}
