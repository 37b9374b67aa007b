#include "emulatedbackend.h"
#include "emulatedkeyboard.h"
#include "firmwareimagebuilder.h"
#include "resourcefixture.h"
#include "tavodriver.h"
#include "virtualclock.h"

#include <QTest>

#include <memory>
#include <numeric>

using namespace std::chrono_literals;
using Fault = EmulatedKeyboard::Fault;
using Result = WriteToTAVOResult;
using Requests = QList<QByteArray>;

Q_DECLARE_METATYPE(Fault)
Q_DECLARE_METATYPE(WriteToTAVOResult)

namespace {

// A virtual clock that carries out one action once its time has come, from whichever thread
// moves it there: a keyboard unplugged in the middle of a wait.
class ScheduledClock final : public Clock
{
public:
    Duration now() const override { return m_clock.now(); }
    void sleep(Duration duration) override
    {
        m_clock.sleep(duration);
        if (m_action && m_clock.now() >= m_actionAt)
            std::exchange(m_action, {})();
    }
    void at(Duration when, std::function<void()> action)
    {
        m_actionAt = when;
        m_action = std::move(action);
    }

private:
    VirtualClock m_clock;
    Duration m_actionAt{};
    std::function<void()> m_action;
};

// What one update reported.
struct Outcome
{
    bool succeeded = false;
    std::optional<Result> error;
    QString message;
    std::shared_ptr<KeyboardDataEntity> keyboard;
    bool rescued = false;
    QList<int> progress;
    QList<int> btProgress;
    Clock::Duration elapsed{};
    bool runningAfterStart = false;
    bool ended = false;
    // Callbacks that came after the success or the error.
    int lateReports = 0;
};

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

QByteArray withByte(const char *prefix, int byte)
{
    return hex(prefix) + char(byte);
}

// The requests of one part's transfer after its routing: start, every packet's header, end
// and exit.
Requests transferRequests(int type, qsizetype size)
{
    Requests requests{withByte("F731CE", type)};
    const qsizetype length = type == 1 ? 32 : 56;
    for (qsizetype offset = 0; offset < size; offset += length)
        requests << withByte("F733CC", type) + char(offset >> 16) + char(offset >> 8) +
                        char(offset);
    return requests << withByte("F734CB", type) << withByte("F7639C", type);
}

// Every request of an update that finds the keyboard in its application, in order (each a
// prefix of the report sent).
Requests ordinaryRequests(const FirmwareImageBuilder &image, int touchPadQueries = 1,
                          bool btAlive = true)
{
    Requests requests{hex("0210010200"), hex("0210030200"), hex("0210050200"), hex("02100B"),
                      hex("0210070200")};
    for (int pad = 0; pad < 4; ++pad)
        requests << hex("0311050300070107").replace(4, 1, QByteArray(1, char(pad)));
    requests << hex("0B02");
    for (int type = 2; type <= 5; ++type) {
        for (int query = 0; query < touchPadQueries; ++query)
            requests << withByte("F701FE", type) + char(2);
        requests << withByte("F7619E", type) << transferRequests(type, image.parts[type].size());
    }
    requests << hex("F701FE0102") << hex("F7639C00") << hex("0B02");
    if (btAlive)
        requests << hex("F7619E01");
    requests << transferRequests(1, image.parts[1].size())
             << transferRequests(0, image.parts[0].size()) << hex("03100B");
    return requests;
}

// Where the given occurrence of a request stands in a list of requests.
int indexOf(const Requests &requests, const QByteArray &prefix, int occurrence = 0)
{
    for (int i = 0; i < requests.size(); ++i)
        if (requests[i].startsWith(prefix) && occurrence-- == 0)
            return i;
    return -1;
}

int countOf(const Requests &requests, const QByteArray &prefix)
{
    return int(std::count_if(requests.begin(), requests.end(), [&](const QByteArray &request) {
        return request.startsWith(prefix);
    }));
}

bool startsEach(const Requests &sent, const Requests &prefixes)
{
    if (sent.size() != prefixes.size())
        return false;
    for (int i = 0; i < sent.size(); ++i)
        if (!sent[i].startsWith(prefixes[i]))
            return false;
    return true;
}

// The usage page of the keyboard interface on the bus now: the application's, the boot loader's,
// or 0 when the keyboard is not there.
int shownUsagePage(const EmulatedKeyboard &keyboard)
{
    for (const HidDeviceInfo &info : keyboard.interfaces())
        if (info.usagePage == EmulatedKeyboard::normalUsagePage ||
            info.usagePage == EmulatedKeyboard::bootUsagePage)
            return info.usagePage;
    return 0;
}

bool onlyGrows(const QList<int> &figures)
{
    return std::is_sorted(figures.begin(), figures.end());
}

FirmwareImageBuilder typicalImage()
{
    return FirmwareImageBuilder::withSizes({65536, 1000, 300, 280, 57, 56});
}

} // namespace

