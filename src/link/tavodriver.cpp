#include "tavodriver.h"

#include "constants.h"
#include "dispatcher.h"
#include "exceptions.h"
#include "logger.h"
#include "platformerror.h"
#include "realclock.h"
#include "resourceloader.h"
#include "utility.h"
#include "writemark.h"

#include <algorithm>
#include <array>

// Commands log under their own name and line.
#define COMMAND_EXCHANGE commandExchange(__FILE__, __func__, __LINE__)

namespace {

constexpr int padCount = 4;
constexpr int profileCount = 4;
constexpr int layerPacketCount = 10;
constexpr int codesPerPacket = 13;
// The bytes of a layer within a profile: 120 usage IDs of two bytes.
constexpr int layerSize = ProfileDataEntity::keyCount * 2;
// An identity text reply holds its text in bytes 3 to 29.
constexpr qsizetype identityTextReplySize = 30;
constexpr qsizetype versionReplySize = 7;

constexpr auto bytes = &CommandExchange::bytes;

// The four header bytes of a layer command: the command, the layer's offset and 1B.
QByteArray layerHeader(quint8 command, FnMode mode)
{
    const int offset = Enumerations::rawValue(mode) * layerSize;
    return bytes({command, quint8(offset >> 8), quint8(offset & 0xFF), 0x1B});
}

// Moves a layer command on to its next packet, 26 bytes further.
void advanceLayerOffset(QByteArray &report)
{
    const int offset = quint8(report[1]) * 256 + quint8(report[2]) + codesPerPacket * 2;
    report[1] = char(offset >> 8);
    report[2] = char(offset & 0xFF);
}

int codesInPacket(int packet)
{
    return std::min(codesPerPacket, ProfileDataEntity::keyCount - packet * codesPerPacket);
}

QString identityText(const QByteArray &reply)
{
    return Utility::UInt8ToString(QByteArrayView(reply).sliced(3, 27));
}

// "01.23" from the four characters 0, 1, 2, 3; "" when the keyboard sends no version.
QString versionText(const QByteArray &reply)
{
    const QByteArrayView digits = QByteArrayView(reply).sliced(3, 4);
    if (Utility::UInt8ToString(digits).isEmpty())
        return {};
    return Utility::UInt8ToString(digits.sliced(0, 2)) + QLatin1Char('.') +
           Utility::UInt8ToString(digits.sliced(2, 2));
}

// One of the five identity requests. A reply too short for what is read from it counts as no
// reply at all; one that does not echo the request is a wrong reply.
std::optional<QByteArray> identityReply(const CommandExchange &exchange, const QByteArray &request,
                                        const QString &label, qsizetype length)
{
    if (!exchange.send(request, label + QStringLiteral(" send error")))
        return std::nullopt;
    const std::optional<QByteArray> reply =
        exchange.receive(label + QStringLiteral(" receive error"));
    if (!reply)
        return std::nullopt;
    if (reply->size() < length) {
        exchange.error(label + QStringLiteral(" receive error"));
        return std::nullopt;
    }
    if (!reply->startsWith(request.left(3))) {
        exchange.error(label + QStringLiteral(" format error"));
        return std::nullopt;
    }
    exchange.info(label + QStringLiteral(" ok"));
    return reply;
}

// Whether a keyboard that reports the type number current is the one read as stored: the same
// model, possibly with a variant suffix added. An empty stored type number identifies nothing.
bool isSameKeyboardType(const QString &stored, const QString &current)
{
    if (stored.isEmpty())
        return false;
    if (current == stored)
        return true;
    for (const QString &suffix : Constants::typeNumberSuffixes)
        if (current == stored + suffix)
            return true;
    return false;
}

} // namespace

