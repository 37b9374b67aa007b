#include "firmwareupdate.h"

#include "dispatcher.h"
#include "keyboardconnections.h"
#include "logger.h"

using namespace std::chrono_literals;

namespace {

using Result = WriteToTAVOResult;

constexpr int touchPadReadyQueries = 20;
constexpr int btRecoverySearches = 10;
constexpr int btRecoveryStepsPerSearch = 10;
constexpr Clock::Duration btRecoveryStep = 1200ms;
constexpr Clock::Duration moduleSettle = 300us;

const QString versionError = QStringLiteral("Error on 0xF7 0x01 0xFE");
const QString routeError = QStringLiteral("Error on 0xF7 0x61 0x9E");
const QString startError = QStringLiteral("Error on 0xF7 0x31 0xCE");
const QString sendError = QStringLiteral("Error on 0xF7 0x33 0xCC");
const QString endError = QStringLiteral("Error on 0xF7 0x34 0xCB");
const QString exitError = QStringLiteral("Error on 0xF7 0x63 0x9C");

} // namespace

std::shared_ptr<FirmwareUpdate>
FirmwareUpdate::create(KeyboardConnections &connections,
                       std::shared_ptr<KeyboardDataEntity> keyboardData,
                       const FirmDataEntity &firmData, Callbacks callbacks)
{
    Dispatcher::post([onProgress = callbacks.onProgress] { onProgress(0); });
    // A part that is cut short or does not fit its field would be written half or wrongly:
    // the whole image is checked before the keyboard is touched.
    QString problem;
    std::optional<FirmwareParts> parts = FirmwareParts::cut(firmData, problem);
    if (!parts) {
        const QString message = QStringLiteral("Firmware image refused: ") + problem;
        LOG_ERROR(message);
        Dispatcher::post([onError = callbacks.onError, message] {
            onError(Result::CommunicationError, message);
        });
        return nullptr;
    }
    return std::make_shared<FirmwareUpdate>(connections, std::move(keyboardData), std::move(*parts),
                                            firmData.firmVersion, std::move(callbacks));
}

FirmwareUpdate::FirmwareUpdate(KeyboardConnections &connections,
                               std::shared_ptr<KeyboardDataEntity> keyboardData,
                               FirmwareParts parts, QString firmVersion, Callbacks callbacks)
    : m_connections(connections)
    , m_clock(connections.clock())
    , m_keyboardData(std::move(keyboardData))
    , m_typeNumber(m_keyboardData->typeNumber)
    , m_parts(std::move(parts))
    , m_firmVersion(std::move(firmVersion))
    , m_callbacks(std::make_shared<const Callbacks>(std::move(callbacks)))
{}

void FirmwareUpdate::run()
{
    LOG_DEBUG("begin");
    // Each stage closes its connection before the next opens one: after a switch between
    // application and boot loader the old connection's device has left the bus anyway.
    Stage stage = Stage::prepare;
    while (stage != Stage::ended)
        stage = runStage(stage);
    LOG_DEBUG("end");
}

FirmwareUpdate::Stage FirmwareUpdate::runStage(Stage stage)
{
    switch (stage) {
    case Stage::prepare:
        return prepareStage();
    case Stage::rescueMCU:
        return rescueMCUStage();
    case Stage::writeTouchPads:
        return writeTouchPadsStage();
    case Stage::returnToBoot:
        return returnToBootStage();
    case Stage::writeBTAndMCU:
        return writeBTAndMCUStage();
    case Stage::finish:
        return finishStage();
    case Stage::ended:
        break;
    }
    return Stage::ended;
}

FirmwareUpdate::Stage FirmwareUpdate::inNormalConnection(NormalBody body, NotFound notFound)
{
    Stage next = Stage::ended;
    m_connections.communicateNormal([&] { next = (this->*body)(); },
                                    [&](const QString &message) {
                                        next = notFound
                                                   ? (this->*notFound)(message)
                                                   : fail({Result::CommunicationError, message});
                                    },
                                    [&](const QString &message) {
                                        next = fail({Result::CommunicationError, message});
                                    });
    return next;
}

FirmwareUpdate::Stage FirmwareUpdate::inBootConnection(BootBody body)
{
    Stage next = Stage::ended;
    const auto failed = [&](const QString &message) {
        next = fail({Result::CommunicationError, message});
    };
    m_connections.communicateBoot([&](int productId) { next = (this->*body)(productId); }, failed,
                                  failed);
    return next;
}

