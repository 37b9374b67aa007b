#pragma once

#include "clock.h"
#include "enumerations.h"
#include "firmdataentity.h"
#include "firmwarecommands.h"
#include "firmwareparts.h"
#include "keyboarddataentity.h"
#include "writemark.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

class KeyboardConnections;

// One firmware update: the chain of stages that writes an image's touch-pad, Bluetooth and main
// parts into the keyboard, switching it between its application and its boot loader on the way,
// and that first rescues a keyboard found only in its boot loader. The chain runs on the driver's
// worker, each stage inside a connection of its own that the driver's connections open; every
// callback reaches the GUI thread, and the first failure ends the chain before anything further
// is sent.
class FirmwareUpdate
{
public:
    // Always Success; the keyboard as read again and true after a rescue, otherwise a new
    // record and false.
    using SuccessCallback =
        std::function<void(WriteToTAVOResult, const std::shared_ptr<KeyboardDataEntity> &, bool)>;
    using ProgressCallback = std::function<void(int)>;
    using ErrorCallback = std::function<void(WriteToTAVOResult, const QString &)>;
    struct Callbacks
    {
        SuccessCallback onSuccess;
        // 0 to 100.
        ProgressCallback onProgress;
        // The step of the wait for a silent Bluetooth module, 0 to 99.
        ProgressCallback onBTRecoveryProgress;
        ErrorCallback onError;
    };

    // Called on the GUI thread: reports progress 0 and cuts the image into its parts. An image
    // that is not whole is refused through onError, and nothing is made.
    static std::shared_ptr<FirmwareUpdate> create(KeyboardConnections &connections,
                                                  std::shared_ptr<KeyboardDataEntity> keyboardData,
                                                  const FirmDataEntity &firmData,
                                                  Callbacks callbacks);

    FirmwareUpdate(KeyboardConnections &connections,
                   std::shared_ptr<KeyboardDataEntity> keyboardData, FirmwareParts parts,
                   QString firmVersion, Callbacks callbacks);

    // Runs the whole chain on the calling thread; returns after its one success or error.
    void run();

private:
    enum class Stage
    {
        prepare,
        rescueMCU,
        writeTouchPads,
        returnToBoot,
        writeBTAndMCU,
        finish,
        ended
    };
    struct Failure
    {
        WriteToTAVOResult code = WriteToTAVOResult::CommunicationError;
        QString message;
    };

    // What a stage does inside its connection: to the application, or to the boot loader of
    // the product ID found; and what it does when the application is not found.
    using NormalBody = Stage (FirmwareUpdate::*)();
    using BootBody = Stage (FirmwareUpdate::*)(int productId);
    using NotFound = Stage (FirmwareUpdate::*)(const QString &message);

    Stage runStage(Stage stage);
    // A keyboard not found goes to notFound when given, and ends the update otherwise.
    Stage inNormalConnection(NormalBody body, NotFound notFound = nullptr);
    Stage inBootConnection(BootBody body);

    // The stages, each followed by what it does inside its connection.
    Stage prepareStage();
    Stage prepare();
    Stage rescueWhenNotFound(const QString &message);
    Stage rescueMCUStage();
    Stage rescueMCU(int productId);
    Stage writeTouchPadsStage();
    Stage writeTouchPads(int productId);
    Stage returnToBootStage();
    Stage returnToBoot();
    Stage skipReturnToBoot(const QString &message);
    Stage writeBTAndMCUStage();
    Stage writeBTAndMCU(int productId);
    Stage finishStage();
    Stage finish();

    std::optional<Failure> writeTouchPad(FirmwareCommands &commands, int firmType);
    std::optional<Failure> waitForTouchPad(FirmwareCommands &commands, int firmType);
    std::optional<Failure> waitForBTRecovery(int productId);
    // Start, data, end and exit of one part; figures are reported moved by progressOffset.
    std::optional<Failure> transferPart(FirmwareCommands &commands, int firmType,
                                        WriteToTAVOResult code, int progressOffset,
                                        bool pauseBeforeEnd);
    std::optional<Failure> writeMCU(FirmwareCommands &commands, int progressOffset);
    std::shared_ptr<KeyboardDataEntity> getKeyboardInfoAfterPostFirmup(QString &error);

    void tick(int count, Clock::Duration each);
    // The ticks while the keyboard leaves its application for its boot loader again.
    void waitForBootLoader();
    void reportProgress(int figure);
    void setRunningFirmwareState(RunningFirmwareState state);
    Stage fail(const Failure &failure);
    Stage succeed(std::shared_ptr<KeyboardDataEntity> keyboard, bool isRescued);

    KeyboardConnections &m_connections;
    Clock &m_clock;
    std::shared_ptr<KeyboardDataEntity> m_keyboardData;
    // The type number the attached keyboard must have; the worker never reads m_keyboardData.
    QString m_typeNumber;
    FirmwareParts m_parts;
    QString m_firmVersion;
    std::shared_ptr<const Callbacks> m_callbacks;
    // Counts the update as a running write until its result reaches the GUI thread.
    WriteMark::Token m_writeMark = WriteMark::make();

    int m_progressCount = 0;
    bool m_isMCUDestroy = false;
    bool m_isMCUWritten = false;
    bool m_isStageSkipped = false;
    bool m_isBTAlive = false;
};
