#pragma once

#include <QLocale>
#include <QString>

// Answers every interface text by its localized-string key, in English or Japanese.
// The tables are read once from ":/strings/en.json" and ":/strings/ja.json"; look-ups may come
// from any thread. A key that the current language's table lacks answers itself.
class LocalizedStrings
{
public:
    LocalizedStrings() = delete;

    static QString text(const QString &key);

    // "ja" selects Japanese, any other code English. Until it is called, the system locale decides.
    static void setLanguage(const QString &code);
    // "ja" or "en".
    static QString language();

    // The language for a locale: Japanese when the locale's language is Japanese, else English.
    static QString languageForLocale(const QLocale &locale);
};