// ---- Stages

FirmwareUpdate::Stage FirmwareUpdate::prepareStage()
{
    return inNormalConnection(&FirmwareUpdate::prepare, &FirmwareUpdate::rescueWhenNotFound);
}

FirmwareUpdate::Stage FirmwareUpdate::prepare()
{
    setRunningFirmwareState(RunningFirmwareState::app);
    if (!m_isMCUWritten) {
        KeyboardDataEntity wanted;
        wanted.typeNumber = m_typeNumber;
        const Result check = m_connections.normalCommands().checkSameKeyboard(wanted);
        if (check != Result::Success)
            return fail({check, QStringLiteral("Connection Error or CheckSameKeyboard Error")});
    }
    FirmwareCommands firmware = m_connections.firmwareCommands();
    if (!firmware.commandFirmupEnterTouchpad())
        return fail({Result::CommunicationError, QStringLiteral("Error on 0x03 0x11 0x05")});
    m_clock.sleep(1s);
    reportProgress(m_progressCount);
    if (!firmware.commandE0FirmupModeChange())
        return fail({Result::CommunicationError, QStringLiteral("Error on 0xE0")});
    if (m_isMCUWritten)
        tick(10, 1300ms);
    else
        tick(9, 1s);
    return Stage::writeTouchPads;
}

// Not found at the start, the keyboard is taken to be stuck in its boot loader.
FirmwareUpdate::Stage FirmwareUpdate::rescueWhenNotFound(const QString &message)
{
    m_isMCUDestroy = true;
    if (m_isMCUWritten)
        return fail({Result::CommunicationError, message});
    m_isStageSkipped = true;
    return Stage::rescueMCU;
}

FirmwareUpdate::Stage FirmwareUpdate::rescueMCUStage()
{
    return inBootConnection(&FirmwareUpdate::rescueMCU);
}

FirmwareUpdate::Stage FirmwareUpdate::rescueMCU(int)
{
    if (m_isStageSkipped) {
        m_isStageSkipped = false;
        tick(9, 1s);
    }
    FirmwareCommands firmware = m_connections.firmwareCommands();
    if (const std::optional<Failure> failure = writeMCU(firmware, -1))
        return fail(*failure);
    m_isMCUWritten = true;
    tick(10, 1s);
    return Stage::prepare;
}

FirmwareUpdate::Stage FirmwareUpdate::writeTouchPadsStage()
{
    return inBootConnection(&FirmwareUpdate::writeTouchPads);
}

FirmwareUpdate::Stage FirmwareUpdate::writeTouchPads(int)
{
    setRunningFirmwareState(RunningFirmwareState::boot);
    FirmwareCommands firmware = m_connections.firmwareCommands();
    for (int type = FirmwareCommands::firstTouchPadType; type <= FirmwareCommands::lastTouchPadType;
         ++type)
        if (const std::optional<Failure> failure = writeTouchPad(firmware, type))
            return fail(*failure);
    // Only a module that answers without a version is silent; any other failure of the query
    // leaves the keyboard's state unknown, and nothing more is sent.
    const std::optional<QString> btVersion = firmware.commandGetBTVersion();
    if (!btVersion)
        return fail({Result::MCUCommunicationError, versionError});
    m_isBTAlive = !btVersion->isEmpty();
    if (!firmware.commandExitFirmup(FirmwareCommands::mcuType))
        return fail({Result::CommunicationError, exitError});
    tick(m_isMCUDestroy ? 5 : 10, 1s);
    return Stage::returnToBoot;
}

FirmwareUpdate::Stage FirmwareUpdate::returnToBootStage()
{
    return inNormalConnection(&FirmwareUpdate::returnToBoot, &FirmwareUpdate::skipReturnToBoot);
}

FirmwareUpdate::Stage FirmwareUpdate::returnToBoot()
{
    if (!m_connections.firmwareCommands().commandE0FirmupModeChange())
        return fail({Result::CommunicationError, QStringLiteral("Error on 0xE0")});
    waitForBootLoader();
    return Stage::writeBTAndMCU;
}

