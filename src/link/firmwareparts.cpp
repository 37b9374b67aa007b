#include "firmwareparts.h"

#include "constants.h"
#include "logger.h"

namespace {

constexpr qint64 headerSize = 16;
constexpr qint64 sizeFieldOffset = 12;

// A part's data padded to the next multiple of 16 bytes.
qint64 roundedSize(qint64 size)
{
    return (size + 15) / 16 * 16;
}

quint8 byteAt(const QByteArray &rawDic, qint64 offset)
{
    return offset < rawDic.size() ? quint8(rawDic[offset]) : 0;
}

} // namespace

QList<qint64> FirmwareParts::getFirmDataSize(const QByteArray &rawDic)
{
    LOG_DEBUG("begin");
    QList<qint64> sizes;
    qint64 header = 0;
    for (int i = 0; i < partCount; ++i) {
        qint64 size = 0;
        for (int k = 0; k < 4; ++k)
            size = size << 8 | byteAt(rawDic, header + sizeFieldOffset + k);
        sizes.append(size);
        header += roundedSize(size) + headerSize;
    }
    LOG_DEBUG("end");
    return sizes;
}

QList<qint64> FirmwareParts::getFirmPosition(const QList<qint64> &partDataSize)
{
    LOG_DEBUG("begin");
    QList<qint64> positions;
    qint64 position = headerSize;
    for (int i = 0; i < partCount; ++i) {
        positions.append(position);
        position += roundedSize(partDataSize[i]) + headerSize;
    }
    LOG_DEBUG("end");
    return positions;
}

QList<QByteArray> FirmwareParts::getFirmData(const QByteArray &rawDic,
                                             const QList<qint64> &position,
                                             const QList<qint64> &partDataSize)
{
    LOG_DEBUG("begin");
    QList<QByteArray> parts;
    for (int i = 0; i < partCount; ++i) {
        const qint64 begin = std::min<qint64>(position[i], rawDic.size());
        const qint64 end = std::min<qint64>(position[i] + partDataSize[i], rawDic.size());
        parts.append(rawDic.mid(begin, end - begin));
    }
    LOG_DEBUG("end");
    return parts;
}

std::optional<QString> FirmwareParts::checkImage(const FirmDataEntity &firmData)
{
    const QByteArray &raw = firmData.firmRawDataDic;
    const QByteArray prefix(reinterpret_cast<const char *>(Constants::fwPrefixdata.data()),
                            Constants::fwPrefixdata.size());
    if (!raw.startsWith(prefix))
        return QStringLiteral("the image does not start with its prefix");
    const qint64 body = raw.size() - trailerSize;
    const QList<qint64> sizes = getFirmDataSize(raw);
    const QList<qint64> positions = getFirmPosition(sizes);
    for (int i = 0; i < partCount; ++i) {
        if (positions[i] > body)
            return QStringLiteral("part %1 header lies past the end of the image").arg(i);
        if (sizes[i] > maxPartSize)
            return QStringLiteral("part %1 size %2 does not fit its field").arg(i).arg(sizes[i]);
        if (positions[i] + sizes[i] > body)
            return QStringLiteral("part %1 is truncated").arg(i);
    }
    const QByteArray version = versionBytes(firmData.firmVersion);
    if (version.isEmpty() || version.size() > maxVersionBytes)
        return QStringLiteral("version \"%1\" does not fit its field").arg(firmData.firmVersion);
    return std::nullopt;
}

std::optional<FirmwareParts> FirmwareParts::cut(const FirmDataEntity &firmData)
{
    if (checkImage(firmData))
        return std::nullopt;
    FirmwareParts parts;
    parts.sizes = getFirmDataSize(firmData.firmRawDataDic);
    parts.data = getFirmData(firmData.firmRawDataDic, getFirmPosition(parts.sizes), parts.sizes);
    return parts;
}

QByteArray FirmwareParts::versionBytes(const QString &firmVersion)
{
    return QString(firmVersion).remove(QLatin1Char('.')).toUtf8();
}
