// Sends a 64 KiB main part to the emulated keyboard's boot loader, with a reply latency of 1 ms
// on the real clock, and prints how long the data packets took against the packets times the
// latency, and against the machine's floor for as many waits measured beside it. The fixed wait
// after the last packet is not counted; the ratio to the floor above 1 is what each packet costs
// the driver and the transport.

#include "constants.h"
#include "emulatedbackend.h"
#include "emulatedkeyboard.h"
#include "firmwarecommands.h"
#include "machinefloor.h"
#include "realclock.h"
#include "tavodriver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

constexpr std::chrono::microseconds latency{1000};
constexpr int runs = 5;
constexpr qint64 partSize = 64 * 1024;

QByteArray mainPart()
{
    QByteArray part(partSize, Qt::Uninitialized);
    for (qint64 i = 0; i < partSize; ++i)
        part[i] = char(i * 13 + i / 256);
    return part;
}

// The time from the first data packet to the last packet's echo, in milliseconds.
double timedDataPhase(TAVODriver &driver, const QByteArray &part)
{
    double milliseconds = -1;
    KeyboardConnections &connections = driver.connections();
    connections.communicateBoot(
        [&](int) {
            FirmwareCommands commands = connections.firmwareCommands();
            if (!commands.commandF7FirmupStart(part.size(), FirmwareCommands::mcuType))
                return;
            QElapsedTimer timer;
            timer.start();
            double lastEcho = 0;
            const bool sent =
                commands.commandF7FirmupSend(part.size(), part, FirmwareCommands::mcuType, false,
                                             [&](int) { lastEcho = timer.nsecsElapsed() / 1e6; });
            if (sent)
                milliseconds = lastEcho;
        },
        [](const QString &) {}, [](const QString &) {});
    if (milliseconds < 0)
        qFatal("the emulated boot loader did not take the part");
    return milliseconds;
}

// The runs of the data phase with the keyboard answering after replyLatency; beside each run
// the machine's floor for as many waits as packets.
QList<MachineFloor::Sample> measure(std::chrono::microseconds replyLatency, int packets)
{
    EmulatedKeyboard keyboard(RealClock::sharedInstance());
    keyboard.setMode(EmulatedKeyboard::Mode::BootLoader);
    keyboard.setReplyLatency(replyLatency);
    EmulatedBackend backend(keyboard);
    TAVODriver driver(backend, RealClock::sharedInstance());
    const QByteArray part = mainPart();
    QList<MachineFloor::Sample> runsMeasured;
    for (int run = 0; run < runs; ++run) {
        const double milliseconds = timedDataPhase(driver, part);
        keyboard.clearRecord();
        runsMeasured << MachineFloor::Sample{milliseconds,
                                             MachineFloor::measure(replyLatency, packets)};
    }
    return runsMeasured;
}

double medianTime(const QList<MachineFloor::Sample> &runsMeasured)
{
    QList<double> times;
    for (const MachineFloor::Sample &run : runsMeasured)
        times << run.milliseconds;
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir folder;
    Constants::setLogDirectoryForTesting(folder.path() + "/logs/");

    const qint64 length = FirmwareCommands::payloadLength(FirmwareCommands::mcuType);
    const int packets = int((partSize + length - 1) / length);
    const QList<MachineFloor::Sample> measured = measure(latency, packets);
    // Without latency what remains is the driver's and the transport's own work per packet.
    const double own = medianTime(measure(std::chrono::microseconds(0), packets));
    std::printf("median of %d runs, reply latency %lld us on the real clock\n", runs,
                static_cast<long long>(latency.count()));
    MachineFloor::print("firmware data phase", "packets", packets, measured, latency);
    std::printf("%-20s %4d %-9s %7.1f ms  per packet %.1f us\n", "  without latency", packets,
                "packets", own, own * 1000 / packets);
    return 0;
}