// Not found, the keyboard is taken to be in its boot loader already.
FirmwareUpdate::Stage FirmwareUpdate::skipReturnToBoot(const QString &)
{
    m_isStageSkipped = true;
    return Stage::writeBTAndMCU;
}

FirmwareUpdate::Stage FirmwareUpdate::writeBTAndMCUStage()
{
    return inBootConnection(&FirmwareUpdate::writeBTAndMCU);
}

FirmwareUpdate::Stage FirmwareUpdate::writeBTAndMCU(int productId)
{
    // The wait that returnToBootStage() skipped when it found no keyboard.
    if (m_isStageSkipped) {
        m_isStageSkipped = false;
        waitForBootLoader();
    }
    LOG_INFO("Write BT start.");
    FirmwareCommands firmware = m_connections.firmwareCommands();
    if (m_isBTAlive) {
        if (!firmware.commandFirmupForBTAndTouchPad(FirmwareCommands::btType))
            return fail({Result::MCUCommunicationError, routeError});
    } else if (const std::optional<Failure> failure = waitForBTRecovery(productId)) {
        return fail(*failure);
    }
    if (const std::optional<Failure> failure =
            transferPart(firmware, FirmwareCommands::btType, Result::MCUCommunicationError,
                         m_isMCUDestroy ? -1 : 0, true))
        return fail(*failure);
    LOG_INFO("Write BT end.");
    m_clock.sleep(1s);
    if (const std::optional<Failure> failure = writeMCU(firmware, m_isMCUDestroy ? 69 : 70))
        return fail(*failure);
    if (m_isMCUDestroy)
        tick(10, 1300ms);
    else
        tick(9, 1s);
    return Stage::finish;
}

FirmwareUpdate::Stage FirmwareUpdate::finishStage()
{
    return inNormalConnection(&FirmwareUpdate::finish);
}

FirmwareUpdate::Stage FirmwareUpdate::finish()
{
    if (!m_connections.firmwareCommands().commandSetAppFrimVersion(m_firmVersion))
        return fail({Result::CommunicationError, QStringLiteral("Error on 0x03 0x10 0x0B")});
    if (!m_isMCUDestroy) {
        reportProgress(m_progressCount + 1);
        return succeed(std::make_shared<KeyboardDataEntity>(), false);
    }
    QString error;
    std::shared_ptr<KeyboardDataEntity> keyboard = getKeyboardInfoAfterPostFirmup(error);
    if (!keyboard)
        return fail({Result::CommunicationError, error});
    reportProgress(m_progressCount + 1);
    return succeed(std::move(keyboard), true);
}

// ---- Parts

std::optional<FirmwareUpdate::Failure> FirmwareUpdate::writeTouchPad(FirmwareCommands &commands,
                                                                     int firmType)
{
    LOG_INFO(QStringLiteral("Write TP%1 start.").arg(firmType));
    if (const std::optional<Failure> failure = waitForTouchPad(commands, firmType))
        return failure;
    m_clock.sleep(moduleSettle);
    if (!commands.commandFirmupForBTAndTouchPad(firmType))
        return Failure{Result::CommunicationError, routeError};
    m_clock.sleep(moduleSettle);
    if (const std::optional<Failure> failure =
            transferPart(commands, firmType, Result::CommunicationError, 0, true))
        return failure;
    m_clock.sleep(1s);
    LOG_INFO(QStringLiteral("Write TP%1 end.").arg(firmType));
    return std::nullopt;
}

// A touch pad needs a while after its preparation before it takes its part: it is asked again
// while it answers that it is not ready, or does not answer. A query that cannot be sent means
// the keyboard is gone, and ends the wait.
std::optional<FirmwareUpdate::Failure> FirmwareUpdate::waitForTouchPad(FirmwareCommands &commands,
                                                                       int firmType)
{
    for (int query = 0; query < touchPadReadyQueries; ++query) {
        const std::optional<bool> ready = commands.commandGetTPVersion(firmType);
        if (!ready)
            return Failure{Result::MCUCommunicationError, versionError};
        if (*ready)
            return std::nullopt;
    }
    return Failure{Result::MCUCommunicationError, routeError};
}

