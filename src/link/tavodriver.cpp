#include "tavodriver.h"

#include "dispatcher.h"
#include "exceptions.h"
#include "localtime.h"
#include "logfile.h"
#include "logger.h"
#include "platformerror.h"
#include "realclock.h"
#include "resourceloader.h"
#include "writemark.h"

#include <cstdlib>

namespace {

// exit() ends the program without main's return, destroying the static objects while a worker
// may still use them. Handlers registered with atexit() run before the destructors of the static
// objects made before them: so what the workers use is made first, the backend and the clock
// being made before any driver (the logger is never destroyed). Dating the log file makes Qt's
// calendar, without which every record would lose its date.
void stopWorkersAtExit()
{
    [[maybe_unused]] static const bool registered = [] {
        LogFile::path(LocalTime::now());
        RealClock::sharedInstance();
        ResourceLoader::sharedInstance();
        return std::atexit(TAVODriver::stopEveryWorker) == 0;
    }();
}

// A failure reported while the worker waits for the GUI thread to take it.
void reportNow(const TAVODriver::ErrorCallback &onError, const QString &message)
{
    Dispatcher::postAndWait([&] { onError(message); });
}

} // namespace

// What the worker needs for writing all keymaps. The worker reads only its own copies; the
// caller's records are touched on the GUI thread alone.
struct TAVODriver::WriteJob
{
    // A failure reported while the worker waits for the GUI thread to take it.
    void reportNow(WriteToTAVOResult result, const QString &message)
    {
        WriteMark::postAndWait(std::move(writeMark), [&] { onError(result, message); });
    }

    std::shared_ptr<ProfileListDataEntity> profilesData;
    std::shared_ptr<KeyboardDataEntity> keyboardData;
    // Copies for the worker: the type number, pads, stick and DIP switches, and the profiles.
    std::shared_ptr<KeyboardDataEntity> wanted;
    std::shared_ptr<ProfileListDataEntity> profiles;
    bool isInitProfiles = false;
    WriteSuccessCallback onSuccess;
    WriteErrorCallback onError;
    // Counts the write as running until its result reaches the GUI thread.
    WriteMark::Token writeMark = WriteMark::make();
};

TAVODriver::TAVODriver()
    : TAVODriver(HidBackend::sharedInstance(), RealClock::sharedInstance())
{}

TAVODriver::TAVODriver(HidBackend &backend, Clock &clock)
    : m_connections(backend, clock)
{
    stopWorkersAtExit();
}

TAVODriver &TAVODriver::sharedInstance()
{
    // Never destroyed: callbacks may still name it as the program ends.
    static TAVODriver *const instance = new TAVODriver;
    return *instance;
}

void TAVODriver::stopEveryWorker()
{
    Dispatcher::close();
    LinkWorker::stopAll();
}

// ---- Reading the keyboard

void TAVODriver::getKeyboard(KeyboardCallback onSuccess, ErrorCallback onError)
{
    // A keyboard that fails in normal mode, whatever the reason, is looked for in its boot
    // loader. That search starts from the GUI thread, where the driver may have been destroyed
    // after the failure was posted: then there is nobody left to search for.
    const std::weak_ptr<void> driverAlive = m_alive;
    seekTAVOInNormalMode(onSuccess, [this, driverAlive, onSuccess, onError](const QString &) {
        if (driverAlive.expired())
            return;
        seekTAVOInBootMode(onSuccess, [onError](const QString &) {
            onError(QStringLiteral("Can't find any keyboard."));
        });
    });
}

void TAVODriver::seekTAVOInNormalMode(KeyboardCallback onSuccess, ErrorCallback onError)
{
    m_worker.run([this, onSuccess, onError] { readInNormalMode(onSuccess, onError); });
}

void TAVODriver::seekTAVOInBootMode(KeyboardCallback onSuccess, ErrorCallback onError)
{
    m_worker.run([this, onSuccess, onError] { readInBootMode(onSuccess, onError); });
}

