#include "keyboardpanels.h"

#include "dipswitchview.h"
#include "dipswitchviewcontroller.h"
#include "drawinginfo.h"
#include "exceptions.h"
#include "fnbutton.h"
#include "keyboardpageinterface.h"
#include "keyboardpageview.h"
#include "localizedstrings.h"
#include "platformerror.h"
#include "pointingstickview.h"
#include "pointingstickviewcontroller.h"
#include "profiledataentity.h"
#include "profilelistdataentity.h"
#include "profilelistview.h"
#include "profilelistviewcontroller.h"
#include "profileselectedview.h"
#include "profileselectedviewcontroller.h"
#include "virtualkeyboardview.h"
#include "virtualkeyboardviewcontroller.h"
#include "virtualslidekeyboardview.h"
#include "virtualslidekeyboardviewcontroller.h"

KeyboardPanels::KeyboardPanels(KeyboardPageInterface &page, KeyboardPageView &view,
                               const QList<bool> &dipSwitch, bool pointingStickState)
    : m_page(page)
    , m_view(view)
    , m_virtualKeyboard(std::make_unique<VirtualKeyboardViewController>())
    , m_slideKeyboard(std::make_unique<VirtualSlideKeyboardViewController>())
    , m_dipSwitch(std::make_unique<DipSwitchViewController>(dipSwitch))
    // The stick is switched on the keymap page only, and shown on the others.
    , m_pointingStick(std::make_unique<PointingStickViewController>(page.isKeymapPage(), true,
                                                                    pointingStickState))
    , m_profile(std::make_unique<ProfileSelectedViewController>())
{
    const DrawingInfo::StartKeymap &origins = DrawingInfo::startKeymap();
    m_view.place(m_virtualKeyboard->virtualKeyboardView(),
                 DrawingInfo::virtualKeyboard().frameOrigin);
    m_view.place(m_slideKeyboard->virtualSlideKeyboardView(),
                 DrawingInfo::virtualSlideKey().frameOrigin);
    m_view.place(m_dipSwitch->view(), origins.dipSWFrameOrigin);
    m_view.place(m_pointingStick->pointingView(), origins.pointingStickOrigin);
    m_view.place(m_profile->profileview(), origins.profileSelectedViewFrameOrigin);
    m_virtualKeyboard->virtualKeyboardView()->show();
    setSidePanelsHidden(false);
    for (FnMode mode : ProfileDataEntity::layerModes)
        connect(m_view.fnButton(mode), &FnButton::clicked, this,
                [this, mode] { m_onFnButtonTap(mode); });
}

KeyboardPanels::~KeyboardPanels() = default;

ProfileListViewController *KeyboardPanels::profileList() const
{
    const bool isOpen = m_profileList && m_profileList->profileListView()->parentWidget();
    return isOpen ? m_profileList.get() : nullptr;
}

void KeyboardPanels::setSidePanelsHidden(bool hidden)
{
    m_dipSwitch->view()->setHidden(hidden);
    m_pointingStick->pointingView()->setHidden(hidden);
    m_profile->profileview()->setHidden(hidden);
    m_slideKeyboard->virtualSlideKeyboardView()->setHidden(hidden);
}

void KeyboardPanels::loadKeyboards(const QString &keyboardTypeNumber,
                                   const ProfileListDataEntity &profiles,
                                   const QList<bool> &dipSwitch, const QList<bool> &gesturePads,
                                   int selectedProfileIndex)
{
    loadVirtualKeyboard(keyboardTypeNumber, profiles, dipSwitch, selectedProfileIndex);
    loadSlideKeyboard(keyboardTypeNumber, profiles, dipSwitch, gesturePads, selectedProfileIndex);
}

// Keys, pads and stick change on the keymap page only.
void KeyboardPanels::loadVirtualKeyboard(const QString &keyboardTypeNumber,
                                         const ProfileListDataEntity &profiles,
                                         const QList<bool> &dipSwitch, int selectedProfileIndex)
{
    m_virtualKeyboard->loadKeyboard(keyboardTypeNumber, profiles, dipSwitch, m_page.isKeymapPage(),
                                    selectedProfileIndex);
}

