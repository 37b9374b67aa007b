#include "linkfixture.h"

#include <QTest>

namespace {

using Fault = EmulatedKeyboard::Fault;

const QList<std::pair<Fault, const char *>> faults{
    {Fault::NoReply, "no reply"},       {Fault::ShortReply, "short reply"},
    {Fault::WrongEcho, "wrong echo"},   {Fault::LateReply, "late reply"},
    {Fault::DeviceGone, "device gone"}, {Fault::WriteRefused, "write refused"}};

// One row per request of a sequence and kind of fault.
void addFaultRows(int requests)
{
    QTest::addColumn<int>("request");
    QTest::addColumn<int>("fault");
    for (int request = 0; request < requests; ++request)
        for (const auto &[fault, name] : faults)
            QTest::addRow("request %d, %s", request, name) << request << int(fault);
}

// The reason a keyboard read gives for a failure at request index.
QString readError(int request)
{
    if (request == 10)
        return "Error on 0x05";
    return request < 11 ? "Error on 0x02" : "Error on 0x02 0x11";
}

// The reason a keymap write gives for a failure at request index.
std::pair<WriteToTAVOResult, QString> writeError(int request)
{
    using Result = WriteToTAVOResult;
    if (request < 5)
        return {Result::CommunicationError, "Connection Error or CheckSameKeyboard Error"};
    if (request < 13)
        return {Result::CommunicationError, "Can't set gesturepad"};
    if (request < 15)
        return {Result::CommunicationError, "Can't set pointingstick"};
    if (request == 15)
        return {Result::CommunicationError, "Can't get selected profile"};
    if (request < 180)
        return {Result::CommunicationError, "Can't set profiles"};
    return {Result::CommunicationError, "Can't change profile"};
}

} // namespace

// Every request of a keyboard read and of a keymap write, under every kind of fault: the
// sequence reports its failure once, never a success, and sends nothing after the fault.
class tst_LinkFaults : public QObject
{
    Q_OBJECT

private slots:
    void readFaults_data();
    void readFaults();
    void writeFaults_data();
    void writeFaults();
};

void tst_LinkFaults::readFaults_data()
{
    addFaultRows(189);
}

void tst_LinkFaults::readFaults()
{
    QFETCH(int, request);
    QFETCH(int, fault);
    LinkFixture fixture;
    fixture.keyboard.injectFault(request, {Fault(fault)});

    const auto outcome = fixture.read(&TAVODriver::seekTAVOInNormalMode);
    fixture.finish();

    QCOMPARE(outcome->successes, 0);
    QCOMPARE(outcome->errors, 1);
    QCOMPARE(outcome->message, readError(request));
    QCOMPARE(fixture.keyboard.requests().size(), request + 1);
}

void tst_LinkFaults::writeFaults_data()
{
    addFaultRows(181);
}

void tst_LinkFaults::writeFaults()
{
    QFETCH(int, request);
    QFETCH(int, fault);
    LinkFixture fixture;
    const auto keyboardData = fixture.read(&TAVODriver::seekTAVOInNormalMode)->keyboard;
    const auto readProfiles = keyboardData->profiles;
    fixture.keyboard.clearRecord();
    fixture.keyboard.injectFault(request, {Fault(fault)});

    const auto outcome = fixture.write(LinkFixture::profiles(40000), keyboardData, false);
    fixture.finish();

    QCOMPARE(outcome->successes, 0);
    QCOMPARE(outcome->errors, 1);
    QCOMPARE(std::pair(outcome->result, outcome->message), writeError(request));
    QCOMPARE(fixture.keyboard.requests().size(), request + 1);
    QCOMPARE(keyboardData->profiles, readProfiles);
}

QTEST_GUILESS_MAIN(tst_LinkFaults)
#include "tst_linkfaults.moc"
