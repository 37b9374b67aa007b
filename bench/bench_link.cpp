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
constexpr int runs = 5;
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

// The median times of a read and a write with the keyboard answering after replyLatency, in
// milliseconds, and the machine's floor for as many waits, measured beside each run.
struct Figures
{
    double read = 0;
    double write = 0;
    MachineFloor::Ratios readFloor;
    MachineFloor::Ratios writeFloor;
};

Figures measure(std::chrono::microseconds replyLatency)
{
    EmulatedKeyboard keyboard(RealClock::sharedInstance());
    keyboard.setReplyLatency(replyLatency);
    EmulatedBackend backend(keyboard);
    TAVODriver driver(backend, RealClock::sharedInstance());
    QList<double> readTimes;
    QList<double> writeTimes;
    QList<MachineFloor::Ratios> readFloors;
    QList<MachineFloor::Ratios> writeFloors;
    std::shared_ptr<KeyboardDataEntity> keyboardData;
    for (int run = 0; run < runs; ++run) {
        readTimes << timed([&](const auto &done) {
            driver.seekTAVOInNormalMode(
                [&, done](const std::shared_ptr<KeyboardDataEntity> &read) {
                    keyboardData = read;
                    done(true);
                },
                [done](const QString &) { done(false); });
        });
        writeTimes << timed([&](const auto &done) {
            driver.writeAllKeymaps(
                keyboardData->profiles, keyboardData, 0, false,
                [done](WriteToTAVOResult) { done(true); },
                [done](WriteToTAVOResult, const QString &) { done(false); });
        });
        keyboard.clearRecord();
        if (replyLatency.count() > 0) {
            readFloors << MachineFloor::measure(replyLatency, readExchanges);
            writeFloors << MachineFloor::measure(replyLatency, writeExchanges);
        }
    }
    if (replyLatency.count() == 0)
        return {median(readTimes), median(writeTimes), {}, {}};
    return {median(readTimes), median(writeTimes), MachineFloor::median(readFloors),
            MachineFloor::median(writeFloors)};
}

void printOwnTime(const char *name, int exchanges, double milliseconds)
{
    std::printf("%-20s %4d %-9s %8.1f ms  per exchange %.1f us\n", name, exchanges, "exchanges",
                milliseconds, milliseconds * 1000 / exchanges);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir folder;
    useCatalogueIn(folder);

    const Figures figures = measure(latency);
    // Without latency what remains is the driver's and the transport's own work per exchange.
    const Figures own = measure(std::chrono::microseconds(0));
    std::printf("median of %d runs, reply latency %lld us on the real clock\n", runs,
                static_cast<long long>(latency.count()));
    MachineFloor::print("read keyboard", "exchanges", readExchanges, figures.read, latency,
                        figures.readFloor);
    printOwnTime("  without latency", readExchanges, own.read);
    MachineFloor::print("write all keymaps", "exchanges", writeExchanges, figures.write, latency,
                        figures.writeFloor);
    printOwnTime("  without latency", writeExchanges, own.write);
    return 0;
}
