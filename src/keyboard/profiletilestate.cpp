#include "profiletilestate.h"

#include "drawinginfo.h"
#include "profileconfig.h"

ProfileTileState::ProfileTileState(const ProfileConfig &theme)
    : m_theme(theme)
    , m_borderColor(theme.normalBorderColor())
{
    updateBackground();
}

void ProfileTileState::updateBackground()
{
    m_isSelected = false;
    m_textBackground = m_theme.normalTextBackgroundColor();
    setClosedText();
    m_background = m_theme.normalBackground();
    lookChanged();
}

void ProfileTileState::mouseEntered()
{
    if (m_isSelected)
        return;
    m_borderColor = m_theme.mouseOverBorderColor();
    lookChanged();
}

void ProfileTileState::mouseExited()
{
    if (m_isSelected)
        return;
    m_borderColor = m_theme.normalBorderColor();
    lookChanged();
}

bool ProfileTileState::mouseDown()
{
    m_borderColor = m_theme.normalBorderColor();
    m_background = m_theme.selectedBackground();
    m_textBackground = m_theme.selectedTextBackgroundColor();
    m_isSelected = !m_isSelected;
    if (m_isSelected) {
        m_textColor = m_theme.selectedTextColor();
        m_arrowImage = DrawingInfo::profileList().dropdownClickImage;
    } else {
        setClosedText();
    }
    lookChanged();
    return m_isSelected;
}

void ProfileTileState::setClosedText()
{
    m_textColor = m_theme.normalTextColor();
    m_arrowImage = DrawingInfo::profileList().dropdownImage;
}
