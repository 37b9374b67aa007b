#include "firmwareimagebuilder.h"
#include "linkfixture.h"
#include "linktestdata.h"

#include <QDeadlineTimer>
#include <QTest>
#include <QThread>

using namespace LinkTestData;
using Fault = EmulatedKeyboard::Fault;
using FaultSpec = EmulatedKeyboard::FaultSpec;
using Outcome = LinkFixture::Outcome;

namespace {

// A small image, so that an update has few requests.
const FirmwareImageBuilder image = FirmwareImageBuilder::withSizes({60, 40, 10, 9, 8, 7});

// The requests each failure message reports, by the prefix of the last request sent.
const QHash<QString, Requests> failedRequests{
    {"Error on 0x02", {hex("0210"), hex("021104"), hex("021105")}},
    {"Error on 0x05", {hex("021103")}},
    {"Error on 0x02 0x11", {hex("021101"), hex("031101"), hex("12")}},
    {"Connection Error or CheckSameKeyboard Error", {hex("0210")}},
    {"Can't set gesturepad", {hex("021105"), hex("031105")}},
    {"Can't set pointingstick", {hex("021104"), hex("031104")}},
    {"Can't get selected profile", {hex("021101")}},
    {"Can't set profiles", {hex("031101"), hex("13")}},
    {"Can't change profile", {hex("031101")}},
    {"Error on 0x03 0x11 0x05", {hex("031105")}},
    {"Error on 0xE0", {hex("0B02")}},
    {"Error on 0xF7 0x01 0xFE", {hex("F701FE")}},
    {"Error on 0xF7 0x61 0x9E", {hex("F7619E")}},
    {"Error on 0xF7 0x31 0xCE", {hex("F731CE")}},
    {"Error on 0xF7 0x33 0xCC", {hex("F733CC")}},
    {"Error on 0xF7 0x34 0xCB", {hex("F734CB")}},
    {"Error on 0xF7 0x63 0x9C", {hex("F7639C")}},
    {"Error on 0x03 0x10 0x0B", {hex("03100B")}},
    // The next stage's search, after the keyboard left the bus at the last request of a stage.
    {"Can't find any keyboard.", {hex("0B02"), hex("F7639C00")}}};

bool startsWithAny(const QByteArray &request, const Requests &prefixes)
{
    return std::any_of(prefixes.begin(), prefixes.end(),
                       [&](const QByteArray &prefix) { return request.startsWith(prefix); });
}

// Requests whose reply an update can do without: the touch-pad preparation, the switches to the
// boot loader and the routing get none, a touch pad that gives no good answer is asked again, and
// the exit to the application may go unanswered. A fault there may end the update later.
bool replyIsOptional(const QByteArray &request)
{
    return startsWithAny(request,
                         {hex("03110503"), hex("0B02"), hex("F7619E"), hex("F701FE02"),
                          hex("F701FE03"), hex("F701FE04"), hex("F701FE05"), hex("F7639C00")});
}

// Whether the keyboard holds the sixteen layers of profiles.
bool holds(const EmulatedKeyboardState &state, const ProfileListDataEntity &profiles)
{
    for (int profile = 0; profile < 4; ++profile)
        for (FnMode mode : ProfileDataEntity::layerModes)
            if (state.layer(profile, mode) != profiles.profile(profile).layer(mode))
                return false;
    return true;
}

bool readWhole(LinkFixture &fixture, const Outcome &outcome)
{
    const EmulatedKeyboardState state = fixture.keyboard.state();
    return outcome.keyboard && outcome.keyboard->serial == state.serial &&
           holds(state, *outcome.keyboard->profiles);
}

bool writtenWhole(LinkFixture &fixture, const Outcome &)
{
    return holds(fixture.keyboard.state(), *LinkFixture::profiles(40000));
}

// Every part written, the new version stored, progress at 100 and the keyboard back in its
// application.
bool updatedWhole(LinkFixture &fixture, const Outcome &outcome)
{
    const EmulatedKeyboardState state = fixture.keyboard.state();
    for (int part = 0; part < 6; ++part)
        if (state.firmware.modules[part] != image.parts[part])
            return false;
    return state.appVersion == "0123" && outcome.progress.last() == 100 &&
           fixture.shownUsagePage() == EmulatedKeyboard::normalUsagePage;
}

// A rescue ends with the keyboard read again.
bool rescuedWhole(LinkFixture &fixture, const Outcome &outcome)
{
    return updatedWhole(fixture, outcome) && outcome.rescued && readWhole(fixture, outcome);
}

// One keyboard operation of the table.
struct Operation
{
    // What the keyboard does differently from the one as built.
    std::function<void(LinkFixture &)> setup;
    std::function<LinkFixture::OutcomePointer(LinkFixture &)> start;
    // Whether a success left everything as it should be.
    std::function<bool(LinkFixture &, const Outcome &)> whole;
    // The message of every failure, when it does not name the request that failed.
    std::optional<QString> message = std::nullopt;
    // Whether every reply names its request closely enough that a stale one is refused by the
    // next request. A gesture-pad write's acknowledgement does not name its pad, and an update's
    // touch-pad queries take a stale reply for a pad not ready.
    bool refusesStaleReplies = true;
    // Whether the everyday table tries every request, not one in eight.
    bool triedWhole = false;
};

// Runs the operation without a fault: the requests it sends.
Requests cleanRun(const Operation &operation)
{
    LinkFixture fixture;
    operation.setup(fixture);
    const LinkFixture::OutcomePointer outcome = operation.start(fixture);
    if (!outcome->succeeded() || !operation.whole(fixture, *outcome))
        qFatal("without a fault the operation fails: %s", qPrintable(outcome->message));
    return fixture.keyboard.requests();
}

// The full table (tools/test --all-faults) tries every request under every fault, and a short
// reply of every length in a row of its own; it takes a long while. The everyday table tries
// every request of the ordinary update and of the boot loader's version, and one request in eight
// of the other sequences, a different one for each fault so that every request meets one fault;
// a short reply gets one length for each request.
bool isFullTable()
{
    return qEnvironmentVariable("KEYMAP_FAULT_TABLE") == "full";
}

constexpr int sampleStride = 8;
constexpr int longestReport = 64;

QList<int> triedRequests(const Operation &operation, int count, int faultNumber)
{
    QList<int> indexes;
    const bool all = isFullTable() || operation.triedWhole;
    for (int index = all ? 0 : faultNumber % sampleStride; index < count;
         index += all ? 1 : sampleStride)
        indexes.append(index);
    return indexes;
}

// The fault a row puts on a request; nothing for a reply no shorter than the request's report.
std::optional<FaultSpec> faultOn(const FaultSpec &rowFault, int index, qsizetype reportSize)
{
    if (rowFault.fault != Fault::ShortReply)
        return rowFault;
    if (!isFullTable())
        return FaultSpec{Fault::ShortReply, int(index * 11 % reportSize)};
    if (rowFault.shortLength >= reportSize)
        return std::nullopt;
    return rowFault;
}

} // namespace

