#include "interfacefont.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>

#include <algorithm>

namespace {

// Common proportional fonts, taken in this order where the desktop's font will not do.
const QStringList preferredLatin{"Cantarell", "Noto Sans", "DejaVu Sans", "Liberation Sans"};
const QStringList preferredJapanese{"Noto Sans CJK JP", "Noto Sans JP", "Source Han Sans JP",
                                    "IPAexGothic",      "IPAPGothic",   "TakaoPGothic",
                                    "VL PGothic"};

// The first preferred family, else the first installed one, that is installed and fits.
QString firstFitting(const QStringList &preferred, const QStringList &installed,
                     const std::function<bool(const QString &)> &fits)
{
    for (const QStringList *list : {&preferred, &installed}) {
        const auto found = std::find_if(list->cbegin(), list->cend(), [&](const QString &family) {
            return installed.contains(family) && fits(family);
        });
        if (found != list->cend())
            return *found;
    }
    return {};
}

} // namespace

QStringList InterfaceFont::families(const QString &desktopFamily, const Fonts &fonts)
{
    QString latin = desktopFamily;
    if (!fonts.isProportional(desktopFamily)) {
        const QString replacement =
            firstFitting(preferredLatin, fonts.families, [&](const QString &family) {
                return fonts.isProportional(family) && !fonts.hasJapanese(family);
            });
        if (!replacement.isEmpty())
            latin = replacement;
    }
    if (fonts.hasJapanese(latin) && fonts.isProportional(latin))
        return {latin};
    const QString japanese =
        firstFitting(preferredJapanese, fonts.families, [&](const QString &family) {
            return fonts.hasJapanese(family) && fonts.isProportional(family);
        });
    return japanese.isEmpty() ? QStringList{latin} : QStringList{latin, japanese};
}

bool InterfaceFont::isProportional(const QString &family)
{
    QFont font(family);
    font.setPixelSize(20);
    const QFontMetricsF metrics(font);
    return !QFontDatabase::isFixedPitch(family) &&
           metrics.horizontalAdvance(u'i') != metrics.horizontalAdvance(u'M');
}

QFont InterfaceFont::font()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    const Fonts installed{
        QFontDatabase::families(), &InterfaceFont::isProportional, [](const QString &family) {
            return QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese);
        }};
    font.setFamilies(families(QFontInfo(font).family(), installed));
    return font;
}

void InterfaceFont::apply()
{
    QApplication::setFont(font());
}