// A whole firmware update against the emulated keyboard on a virtual clock.
class tst_FirmwareUpdate : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void ordinaryPath_data();
    void ordinaryPath();
    void rescuePath();
    void touchPadReadiness_data();
    void touchPadReadiness();
    void silentBluetoothModule();
    void keyboardUnpluggedDuringBluetoothWait();
    void failureAtEachStep_data();
    void failureAtEachStep();
    void otherKeyboardIsNotWritten();
    void brokenImageIsRefusedUnsent();
    void powerLossInMainPartThenRescue();
    void everyRequestUnderEveryFault_data();
    void everyRequestUnderEveryFault();

private:
    // A new keyboard, bus and driver on a new clock.
    void plugNewKeyboard();
    Outcome update(const FirmDataEntity &firmData);
    void configure(const std::function<void(EmulatedFirmwareState &)> &change);

    std::unique_ptr<ResourceFixture> m_resources;
    std::unique_ptr<ScheduledClock> m_clock;
    std::unique_ptr<EmulatedKeyboard> m_keyboard;
    std::unique_ptr<EmulatedBackend> m_backend;
    std::unique_ptr<TAVODriver> m_driver;
    std::shared_ptr<KeyboardDataEntity> m_keyboardData;
};

void tst_FirmwareUpdate::init()
{
    m_resources = std::make_unique<ResourceFixture>();
    plugNewKeyboard();
}

void tst_FirmwareUpdate::plugNewKeyboard()
{
    m_driver.reset();
    m_clock = std::make_unique<ScheduledClock>();
    m_keyboard = std::make_unique<EmulatedKeyboard>(*m_clock);
    m_backend = std::make_unique<EmulatedBackend>(*m_keyboard);
    m_driver = std::make_unique<TAVODriver>(*m_backend, *m_clock);
    m_keyboardData = std::make_shared<KeyboardDataEntity>();
    m_keyboardData->typeNumber = m_keyboard->state().typeNumber;
}

void tst_FirmwareUpdate::cleanup()
{
    m_driver.reset();
    m_backend.reset();
    m_keyboard.reset();
    m_clock.reset();
    m_resources.reset();
}

Outcome tst_FirmwareUpdate::update(const FirmDataEntity &firmData)
{
    auto outcome = std::make_shared<Outcome>();
    const Clock::Duration start = m_clock->now();
    m_driver->Firmup(
        m_keyboardData, firmData,
        [outcome](Result result, const std::shared_ptr<KeyboardDataEntity> &keyboard,
                  bool rescued) {
            outcome->lateReports += outcome->ended;
            outcome->succeeded = result == Result::Success;
            outcome->keyboard = keyboard;
            outcome->rescued = rescued;
            outcome->ended = true;
        },
        [outcome](int figure) {
            outcome->lateReports += outcome->ended;
            outcome->progress.append(figure);
        },
        [outcome](int step) {
            outcome->lateReports += outcome->ended;
            outcome->btProgress.append(step);
        },
        [outcome](Result result, const QString &message) {
            outcome->lateReports += outcome->ended;
            outcome->error = result;
            outcome->message = message;
            outcome->ended = true;
        });
    outcome->runningAfterStart = TAVODriver::isFirmwareUpdateRunning();
    if (!QTest::qWaitFor([&] { return outcome->ended; }, 60000))
        qWarning("The update did not end.");
    outcome->elapsed = m_clock->now() - start;
    // A new driver once the old one's worker has ended: whatever that worker posted arrives
    // now, and nothing may follow the result.
    m_driver = std::make_unique<TAVODriver>(*m_backend, *m_clock);
    QCoreApplication::processEvents();
    return *outcome;
}

void tst_FirmwareUpdate::configure(const std::function<void(EmulatedFirmwareState &)> &change)
{
    EmulatedKeyboardState state = m_keyboard->state();
    change(state.firmware);
    m_keyboard->setState(state);
}