Q_DECLARE_METATYPE(Operation)

// Every request of a keyboard read, a keymap write and a firmware update, under every kind of
// fault; and the count of running writes that keeps the program from quitting.
class tst_LinkFaults : public QObject
{
    Q_OBJECT

private slots:
    void everyRequestUnderEveryFault_data();
    void everyRequestUnderEveryFault();
    void writeRunsUntilItsResultArrives_data();
    void writeRunsUntilItsResultArrives();

private:
    static void checkOutcome(const Operation &operation, Fault fault, int index,
                             const QByteArray &request, LinkFixture &fixture,
                             const Outcome &outcome, const QByteArray &where);
};

void tst_LinkFaults::everyRequestUnderEveryFault_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<FaultSpec>("fault");
    QTest::addColumn<int>("faultNumber");

    const auto asBuilt = [](LinkFixture &) {};
    const auto read = [](LinkFixture &fixture) {
        return fixture.read(&TAVODriver::seekTAVOInNormalMode);
    };
    const auto update = [](LinkFixture &fixture) { return fixture.firmup(image.entity()); };
    const auto withFirmware = [](std::function<void(EmulatedFirmwareState &)> change) {
        return [change](LinkFixture &fixture) {
            fixture.changeKeyboard([&](EmulatedKeyboardState &state) { change(state.firmware); });
        };
    };
    const QList<std::pair<const char *, Operation>> operations{
        {"read", {.setup = asBuilt, .start = read, .whole = readWhole}},
        {"read in either mode",
         {.setup = asBuilt,
          .start = [](LinkFixture &fixture) { return fixture.read(&TAVODriver::getKeyboard); },
          .whole = readWhole,
          .message = "Can't find any keyboard."}},
        {"boot loader's version",
         {.setup =
              [](LinkFixture &fixture) {
                  fixture.keyboard.setMode(EmulatedKeyboard::Mode::BootLoader);
              },
          .start = [](LinkFixture &fixture) { return fixture.bootVersion(); },
          .whole = [](LinkFixture &, const Outcome &outcome) { return outcome.message == "07"; },
          .message = "",
          .triedWhole = true}},
        {"write",
         {.setup = asBuilt,
          .start = [](LinkFixture &fixture) { return fixture.write(LinkFixture::profiles(40000)); },
          .whole = writtenWhole,
          .refusesStaleReplies = false}},
        {"firmware update",
         {.setup = asBuilt,
          .start = update,
          .whole = updatedWhole,
          .refusesStaleReplies = false,
          .triedWhole = true}},
        {"firmware update, silent Bluetooth module",
         {.setup = withFirmware([](EmulatedFirmwareState &firmware) { firmware.btAlive = false; }),
          .start = update,
          .whole = updatedWhole,
          .refusesStaleReplies = false}},
        {"firmware update, busy touch pads",
         {.setup = withFirmware(
              [](EmulatedFirmwareState &firmware) { firmware.touchPadBusyQueries = 2; }),
          .start = update,
          .whole = updatedWhole,
          .refusesStaleReplies = false}},
        {"rescue from the boot loader",
         {.setup =
              [](LinkFixture &fixture) {
                  fixture.changeKeyboard([](EmulatedKeyboardState &state) {
                      state.firmware.applicationBroken = true;
                  });
                  fixture.keyboard.setMode(EmulatedKeyboard::Mode::BootLoader);
              },
          .start = update,
          .whole = rescuedWhole,
          .refusesStaleReplies = false}}};
    QList<std::pair<FaultSpec, QByteArray>> faults{
        {{Fault::NoReply}, "no reply"},           {{Fault::WrongEcho}, "wrong echo"},
        {{Fault::LateReply}, "late reply"},       {{Fault::DeviceGone}, "device gone"},
        {{Fault::WriteRefused}, "write refused"}, {{Fault::DuplicatedReply}, "duplicated reply"},
        {{Fault::PowerLoss}, "power loss"}};
    if (!isFullTable())
        faults.insert(1, {{Fault::ShortReply}, "short reply"});
    for (int length = 0; isFullTable() && length < longestReport; ++length)
        faults.append({{Fault::ShortReply, length},
                       "short reply of " + QByteArray::number(length) + " bytes"});
    for (const auto &[operationName, operation] : operations)
        for (int number = 0; number < faults.size(); ++number)
            QTest::addRow("%s, %s", operationName, faults[number].second.constData())
                << operation << faults[number].first << number;
}

