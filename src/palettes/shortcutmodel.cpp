#include "shortcutmodel.h"

#include <array>

namespace {

// The flag of a modifier's left hand; its right hand's follows it.
std::size_t leftFlag(ShortCutType shortcutType)
{
    return 2 * static_cast<std::size_t>(shortcutType);
}

} // namespace

bool ShortcutModel::isChosen(ShortCutType shortcutType) const
{
    const std::size_t left = leftFlag(shortcutType);
    return m_flags[left] || m_flags[left + 1];
}

bool ShortcutModel::isLeft() const
{
    for (std::size_t flag = 1; flag < m_flags.size(); flag += 2) {
        if (m_flags[flag])
            return false;
    }
    return true;
}

void ShortcutModel::clickRow(ShortCutType shortcutType, const QString &baseKeyText)
{
    const std::size_t left = leftFlag(shortcutType);
    if (isChosen(shortcutType)) {
        m_flags[left] = false;
        m_flags[left + 1] = false;
    } else {
        const bool onLeft = isLeft();
        m_flags[left] = onLeft;
        m_flags[left + 1] = !onLeft;
    }
    selectBaseKey(baseKeyText);
}

bool ShortcutModel::clickSide(ShortCutType shortcutType, bool isLeft, const QString &baseKeyText)
{
    if (!isChosen(shortcutType) || this->isLeft() == isLeft)
        return false;
    for (std::size_t left = 0; left < m_flags.size(); left += 2) {
        if (m_flags[left] || m_flags[left + 1]) {
            m_flags[left] = isLeft;
            m_flags[left + 1] = !isLeft;
        }
    }
    selectBaseKey(baseKeyText);
    return true;
}

void ShortcutModel::selectBaseKey(const QString &baseKeyText)
{
    m_label = modifierText() + baseKeyText;
}

void ShortcutModel::clearShortCutSelection(bool isClearCombine)
{
    if (isClearCombine)
        m_flags = {};
    m_label = modifierText();
}

QString ShortcutModel::modifierText() const
{
    static const std::array<QString, std::tuple_size_v<Flags>> names{
        QStringLiteral("Control"),   QStringLiteral("Control R"),  QStringLiteral("Shift"),
        QStringLiteral("Shift R"),   QStringLiteral("Alt/Opt"),    QStringLiteral("Alt/Opt R"),
        QStringLiteral("Win\u2318"), QStringLiteral("Win\u2318 R")};
    QString text;
    for (std::size_t flag = 0; flag < m_flags.size(); ++flag) {
        if (m_flags[flag])
            text += names[flag] + QLatin1Char('+');
    }
    return text;
}