void KeyboardPanels::loadSlideKeyboard(const QString &keyboardTypeNumber,
                                       const ProfileListDataEntity &profiles,
                                       const QList<bool> &dipSwitch, const QList<bool> &gesturePads,
                                       int selectedProfileIndex)
{
    const bool isKeymapPage = m_page.isKeymapPage();
    m_slideKeyboard->loadSlideKeyboard(keyboardTypeNumber, dipSwitch, gesturePads, isKeymapPage,
                                       profiles, selectedProfileIndex, isKeymapPage);
    m_slideKeyboard->updateGesturePad();
}

void KeyboardPanels::showDipSwitch(const QList<bool> &dipSwitch)
{
    m_dipSwitch->setDipSwitch(dipSwitch);
    m_dipSwitch->loadDipSwitch();
}

void KeyboardPanels::showPointingStick(bool isOn)
{
    m_pointingStick->setIsPointStickOn(isOn);
    m_pointingStick->updatePointingStick();
}

void KeyboardPanels::updateKeyboards(const ProfileListDataEntity &profiles,
                                     const QList<bool> &gesturePads)
{
    m_virtualKeyboard->updateKeyboard(profiles);
    m_slideKeyboard->updateKeyboard(profiles, gesturePads);
}

void KeyboardPanels::resetKeyboards(const ProfileListDataEntity &profiles,
                                    const QList<bool> &gesturePads)
{
    m_virtualKeyboard->resetKeyboard(profiles);
    m_slideKeyboard->resetKeyboard(profiles, gesturePads);
}

void KeyboardPanels::resetKeyboardColorType(const QString &keyboardTypeNumber)
{
    m_virtualKeyboard->resetKeyboardColorType(keyboardTypeNumber);
    m_slideKeyboard->resetKeyboardColorType(keyboardTypeNumber);
}

void KeyboardPanels::showProfile(const ProfileDataEntity &profile, int profileIndex)
{
    m_virtualKeyboard->updateKeymapWithProfile(profile, profileIndex);
    m_slideKeyboard->updateKeymapWithProfile(profile, profileIndex);
}

void KeyboardPanels::styleFnButtons()
{
    m_view.fnButton(FnMode::Normal)
        ->setText(LocalizedStrings::text(QStringLiteral("StandardLayer")));
    for (FnButton *tab : m_view.fnButtons())
        tab->setButtonStyle(false);
    m_view.fnButton(FnMode::Normal)->setIsSelected(true);
}

void KeyboardPanels::tapFnButton(FnMode mode)
{
    if (!m_view.fnButton(mode)->isSelected())
        showFnLayer(mode);
    selectOnlyFnButton(mode);
    m_page.hideProfileList();
}

void KeyboardPanels::showFnLayer(FnMode mode)
{
    m_virtualKeyboard->updateKeymapWithFn(mode);
    m_slideKeyboard->updateSlideKeymapWithFn(mode);
    selectOnlyFnButton(mode);
}

void KeyboardPanels::initFnLayer()
{
    selectOnlyFnButton(FnMode::Normal);
}

void KeyboardPanels::selectOnlyFnButton(FnMode mode)
{
    for (FnMode each : ProfileDataEntity::layerModes)
        m_view.fnButton(each)->setIsSelected(each == mode);
}

void KeyboardPanels::showProfileList()
{
    m_profileList = std::make_unique<ProfileListViewController>();
    m_profileList->placeOn(&m_view, DrawingInfo::startKeymap().profileListFrameOrigin);
}

void KeyboardPanels::hideProfileList()
{
    if (m_profileList)
        m_profileList->removeFromPage();
    m_page.setIsProfileMouseDown(false);
    m_profile->updateBackground();
}

void KeyboardPanels::mouseDown()
{
    if (m_page.isProfileMouseDown())
        hideProfileList();
}

void KeyboardPanels::showProfileName(int index)
{
    m_profile->updateTextValue(index);
    hideProfileList();
}

int KeyboardPanels::profileIndex(int index)
{
    return index >= 1 && index <= 3 ? index : 0;
}

std::optional<QString> KeyboardPanels::failureOf(const std::function<void()> &work)
{
    try {
        work();
    } catch (const Exceptions &error) {
        const bool isBroken = error.kind() == Exceptions::Case::EnvironmentBrokenException;
        return QStringLiteral("Error occured: ") +
               (isBroken ? error.message() : QString::fromUtf8(error.what()));
    } catch (const PlatformError &error) {
        return error.reportText();
    }
    return std::nullopt;
}