// ---- The two paths

void tst_FirmwareUpdate::ordinaryPath_data()
{
    QTest::addColumn<QList<qsizetype>>("sizes");

    QTest::newRow("64 KiB main part") << QList<qsizetype>{65536, 1000, 300, 280, 57, 56};
    QTest::newRow("parts of every remainder") << QList<qsizetype>{113, 33, 1, 55, 57, 111};
    QTest::newRow("empty parts") << QList<qsizetype>{0, 0, 0, 0, 0, 0};
}

void tst_FirmwareUpdate::ordinaryPath()
{
    QFETCH(QList<qsizetype>, sizes);
    const FirmwareImageBuilder image = FirmwareImageBuilder::withSizes(sizes);

    const Outcome outcome = update(image.entity());

    QVERIFY2(outcome.succeeded, qPrintable(outcome.message));
    QVERIFY(!outcome.rescued);
    QVERIFY(outcome.keyboard && outcome.keyboard->typeNumber.isEmpty());
    QVERIFY(outcome.runningAfterStart);
    QVERIFY(!TAVODriver::isFirmwareUpdateRunning());
    QCOMPARE(outcome.lateReports, 0);
    QCOMPARE(outcome.elapsed, Clock::Duration(80'002'400us));
    QVERIFY(startsEach(m_keyboard->requests(), ordinaryRequests(image)));
    for (int part = 0; part < 6; ++part)
        QCOMPARE(m_keyboard->state().firmware.modules[part], image.parts[part]);
    QCOMPARE(m_keyboard->state().appVersion, QByteArray("0123"));
    QCOMPARE(shownUsagePage(*m_keyboard), EmulatedKeyboard::normalUsagePage);
    QCOMPARE(m_keyboardData->runningFirmwareState, RunningFirmwareState::boot);
    QVERIFY(onlyGrows(outcome.progress));
    QCOMPARE(outcome.progress.first(), 0);
    QCOMPARE(outcome.progress.last(), 100);
    for (int milestone : {9, 60, 70, 80, 90, 99})
        QVERIFY2(outcome.progress.contains(milestone), qPrintable(QString::number(milestone)));
    QVERIFY(outcome.btProgress.isEmpty());
}

void tst_FirmwareUpdate::rescuePath()
{
    const FirmwareImageBuilder image = typicalImage();
    EmulatedKeyboardState state = m_keyboard->state();
    state.firmware.applicationBroken = true;
    m_keyboard->setState(state);
    m_keyboard->setMode(EmulatedKeyboard::Mode::BootLoader);
    m_keyboardData->runningFirmwareState = RunningFirmwareState::boot;

    const Outcome outcome = update(image.entity());

    QVERIFY2(outcome.succeeded, qPrintable(outcome.message));
    QVERIFY(outcome.rescued);
    QCOMPARE(outcome.keyboard->typeNumber, m_keyboard->state().typeNumber);
    QCOMPARE(outcome.keyboard->firmVersion, QStringLiteral("01.23"));
    // Two searches of the application's interface find nothing at the start, 510 ms each.
    QCOMPARE(outcome.elapsed - 2 * 510ms, Clock::Duration(106'002'400us));
    const Requests requests = m_keyboard->requests();
    QVERIFY(requests.first().startsWith(hex("F731CE00")));
    QVERIFY(indexOf(requests, hex("F731CE00"), 1) > indexOf(requests, hex("F731CE01")));
    for (int part = 0; part < 6; ++part)
        QCOMPARE(m_keyboard->state().firmware.modules[part], image.parts[part]);
    QVERIFY(!m_keyboard->state().firmware.applicationBroken);
    QVERIFY(onlyGrows(outcome.progress));
    QCOMPARE(outcome.progress.last(), 100);
    // The make-up ticks reach 9 before the main part's figures start at 9.
    QCOMPARE(outcome.progress.mid(0, 11), (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 9}));
    for (int milestone : {29, 39, 59, 64, 69, 79, 89, 99})
        QVERIFY2(outcome.progress.contains(milestone), qPrintable(QString::number(milestone)));
}

// ---- Touch pads and the Bluetooth module

