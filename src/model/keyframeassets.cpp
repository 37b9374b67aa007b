#include "keyframeassets.h"

#include "exceptions.h"
#include "platformerror.h"
#include "resourceinput.h"

#include <QJsonArray>

#include <optional>

namespace {

constexpr qsizetype frameSize = 4;

// The array's numbers, or nothing when an element is not a number.
std::optional<QList<double>> numbers(const QJsonArray &array)
{
    QList<double> values;
    values.reserve(array.size());
    for (const QJsonValue &value : array) {
        if (!value.isDouble())
            return std::nullopt;
        values.append(value.toDouble());
    }
    return values;
}

} // namespace

KeyFrameAssets::KeyFrameAssets(QString resourceRoot)
    : m_resourceRoot(std::move(resourceRoot))
{}

QList<QList<double>> KeyFrameAssets::load(const QString &assetName) const
{
    std::optional<QJsonValue> document;
    try {
        document = ResourceInput::readAsset(m_resourceRoot + assetName + QStringLiteral(".json"));
    } catch (const PlatformError &) {
        // Text that is not JSON is as broken as JSON of the wrong shape: the drawing needs both.
        throw Exceptions::EnvironmentBrokenException(QStringLiteral("Can't read ") + assetName);
    }
    if (!document)
        throw Exceptions::EnvironmentBrokenException(assetName + QStringLiteral(" is not found"));
    if (!document->isArray())
        throw Exceptions::EnvironmentBrokenException(QStringLiteral("Can't read ") + assetName);

    QList<QList<double>> frames;
    for (const QJsonValue &row : document->toArray()) {
        const std::optional<QList<double>> frame =
            row.isArray() ? numbers(row.toArray()) : std::nullopt;
        if (!frame)
            throw Exceptions::EnvironmentBrokenException(QStringLiteral("Can't read ") + assetName);
        if (frame->size() < frameSize)
            throw Exceptions::EnvironmentBrokenException(
                QStringLiteral("Can't read key frame %1 of ").arg(frames.size()) + assetName);
        frames.append(*frame);
    }
    return frames;
}
