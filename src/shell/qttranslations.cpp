#include "qttranslations.h"

#include "logger.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool QtTranslations::install(const QString &language)
{
    if (language == QLatin1String("en"))
        return true;
    // Owned by the application, which outlives every window that shows Qt's texts.
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_") + language,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        LOG_INFO(QStringLiteral("No Qt translation for ") + language);
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
