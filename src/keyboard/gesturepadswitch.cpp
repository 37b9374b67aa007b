#include "gesturepadswitch.h"

#include "drawinginfo.h"
#include "gesturepadbuttonowner.h"
#include "localizedstrings.h"

void GesturePadSwitch::setPointingStickStatus(bool isKeymapPage, bool pointingStickStatus,
                                              CheckButtonType checkBtnType,
                                              GesturePadType gesturePadType)
{
    m_buttonType = checkBtnType;
    m_isKeymapPageView = isKeymapPage;
    m_isStatusOn = pointingStickStatus;
    m_gpType = gesturePadType;
    updateButtonImage();
}

void GesturePadSwitch::updateButtonImage()
{
    showImage();
    writeIntoOwner();
}

bool GesturePadSwitch::mouseDown()
{
    if (!m_isKeymapPageView || !m_isSwitchEnabled)
        return false;
    const bool previous = m_isStatusOn;
    m_isStatusOn = !previous;
    updateButtonImage();
    m_doAfterUpdateGesturePads(m_buttonType.value_or(CheckButtonType::None),
                               m_gpType.value_or(GesturePadType::None), previous);
    return true;
}

void GesturePadSwitch::mouseEntered()
{
    m_isMouseOver = true;
    if (m_isKeymapPageView)
        m_toolTip = LocalizedStrings::text(QStringLiteral("GesturePadTooltip"));
    updateButtonImage();
}

void GesturePadSwitch::mouseExited()
{
    m_isMouseOver = false;
    m_toolTip.clear();
    updateButtonImage();
}

int GesturePadSwitch::padIndex(std::optional<GesturePadType> gpType)
{
    switch (gpType.value_or(GesturePadType::None)) {
    case GesturePadType::FrontLeft:
        return 1;
    case GesturePadType::FrontRight:
        return 2;
    case GesturePadType::SideRight:
        return 3;
    case GesturePadType::None:
    case GesturePadType::SideLeft:
        break;
    }
    return 0;
}

void GesturePadSwitch::setSwitchEnabled(bool isEnabled)
{
    m_isSwitchEnabled = isEnabled;
    showImage();
}

QString GesturePadSwitch::chooseImage(bool isMouseOver) const
{
    const DrawingInfo::PointingStickImages &images = DrawingInfo::PointingStickImage();
    if (!m_isSwitchEnabled)
        return images.switchDisable;
    if (!m_isKeymapPageView)
        return m_isStatusOn ? images.switchStartOn : images.switchStartOff;
    if (m_isStatusOn)
        return isMouseOver ? images.switchOnHover : images.switchOn;
    return isMouseOver ? images.switchOffHover : images.switchOff;
}

void GesturePadSwitch::showImage()
{
    m_shownImage = chooseImage(m_isMouseOver);
    lookChanged();
}

void GesturePadSwitch::showPlainImage()
{
    m_shownImage = chooseImage(false);
    lookChanged();
}

void GesturePadSwitch::writeIntoOwner() const
{
    if (!m_owner || !m_isSwitchEnabled || !(m_isStatusOn || m_isKeymapPageView))
        return;
    switch (m_buttonType.value_or(CheckButtonType::None)) {
    case CheckButtonType::GesturePad:
        m_owner->setGesturePadOn(padIndex(m_gpType), m_isStatusOn);
        break;
    case CheckButtonType::PointingStick:
        m_owner->setPointStickOn(m_isStatusOn);
        break;
    case CheckButtonType::None:
        break;
    }
}