void TAVODriver::readInNormalMode(const KeyboardCallback &onSuccess, const ErrorCallback &onError)
{
    const std::optional<int> productId = m_connections.seekTAVOs();
    if (!productId) {
        reportNow(onError, QStringLiteral("Can't find any keyboard in normal mode."));
        return;
    }
    m_connections.open(
        KeyboardConnections::Kind::normal, *productId,
        [&] { readWholeKeyboard(onSuccess, onError); },
        [&](const QString &message) { reportNow(onError, message); });
}

void TAVODriver::readWholeKeyboard(const KeyboardCallback &onSuccess, const ErrorCallback &onError)
{
    QString error;
    const std::shared_ptr<KeyboardDataEntity> record =
        m_connections.normalCommands().readKeyboardData(QStringLiteral("Can't find any keyboard."),
                                                        error);
    if (!record) {
        Dispatcher::post([onError, error] { onError(error); });
        return;
    }
    Dispatcher::postAndWait([&] { onSuccess(record); });
}

void TAVODriver::readInBootMode(const KeyboardCallback &onSuccess, const ErrorCallback &onError)
{
    const std::optional<int> productId = m_connections.seekbootTAVOs();
    if (!productId) {
        reportNow(onError, QStringLiteral("Can't find any keyboard in boot mode."));
        return;
    }
    // Identification needs only a 32-byte connection.
    m_connections.open(
        KeyboardConnections::Kind::bootIdentification, *productId,
        [&] { describeBootLoader(*productId, onSuccess, onError); },
        [&](const QString &message) { reportNow(onError, message); });
}

void TAVODriver::describeBootLoader(int productId, const KeyboardCallback &onSuccess,
                                    const ErrorCallback &onError)
{
    // The record comes from the catalogue and the factory keymaps.
    const std::shared_ptr<KeyboardDataEntity> record = bootModeRecord(productId);
    if (!record) {
        reportNow(onError, QStringLiteral("Can't find special keyboard."));
        return;
    }
    // The boot loader's version is the one thing asked of it, here on the worker, so that the
    // GUI never waits for the keyboard; it stays empty when the boot loader does not tell it.
    record->bootFirmVersion =
        m_connections.firmwareCommands().commandGetBootFirmVersion().value_or(QString());
    Dispatcher::postAndWait([&] { onSuccess(record); });
}
std::shared_ptr<KeyboardDataEntity> TAVODriver::bootModeRecord(int productId)
{
    ResourceLoader &resourceLoader = ResourceLoader::sharedInstance();
    const QString bootTypeNumber =
        productId == 0x0015 ? QStringLiteral("KX-QR320B") : QStringLiteral("KX-QR300B");
    auto record = std::make_shared<KeyboardDataEntity>();
    if (const auto information = resourceLoader.getKeyboardInformation(bootTypeNumber)) {
        record->typeNumber = information->typeNumber;
        record->serial = information->postfix;
        record->firmVersion = information->firmTypeNumber;
    }
    try {
        record->profiles->getProfilesData(
            *resourceLoader.getDefaultProfilesData(bootTypeNumber, record->dipSwitch));
    } catch (const Exceptions &error) {
        LOG_ERROR(error.reportText());
        return nullptr;
    } catch (const PlatformError &error) {
        LOG_ERROR(error.reportText());
        return nullptr;
    }
    record->runningFirmwareState = RunningFirmwareState::boot;
    return record;
}

// ---- Writing all keymaps

void TAVODriver::writeAllKeymaps(std::shared_ptr<ProfileListDataEntity> profilesData,
                                 std::shared_ptr<KeyboardDataEntity> keyboardData,
                                 int /*selectedProfileId*/, bool isInitProfiles,
                                 WriteSuccessCallback onSuccess, WriteErrorCallback onError)
{
    auto wanted = std::make_shared<KeyboardDataEntity>();
    wanted->typeNumber = keyboardData->typeNumber;
    wanted->gesturePadInfo = keyboardData->gesturePadInfo;
    wanted->pointingStickStatus = keyboardData->pointingStickStatus;
    wanted->dipSwitch = keyboardData->dipSwitch;
    auto job = std::make_shared<WriteJob>(WriteJob{profilesData, keyboardData, wanted,
                                                   profilesData->copy(), isInitProfiles,
                                                   std::move(onSuccess), std::move(onError)});
    m_worker.run([this, job] { writeAllKeymaps(*job); });
}

