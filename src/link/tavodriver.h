#pragma once

#include "clock.h"
#include "enumerations.h"
#include "firmdataentity.h"
#include "firmwareupdate.h"
#include "hidbackend.h"
#include "keyboardconnections.h"
#include "keyboarddataentity.h"
#include "linkworker.h"
#include "profilelistdataentity.h"

#include <QString>

#include <functional>
#include <memory>
#include <utility>

// The keyboard's driver: the sequences that read the whole keyboard, write all its keymaps and
// update its firmware, on top of its connections (KeyboardConnections) and the commands run
// inside them (NormalCommands, FirmwareCommands).
//
// Threads: the sequences (getKeyboard, seekTAVOInNormalMode, seekTAVOInBootMode,
// writeAllKeymaps, Firmup) are called on the GUI thread, return at once and run on the driver's
// own worker, one after another; every result arrives on the GUI thread. A read's success is
// handed over while the connection is still open and the worker waits, so its handler may run
// further commands of that connection. The connection operations and the commands run on the
// calling thread: the worker, or the GUI thread inside such a success handler.
class TAVODriver
{
public:
    using KeyboardCallback = std::function<void(const std::shared_ptr<KeyboardDataEntity> &)>;
    using ErrorCallback = std::function<void(const QString &)>;
    using WriteSuccessCallback = std::function<void(WriteToTAVOResult)>;
    using WriteErrorCallback = std::function<void(WriteToTAVOResult, const QString &)>;

    // A driver on the process's HID backend and the machine's clock.
    TAVODriver();
    TAVODriver(HidBackend &backend, Clock &clock);
    TAVODriver(const TAVODriver &) = delete;
    TAVODriver &operator=(const TAVODriver &) = delete;

    // The driver of the start and firmware-update pages; it lives as long as the process.
    static TAVODriver &sharedInstance();
    // At the program's end, on the GUI thread once its event loop has ended: the worker of every
    // driver finishes the operation it is in, hands nothing more to the GUI thread, starts no
    // other operation, and has ended when this returns (called on a worker, that worker ends
    // after its operation). It also runs inside exit(), before the objects the workers use are
    // destroyed: Qt ends the program that way when the display goes.
    static void stopEveryWorker();

    // The driver's connections (communicateNormal, communicateBoot) and the commands on the
    // connection opened last.
    KeyboardConnections &connections() { return m_connections; }

    // Reads the keyboard in normal mode, and when that fails in its boot loader; the error is
    // "Can't find any keyboard.".
    void getKeyboard(KeyboardCallback onSuccess, ErrorCallback onError);
    void seekTAVOInNormalMode(KeyboardCallback onSuccess, ErrorCallback onError);
    // A keyboard in its boot loader, described from the catalogue and the factory keymaps, with
    // the boot loader's version (two upper-case hex digits, empty when it does not answer).
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
    // Whether a firmware update or a keymap write of any driver runs, until its result has
    // reached the GUI thread: quitting then could leave the keyboard half written.
    static bool isWriteRunning();

private:
    struct WriteJob;

    // The worker's parts of the sequences, each step named after what it does.
    void readInNormalMode(const KeyboardCallback &onSuccess, const ErrorCallback &onError);
    void readWholeKeyboard(const KeyboardCallback &onSuccess, const ErrorCallback &onError);
    void readInBootMode(const KeyboardCallback &onSuccess, const ErrorCallback &onError);
    void describeBootLoader(int productId, const KeyboardCallback &onSuccess,
                            const ErrorCallback &onError);
    std::shared_ptr<KeyboardDataEntity> bootModeRecord(int productId);
    // Logs under the name of the operation it carries out.
    void writeAllKeymaps(WriteJob &job);
    void writeInConnection(WriteJob &job);
    std::pair<WriteToTAVOResult, QString> writeToKeyboard(const WriteJob &job);

    KeyboardConnections m_connections;
    // Expires with the driver; callbacks that reach the GUI thread later check it.
    const std::shared_ptr<void> m_alive = std::make_shared<char>();
    // Last, so that it stops before the rest of the driver goes.
    LinkWorker m_worker;
};
