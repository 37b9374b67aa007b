#include "resourcefixture.h"

#include "constants.h"
#include "resourceloader.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

ResourceFixture::ResourceFixture()
{
    Constants::setLogDirectoryForTesting(m_folder.path() + "/logs/");
    writeJson("KeyboardDatalist.json", catalogue());
    writeJson("Japanese0.json", factoryKeymap(japaneseMarker));
    writeJson("English00.json", factoryKeymap(englishMarker));
    ResourceLoader::sharedInstance().setResourceRootForTesting(root());
}

ResourceFixture::~ResourceFixture()
{
    ResourceLoader::sharedInstance().setResourceRootForTesting({});
    Constants::setLogDirectoryForTesting({});
}

QString ResourceFixture::logText() const
{
    QString text;
    const QDir logs(m_folder.path() + "/logs");
    for (const QString &name : logs.entryList(QDir::Files, QDir::Name)) {
        QFile file(logs.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            text += QString::fromUtf8(file.readAll());
    }
    return text;
}

void ResourceFixture::writeFile(const QString &name, const QByteArray &bytes) const
{
    QFile file(root() + name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write the fixture %s", qPrintable(name));
}

void ResourceFixture::writeJson(const QString &name, const QJsonObject &object) const
{
    writeFile(name, QJsonDocument(object).toJson());
}

QJsonObject ResourceFixture::catalogueEntry(const QString &typeNumber, int layoutType,
                                            int colorType)
{
    return {{"typeNumber", typeNumber},     {"layoutType", layoutType},
            {"colorType", colorType},       {"series", 0},
            {"layoutTypeName", layoutType}, {"postfix", "B"},
            {"isKeymapChangeable", true},   {"firmTypeNumber", "QR300"},
            {"firmDataSize", 262144}};
}

QJsonObject ResourceFixture::catalogue()
{
    return {{"KX-QR300B", catalogueEntry("KX-QR300B", 0, 0)},
            {"KX-QR320B", catalogueEntry("KX-QR320B", 1, 0)},
            {"KX-QR300Y", catalogueEntry("KX-QR300Y", 0, 1)},
            {"KX-QR320Y", catalogueEntry("KX-QR320Y", 1, 1)}};
}

qint32 ResourceFixture::factoryUsageId(qint32 marker, int profile, int layer, int key)
{
    return marker + profile * 4 * 120 + layer * 120 + key;
}

QJsonObject ResourceFixture::factoryKeymap(qint32 marker)
{
    QJsonObject profiles;
    for (int profile = 0; profile < 4; ++profile) {
        QJsonObject layers;
        const QStringList layerKeys{"Normal", "WithFn1", "WithFn2", "WithFn3"};
        for (int layer = 0; layer < 4; ++layer) {
            QJsonArray usageIds;
            for (int key = 0; key < 120; ++key)
                usageIds.append(factoryUsageId(marker, profile, layer, key));
            layers.insert(layerKeys[layer], usageIds);
        }
        profiles.insert(QString("Profile%1").arg(profile + 1), layers);
    }
    return profiles;
}
