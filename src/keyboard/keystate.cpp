#include "keystate.h"

#include "virtualkeyconfig.h"

KeyState::KeyState(const VirtualKeyConfig &theme)
    : m_theme(theme)
{}

void KeyState::displayCharacter(const QString &charImage, const QString &unmodifiedCharImage,
                                bool isModified, const QString &tooltip)
{
    setCharImage(charImage);
    m_unmodifiedCharImage = unmodifiedCharImage;
    setIsModified(isModified);
    m_toolTipString = tooltip;
    if (showsShortcut())
        m_shownShortcutImage = m_shortcutImage;
    lookChanged();
}

void KeyState::setToShowSelectedEffectOnMouseOver(bool newValue)
{
    m_toShowBorderOnMouseOver = newValue;
}

void KeyState::showSelectedEffect()
{
    m_isSelected = true;
    setSelectedBorder(true);
    if (m_isModified) {
        setModifiedTint(false);
        m_shownCharImage = m_unmodifiedCharImage;
        showMouseOverEffect();
    }
    lookChanged();
}

void KeyState::hideSelectedEffect()
{
    m_isSelected = false;
    setSelectedBorder(false);
    if (m_isModified) {
        setModifiedTint(true);
        m_shownCharImage = m_charImage;
    }
    lookChanged();
}

void KeyState::showMouseOverEffect()
{
    if (m_toShowBorderOnMouseOver)
        m_isSelected = true;
    setMouseOverColor();
    if (m_toShowBorderOnMouseOver)
        setSelectedBorder(true);
    lookChanged();
}

void KeyState::hideMouseOverEffect()
{
    if (m_toShowBorderOnMouseOver)
        m_isSelected = false;
    clearMouseOverColor();
    if (m_toShowBorderOnMouseOver)
        setSelectedBorder(false);
    lookChanged();
}

void KeyState::showModifiedEffect()
{
    setModifiedTint(true);
    lookChanged();
}

void KeyState::hideModifiedEffect()
{
    setModifiedTint(false);
    lookChanged();
}

void KeyState::mouseEntered()
{
    if (!m_isInteractive)
        return;
    m_mouseIsInside = true;
    if (!m_isSpecial)
        showMouseOverEffect();
}

void KeyState::mouseExited()
{
    if (!m_isInteractive)
        return;
    m_mouseIsInside = false;
    if (!m_isSpecial)
        hideMouseOverEffect();
}

bool KeyState::draggingEntered(bool isPaletteDrag)
{
    if (!isPaletteDrag || !m_isInteractive)
        return false;
    if (!m_isSpecial)
        showMouseOverEffect();
    return true;
}

void KeyState::draggingExited()
{
    if (m_isInteractive && !m_isSpecial)
        hideMouseOverEffect();
}

QColor KeyState::faceColor() const
{
    return Qt::transparent;
}

QColor KeyState::unselectedBorderColor() const
{
    return m_theme.unSelectedBorderColor();
}

// Every display, changed or not, clears the selection and hover marks.
void KeyState::setIsModified(bool isModified)
{
    m_isModified = isModified;
    setModifiedTint(isModified);
    m_isSelected = false;
    setSelectedBorder(false);
    clearMouseOverColor();
    m_shortcutImage =
        isModified ? m_theme.modifiedShortcutIcon() : m_theme.unModifiedShortcutIcon();
}

void KeyState::setCharImage(const QString &charImage)
{
    m_charImage = charImage;
    m_shownCharImage = charImage;
}

// A modified key shows the mark of an unmodified key while selected, as it shows its legend.
void KeyState::setSelectedBorder(bool selected)
{
    m_borderColor = selected ? m_theme.selectedBorderColor() : unselectedBorderColor();
    if (m_isModified)
        m_shownShortcutImage =
            selected ? m_theme.unModifiedShortcutIcon() : m_theme.modifiedShortcutIcon();
}

// A key that keeps its factory usage, and a modified key really selected (shown without its
// tint), get the plain hover colour; any other modified key the modified one.
void KeyState::setMouseOverColor()
{
    if (!pointerIsInside())
        return;
    const bool tinted = m_isModified && (!m_isSelected || m_toShowBorderOnMouseOver);
    m_mouseOverColor = tinted ? m_theme.modifiedMouseOverColor() : m_theme.mouseOverColor();
}

void KeyState::clearMouseOverColor()
{
    m_mouseOverColor = faceColor();
}

void KeyState::setModifiedTint(bool modified)
{
    m_modifiedTint = modified ? m_theme.modifiedColor() : m_theme.unModifiedColor();
}
