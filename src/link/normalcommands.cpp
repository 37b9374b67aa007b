#include "normalcommands.h"

#include "constants.h"
#include "logger.h"
#include "resourceloader.h"
#include "utility.h"

#include <algorithm>
#include <array>

// Commands log under their own name and line.
#define COMMAND_EXCHANGE commandExchange(__func__, __LINE__)

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

NormalCommands::NormalCommands(USBDriver::Sender sender, USBDriver::Receiver receiver)
    : m_sender(std::move(sender))
    , m_receiver(std::move(receiver))
{}

// ---- Identity and settings

WriteToTAVOResult NormalCommands::checkSameKeyboard(const KeyboardDataEntity &keyboardData)
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

std::shared_ptr<KeyboardDataEntity> NormalCommands::command02GetKeyboardInformation()
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

std::optional<QList<quint8>> NormalCommands::readGesturePads(const CommandExchange &exchange,
                                                             int byte)
{
    QList<quint8> values;
    for (int pad = 0; pad < padCount; ++pad) {
        // Built 32 bytes long from the start, so its success line lists all 32.
        QByteArray request(USBDriver::normalReportSize, '\0');
        request.replace(0, 5, bytes({0x02, 0x11, 0x05, 0x01, quint8(pad)}));
        ExchangeLabels labels =
            ExchangeLabels::standard("0x02, 0x11, 0x05, 0x01, 0x0" + QString::number(pad));
        labels.ok = CommandExchange::requestList(request) + " ok";
        // The echo holds the pad number, so a stale reply of another pad is refused.
        const std::optional<QByteArray> reply =
            exchange.exchange(request, request.left(5), 13, labels);
        if (!reply)
            return std::nullopt;
        values.append(quint8(reply->at(byte)));
    }
    return values;
}

std::optional<QList<bool>> NormalCommands::command02GetGesturePadInformation()
{
    const std::optional<QList<quint8>> values = readGesturePads(COMMAND_EXCHANGE, 9);
    if (!values)
        return std::nullopt;
    QList<bool> pads;
    for (quint8 value : *values)
        pads.append(value != 0);
    return pads;
}

std::optional<QList<quint8>> NormalCommands::command02GetGesturePadCurrentInformation()
{
    return readGesturePads(COMMAND_EXCHANGE, 12);
}

bool NormalCommands::commad03SetGesturePadInformation(const QList<bool> &gesturePads,
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

std::optional<bool> NormalCommands::command02GetPointingStickInfomation()
{
    const QByteArray request = bytes({0x02, 0x11, 0x04});
    const std::optional<QByteArray> reply = COMMAND_EXCHANGE.exchange(
        request, request, 13, ExchangeLabels::standard(CommandExchange::requestList(request)));
    if (!reply)
        return std::nullopt;
    return reply->at(12) != 0;
}

std::optional<QList<quint8>> NormalCommands::command02GetPointingStickCurrentInfo()
{
    const QByteArray request = bytes({0x02, 0x11, 0x04});
    const std::optional<QByteArray> reply = COMMAND_EXCHANGE.exchange(
        request, request, 12, ExchangeLabels::standard(CommandExchange::requestList(request)));
    if (!reply)
        return std::nullopt;
    return QList<quint8>{quint8(reply->at(8)), quint8(reply->at(11))};
}

bool NormalCommands::command03SetPoitingStickInformation(bool pointingStick,
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

std::optional<QList<bool>> NormalCommands::command03GetDipswInformation()
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

std::optional<ProfileMode> NormalCommands::command02GetSelectedProfile()
{
    const QByteArray request = bytes({0x02, 0x11, 0x01});
    const std::optional<QByteArray> reply =
        COMMAND_EXCHANGE.exchange(request, request, 5, ExchangeLabels::standard("0x02 0x11 0x01"));
    if (!reply)
        return std::nullopt;
    // Only 1 to 3 name another profile than the first.
    return Enumerations::fromRaw<ProfileMode>(quint8(reply->at(4))).value_or(ProfileMode::Profile1);
}

bool NormalCommands::commandSetProfile(ProfileMode profileMode)
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

std::optional<QList<qint32>> NormalCommands::command12GetKeymap(ProfileMode profile, FnMode mode)
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

bool NormalCommands::command13SetLayerData(const QByteArray &payload,
                                           const QList<qint32> &profileData)
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

bool NormalCommands::command13SetProfileData(const ProfileDataEntity &profileData)
{
    for (FnMode mode : ProfileDataEntity::layerModes)
        if (!command13SetLayerData(layerHeader(0x13, mode), profileData.layer(mode)))
            return false;
    return true;
}

bool NormalCommands::command13SetProfilesData(const ProfileListDataEntity &profiles)
{
    for (int profile = 0; profile < profileCount; ++profile)
        if (!commandSetProfile(ProfileMode(profile)) ||
            !command13SetProfileData(profiles.profile(profile)))
            return false;
    return true;
}

bool NormalCommands::getProfileData(KeyboardDataEntity &result)
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

// ---- The whole keyboard

std::shared_ptr<KeyboardDataEntity> NormalCommands::readKeyboardData(const QString &notInCatalogue,
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

CommandExchange NormalCommands::commandExchange(const char *function, int line) const
{
    return CommandExchange(m_sender, m_receiver, __FILE__, function, line);
}
