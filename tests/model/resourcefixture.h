#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QTemporaryDir>

// A folder of catalogue and factory-keymap files that the shared ResourceLoader reads in place of
// the application's resources while the fixture lives; log lines go to a folder of its own. Its
// catalogue knows four keyboards: "KX-QR300B" (Japanese, Black), "KX-QR320B" (English, Black),
// "KX-QR300Y" (Japanese, White) and "KX-QR320Y" (English, White). In the factory keymaps, every
// usage ID of the Japanese keymaps is japaneseMarker plus its position, of the English ones
// englishMarker plus it.
class ResourceFixture
{
public:
    static constexpr qint32 japaneseMarker = 1000;
    static constexpr qint32 englishMarker = 3000;

    ResourceFixture();
    ~ResourceFixture();

    QString root() const { return m_folder.path() + '/'; }
    void writeFile(const QString &name, const QByteArray &bytes) const;
    void writeJson(const QString &name, const QJsonObject &object) const;
    // Everything logged since the fixture was made.
    QString logText() const;

    static QJsonObject catalogueEntry(const QString &typeNumber, int layoutType, int colorType);
    static QJsonObject catalogue();
    // Four profiles "Profile1" to "Profile4" of four layers of 120 usage IDs.
    static QJsonObject factoryKeymap(qint32 marker);
    // The usage ID the factory keymap of marker holds in profile (0 to 3), layer (0 to 3), key.
    static qint32 factoryUsageId(qint32 marker, int profile, int layer, int key);

private:
    QTemporaryDir m_folder;
};
