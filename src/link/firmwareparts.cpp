#include "firmwareparts.h"

#include "constants.h"
#include "firmwareimagelayout.h"
#include "logger.h"

namespace {

// Why the image with these part sizes and positions cannot be written, or nothing when it can.
std::optional<QString> checkImage(const FirmDataEntity &firmData, const QList<qint64> &sizes,
                                  const QList<qint64> &positions)
{
    const QByteArray &raw = firmData.firmRawDataDic;
    const QByteArray prefix(reinterpret_cast<const char *>(Constants::fwPrefixdata.data()),
                            Constants::fwPrefixdata.size());
    if (!raw.startsWith(prefix))
        return QStringLiteral("the image does not start with its prefix");
    const qint64 body = raw.size() - FirmwareImageLayout::trailerSize;
    for (int i = 0; i < FirmwareImageLayout::partCount; ++i) {
        if (positions[i] > body)
            return QStringLiteral("part %1 header lies past the end of the image").arg(i);
        if (sizes[i] > FirmwareParts::maxPartSize)
            return QStringLiteral("part %1 size %2 does not fit its field").arg(i).arg(sizes[i]);
        if (positions[i] + sizes[i] > body)
            return QStringLiteral("part %1 is truncated").arg(i);
    }
    // Its transfer starts by erasing the application: without data the keyboard would keep none.
    if (sizes[FirmwareImageLayout::mainPart] == 0)
        return QStringLiteral("the main part is empty");
    const QByteArray version = FirmwareParts::versionBytes(firmData.firmVersion);
    if (version.isEmpty() || version.size() > FirmwareParts::maxVersionBytes)
        return QStringLiteral("version \"%1\" does not fit its field").arg(firmData.firmVersion);
    return std::nullopt;
}

} // namespace

QList<qint64> FirmwareParts::getFirmDataSize(const QByteArray &rawDic)
{
    LOG_DEBUG("begin");
    QList<qint64> sizes = FirmwareImageLayout::partSizes(rawDic);
    LOG_DEBUG("end");
    return sizes;
}

QList<qint64> FirmwareParts::getFirmPosition(const QList<qint64> &partDataSize)
{
    LOG_DEBUG("begin");
    QList<qint64> positions = FirmwareImageLayout::dataPositions(partDataSize);
    LOG_DEBUG("end");
    return positions;
}

QList<QByteArray> FirmwareParts::getFirmData(const QByteArray &rawDic,
                                             const QList<qint64> &position,
                                             const QList<qint64> &partDataSize)
{
    LOG_DEBUG("begin");
    QList<QByteArray> parts;
    for (int i = 0; i < FirmwareImageLayout::partCount; ++i) {
        const qint64 begin = std::min<qint64>(position[i], rawDic.size());
        const qint64 end = std::min<qint64>(position[i] + partDataSize[i], rawDic.size());
        parts.append(rawDic.mid(begin, end - begin));
    }
    LOG_DEBUG("end");
    return parts;
}

std::optional<FirmwareParts> FirmwareParts::cut(const FirmDataEntity &firmData, QString &problem)
{
    const QByteArray &raw = firmData.firmRawDataDic;
    FirmwareParts parts;
    parts.sizes = getFirmDataSize(raw);
    const QList<qint64> positions = getFirmPosition(parts.sizes);
    if (const std::optional<QString> found = checkImage(firmData, parts.sizes, positions)) {
        problem = *found;
        return std::nullopt;
    }
    parts.data = getFirmData(raw, positions, parts.sizes);
    return parts;
}

QByteArray FirmwareParts::versionBytes(const QString &firmVersion)
{
    return QString(firmVersion).remove(QLatin1Char('.')).toUtf8();
}
