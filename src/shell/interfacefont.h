#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

#include <functional>

// The font of the interface's texts (menus, messages, buttons, pages; not the key legends, which
// bring fonts of their own): the desktop's interface font with a proportional Japanese font
// behind it for Japanese text. In a Japanese locale the desktop's font may resolve to a Japanese
// font whose Latin letters are monospaced; an installed proportional font takes its place then.
class InterfaceFont
{
public:
    // What the choice needs to know of the installed fonts.
    struct Fonts
    {
        QStringList families;
        std::function<bool(const QString &family)> isProportional;
        std::function<bool(const QString &family)> hasJapanese;
    };

    InterfaceFont() = delete;

    // The families to use, in order, when the desktop's font resolves to desktopFamily.
    static QStringList families(const QString &desktopFamily, const Fonts &fonts);
    // Whether the family's Latin letters differ in width.
    static bool isProportional(const QString &family);
    // The desktop's interface font with the chosen families.
    static QFont font();
    // Makes font() the application's font.
    static void apply();
};
