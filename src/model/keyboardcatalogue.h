#pragma once

#include "keyboardinformationentity.h"

#include <QMap>
#include <QMutex>
#include <QString>

#include <optional>

// The keyboard catalogue "KeyboardDatalist" of the application's resources: one record per type
// number, read on first use and then only looked up, from the GUI thread and keyboard workers.
class KeyboardCatalogue
{
public:
    // resourceRoot ends in "/"; the catalogue is its file "KeyboardDatalist.json".
    explicit KeyboardCatalogue(QString resourceRoot);

    // Reads the catalogue unless it was read before. Throws Exceptions::EnvironmentBrokenException
    // for a missing or malformed catalogue, PlatformError for text that is not JSON. A malformed
    // entry keeps the entries read before it and those stay the catalogue from then on.
    void LoadKeyboardInformations();
    // The record stored under typeNumber (exact text), or nothing; failures are logged.
    std::optional<KeyboardInformationEntity> getKeyboardInformation(const QString &typeNumber);

private:
    const QString m_resourceRoot;
    QMutex m_mutex;
    std::optional<QMap<QString, KeyboardInformationEntity>> m_cachedKeyboardInformations;
};
