#pragma once

#include <QString>

// The texts Qt draws itself (file panels, context menus, standard buttons) in the interface's
// language, from the translations installed with Qt. Where they are not installed Qt's texts stay
// English and nothing else changes.
class QtTranslations
{
public:
    QtTranslations() = delete;

    // Installs Qt's translation for the language ("ja", "en"); answers whether Qt's texts now
    // speak it. English needs none.
    static bool install(const QString &language);
};
