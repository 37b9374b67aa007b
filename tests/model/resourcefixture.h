#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QTemporaryDir>

#include <functional>

// A folder of catalogue, factory-keymap and key-frame files that the shared ResourceLoader reads in
// place of the application's resources while the fixture lives; log lines and settings go to files
// of its own. The key frames are the application's own. The catalogue knows "KX-QR320B"
// (Japanese, Black), "KX-QR300B" (English, Black), "KX-QR320Y" (Japanese, White) and "KX-QR300Y"
// (English, White). Every usage ID of the factory keymaps is the layout's marker plus its
// position.
class ResourceFixture
{
public:
    static constexpr qint32 japaneseMarker = 1000;
    static constexpr qint32 englishMarker = 3000;

    ResourceFixture();
    ~ResourceFixture();

    QString root() const { return m_folder.path() + '/'; }
    void writeFile(const QString &name, const QByteArray &bytes) const;
    // Writes object with edits applied (see edited()).
    void writeJson(const QString &name, const QJsonObject &object, const QString &edits = {}) const;
    void remove(const QString &name) const;
    // Everything logged since the fixture was made.
    QString logText() const;

    // What operation throws: "<case>(<payload>)" for Exceptions, "PlatformError", or "none".
    static QString failure(const std::function<void()> &operation);
    // object changed by edits "path=value;path=value", a path being dotted keys such as
    // "Keymap.Profile1.Normal" and a value JSON text, "[NxV]" for N copies of V (with ",I:W" after
    // V to put W at index I), or nothing to remove the key.
    static QJsonObject edited(QJsonObject object, const QString &edits);

    static QJsonObject catalogue();
    // Four profiles "Profile1" to "Profile4" of four layers of 120 usage IDs.
    static QJsonObject factoryKeymap(qint32 marker);
    // The usage ID the factory keymap of marker holds in profile (0 to 3), layer (0 to 3), key.
    static qint32 factoryUsageId(qint32 marker, int profile, int layer, int key);

private:
    QTemporaryDir m_folder;
};
