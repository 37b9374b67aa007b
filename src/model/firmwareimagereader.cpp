#include "firmwareimagereader.h"

#include "constants.h"
#include "firmwareimagelayout.h"
#include "logger.h"
#include "utility.h"

#include <limits>

namespace {

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
    if (n < FirmwareImageLayout::trailerSize) {
        LOG_ERROR(QStringLiteral("The firmware image is shorter than its trailer."));
        return std::nullopt;
    }
    if (!partsFit(bytes)) {
        LOG_ERROR(QStringLiteral("The firmware image's parts do not fit in the file."));
        return std::nullopt;
    }
    // Writing the main part starts by erasing the keyboard's application: an image without one
    // would leave the keyboard with none.
    if (FirmwareImageLayout::partSizes(bytes)[FirmwareImageLayout::mainPart] == 0) {
        LOG_ERROR(QStringLiteral("The firmware image's main part is empty."));
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
    const qint64 bodyEnd = bytes.size() - FirmwareImageLayout::trailerSize;
    const QList<qint64> sizes = FirmwareImageLayout::partSizes(bytes);
    const QList<qint64> positions = FirmwareImageLayout::dataPositions(sizes);
    for (int part = 0; part < FirmwareImageLayout::partCount; ++part) {
        // A size of 2^31 or more is no size: its first byte has the top bit set.
        if (positions[part] > bodyEnd || sizes[part] > std::numeric_limits<qint32>::max() ||
            positions[part] + sizes[part] > bodyEnd)
            return false;
    }
    return true;
}
