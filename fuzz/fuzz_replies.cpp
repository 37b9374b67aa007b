// Answers the keyboard driver with arbitrary bytes: a full keyboard read, a write of all keymaps
// or a firmware update runs through the real driver on a virtual clock, against a keyboard whose
// every reply is the next chunk of the input. Whatever the keyboard sends must be parsed without a
// crash or a read beyond a reply's end, and the operation must end with one result.
//
// Input: one byte of which bit 0 shows the keyboard's application interface on the bus, bit 1 its
// boot loader's, bit 2 moves it to the second product ID and bits 3 and up pick the operation
// (0 read, 1 write, 2 update); then, for each reply the driver waits for, a length byte and that
// many bytes. A length of 0xFF is a reply that never comes, 0xFE a failed read, and so is the end
// of the input.
#include "constants.h"
#include "hidbackend.h"
#include "tavodriver.h"
#include "virtualclock.h"

#include <QCoreApplication>
#include <QMutex>
#include <QtEndian>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

// The replies still to come, shared by every device the driver opens during one input.
class ReplyStream
{
public:
    explicit ReplyStream(QByteArray input)
        : m_input(std::move(input))
    {}

    HidDevice::ReadResult next()
    {
        QMutexLocker locker(&m_lock);
        if (m_position >= m_input.size())
            return {HidDevice::ReadStatus::Failed, {}, QStringLiteral("end of input")};
        const quint8 length = quint8(m_input[m_position++]);
        if (length == 0xFF)
            return {HidDevice::ReadStatus::Timeout, {}, {}};
        if (length == 0xFE)
            return {HidDevice::ReadStatus::Failed, {}, QStringLiteral("read error")};
        const QByteArray reply = m_input.mid(m_position, length);
        m_position += reply.size();
        return {HidDevice::ReadStatus::Report, reply, {}};
    }

private:
    QMutex m_lock;
    const QByteArray m_input;
    qsizetype m_position = 0;
};

// One open interface: it takes every report and answers each read from the stream.
class FuzzDevice final : public HidDevice
{
public:
    FuzzDevice(ReplyStream &replies, Clock &clock)
        : m_replies(replies)
        , m_clock(clock)
    {}

    bool write(const QByteArray &) override { return true; }
    ReadResult read(std::chrono::milliseconds timeout) override
    {
        ReadResult result = m_replies.next();
        if (result.status == ReadStatus::Timeout)
            m_clock.sleep(timeout);
        return result;
    }

private:
    ReplyStream &m_replies;
    Clock &m_clock;
};

// The bus with the keyboard's interfaces that the input's first byte shows.
class FuzzBackend final : public HidBackend
{
public:
    FuzzBackend(quint8 presence, ReplyStream &replies, Clock &clock)
        : m_presence(presence)
        , m_replies(replies)
        , m_clock(clock)
    {}

    QList<HidDeviceInfo> enumerate(int vendorId, int productId) override
    {
        QList<HidDeviceInfo> devices;
        if (vendorId != Constants::tavoVendorId || productId != (m_presence & 4 ? 0x16 : 0x15))
            return devices;
        if (m_presence & 1)
            devices.append({QStringLiteral("fuzz:normal"), vendorId, productId,
                            KeyboardConnections::normalUsagePage,
                            KeyboardConnections::normalUsage});
        if (m_presence & 2)
            devices.append({QStringLiteral("fuzz:boot"), vendorId, productId,
                            KeyboardConnections::bootUsagePage, KeyboardConnections::bootUsage});
        return devices;
    }
    OpenResult open(const QString &) override
    {
        return {std::make_unique<FuzzDevice>(m_replies, m_clock), {}, false};
    }

private:
    const quint8 m_presence;
    ReplyStream &m_replies;
    Clock &m_clock;
};

// A whole image of six small parts, so that an update reaches every firmware command.
FirmDataEntity smallImage()
{
    QByteArray file;
    for (int part = 0; part < 6; ++part) {
        const int size = 60 - part * 9;
        QByteArray header(16, '\0');
        if (part == 0)
            header.replace(0, 4, "MAIN");
        qToBigEndian<quint32>(quint32(size), header.data() + 12);
        file += header + QByteArray(size, char(part + 1)) + QByteArray((16 - size % 16) % 16, '\0');
    }
    QByteArray trailer(32, '\0');
    file += trailer.replace(0, 9, "KX-QR320B").replace(16, 4, "0123");
    return {QStringLiteral("01.23"), {}, file.size(), file, {}, {}};
}

// Starts one operation; each result it gives adds one to results.
void start(TAVODriver &driver, int operation, const std::shared_ptr<int> &results)
{
    auto keyboard = std::make_shared<KeyboardDataEntity>();
    keyboard->typeNumber = QStringLiteral("KX-QR320B");
    const auto count = [results](const auto &...) { ++*results; };
    switch (operation) {
    case 0:
        // A keyboard found in its boot loader is also asked its boot loader's version.
        driver.getKeyboard(count, count);
        break;
    case 1:
        driver.writeAllKeymaps(keyboard->profiles, keyboard, 0, false, count, count);
        break;
    default:
        driver.Firmup(
            keyboard, smallImage(), count, [](int) {}, [](int) {}, count);
    }
}

} // namespace

// One run touches thousands of features, and the entropic schedule's bookkeeping for them would
// cost several times the run itself: it is switched off unless the command line asks for it.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static std::vector<char *> arguments(*argv, *argv + *argc);
    static char entropicOff[] = "-entropic=0";
    arguments.insert(arguments.begin() + 1, entropicOff);
    arguments.push_back(nullptr);
    *argc = int(arguments.size()) - 1;
    *argv = arguments.data();
    static QCoreApplication application(*argc, *argv);
    // Log lines go nowhere: /dev/null is no folder, so no log file opens.
    Constants::setLogDirectoryForTesting(QStringLiteral("/dev/null/"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    ReplyStream replies(QByteArray(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1)));
    VirtualClock clock;
    FuzzBackend backend(data[0], replies, clock);
    auto results = std::make_shared<int>(0);
    {
        TAVODriver driver(backend, clock);
        start(driver, (data[0] >> 3) % 3, results);
        while (*results == 0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    // Whatever the driver posted late arrives now: the operation ends with one result.
    QCoreApplication::sendPostedEvents();
    if (*results != 1)
        std::abort();
    return 0;
}
