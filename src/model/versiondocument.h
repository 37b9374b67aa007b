#pragma once

#include <QByteArray>
#include <QString>

// The newest program and firmware versions that the update server's version document names for
// one keyboard type. Reading never throws: a document that cannot be used says why in failure().
class VersionDocument final
{
public:
    // Far above the size of a real document; a larger one is refused unread.
    static constexpr qsizetype maximumSize = 64 * 1024;

    // Reads the document for the keyboard of typeNumber (variant suffix included).
    static VersionDocument parse(const QByteArray &data, const QString &typeNumber);

    bool isValid() const { return m_failure.isEmpty(); }
    // Read as soon as "keymapTool" / "Mac" was, even when a later member fails.
    QString latestToolVersion() const { return m_latestToolVersion; }
    QString latestFirmVersion() const { return m_latestFirmVersion; }
    // The log text of why the document cannot be used; empty when it can.
    QString failure() const { return m_failure; }

private:
    // The member of "firmware" that holds the version for typeNumber: the type number without the
    // first of its variant suffixes that it ends with.
    static QString firmwareKey(const QString &typeNumber);

    VersionDocument &failWith(const QString &failure);
    VersionDocument &failAt(const QString &member);

    QString m_latestToolVersion;
    QString m_latestFirmVersion;
    QString m_failure;
};
