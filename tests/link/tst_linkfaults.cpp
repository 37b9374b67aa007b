#include "firmwareimagebuilder.h"
#include "linkfixture.h"
#include "linktestdata.h"

#include <QDeadlineTimer>
#include <QTest>
#include <QThread>

using namespace LinkTestData;
using Fault = EmulatedKeyboard::Fault;

namespace {

using Start = std::function<LinkFixture::OutcomePointer(LinkFixture &)>;

// A small image, so that an update has few requests.
const FirmwareImageBuilder image = FirmwareImageBuilder::withSizes({60, 40, 10, 9, 8, 7});

// The requests each failure message of a read, a write or an update reports, by the prefix of
// the last request sent.
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
    {"Error on 0xF7 0x61 0x9E", {hex("F7619E"), hex("F701FE")}},
    {"Error on 0xF7 0x31 0xCE", {hex("F731CE")}},
    {"Error on 0xF7 0x33 0xCC", {hex("F733CC")}},
    {"Error on 0xF7 0x34 0xCB", {hex("F734CB")}},
    {"Error on 0xF7 0x63 0x9C", {hex("F7639C")}},
    {"Error on 0x03 0x10 0x0B", {hex("03100B")}}};

bool namesLastRequest(const QString &message, const QByteArray &last)
{
    const Requests named = failedRequests.value(message);
    return std::any_of(named.begin(), named.end(),
                       [&](const QByteArray &prefix) { return last.startsWith(prefix); });
}

} // namespace

Q_DECLARE_METATYPE(Start)

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
};

void tst_LinkFaults::everyRequestUnderEveryFault_data()
{
    QTest::addColumn<Start>("start");
    QTest::addColumn<int>("requests");
    QTest::addColumn<bool>("isUpdate");
    QTest::addColumn<Fault>("fault");

    struct Operation
    {
        const char *name;
        Start start;
        int requests;
        bool isUpdate = false;
    };
    const QList<Operation> operations{
        {"read",
         [](LinkFixture &fixture) { return fixture.read(&TAVODriver::seekTAVOInNormalMode); }, 189},
        {"write", [](LinkFixture &fixture) { return fixture.write(LinkFixture::profiles(40000)); },
         181},
        {"firmware update", [](LinkFixture &fixture) { return fixture.firmup(image.entity()); },
         int(ordinaryUpdateRequests(image.parts).size()), true}};
    const QList<std::pair<Fault, const char *>> faults{
        {Fault::NoReply, "no reply"},       {Fault::ShortReply, "short reply"},
        {Fault::WrongEcho, "wrong echo"},   {Fault::LateReply, "late reply"},
        {Fault::DeviceGone, "device gone"}, {Fault::WriteRefused, "write refused"},
        {Fault::PowerLoss, "power loss"}};
    for (const Operation &operation : operations)
        for (const auto &fault : faults)
            QTest::addRow("%s, %s", operation.name, fault.second)
                << operation.start << operation.requests << operation.isUpdate << fault.first;
}

// Whatever goes wrong with whichever request, the operation reports its failure once, never a
// success, names the request that failed, and sends nothing after it. Only an update may
// succeed, when the fault hit a reply it can do without, and then every part is written whole.
void tst_LinkFaults::everyRequestUnderEveryFault()
{
    QFETCH(Start, start);
    QFETCH(int, requests);
    QFETCH(bool, isUpdate);
    QFETCH(Fault, fault);
    for (int index = 0; index < requests; ++index) {
        LinkFixture fixture;
        const auto readProfiles = fixture.keyboardData->profiles;
        fixture.keyboard.injectFault(index, {fault});

        const auto outcome = start(fixture);

        const QByteArray where = "request " + QByteArray::number(index) + ": ";
        QVERIFY2(outcome->succeeded() || outcome->failed(), where);
        // A failed write leaves the record as the keyboard was read.
        QVERIFY2(fixture.keyboardData->profiles == readProfiles, where);
        const Requests sent = fixture.keyboard.requests();
        if (outcome->succeeded()) {
            QVERIFY2(isUpdate, where);
            for (int part = 0; part < 6; ++part)
                QVERIFY2(fixture.keyboard.state().firmware.modules[part] == image.parts[part],
                         where);
            continue;
        }
        // An update takes some faults for answers (a touch pad not ready yet, a silent Bluetooth
        // module) and goes on; it fails, if at all, at a later request.
        if (!isUpdate)
            QVERIFY2(sent.size() == index + 1, where);
        QVERIFY2(fixture.shownUsagePage() == 0 || namesLastRequest(outcome->message, sent.last()),
                 where + outcome->message.toUtf8());
    }
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
