#pragma once

#include "enumerations.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class DipSwitchViewController;
class KeyboardPageInterface;
class KeyboardPageView;
class PointingStickViewController;
class ProfileDataEntity;
class ProfileListDataEntity;
class ProfileListViewController;
class ProfileSelectedViewController;
class VirtualKeyboardViewController;
class VirtualSlideKeyboardViewController;

// The read-only keyboard display that the start and firmware-update pages share, built on their
// page view: the drawn keyboard, the slide keys with the gesture pads, the DIP-switch,
// pointing-stick and profile panels, the profile list shown on demand, and the four layer tabs,
// which switch both drawn keyboards to their layer. Each panel sits at its origin of the drawing
// tables. The page implements what the panels ask of it (KeyboardPageInterface) by calling the
// operations here.
class KeyboardPanels : public QObject
{
    Q_OBJECT

public:
    // Builds the panels on view for page; the DIP switches and the pointing stick show the given
    // states, and every panel is shown.
    KeyboardPanels(KeyboardPageInterface &page, KeyboardPageView &view,
                   const QList<bool> &dipSwitch, bool pointingStickState);
    ~KeyboardPanels() override;

    VirtualKeyboardViewController &virtualKeyboard() const { return *m_virtualKeyboard; }
    VirtualSlideKeyboardViewController &virtualSlideKeyboard() const { return *m_slideKeyboard; }
    DipSwitchViewController &dipSwitch() const { return *m_dipSwitch; }
    PointingStickViewController &pointingStick() const { return *m_pointingStick; }
    ProfileSelectedViewController &profile() const { return *m_profile; }
    // The open profile list; none while it is closed.
    ProfileListViewController *profileList() const;

    // Hides or shows the panels beside the drawn keyboard: DIP switches, pointing stick, profile
    // tile and slide keys. The start page keeps them hidden until it has read the keyboard.
    void setSidePanelsHidden(bool hidden);

    // Draws both keyboards of the type number with the profiles, DIP switches and gesture pads
    // (SideLeft, FrontLeft, FrontRight, SideRight), showing the normal layer of the profile that
    // selectedProfileIndex names (1 to 3 profiles 2 to 4, any other profile 1). Throws
    // Exceptions or PlatformError when the keyboard's resources cannot be read.
    void loadKeyboards(const QString &keyboardTypeNumber, const ProfileListDataEntity &profiles,
                       const QList<bool> &dipSwitch, const QList<bool> &gesturePads,
                       int selectedProfileIndex);
    // The two steps of loadKeyboards(): the drawn keyboard, then the slide keys with the pads.
    void loadVirtualKeyboard(const QString &keyboardTypeNumber,
                             const ProfileListDataEntity &profiles, const QList<bool> &dipSwitch,
                             int selectedProfileIndex);
    void loadSlideKeyboard(const QString &keyboardTypeNumber, const ProfileListDataEntity &profiles,
                           const QList<bool> &dipSwitch, const QList<bool> &gesturePads,
                           int selectedProfileIndex);
    void showDipSwitch(const QList<bool> &dipSwitch);
    void showPointingStick(bool isOn);
    // Both keyboards take profiles in place of theirs and show them with the gesture pads, in
    // the profile and layer shown.
    void updateKeyboards(const ProfileListDataEntity &profiles, const QList<bool> &gesturePads);
    // Both keyboards show profile 1 of profiles in the normal layer, with the gesture pads.
    void resetKeyboards(const ProfileListDataEntity &profiles, const QList<bool> &gesturePads);
    // The keyboards take the catalogue colour of the type number at their next load.
    void resetKeyboardColorType(const QString &keyboardTypeNumber);
    // Both keyboards show profile as profile profileIndex (0 to 2 profiles 1 to 3, any other
    // profile 4) in the layer shown.
    void showProfile(const ProfileDataEntity &profile, int profileIndex);

    // Shows the tabs in the drawn keyboard's look, the normal layer's titled, with Fn0 selected.
    void styleFnButtons();
    // A tap on the tab of mode: a tab not yet selected becomes selected and both keyboards show
    // its layer; every other tab is deselected; the profile list closes. What a tap does unless
    // the page decides it with setOnFnButtonTap().
    void tapFnButton(FnMode mode);
    void setOnFnButtonTap(std::function<void(FnMode)> onTap) { m_onFnButtonTap = std::move(onTap); }
    // Both keyboards show the layer of mode, and only its tab is selected.
    void showFnLayer(FnMode mode);
    // Selects the Fn0 tab and deselects the others, leaving the keyboards as they are.
    void initFnLayer();

    void showProfileList();
    // Closes the list if it is open; the tile loses its pressed look.
    void hideProfileList();
    // A press on the page beside the panels closes the list that a click on the tile opened.
    void mouseDown();
    // The tile names profile index (0 to 3, profile 1 for any other index); the list closes.
    void showProfileName(int index);

    // The profile that profile index (0 to 3) names, index 0 for any other index.
    static int profileIndex(int index);
    // Runs work, which reads the keyboard's resources (loadKeyboards(), the factory keymaps),
    // and answers the line to log for what it threw: "Error occured: " and the detail of a
    // broken environment, the error's own text otherwise. Nothing when it went well.
    static std::optional<QString> failureOf(const std::function<void()> &work);

private:
    void selectOnlyFnButton(FnMode mode);

    KeyboardPageInterface &m_page;
    KeyboardPageView &m_view;
    std::unique_ptr<VirtualKeyboardViewController> m_virtualKeyboard;
    std::unique_ptr<VirtualSlideKeyboardViewController> m_slideKeyboard;
    std::unique_ptr<DipSwitchViewController> m_dipSwitch;
    std::unique_ptr<PointingStickViewController> m_pointingStick;
    std::unique_ptr<ProfileSelectedViewController> m_profile;
    // The list shown last; it stays after it has been closed, since it closes from its own
    // click handler.
    std::unique_ptr<ProfileListViewController> m_profileList;
    std::function<void(FnMode)> m_onFnButtonTap = [this](FnMode mode) { tapFnButton(mode); };
};
