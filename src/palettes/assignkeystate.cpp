#include "assignkeystate.h"

#include <cmath>

void AssignKeyState::displayCharacter(const QString &charImage, bool isAssigned,
                                      const QString &toolTipString)
{
    m_charImage = charImage;
    m_toolTipString = toolTipString;
    setIsAssigned(isAssigned);
}

void AssignKeyState::setIsAssigned(bool isAssigned)
{
    m_isAssigned = isAssigned;
    if (isAssigned)
        hideNotAssignedEffect();
    else
        showNotAssignedEffect();
}

void AssignKeyState::setToShowSelectedEffectOnMouseOver(bool newValue)
{
    m_toShowSelectedEffectOnMouseOver = newValue;
}

void AssignKeyState::showSelectedEffect()
{
    m_showsSelectedBorder = true;
    lookChanged();
}

void AssignKeyState::hideSelectedEffect()
{
    m_showsSelectedBorder = false;
    lookChanged();
}

void AssignKeyState::showMouseOverEffect()
{
    if (!pointerIsInside())
        return;
    m_showsMouseOver = true;
    if (m_toShowSelectedEffectOnMouseOver)
        showSelectedEffect();
    lookChanged();
}

void AssignKeyState::hideMouseOverEffect()
{
    m_showsMouseOver = false;
    if (m_toShowSelectedEffectOnMouseOver)
        hideSelectedEffect();
    lookChanged();
}

void AssignKeyState::showNotAssignedEffect()
{
    m_showsNotAssignedIcon = true;
    lookChanged();
}

void AssignKeyState::hideNotAssignedEffect()
{
    m_showsNotAssignedIcon = false;
    lookChanged();
}

void AssignKeyState::mouseEntered()
{
    m_mouseIsInside = true;
    showMouseOverEffect();
}

void AssignKeyState::mouseExited()
{
    m_mouseIsInside = false;
    hideMouseOverEffect();
}

void AssignKeyState::mouseDown(QPointF location)
{
    m_mouseDownLocation = location;
}

bool AssignKeyState::isDragged(QPointF location)
{
    if (!m_mouseDownLocation)
        return false;
    const QPointF moved = location - *m_mouseDownLocation;
    if (std::abs(moved.x()) <= dragThreshold && std::abs(moved.y()) <= dragThreshold)
        return false;
    m_mouseDownLocation.reset();
    return true;
}
