#include "legendname.h"

#include <QRegularExpression>

std::optional<LegendName> LegendName::parse(const QString &name)
{
    static const QRegularExpression scheme(
        QStringLiteral("^(-?\\d{1,10})([WB])([EJ])([SL])(_SC)?$"));
    const QRegularExpressionMatch match = scheme.match(name);
    if (!match.hasMatch())
        return std::nullopt;
    bool inRange = false;
    const int usageId = match.captured(1).toInt(&inRange);
    if (!inRange)
        return std::nullopt;
    LegendName legend;
    legend.usageId = usageId;
    legend.whiteLegend = match.captured(2) == QLatin1String("W");
    legend.layoutType = match.captured(3) == QLatin1String("J") ? KeyboardLayoutType::Japanese
                                                                : KeyboardLayoutType::English;
    legend.wide = match.captured(4) == QLatin1String("L");
    legend.shortcut = match.hasCaptured(5);
    return legend;
}

QString LegendName::text() const
{
    return QString::number(usageId) + (whiteLegend ? u'W' : u'B') +
           (layoutType == KeyboardLayoutType::Japanese ? u'J' : u'E') + (wide ? u'L' : u'S') +
           (shortcut ? QStringLiteral("_SC") : QString());
}