// What the worker needs for writing all keymaps. The worker reads only its own copies; the
// caller's records are touched on the GUI thread alone.
struct TAVODriver::WriteJob
{
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
    : m_clock(clock)
    , m_usbDriver(backend, clock)
{}

TAVODriver &TAVODriver::sharedInstance()
{
    // Never destroyed: its worker may still be waiting for the keyboard when the program ends.
    static TAVODriver *instance = new TAVODriver;
    return *instance;
}

// ---- Product search and connections

void TAVODriver::seekTAVOs(const std::function<void(int)> &onSuccess, const ErrorCallback &onError)
{
    if (const std::optional<int> productId = seekProductId(normalUsage, normalUsagePage))
        onSuccess(*productId);
    else
        onError(QStringLiteral("Can't find any Keyboard."));
}

void TAVODriver::seekbootTAVOs(const std::function<void(int)> &onSuccess,
                               const ErrorCallback &onError)
{
    if (const std::optional<int> productId = seekProductId(bootUsage, bootUsagePage))
        onSuccess(*productId);
    else
        onError(QStringLiteral("Can't find any Keyboard in boot mode."));
}

std::optional<int> TAVODriver::seekProductId(int usage, int usagePage)
{
    // The first product ID that answers wins; each absent one costs one search time-out.
    for (int productId : Constants::tavoProductIds) {
        bool found = false;
        m_usbDriver.seekDevice(
            Constants::tavoVendorId, productId, usage, usagePage, [&found] { found = true; },
            [](const QString &) {});
        if (found)
            return productId;
    }
    return std::nullopt;
}

void TAVODriver::communicateNormal(const std::function<void()> &onSuccess,
                                   const ErrorCallback &seekError,
                                   const ErrorCallback &communicateError)
{
    // The success line is written inside the connection, under this operation's name.
    const char *const function = __func__;
    seekTAVOs(
        [&](int productId) {
            openConnection(
                Connection::normal, productId,
                [&] {
                    Logger::sharedInstance().info(__FILE__, function, __LINE__,
                                                  "Seek TAVO success in normal mode.");
                    onSuccess();
                },
                [&](const QString &) {
                    communicateError(QStringLiteral("Can't communicate keyboard in normal mode."));
                });
        },
        [&](const QString &) { seekError(QStringLiteral("Can't find any keyboard.")); });
}

void TAVODriver::communicateBoot(const std::function<void(int)> &onSuccess,
                                 const ErrorCallback &seekError,
                                 const ErrorCallback &communicateError)
{
    const char *const function = __func__;
    seekbootTAVOs(
        [&](int productId) {
            openConnection(
                Connection::bootTransfer, productId,
                [&] {
                    Logger::sharedInstance().info(__FILE__, function, __LINE__,
                                                  "Seek TAVO success in boot mode.");
                    onSuccess(productId);
                },
                [&](const QString &) {
                    communicateError(QStringLiteral("Can't find any keyboard in boot mode."));
                });
        },
        [&](const QString &) { seekError(QStringLiteral("Can't find any keyboard.")); });
}

void TAVODriver::openConnection(Connection connection, int productId,
                                const std::function<void()> &body,
                                const USBDriver::OnError &onError)
{
    const auto onProgress = [&](const USBDriver::Sender &sender,
                                const USBDriver::Receiver &receiver) {
        installConnection(sender, receiver);
        body();
    };
    const int vendorId = Constants::tavoVendorId;
    switch (connection) {
    case Connection::normal:
        m_usbDriver.communicate(vendorId, productId, normalUsage, normalUsagePage, onProgress,
                                onError);
        break;
    case Connection::bootIdentification:
        m_usbDriver.communicate(vendorId, productId, bootUsage, bootUsagePage, onProgress, onError);
        break;
    case Connection::bootTransfer:
        m_usbDriver.communicateInBoot(vendorId, productId, bootUsage, bootUsagePage, onProgress,
                                      onError);
        break;
    }
}

void TAVODriver::installConnection(const USBDriver::Sender &sender,
                                   const USBDriver::Receiver &receiver)
{
    QMutexLocker locker(&m_connectionLock);
    m_sender = sender;
    m_receiver = receiver;
}

CommandExchange TAVODriver::commandExchange(const char *file, const char *function, int line) const
{
    QMutexLocker locker(&m_connectionLock);
    return CommandExchange(m_sender, m_receiver, file, function, line);
}

// ---- Identity and settings

WriteToTAVOResult TAVODriver::checkSameKeyboard(const KeyboardDataEntity &keyboardData)
{
    LOG_INFO("begin");
    const std::shared_ptr<KeyboardDataEntity> current = command02GetKeyboardInformation();
    if (!current) {
        LOG_ERROR("Can't get keyboard information.");
        return WriteToTAVOResult::CommunicationError;
    }
    if (isSameKeyboardType(keyboardData.typeNumber, current->typeNumber)) {
        LOG_INFO("end");
        return WriteToTAVOResult::Success;
    }
    LOG_ERROR("Different Keyboard (Initial:" + Logger::escaped(keyboardData.typeNumber) +
              ", Current:" + Logger::escaped(current->typeNumber));
    return WriteToTAVOResult::KeyboardMismatchError;
}

std::shared_ptr<KeyboardDataEntity> TAVODriver::command02GetKeyboardInformation()
{
    struct IdentityRequest
    {
        QByteArray request;
        QString label;
        qsizetype length;
    };
    const std::array<IdentityRequest, 5> identityRequests{{
        {bytes({0x02, 0x10, 0x01, 0x02, 0x00}), "0x02 0x10 0x01", identityTextReplySize},
        {bytes({0x02, 0x10, 0x03, 0x02, 0x00}), "0x02 0x10 0x03", identityTextReplySize},
        {bytes({0x02, 0x10, 0x05, 0x02, 0x00}), "0x02 0x10 0x05", identityTextReplySize},
        {bytes({0x02, 0x10, 0x0B}), "0x02 0x10 0x0B", versionReplySize},
        {bytes({0x02, 0x10, 0x07, 0x02, 0x00}), "0x02 0x10 0x07", identityTextReplySize},
    }};
    const CommandExchange exchange = COMMAND_EXCHANGE;
    QList<QByteArray> replies;
    for (const IdentityRequest &item : identityRequests) {
        const std::optional<QByteArray> reply =
            identityReply(exchange, item.request, item.label, item.length);
        if (!reply)
            return nullptr;
        replies.append(*reply);
    }

    // The product name of the first reply is asked for and not kept.
    const QString typeNumber = identityText(replies[2]);
    const QString serial = identityText(replies[4]);
    exchange.info("TypeNumber: " + Logger::escaped(typeNumber));
    exchange.info("Serial: " + Logger::escaped(serial));
    return std::make_shared<KeyboardDataEntity>(versionText(replies[3]), QString(), typeNumber,
                                                identityText(replies[1]), serial,
                                                RunningFirmwareState::app);
}

std::optional<QList<quint8>> TAVODriver::readGesturePads(const CommandExchange &exchange, int byte)
{
    QList<quint8> values;
    for (int pad = 0; pad < padCount; ++pad) {
        // Built 32 bytes long from the start, so its success line lists all 32.
        QByteArray request(USBDriver::normalReportSize, '\0');
        request.replace(0, 5, bytes({0x02, 0x11, 0x05, 0x01, quint8(pad)}));
        ExchangeLabels labels =
            ExchangeLabels::standard("0x02, 0x11, 0x05, 0x01, 0x0" + QString::number(pad));
        labels.ok = CommandExchange::requestList(request) + " ok";
        const std::optional<QByteArray> reply =
            exchange.exchange(request, request.left(4), 13, labels);
        if (!reply)
            return std::nullopt;
        values.append(quint8(reply->at(byte)));
    }
    return values;
}

std::optional<QList<bool>> TAVODriver::command02GetGesturePadInformation()
{
    const std::optional<QList<quint8>> values = readGesturePads(COMMAND_EXCHANGE, 9);
    if (!values)
        return std::nullopt;
    QList<bool> pads;
    for (quint8 value : *values)
        pads.append(value != 0);
    return pads;
}

std::optional<QList<quint8>> TAVODriver::command02GetGesturePadCurrentInformation()
{
    return readGesturePads(COMMAND_EXCHANGE, 12);
}

bool TAVODriver::commad03SetGesturePadInformation(const QList<bool> &gesturePads,
                                                  bool isInitProfiles)
{
    const std::optional<QList<quint8>> current = command02GetGesturePadCurrentInformation();
    const CommandExchange exchange = COMMAND_EXCHANGE;
    if (!current) {
        exchange.error("0x02, 0x11, 0x05, 0x01 error");
        return false;
    }
    const QList<quint8> &factory = Constants::defaultGesturePadData;
    for (int pad = 0; pad < padCount; ++pad) {
        const quint8 enable = isInitProfiles ? factory[0] : quint8(gesturePads.value(pad) ? 1 : 0);
        const quint8 kept = isInitProfiles ? factory[3] : current->at(pad);
        const QByteArray request =
            bytes({0x03, 0x11, 0x05, 0x01, quint8(pad), enable, factory[1], factory[2], kept});
        if (!exchange.exchange(request, request.left(4), 4,
                               ExchangeLabels::standard(CommandExchange::requestList(request))))
            return false;
    }
    return true;
}

std::optional<bool> TAVODriver::command02GetPointingStickInfomation()
{
    const QByteArray request = bytes({0x02, 0x11, 0x04});
    const std::optional<QByteArray> reply = COMMAND_EXCHANGE.exchange(
        request, request, 13, ExchangeLabels::standard(CommandExchange::requestList(request)));
    if (!reply)
        return std::nullopt;
    return reply->at(12) != 0;
}

std::optional<QList<quint8>> TAVODriver::command02GetPointingStickCurrentInfo()
{
    const QByteArray request = bytes({0x02, 0x11, 0x04});
    const std::optional<QByteArray> reply = COMMAND_EXCHANGE.exchange(
        request, request, 12, ExchangeLabels::standard(CommandExchange::requestList(request)));
    if (!reply)
        return std::nullopt;
    return QList<quint8>{quint8(reply->at(8)), quint8(reply->at(11))};
}

bool TAVODriver::command03SetPoitingStickInformation(bool pointingStick,
                                                     const QList<bool> & /*dipswitch0*/,
                                                     bool isInitProfiles)
{
    const std::optional<QList<quint8>> current = command02GetPointingStickCurrentInfo();
    const CommandExchange exchange = COMMAND_EXCHANGE;
    if (!current) {
        exchange.error("0x02, 0x11, 0x04 error");
        return false;
    }
    const QList<quint8> &factory = Constants::defaultPointingStickData;
    // A return to factory settings always switches the stick off.
    const QByteArray request =
        bytes({0x03, 0x11, 0x04, isInitProfiles ? factory[0] : current->at(0), factory[1],
               factory[2], isInitProfiles ? factory[3] : current->at(1),
               quint8(pointingStick && !isInitProfiles ? 1 : 0)});
    return exchange
        .exchange(request, request.left(3), 3,
                  ExchangeLabels::standard(CommandExchange::requestList(request)))
        .has_value();
}

std::optional<QList<bool>> TAVODriver::command03GetDipswInformation()
{
    const QByteArray request = bytes({0x02, 0x11, 0x03});
    const std::optional<QByteArray> reply = COMMAND_EXCHANGE.exchange(
        request, request, 9, ExchangeLabels::standard(CommandExchange::requestList(request)));
    if (!reply)
        return std::nullopt;
    QList<bool> switches;
    for (int index = 0; index < 6; ++index)
        switches.append(reply->at(3 + index) != 0);
    return switches;
}

std::optional<ProfileMode> TAVODriver::command02GetSelectedProfile()
{
    const QByteArray request = bytes({0x02, 0x11, 0x01});
    const std::optional<QByteArray> reply =
        COMMAND_EXCHANGE.exchange(request, request, 5, ExchangeLabels::standard("0x02 0x11 0x01"));
    if (!reply)
        return std::nullopt;
    // Only 1 to 3 name another profile than the first.
    return Enumerations::fromRaw<ProfileMode>(quint8(reply->at(4))).value_or(ProfileMode::Profile1);
}

bool TAVODriver::commandSetProfile(ProfileMode profileMode)
{
    const QByteArray request =
        bytes({0x03, 0x11, 0x01, 0x00, quint8(Enumerations::rawValue(profileMode))});
    const QString words = CommandExchange::requestList(request);
    const CommandExchange exchange = COMMAND_EXCHANGE;
    // The keyboard answers with the new selection, then with an acknowledgement.
    if (!exchange.send(request, words + " send error") ||
        !exchange.receive(bytes({0x02, 0x11, 0x01, 0x00}), 4, words + " receiver1 error",
                          words + " format1 error") ||
        !exchange.receive(bytes({0x03, 0x11, 0x01}), 3, words + " receiver2 error",
                          words + " format2 error"))
        return false;
    exchange.info(words + " ok");
    return true;
}

// ---- Keymap layers

std::optional<QList<qint32>> TAVODriver::command12GetKeymap(ProfileMode profile, FnMode mode)
{
    if (!commandSetProfile(profile))
        return std::nullopt;
    const CommandExchange exchange = COMMAND_EXCHANGE;
    QByteArray request = layerHeader(0x12, mode);
    QList<qint32> layer(ProfileDataEntity::keyCount, 0);
    for (int packet = 0; packet < layerPacketCount; ++packet) {
        if (packet > 0)
            advanceLayerOffset(request);
        const int count = codesInPacket(packet);
        const std::optional<QByteArray> reply =
            exchange.exchange(request, request, 4 + 2 * count,
                              {"0x12 send error", "0x12 receive error", "0x12 format errror", {}});
        if (!reply)
            return std::nullopt;
        for (int code = 0; code < count; ++code)
            layer[packet * codesPerPacket + code] =
                quint8(reply->at(4 + 2 * code)) * 256 + quint8(reply->at(5 + 2 * code));
    }
    exchange.info("0x12 ok");
    return layer;
}

bool TAVODriver::command13SetLayerData(const QByteArray &payload, const QList<qint32> &profileData)
{
    const CommandExchange exchange = COMMAND_EXCHANGE;
    if (profileData.size() < ProfileDataEntity::keyCount) {
        exchange.error("0x13 send error: the layer holds fewer than 120 usage IDs");
        return false;
    }
    // One report filled packet after packet and never cleared: the last packet carries three
    // codes and, after them, what the packet before it carried there.
    QByteArray report(USBDriver::normalReportSize, '\0');
    report.replace(0, 4, payload.left(4));
    for (int packet = 0; packet < layerPacketCount; ++packet) {
        if (packet > 0)
            advanceLayerOffset(report);
        for (int code = 0; code < codesInPacket(packet); ++code) {
            const qint32 usageId = profileData[packet * codesPerPacket + code];
            report[4 + 2 * code] = char((usageId >> 8) & 0xFF);
            report[5 + 2 * code] = char(usageId & 0xFF);
        }
        if (!exchange.exchange(report, report.left(4), 4,
                               {"0x13 send error", "0x03 receive error", "0x13 format error", {}}))
            return false;
    }
    exchange.info("0x13 ok");
    return true;
}

bool TAVODriver::command13SetProfileData(const ProfileDataEntity &profileData)
{
    for (FnMode mode : ProfileDataEntity::layerModes)
        if (!command13SetLayerData(layerHeader(0x13, mode), profileData.layer(mode)))
            return false;
    return true;
}

bool TAVODriver::command13SetProfilesData(const ProfileListDataEntity &profiles)
{
    for (int profile = 0; profile < profileCount; ++profile)
        if (!commandSetProfile(ProfileMode(profile)) ||
            !command13SetProfileData(profiles.profile(profile)))
            return false;
    return true;
}

bool TAVODriver::getProfileData(KeyboardDataEntity &result)
{
    // Without the selection the keyboard could not be left as it was found.
    const std::optional<ProfileMode> selected = command02GetSelectedProfile();
    if (!selected)
        return false;
    for (int profile = 0; profile < profileCount; ++profile) {
        for (FnMode mode : ProfileDataEntity::layerModes) {
            const std::optional<QList<qint32>> layer =
                command12GetKeymap(ProfileMode(profile), mode);
            if (!layer)
                return false;
            result.profiles->profile(profile).layer(mode) = *layer;
        }
    }
    return commandSetProfile(*selected);
}

std::optional<QString> TAVODriver::commandGetBootFirmVersion()
{
    const QByteArray request = bytes({0xF7, 0x01, 0xFE, 0x00, 0x02});
    ExchangeLabels labels = ExchangeLabels::standard(CommandExchange::requestList(request));
    labels.ok.clear(); // the boot loader's version logs no success line
    const std::optional<QByteArray> reply =
        COMMAND_EXCHANGE.exchange(request, bytes({0xF6, 0x02, 0xFD, 0x00, 0x02, 0x00}), 7, labels);
    if (!reply)
        return std::nullopt;
    return QStringLiteral("%1").arg(quint8(reply->at(6)), 2, 16, QLatin1Char('0')).toUpper();
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
    const auto reportNow = [&onError](const QString &message) {
        Dispatcher::postAndWait([&] { onError(message); });
    };
    seekTAVOs(
        [&](int productId) {
            openConnection(
                Connection::normal, productId,
                [&] {
                    QString error;
                    const std::shared_ptr<KeyboardDataEntity> record =
                        readKeyboardData(QStringLiteral("Can't find any keyboard."), error);
                    if (!record) {
                        Dispatcher::post([onError, error] { onError(error); });
                        return;
                    }
                    Dispatcher::postAndWait([&] { onSuccess(record); });
                },
                reportNow);
        },
        [&](const QString &) {
            reportNow(QStringLiteral("Can't find any keyboard in normal mode."));
        });
}

std::shared_ptr<KeyboardDataEntity> TAVODriver::readKeyboardData(const QString &notInCatalogue,
                                                                 QString &error)
{
    std::shared_ptr<KeyboardDataEntity> record = command02GetKeyboardInformation();
    if (!record) {
        error = QStringLiteral("Error on 0x02");
        return nullptr;
    }
    if (!ResourceLoader::sharedInstance().getKeyboardInformation(record->typeNumber)) {
        error = notInCatalogue;
        return nullptr;
    }
    const std::optional<bool> pointingStick = command02GetPointingStickInfomation();
    const std::optional<QList<bool>> gesturePads =
        pointingStick ? command02GetGesturePadInformation() : std::nullopt;
    if (!gesturePads) {
        error = QStringLiteral("Error on 0x02");
        return nullptr;
    }
    record->pointingStickStatus = *pointingStick;
    record->gesturePadInfo = *gesturePads;
    const std::optional<QList<bool>> dipSwitch = command03GetDipswInformation();
    if (!dipSwitch) {
        error = QStringLiteral("Error on 0x05");
        return nullptr;
    }
    record->dipSwitch = *dipSwitch;
    if (!getProfileData(*record)) {
        LOG_ERROR("Error on Profiles Data");
        error = QStringLiteral("Error on 0x02 0x11");
        return nullptr;
    }
    return record;
}

void TAVODriver::readInBootMode(const KeyboardCallback &onSuccess, const ErrorCallback &onError)
{
    const auto reportNow = [&onError](const QString &message) {
        Dispatcher::postAndWait([&] { onError(message); });
    };
    seekbootTAVOs(
        [&](int productId) {
            // Identification needs only a 32-byte connection; no request is sent here.
            openConnection(
                Connection::bootIdentification, productId,
                [&] {
                    const std::shared_ptr<KeyboardDataEntity> record = bootModeRecord(productId);
                    if (!record) {
                        reportNow(QStringLiteral("Can't find special keyboard."));
                        return;
                    }
                    Dispatcher::postAndWait([&] { onSuccess(record); });
                },
                reportNow);
        },
        [&](const QString &) {
            reportNow(QStringLiteral("Can't find any keyboard in boot mode."));
        });
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
    std::optional<int> productId;
    seekTAVOs([&productId](int found) { productId = found; }, [](const QString &) {});
    LOG_DEBUG("end");
    const auto reportNow = [&job](WriteToTAVOResult result, const QString &message) {
        WriteMark::postAndWait(std::move(job.writeMark), [&] { job.onError(result, message); });
    };
    if (!productId) {
        reportNow(WriteToTAVOResult::CommunicationError,
                  QStringLiteral("Can't find any keyboard."));
        return;
    }
    openConnection(
        Connection::normal, *productId,
        [&] {
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
        },
        [&](const QString &message) { reportNow(WriteToTAVOResult::CommunicationError, message); });
}

std::pair<WriteToTAVOResult, QString> TAVODriver::writeToKeyboard(const WriteJob &job)
{
    using Result = WriteToTAVOResult;
    const Result check = checkSameKeyboard(*job.wanted);
    if (check != Result::Success)
        return {check, QStringLiteral("Connection Error or CheckSameKeyboard Error")};
    if (!commad03SetGesturePadInformation(job.wanted->gesturePadInfo, job.isInitProfiles))
        return {Result::CommunicationError, QStringLiteral("Can't set gesturepad")};
    if (!command03SetPoitingStickInformation(job.wanted->pointingStickStatus, job.wanted->dipSwitch,
                                             job.isInitProfiles))
        return {Result::CommunicationError, QStringLiteral("Can't set pointingstick")};
    // The profile selected now is selected again at the end.
    const std::optional<ProfileMode> selected = command02GetSelectedProfile();
    if (!selected)
        return {Result::CommunicationError, QStringLiteral("Can't get selected profile")};
    if (!command13SetProfilesData(*job.profiles))
        return {Result::CommunicationError, QStringLiteral("Can't set profiles")};
    if (!commandSetProfile(*selected))
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
        FirmwareUpdate::create(*this, m_usbDriver, m_clock, std::move(keyboardData), firmData,
                               {std::move(onSuccess), std::move(onProgress),
                                std::move(onBTRecoveryProgress), std::move(onError)});
    if (update)
        m_worker.run([update] { update->run(); });
    LOG_DEBUG("end");
}

FirmwareCommands TAVODriver::firmwareCommands() const
{
    QMutexLocker locker(&m_connectionLock);
    return FirmwareCommands(m_sender, m_receiver, m_clock);
}

bool TAVODriver::isWriteRunning()
{
    return WriteMark::isAnyRunning();
}
