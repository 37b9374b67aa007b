// Reads the emulated keyboard whole and writes all its keymaps, with a reply latency of 1 ms on
// the real clock, and prints for each how long it took against the exchanges times the latency.
// The driver's own cost is what the ratio shows above 1.

#include "constants.h"
#include "emulatedbackend.h"
#include "emulatedkeyboard.h"
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

constexpr std::chrono::milliseconds latency{1};
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

void report(const char *name, int exchanges, const QList<double> &times)
{
    const double time = median(times);
    std::printf("%-22s exchanges %3d  time %7.1f ms  time / (exchanges x latency) %.3f\n", name,
                exchanges, time, time / (exchanges * double(latency.count())));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir folder;
    useCatalogueIn(folder);

    EmulatedKeyboard keyboard(RealClock::sharedInstance());
    keyboard.setReplyLatency(latency);
    EmulatedBackend backend(keyboard);
    TAVODriver driver(backend, RealClock::sharedInstance());

    QList<double> readTimes;
    QList<double> writeTimes;
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
    }
    std::printf("median of %d runs, reply latency %lld ms on the real clock\n", runs,
                static_cast<long long>(latency.count()));
    report("read keyboard", readExchanges, readTimes);
    report("write all keymaps", writeExchanges, writeTimes);
    return 0;
}
