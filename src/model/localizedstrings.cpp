#include "localizedstrings.h"

#include "logger.h"

#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>

#include <atomic>

namespace {

using Table = QHash<QString, QString>;

struct Tables
{
    Table english;
    Table japanese;
};

// A table that cannot be read stays empty, so that every key answers itself.
Table loadTable(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        LOG_ERROR("Cannot read the string table " + path);
        return {};
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (!document.isObject()) {
        LOG_ERROR("The string table " + path + " is not a JSON object: " + error.errorString());
        return {};
    }
    Table table;
    const QJsonObject object = document.object();
    for (auto entry = object.begin(); entry != object.end(); ++entry) {
        if (entry.value().isString())
            table.insert(entry.key(), entry.value().toString());
    }
    return table;
}

// Filled on first use (thread-safe static initialisation) and only read afterwards.
const Tables &tables()
{
    static const Tables loaded{loadTable(QStringLiteral(":/strings/en.json")),
                               loadTable(QStringLiteral(":/strings/ja.json"))};
    return loaded;
}

std::atomic<bool> &japaneseSelected()
{
    static std::atomic<bool> selected{LocalizedStrings::languageForLocale(QLocale::system()) ==
                                      QLatin1String("ja")};
    return selected;
}

} // namespace

QString LocalizedStrings::text(const QString &key)
{
    const Tables &all = tables();
    const Table &table = japaneseSelected().load() ? all.japanese : all.english;
    return table.value(key, key);
}

void LocalizedStrings::setLanguage(const QString &code)
{
    japaneseSelected().store(code == QLatin1String("ja"));
}

QString LocalizedStrings::language()
{
    return japaneseSelected().load() ? QStringLiteral("ja") : QStringLiteral("en");
}

QString LocalizedStrings::languageForLocale(const QLocale &locale)
{
    return locale.language() == QLocale::Japanese ? QStringLiteral("ja") : QStringLiteral("en");
}
