#pragma once

#include "clock.h"
#include "commandexchange.h"
#include "enumerations.h"
#include "firmdataentity.h"
#include "firmwareupdate.h"
#include "hidbackend.h"
#include "keyboarddataentity.h"
#include "linkworker.h"
#include "profilelistdataentity.h"
#include "usbdriver.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

// The keyboard's command-level driver: it finds the keyboard, opens connections to its normal
// interface and to its boot loader, runs the keyboard's commands inside them, and runs the
// sequences that read the whole keyboard and write all its keymaps.
//
// Threads: the sequences (getKeyboard, seekTAVOInNormalMode, seekTAVOInBootMode,
// writeAllKeymaps) are called on the GUI thread, return at once and run on the driver's own
// worker, one after another; every result arrives on the GUI thread. A success is handed over
// while the connection is still open and the worker waits, so its handler may run further
// commands of that connection. The connection operations and the commands run on the calling
// thread: the worker, or the GUI thread inside such a success handler.
class TAVODriver
{
public:
    using KeyboardCallback = std::function<void(const std::shared_ptr<KeyboardDataEntity> &)>;
    using ErrorCallback = std::function<void(const QString &)>;
    using WriteSuccessCallback = std::function<void(WriteToTAVOResult)>;
    using WriteErrorCallback = std::function<void(WriteToTAVOResult, const QString &)>;

    // The keyboard's two HID interfaces.
    static constexpr int normalUsage = 0x61;
    static constexpr int normalUsagePage = 0xFF60;
    static constexpr int bootUsage = 0x01;
    static constexpr int bootUsagePage = 0xFF00;

    // A driver on the process's HID backend and the machine's clock.
    TAVODriver();
    TAVODriver(HidBackend &backend, Clock &clock);
    TAVODriver(const TAVODriver &) = delete;
    TAVODriver &operator=(const TAVODriver &) = delete;

    // The driver of the start and firmware-update pages; it lives as long as the process.
    static TAVODriver &sharedInstance();

    // Finds the keyboard on its normal interface and runs onSuccess inside a connection to it;
    // the connection ends when onSuccess returns. Runs, and calls back, on the calling thread.
    void communicateNormal(const std::function<void()> &onSuccess, const ErrorCallback &seekError,
                           const ErrorCallback &communicateError);
    // The same on the boot loader's interface with 64-byte reports; onSuccess gets the product
    // ID that was found.
    void communicateBoot(const std::function<void(int)> &onSuccess, const ErrorCallback &seekError,
                         const ErrorCallback &communicateError);

    // Commands: each runs inside an open connection and answers nothing, false or a failure
    // value when a request fails; they neither retry nor send anything after a failure.

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
    // The boot loader's version as two upper-case hex digits, inside a boot-loader connection.
    std::optional<QString> commandGetBootFirmVersion();

    // Sequences.

    // Reads the keyboard in normal mode, and when that fails in its boot loader; the error is
    // "Can't find any keyboard.".
    void getKeyboard(KeyboardCallback onSuccess, ErrorCallback onError);
    void seekTAVOInNormalMode(KeyboardCallback onSuccess, ErrorCallback onError);
    // A keyboard in its boot loader, described from the catalogue and the factory keymaps.
    void seekTAVOInBootMode(KeyboardCallback onSuccess, ErrorCallback onError);
    // Writes the pads and the stick of keyboardData and the four profiles of profilesData,
    // then selects again the profile selected before. On success keyboardData's profiles are a
    // new list of profilesData's profile objects. selectedProfileId is accepted and not used.
    void writeAllKeymaps(std::shared_ptr<ProfileListDataEntity> profilesData,
                         std::shared_ptr<KeyboardDataEntity> keyboardData, int selectedProfileId,
                         bool isInitProfiles, WriteSuccessCallback onSuccess,
                         WriteErrorCallback onError);
    // Writes firmData's touch-pad, Bluetooth and main parts into the keyboard keyboardData was
    // read from, or rescues a keyboard found only in its boot loader. Returns at once; an image
    // that is not whole is refused before anything is sent.
    void Firmup(std::shared_ptr<KeyboardDataEntity> keyboardData, const FirmDataEntity &firmData,
                FirmwareUpdate::SuccessCallback onSuccess,
                FirmwareUpdate::ProgressCallback onProgress,
                FirmwareUpdate::ProgressCallback onBTRecoveryProgress, WriteErrorCallback onError);
    // The firmware-update commands on the connection opened last.
    FirmwareCommands firmwareCommands() const;
    // Whether a firmware update or a keymap write of any driver runs, until its result has
    // reached the GUI thread: quitting then could leave the keyboard half written.
    static bool isWriteRunning();

    // Reads the whole keyboard inside an open normal-mode connection. On a failure answers
    // nothing and sets error to the message for it: notInCatalogue for a type number the
    // catalogue does not know.
    std::shared_ptr<KeyboardDataEntity> readKeyboardData(const QString &notInCatalogue,
                                                         QString &error);

private:
    struct WriteJob;
    // The three kinds of connection: to the normal interface, and to the boot loader's with
    // 32-byte reports for identification or 64-byte ones for firmware transfers.
    enum class Connection
    {
        normal,
        bootIdentification,
        bootTransfer
    };

    void seekTAVOs(const std::function<void(int)> &onSuccess, const ErrorCallback &onError);
    void seekbootTAVOs(const std::function<void(int)> &onSuccess, const ErrorCallback &onError);
    std::optional<int> seekProductId(int usage, int usagePage);
    // Opens a connection to productId, installs its sender and receiver and runs body inside it;
    // onError gets the transport's message.
    void openConnection(Connection connection, int productId, const std::function<void()> &body,
                        const USBDriver::OnError &onError);
    void installConnection(const USBDriver::Sender &sender, const USBDriver::Receiver &receiver);
    CommandExchange commandExchange(const char *file, const char *function, int line) const;
    // The given byte of each pad's reply, which holds 13 bytes at least.
    std::optional<QList<quint8>> readGesturePads(const CommandExchange &exchange, int byte);

    void readInNormalMode(const KeyboardCallback &onSuccess, const ErrorCallback &onError);
    void readInBootMode(const KeyboardCallback &onSuccess, const ErrorCallback &onError);
    std::shared_ptr<KeyboardDataEntity> bootModeRecord(int productId);
    // The worker's part of writeAllKeymaps(), logging under its name.
    void writeAllKeymaps(WriteJob &job);
    std::pair<WriteToTAVOResult, QString> writeToKeyboard(const WriteJob &job);

    Clock &m_clock;
    USBDriver m_usbDriver;
    mutable QMutex m_connectionLock;
    USBDriver::Sender m_sender;
    USBDriver::Receiver m_receiver;
    // Expires with the driver; callbacks that reach the GUI thread later check it.
    const std::shared_ptr<void> m_alive = std::make_shared<char>();
    // Last, so that it stops before the rest of the driver goes.
    LinkWorker m_worker;
};