void tst_FirmwareUpdate::touchPadReadiness_data()
{
    QTest::addColumn<int>("busyQueries");
    QTest::addColumn<bool>("silentWhileBusy");
    QTest::addColumn<bool>("succeeds");

    QTest::newRow("ready at once") << 0 << false << true;
    QTest::newRow("ready on the fifth query") << 4 << false << true;
    QTest::newRow("ready on the twentieth query") << 19 << false << true;
    QTest::newRow("silent for three queries") << 3 << true << true;
    QTest::newRow("never ready") << 20 << false << false;
}

void tst_FirmwareUpdate::touchPadReadiness()
{
    QFETCH(int, busyQueries);
    QFETCH(bool, silentWhileBusy);
    QFETCH(bool, succeeds);
    const FirmwareImageBuilder image = typicalImage();
    configure([&](EmulatedFirmwareState &firmware) {
        firmware.touchPadBusyQueries = busyQueries;
        firmware.touchPadSilentWhileBusy = silentWhileBusy;
    });

    const Outcome outcome = update(image.entity());

    const Requests requests = m_keyboard->requests();
    if (succeeds) {
        QVERIFY(outcome.succeeded);
        QVERIFY(startsEach(requests, ordinaryRequests(image, busyQueries + 1)));
        // A silent pad keeps each of its queries waiting for the 30 s time-out.
        const Clock::Duration waited = silentWhileBusy ? 4 * busyQueries * 30s : 0s;
        QCOMPARE(outcome.elapsed, 80'002'400us + 4 * busyQueries * 1s + waited);
        return;
    }
    QCOMPARE(outcome.error, Result::MCUCommunicationError);
    QCOMPARE(outcome.message, QStringLiteral("Error on 0xF7 0x61 0x9E"));
    QCOMPARE(countOf(requests, hex("F701FE0202")), 20);
    QVERIFY(requests.last().startsWith(hex("F701FE0202")));
}

void tst_FirmwareUpdate::silentBluetoothModule()
{
    const FirmwareImageBuilder image = typicalImage();
    configure([](EmulatedFirmwareState &firmware) { firmware.btAlive = false; });

    const Outcome outcome = update(image.entity());

    QVERIFY(outcome.succeeded);
    QVERIFY(startsEach(m_keyboard->requests(), ordinaryRequests(image, 1, false)));
    QCOMPARE(m_keyboard->state().firmware.modules[1], image.parts[1]);
    QList<int> steps(100);
    std::iota(steps.begin(), steps.end(), 0);
    QCOMPARE(outcome.btProgress, steps);
    // 100 steps of 1.2 s in place of the routing's 1 s.
    QCOMPARE(outcome.elapsed, 80'002'400us + 120s - 1s);
    QVERIFY(onlyGrows(outcome.progress));
}

void tst_FirmwareUpdate::keyboardUnpluggedDuringBluetoothWait()
{
    const FirmwareImageBuilder image = typicalImage();
    configure([](EmulatedFirmwareState &firmware) { firmware.btAlive = false; });
    // The wait begins 61 s into the update; the keyboard goes at its 16th step.
    m_clock->at(61s + 15 * 1200ms, [this] { m_keyboard->unplug(); });

    const Outcome outcome = update(image.entity());

    QCOMPARE(outcome.error, Result::CommunicationError);
    QCOMPARE(outcome.message, QStringLiteral("Timeout"));
    QCOMPARE(outcome.btProgress.last(), 19);
    QVERIFY(m_keyboard->requests().last().startsWith(hex("0B02")));
}

// ---- Failures

