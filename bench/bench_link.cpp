// Reads the emulated keyboard whole and writes all its keymaps, with a reply latency of 1 ms on
// the real clock, and prints for each how long it took against the exchanges times the latency,
// and against the machine's floor for as many waits measured beside it. The driver's own cost
// is what the ratio to the floor shows above 1.

#include "constants.h"
#include "emulatedbackend.h"
#include "emulatedkeyboard.h"
#include "machinefloor.h"
#include "realclock.h"
#include "resourceloader.h"
#include "tavodriver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

constexpr std::chrono::microseconds latency{1000};
constexpr int runs = 9;
// Request-and-reply exchanges of a full read and of a write of all keymaps.
constexpr int readExchanges = 189;
constexpr int writeExchanges = 181;

// A catalogue that knows the emulated keyboard, so the benchmark needs no application data.
void useCatalogueIn(const QTemporaryDir &folder)
{
    const QJsonObject entry{{"typeNumber", "KX-QR320B"},
                            {"layoutType", 1},
                            {"colorType", 0},
                            {"series", 0},
                            {"layoutTypeName", 1},
                            {"postfix", "B"},
                            {"isKeymapChangeable", true},
                            {"firmTypeNumber", "F"},
                            {"firmDataSize", 0}};
    QFile file(folder.filePath("KeyboardDatalist.json"));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(QJsonDocument(QJsonObject{{"KX-QR320B", entry}}).toJson()) < 0)
        qFatal("cannot write the catalogue");
    ResourceLoader::sharedInstance().setResourceRootForTesting(folder.path() + '/');
    Constants::setLogDirectoryForTesting(folder.path() + "/logs/");
}

// Runs one operation and answers its time in milliseconds; start gets the function that ends
// the wait.
double timed(const std::function<void(const std::function<void(bool)> &)> &start)
{
    QEventLoop loop;
    bool succeeded = false;
    QElapsedTimer timer;
    timer.start();
    start([&](bool success) {
        succeeded = success;
        loop.quit();
    });
    loop.exec();
    const double milliseconds = timer.nsecsElapsed() / 1e6;
    if (!succeeded)
        qFatal("the emulated keyboard did not answer");
    return milliseconds;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The runs of a read and of a write with the keyboard answering after replyLatency; beside each
// run the machine's floor for as many waits.
struct Runs
{
    QList<MachineFloor::Sample> read;
    QList<MachineFloor::Sample> write;
};

Runs measure(std::chrono::microseconds replyLatency)
{
    EmulatedKeyboard keyboard(RealClock::sharedInstance());
    keyboard.setReplyLatency(replyLatency);
    EmulatedBackend backend(keyboard);
    TAVODriver driver(backend, RealClock::sharedInstance());
    Runs measured;
    std::shared_ptr<KeyboardDataEntity> keyboardData;
    for (int run = 0; run < runs; ++run) {
        const double read = timed([&](const auto &done) {
            driver.seekTAVOInNormalMode(
                [&, done](const std::shared_ptr<KeyboardDataEntity> &read) {
                    keyboardData = read;
                    done(true);
                },
                [done](const QString &) { done(false); });
        });
        measured.read << MachineFloor::Sample{read,
                                              MachineFloor::measure(replyLatency, readExchanges)};
        const double write = timed([&](const auto &done) {
            driver.writeAllKeymaps(
                keyboardData->profiles, keyboardData, 0, false,
                [done](WriteToTAVOResult) { done(true); },
                [done](WriteToTAVOResult, const QString &) { done(false); });
        });
        measured.write << MachineFloor::Sample{write,
                                               MachineFloor::measure(replyLatency, writeExchanges)};
        keyboard.clearRecord();
    }
    return measured;
}

// The median time of the runs, per exchange: with no latency, the driver's own work.
void printOwnTime(int exchanges, const QList<MachineFloor::Sample> &runs)
{
    QList<double> times;
    for (const MachineFloor::Sample &run : runs)
        times << run.milliseconds;
    std::printf("%-20s %4d %-9s %7.1f ms  per exchange %.1f us\n", "  without latency", exchanges,
                "exchanges", median(times), median(times) * 1000 / exchanges);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir folder;
    useCatalogueIn(folder);

    const Runs measured = measure(latency);
    const Runs own = measure(std::chrono::microseconds(0));
    std::printf("median of %d runs, reply latency %lld us on the real clock\n", runs,
                static_cast<long long>(latency.count()));
    MachineFloor::print("read keyboard", "exchanges", readExchanges, measured.read, latency);
    printOwnTime(readExchanges, own.read);
    MachineFloor::print("write all keymaps", "exchanges", writeExchanges, measured.write, latency);
    printOwnTime(writeExchanges, own.write);
    return 0;
}