void TAVODriver::writeAllKeymaps(WriteJob &job)
{
    LOG_DEBUG("begin");
    const std::optional<int> productId = m_connections.seekTAVOs();
    LOG_DEBUG("end");
    if (!productId) {
        job.reportNow(WriteToTAVOResult::CommunicationError,
                      QStringLiteral("Can't find any keyboard."));
        return;
    }
    m_connections.open(
        KeyboardConnections::Kind::normal, *productId, [&] { writeInConnection(job); },
        [&](const QString &message) {
            job.reportNow(WriteToTAVOResult::CommunicationError, message);
        });
}

void TAVODriver::writeInConnection(WriteJob &job)
{
    const std::pair<WriteToTAVOResult, QString> outcome = writeToKeyboard(job);
    if (outcome.first != WriteToTAVOResult::Success) {
        WriteMark::post(std::move(job.writeMark), [onError = job.onError, outcome] {
            onError(outcome.first, outcome.second);
        });
        return;
    }
    WriteMark::postAndWait(std::move(job.writeMark), [&] {
        // A new list of the very profile objects written.
        const ProfileListDataEntity &written = *job.profilesData;
        job.keyboardData->profiles = std::make_shared<ProfileListDataEntity>(
            written.profile1, written.profile2, written.profile3, written.profile4);
        job.onSuccess(WriteToTAVOResult::Success);
    });
}

std::pair<WriteToTAVOResult, QString> TAVODriver::writeToKeyboard(const WriteJob &job)
{
    using Result = WriteToTAVOResult;
    NormalCommands commands = m_connections.normalCommands();
    const Result check = commands.checkSameKeyboard(*job.wanted);
    if (check != Result::Success)
        return {check, QStringLiteral("Connection Error or CheckSameKeyboard Error")};
    if (!commands.commad03SetGesturePadInformation(job.wanted->gesturePadInfo, job.isInitProfiles))
        return {Result::CommunicationError, QStringLiteral("Can't set gesturepad")};
    if (!commands.command03SetPoitingStickInformation(job.wanted->pointingStickStatus,
                                                      job.wanted->dipSwitch, job.isInitProfiles))
        return {Result::CommunicationError, QStringLiteral("Can't set pointingstick")};
    // The profile selected now is selected again at the end.
    const std::optional<ProfileMode> selected = commands.command02GetSelectedProfile();
    if (!selected)
        return {Result::CommunicationError, QStringLiteral("Can't get selected profile")};
    if (!commands.command13SetProfilesData(*job.profiles))
        return {Result::CommunicationError, QStringLiteral("Can't set profiles")};
    if (!commands.commandSetProfile(*selected))
        return {Result::CommunicationError, QStringLiteral("Can't change profile")};
    return {Result::Success, {}};
}

// ---- Firmware update

void TAVODriver::Firmup(std::shared_ptr<KeyboardDataEntity> keyboardData,
                        const FirmDataEntity &firmData, FirmwareUpdate::SuccessCallback onSuccess,
                        FirmwareUpdate::ProgressCallback onProgress,
                        FirmwareUpdate::ProgressCallback onBTRecoveryProgress,
                        WriteErrorCallback onError)
{
    LOG_DEBUG("begin");
    const std::shared_ptr<FirmwareUpdate> update =
        FirmwareUpdate::create(m_connections, std::move(keyboardData), firmData,
                               {std::move(onSuccess), std::move(onProgress),
                                std::move(onBTRecoveryProgress), std::move(onError)});
    if (update)
        m_worker.run([update] { update->run(); });
    LOG_DEBUG("end");
}

bool TAVODriver::isWriteRunning()
{
    return WriteMark::isAnyRunning();
}
