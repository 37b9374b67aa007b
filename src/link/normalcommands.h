#pragma once

#include "commandexchange.h"
#include "enumerations.h"
#include "keyboarddataentity.h"
#include "profiledataentity.h"
#include "profilelistdataentity.h"
#include "usbdriver.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

// The commands of the keyboard's application over its normal interface: identity, gesture pads,
// pointing stick, DIP switches, profile selection and keymap layers, and the read of the whole
// keyboard made of them. Each runs inside an open connection, answers nothing, false or a
// failure value when a request fails, and neither retries nor sends anything after a failure.
class NormalCommands
{
public:
    // Commands on a connection's sender and receiver.
    NormalCommands(USBDriver::Sender sender, USBDriver::Receiver receiver);

    // Whether the attached keyboard is the one keyboardData was read from: Success,
    // KeyboardMismatchError or CommunicationError.
    WriteToTAVOResult checkSameKeyboard(const KeyboardDataEntity &keyboardData);
    // Identity and application version of a keyboard in normal mode.
    std::shared_ptr<KeyboardDataEntity> command02GetKeyboardInformation();
    // Gesture pads SideLeft, FrontLeft, FrontRight, SideRight: whether each is on.
    std::optional<QList<bool>> command02GetGesturePadInformation();
    // Each pad's byte that a pad write hands back to the keyboard.
    std::optional<QList<quint8>> command02GetGesturePadCurrentInformation();
    bool commad03SetGesturePadInformation(const QList<bool> &gesturePads, bool isInitProfiles);
    std::optional<bool> command02GetPointingStickInfomation();
    // The two stick bytes that a stick write hands back to the keyboard.
    std::optional<QList<quint8>> command02GetPointingStickCurrentInfo();
    // dipswitch0 is accepted and not used: no DIP-switch byte goes to the keyboard.
    bool command03SetPoitingStickInformation(bool pointingStick, const QList<bool> &dipswitch0,
                                             bool isInitProfiles);
    std::optional<QList<bool>> command03GetDipswInformation();
    // The selected profile; nothing when it cannot be read.
    std::optional<ProfileMode> command02GetSelectedProfile();
    bool commandSetProfile(ProfileMode profileMode);
    // One layer of a profile (the profile is selected first): 120 usage IDs.
    std::optional<QList<qint32>> command12GetKeymap(ProfileMode profile, FnMode mode);
    // Writes one layer of the selected profile; payload is the layer's 4 header bytes.
    bool command13SetLayerData(const QByteArray &payload, const QList<qint32> &profileData);
    // Writes the four layers of the selected profile.
    bool command13SetProfileData(const ProfileDataEntity &profileData);
    // Selects and writes the four profiles in turn; Profile4 is left selected.
    bool command13SetProfilesData(const ProfileListDataEntity &profiles);
    // Reads all sixteen layers into result and selects again the profile selected before.
    bool getProfileData(KeyboardDataEntity &result);

    // Reads the whole keyboard: identity, pointing stick, gesture pads, DIP switches and
    // profiles. On a failure answers nothing and sets error to the message for it:
    // notInCatalogue for a type number the catalogue does not know.
    std::shared_ptr<KeyboardDataEntity> readKeyboardData(const QString &notInCatalogue,
                                                         QString &error);

private:
    CommandExchange commandExchange(const char *function, int line) const;
    // The given byte of each pad's reply, which holds 13 bytes at least.
    std::optional<QList<quint8>> readGesturePads(const CommandExchange &exchange, int byte);

    USBDriver::Sender m_sender;
    USBDriver::Receiver m_receiver;
};