void tst_FirmwareUpdate::failureAtEachStep_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<int>("occurrence");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<Result>("code");
    QTest::addColumn<QString>("message");

    const auto row = [](const char *name, const char *request, int occurrence, Fault fault,
                        Result code, const char *message) {
        QTest::newRow(name) << hex(request) << occurrence << fault << code << QString(message);
    };
    const Result communication = Result::CommunicationError;
    const Result mcu = Result::MCUCommunicationError;

    row("identity unanswered", "0210050200", 0, Fault::NoReply, communication,
        "Connection Error or CheckSameKeyboard Error");
    row("touch-pad preparation refused", "0311050302", 0, Fault::WriteRefused, communication,
        "Error on 0x03 0x11 0x05");
    row("switch to the boot loader refused", "0B02", 0, Fault::WriteRefused, communication,
        "Error on 0xE0");
    row("touch-pad routing refused", "F7619E02", 0, Fault::WriteRefused, communication,
        "Error on 0xF7 0x61 0x9E");
    row("touch-pad start with a wrong echo", "F731CE03", 0, Fault::WrongEcho, communication,
        "Error on 0xF7 0x31 0xCE");
    row("touch-pad packet unanswered", "F733CC04", 1, Fault::NoReply, communication,
        "Error on 0xF7 0x33 0xCC");
    row("touch-pad end cut short", "F734CB05", 0, Fault::ShortReply, communication,
        "Error on 0xF7 0x34 0xCB");
    row("touch-pad exit with a wrong echo", "F7639C02", 0, Fault::WrongEcho, communication,
        "Error on 0xF7 0x63 0x9C");
    row("touch-pad packet gone with the keyboard", "F733CC03", 2, Fault::DeviceGone, communication,
        "Error on 0xF7 0x33 0xCC");
    row("return to the application refused", "F7639C00", 0, Fault::WriteRefused, communication,
        "Error on 0xF7 0x63 0x9C");
    row("second switch to the boot loader refused", "0B02", 1, Fault::WriteRefused, communication,
        "Error on 0xE0");
    row("BT routing refused", "F7619E01", 0, Fault::WriteRefused, mcu, "Error on 0xF7 0x61 0x9E");
    row("BT start unanswered", "F731CE01", 0, Fault::NoReply, mcu, "Error on 0xF7 0x31 0xCE");
    row("BT packet answered late", "F733CC01", 5, Fault::LateReply, mcu, "Error on 0xF7 0x33 0xCC");
    row("BT end cut short", "F734CB01", 0, Fault::ShortReply, mcu, "Error on 0xF7 0x34 0xCB");
    row("BT exit with a wrong echo", "F7639C01", 0, Fault::WrongEcho, mcu,
        "Error on 0xF7 0x63 0x9C");
    row("main start with a wrong echo", "F731CE00", 0, Fault::WrongEcho, mcu,
        "Error on 0xF7 0x31 0xCE");
    row("main packet unanswered", "F733CC00", 600, Fault::NoReply, mcu, "Error on 0xF7 0x33 0xCC");
    row("main packet with a wrong echo", "F733CC00", 1170, Fault::WrongEcho, mcu,
        "Error on 0xF7 0x33 0xCC");
    row("main end with a wrong echo", "F734CB00", 0, Fault::WrongEcho, mcu,
        "Error on 0xF7 0x34 0xCB");
    row("main exit refused", "F7639C00", 1, Fault::WriteRefused, mcu, "Error on 0xF7 0x63 0x9C");
    row("version unanswered", "03100B", 0, Fault::NoReply, communication,
        "Error on 0x03 0x10 0x0B");
    row("version with a wrong echo", "03100B", 0, Fault::WrongEcho, communication,
        "Error on 0x03 0x10 0x0B");
}

void tst_FirmwareUpdate::failureAtEachStep()
{
    QFETCH(QByteArray, request);
    QFETCH(int, occurrence);
    QFETCH(Fault, fault);
    QFETCH(Result, code);
    QFETCH(QString, message);
    const FirmwareImageBuilder image = typicalImage();
    const int index = indexOf(ordinaryRequests(image), request, occurrence);
    QVERIFY(index >= 0);
    m_keyboard->injectFault(index, {fault});

    const Outcome outcome = update(image.entity());

    QVERIFY(!outcome.succeeded);
    QCOMPARE(outcome.error, code);
    QCOMPARE(outcome.message, message);
    // Nothing is sent after the failed request.
    QCOMPARE(m_keyboard->requests().size(), index + 1);
    QCOMPARE(outcome.lateReports, 0);
    QVERIFY(!TAVODriver::isFirmwareUpdateRunning());
}

void tst_FirmwareUpdate::otherKeyboardIsNotWritten()
{
    m_keyboardData->typeNumber = QStringLiteral("KX-QR300Y");

    const Outcome outcome = update(typicalImage().entity());

    QCOMPARE(outcome.error, Result::KeyboardMismatchError);
    QCOMPARE(outcome.message, QStringLiteral("Connection Error or CheckSameKeyboard Error"));
    QCOMPARE(m_keyboard->requests().size(), 5);
}

void tst_FirmwareUpdate::brokenImageIsRefusedUnsent()
{
    FirmDataEntity firmData = typicalImage().entity();
    firmData.firmRawDataDic.chop(40);

    const Outcome outcome = update(firmData);

    QCOMPARE(outcome.error, Result::CommunicationError);
    QCOMPARE(outcome.message, QStringLiteral("Firmware image refused: part 5 is truncated"));
    QVERIFY(m_keyboard->requests().isEmpty());
    QCOMPARE(outcome.progress, QList<int>{0});
    QVERIFY(!outcome.runningAfterStart);
}