// A silent Bluetooth module comes back by itself after a while, waiting in its own loader for
// its part. The keyboard must stay attached meanwhile.
std::optional<FirmwareUpdate::Failure> FirmwareUpdate::waitForBTRecovery(int productId)
{
    for (int search = 0; search < btRecoverySearches; ++search) {
        if (const std::optional<QString> lost = m_connections.seekBootLoader(productId)) {
            LOG_ERROR(*lost);
            return Failure{Result::CommunicationError, *lost};
        }
        for (int step = 0; step < btRecoveryStepsPerSearch; ++step) {
            Dispatcher::post([callbacks = m_callbacks, figure = search * 10 + step] {
                callbacks->onBTRecoveryProgress(figure);
            });
            m_clock.sleep(btRecoveryStep);
        }
    }
    return std::nullopt;
}

std::optional<FirmwareUpdate::Failure>
FirmwareUpdate::transferPart(FirmwareCommands &commands, int firmType, WriteToTAVOResult code,
                             int progressOffset, bool pauseBeforeEnd)
{
    const qint64 size = m_parts.sizes[firmType];
    const QByteArray &data = m_parts.data[firmType];
    if (!commands.commandF7FirmupStart(size, firmType))
        return Failure{code, startError};
    const auto onProgress = [this, progressOffset](int figure) {
        m_progressCount = figure + progressOffset;
        reportProgress(m_progressCount);
    };
    if (!commands.commandF7FirmupSend(size, data, firmType, m_isMCUDestroy, onProgress))
        return Failure{code, sendError};
    // An empty part sends no packet, yet counts as written for the progress figures.
    if (size == 0)
        onProgress(FirmwareCommands::progressFigure(firmType, 0, 0, m_isMCUDestroy));
    if (pauseBeforeEnd)
        m_clock.sleep(1s);
    if (!commands.commandF7FirmupEnd(size, data, firmType))
        return Failure{code, endError};
    if (!commands.commandExitFirmup(firmType))
        return Failure{code, exitError};
    return std::nullopt;
}

std::optional<FirmwareUpdate::Failure> FirmwareUpdate::writeMCU(FirmwareCommands &commands,
                                                                int progressOffset)
{
    m_clock.sleep(1s);
    LOG_INFO("Write MCU start.");
    if (const std::optional<Failure> failure =
            transferPart(commands, FirmwareCommands::mcuType, Result::MCUCommunicationError,
                         progressOffset, false))
        return failure;
    LOG_INFO("Write MCU end.");
    return std::nullopt;
}

std::shared_ptr<KeyboardDataEntity> FirmwareUpdate::getKeyboardInfoAfterPostFirmup(QString &error)
{
    LOG_INFO("getKeyboardInfo start.");
    std::shared_ptr<KeyboardDataEntity> keyboard = m_connections.normalCommands().readKeyboardData(
        QStringLiteral("Error on Keyboard is not available"), error);
    if (keyboard)
        LOG_INFO("getKeyboardInfo end.");
    return keyboard;
}

// ---- Reporting

void FirmwareUpdate::tick(int count, Clock::Duration each)
{
    for (int i = 0; i < count; ++i) {
        m_clock.sleep(each);
        reportProgress(++m_progressCount);
    }
}

void FirmwareUpdate::waitForBootLoader()
{
    if (m_isMCUDestroy)
        tick(5, 1s);
    else
        tick(10, 500ms);
}

void FirmwareUpdate::reportProgress(int figure)
{
    Dispatcher::post([callbacks = m_callbacks, figure] { callbacks->onProgress(figure); });
}

void FirmwareUpdate::setRunningFirmwareState(RunningFirmwareState state)
{
    // The record belongs to the GUI thread, where the pages read it.
    Dispatcher::post(
        [keyboard = m_keyboardData, state] { keyboard->runningFirmwareState = state; });
}

FirmwareUpdate::Stage FirmwareUpdate::fail(const Failure &failure)
{
    WriteMark::post(std::move(m_writeMark), [callbacks = m_callbacks, failure] {
        callbacks->onError(failure.code, failure.message);
    });
    return Stage::ended;
}

FirmwareUpdate::Stage FirmwareUpdate::succeed(std::shared_ptr<KeyboardDataEntity> keyboard,
                                              bool isRescued)
{
    WriteMark::post(std::move(m_writeMark), [callbacks = m_callbacks, keyboard, isRescued] {
        callbacks->onSuccess(Result::Success, keyboard, isRescued);
    });
    return Stage::ended;
}