// Whatever goes wrong with whichever request, the operation reports one result. A success
// leaves everything as it should be; a failure names the request that failed, and nothing is
// sent after it.
void tst_LinkFaults::everyRequestUnderEveryFault()
{
    QFETCH(Operation, operation);
    QFETCH(FaultSpec, fault);
    QFETCH(int, faultNumber);
    const Requests sequence = cleanRun(operation);
    for (int index : triedRequests(operation, int(sequence.size()), faultNumber)) {
        const std::optional<FaultSpec> injected = faultOn(fault, index, sequence[index].size());
        if (!injected)
            continue;
        LinkFixture fixture;
        operation.setup(fixture);
        const auto readProfiles = fixture.keyboardData->profiles;
        fixture.keyboard.injectFault(index, *injected);

        const auto outcome = operation.start(fixture);

        const QByteArray where = "request " + QByteArray::number(index) + " (" +
                                 sequence[index].left(5).toHex(' ') +
                                 (injected->fault == Fault::ShortReply
                                      ? ") cut to " + QByteArray::number(injected->shortLength)
                                      : QByteArray(")")) +
                                 ": ";
        checkOutcome(operation, injected->fault, index, sequence[index], fixture, *outcome, where);
        if (QTest::currentTestFailed())
            return;
        // A failed write leaves the record as the keyboard was read.
        if (outcome->failed())
            QVERIFY2(fixture.keyboardData->profiles == readProfiles, where);
    }
}