void tst_FirmwareUpdate::powerLossInMainPartThenRescue()
{
    const FirmwareImageBuilder image = typicalImage();
    m_keyboard->injectFault(indexOf(ordinaryRequests(image), hex("F733CC00"), 585),
                            {Fault::PowerLoss});

    const Outcome lost = update(image.entity());

    QCOMPARE(lost.error, Result::MCUCommunicationError);
    QCOMPARE(lost.message, QStringLiteral("Error on 0xF7 0x33 0xCC"));
    QCOMPARE(shownUsagePage(*m_keyboard), 0);
    // The request count goes on, so the power loss does not come again.
    m_keyboard->plugIn();
    QCOMPARE(shownUsagePage(*m_keyboard), EmulatedKeyboard::bootUsagePage);

    const Outcome rescued = update(image.entity());

    QVERIFY2(rescued.succeeded, qPrintable(rescued.message));
    QVERIFY(rescued.rescued);
    for (int part = 0; part < 6; ++part)
        QCOMPARE(m_keyboard->state().firmware.modules[part], image.parts[part]);
    QCOMPARE(shownUsagePage(*m_keyboard), EmulatedKeyboard::normalUsagePage);
}

void tst_FirmwareUpdate::everyRequestUnderEveryFault_data()
{
    QTest::addColumn<Fault>("fault");

    QTest::newRow("no reply") << Fault::NoReply;
    QTest::newRow("short reply") << Fault::ShortReply;
    QTest::newRow("wrong echo") << Fault::WrongEcho;
    QTest::newRow("late reply") << Fault::LateReply;
    QTest::newRow("device gone") << Fault::DeviceGone;
    QTest::newRow("write refused") << Fault::WriteRefused;
    QTest::newRow("power loss") << Fault::PowerLoss;
}

// Whatever goes wrong with whichever request, the update either writes every part whole or
// reports its failure, and then sends nothing after the request that failed.
void tst_FirmwareUpdate::everyRequestUnderEveryFault()
{
    QFETCH(Fault, fault);
    const FirmwareImageBuilder image = FirmwareImageBuilder::withSizes({60, 40, 10, 9, 8, 7});
    // The request each error message names, by the prefix of the last request sent.
    const QHash<QString, QList<QByteArray>> failedRequests{
        {"Connection Error or CheckSameKeyboard Error", {hex("0210")}},
        {"Error on 0x03 0x11 0x05", {hex("031105")}},
        {"Error on 0xE0", {hex("0B02")}},
        {"Error on 0xF7 0x61 0x9E", {hex("F7619E"), hex("F701FE")}},
        {"Error on 0xF7 0x31 0xCE", {hex("F731CE")}},
        {"Error on 0xF7 0x33 0xCC", {hex("F733CC")}},
        {"Error on 0xF7 0x34 0xCB", {hex("F734CB")}},
        {"Error on 0xF7 0x63 0x9C", {hex("F7639C")}},
        {"Error on 0x03 0x10 0x0B", {hex("03100B")}}};
    const qsizetype requestCount = ordinaryRequests(image).size();
    for (int index = 0; index < requestCount; ++index) {
        plugNewKeyboard();
        m_keyboard->injectFault(index, {fault});

        const Outcome outcome = update(image.entity());

        const QByteArray where = QByteArray::number(index);
        QVERIFY2(outcome.ended && outcome.lateReports == 0, where);
        if (outcome.succeeded) {
            for (int part = 0; part < 6; ++part)
                QVERIFY2(m_keyboard->state().firmware.modules[part] == image.parts[part], where);
            continue;
        }
        const QByteArray last = m_keyboard->requests().last();
        const QList<QByteArray> named = failedRequests.value(outcome.message);
        // A keyboard that has left the bus takes nothing more, whatever the message.
        const bool gone = shownUsagePage(*m_keyboard) == 0;
        QVERIFY2(gone ||
                     std::any_of(named.begin(), named.end(),
                                 [&](const QByteArray &prefix) { return last.startsWith(prefix); }),
                 where + ' ' + outcome.message.toUtf8());
    }
}

QTEST_GUILESS_MAIN(tst_FirmwareUpdate)
#include "tst_firmwareupdate.moc"