void tst_LinkFaults::checkOutcome(const Operation &operation, Fault fault, int index,
                                  const QByteArray &request, LinkFixture &fixture,
                                  const Outcome &outcome, const QByteArray &where)
{
    const bool keyboardLeft = fault == Fault::DeviceGone || fault == Fault::PowerLoss;
    QVERIFY2(outcome.succeeded() || outcome.failed(), where);
    if (outcome.succeeded()) {
        // A request that could not be sent, or a keyboard gone, never ends well.
        QVERIFY2(fault != Fault::WriteRefused && !keyboardLeft, where);
        QVERIFY2(operation.whole(fixture, outcome), where);
        return;
    }
    const Requests sent = fixture.keyboard.requests();
    const QByteArray message = where + outcome.message.toUtf8();
    if (operation.message)
        QVERIFY2(outcome.message == *operation.message, message);
    else
        QVERIFY2(startsWithAny(sent.last(), failedRequests.value(outcome.message)), message);
    // How many requests went out: up to the one that failed, which is the one with the fault;
    // or, after a request without a reply, the next one, which finds the keyboard gone; or,
    // after a stale reply, the next one, which refuses it.
    const bool optional = replyIsOptional(request);
    const qsizetype count = sent.size() - index;
    if (fault == Fault::DeviceGone || fault == Fault::WriteRefused)
        QVERIFY2(count == 1, message);
    else if (fault == Fault::PowerLoss)
        QVERIFY2(count == 1 || (optional && count == 2), message);
    else if (fault == Fault::DuplicatedReply)
        QVERIFY2(operation.refusesStaleReplies ? count == 1 || count == 2 : count >= 1, message);
    else
        QVERIFY2(optional ? count >= 1 : count == 1, message);
}

void tst_LinkFaults::writeRunsUntilItsResultArrives_data()
{
    QTest::addColumn<bool>("firmware");

    QTest::newRow("keymap write") << false;
    QTest::newRow("firmware update") << true;
}

// Both end when another keyboard answers the five identity requests; the write counts as
// running until its result has reached the GUI thread.
void tst_LinkFaults::writeRunsUntilItsResultArrives()
{
    QFETCH(bool, firmware);
    LinkFixture fixture;
    fixture.keyboardData->typeNumber = "KX-QR300B";
    QVERIFY(!TAVODriver::isWriteRunning());

    const auto outcome = firmware ? fixture.firmup(image.entity(), false)
                                  : fixture.write(LinkFixture::profiles(0), false, false);

    QVERIFY(TAVODriver::isWriteRunning());
    const QDeadlineTimer deadline(20000);
    while (fixture.keyboard.requests().size() < 5 && !deadline.hasExpired())
        QThread::yieldCurrentThread();
    fixture.driver.reset(); // waits for the worker to post its result
    QVERIFY(TAVODriver::isWriteRunning());
    QCOMPARE(outcome->errors, 0);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(outcome->errors, 1);
    QVERIFY(!TAVODriver::isWriteRunning());
    QCOMPARE(outcome->result, WriteToTAVOResult::KeyboardMismatchError);
    QCOMPARE(outcome->message, "Connection Error or CheckSameKeyboard Error");
    QCOMPARE(fixture.keyboard.requests().size(), 5);
}

QTEST_GUILESS_MAIN(tst_LinkFaults)
#include "tst_linkfaults.moc"
