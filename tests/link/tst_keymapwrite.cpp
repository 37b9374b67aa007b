#include "linkfixture.h"
#include "linktestdata.h"

#include <QTest>

using namespace LinkTestData;

namespace {

// The ten write reports of one layer as the keyboard must see them: packet k carries codes
// 13k to 13k + 12; the tenth carries codes 117 to 119 and then, unchanged, the codes 107 to 116
// that the ninth packet left in the report.
QList<QByteArray> layerWrites(int layer, const QList<qint32> &codes)
{
    QList<QByteArray> reports;
    for (int packet = 0; packet < 10; ++packet) {
        QByteArray bytes = layerHeader(0x13, layer, packet);
        for (int key = 13 * packet; key < 13 * packet + 13; ++key) {
            const qint32 code = codes[key < 120 ? key : key - 13];
            bytes += QByteArray(1, char(code >> 8)) + char(code & 0xFF);
        }
        reports << report(bytes);
    }
    return reports;
}

} // namespace

// Writing all keymaps end to end over the emulated keyboard, and the check that it is the same
// keyboard that was read.
class tst_KeymapWrite : public QObject
{
    Q_OBJECT

private slots:
    void writeSequence_data();
    void writeSequence();
    void sameKeyboardCheck_data();
    void sameKeyboardCheck();
    void noKeyboard();
};

void tst_KeymapWrite::writeSequence_data()
{
    QTest::addColumn<bool>("isInitProfiles");
    QTest::addColumn<QList<bool>>("pads");
    QTest::addColumn<bool>("stick");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QByteArray>("padWrites");
    QTest::addColumn<QByteArray>("stickWrite");

    // The keyboard's current pad bytes c are 2, 3, 4, 5 and its stick bytes a, b are 5, 7.
    QTest::newRow("edits, third profile selected")
        << false << QList<bool>{true, false, true, false} << true << 2
        << QByteArray::fromHex("031105010001000002 031105010100000003 031105010201000004 "
                               "031105010300000005")
        << QByteArray::fromHex("0311040501000701");
    QTest::newRow("factory settings ignore the pads and switch the stick off")
        << true << QList<bool>(4, false) << true << 0
        << QByteArray::fromHex("031105010001000001 031105010101000001 031105010201000001 "
                               "031105010301000001")
        << QByteArray::fromHex("031104010100 0a00");
}

void tst_KeymapWrite::writeSequence()
{
    QFETCH(bool, isInitProfiles);
    QFETCH(QList<bool>, pads);
    QFETCH(bool, stick);
    QFETCH(int, selected);
    QFETCH(QByteArray, padWrites);
    QFETCH(QByteArray, stickWrite);
    LinkFixture fixture;
    fixture.changeKeyboard([&](EmulatedKeyboardState &state) {
        state.selectedProfile = selected;
        state.pointingStick = {0x05, 0x01, 0x00, 0x07, 0x00};
        for (int pad = 0; pad < 4; ++pad)
            state.gesturePads[pad][3] = quint8(pad + 2);
    });
    const auto keyboardData = fixture.read(&TAVODriver::seekTAVOInNormalMode)->keyboard;
    keyboardData->gesturePadInfo = pads;
    keyboardData->pointingStickStatus = stick;
    const auto profilesData = LinkFixture::profiles(40000);
    for (int key = 0; key < 120; ++key)
        profilesData->profile1->normal[key] = key + 1;
    fixture.keyboard.clearRecord();

    const auto outcome = fixture.write(profilesData, keyboardData, isInitProfiles);
    fixture.finish();

    QList<QByteArray> expected = identityRequests();
    expected << gesturePadReads();
    for (int pad = 0; pad < 4; ++pad)
        expected << report(padWrites.mid(9 * pad, 9));
    expected << hexReport("021104") << report(stickWrite) << hexReport("021101");
    for (int profile = 0; profile < 4; ++profile) {
        expected << selectProfile(profile);
        for (int layer = 0; layer < 4; ++layer)
            expected << layerWrites(layer, profilesData->profile(profile).layer(FnMode(layer)));
    }
    expected << selectProfile(selected);
    QCOMPARE(fixture.keyboard.requests(), expected);
    QCOMPARE(expected.size(), 181);
    QCOMPARE(fixture.keyboard.replies().size(), 186);
    // The tenth packet of a layer holding 1 to 120: 118 to 120, then 108 to 117 once more.
    QCOMPARE(expected[17 + 9], QByteArray::fromHex("1300ea1b 007600770078 006c006d006e006f0070"
                                                   "0071007200730074007500 00"));

    QCOMPARE(outcome->successes, 1);
    QCOMPARE(outcome->errors, 0);
    QCOMPARE(keyboardData->profiles, profilesData);
    const EmulatedKeyboardState written = fixture.keyboard.state();
    QCOMPARE(written.selectedProfile, selected);
    for (int layer = 0; layer < 16; ++layer)
        QCOMPARE(written.layer(layer / 4, FnMode(layer % 4)),
                 profilesData->profile(layer / 4).layer(FnMode(layer % 4)));
}

void tst_KeymapWrite::sameKeyboardCheck_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("attached");
    QTest::addColumn<bool>("same");

    QTest::newRow("same keyboard") << "KX-QR320B"
                                   << "KX-QR320B" << true;
    QTest::newRow("attached one has a variant suffix") << "KX-QR320B"
                                                       << "KX-QR320B-EM" << true;
    QTest::newRow("another model swapped in after the read") << "KX-QR320B"
                                                             << "KX-QR300B" << false;
    QTest::newRow("stored one has a suffix the attached lacks") << "KX-QR320B-PPM"
                                                                << "KX-QR320B" << false;
    QTest::newRow("empty stored type number") << ""
                                              << "KX-QR320B" << false;
    QTest::newRow("stored one only inside the attached") << "QR320"
                                                         << "KX-QR320B" << false;
}

void tst_KeymapWrite::sameKeyboardCheck()
{
    QFETCH(QString, stored);
    QFETCH(QString, attached);
    QFETCH(bool, same);
    LinkFixture fixture;
    const auto keyboardData = fixture.read(&TAVODriver::seekTAVOInNormalMode)->keyboard;
    keyboardData->typeNumber = stored;
    const auto readProfiles = keyboardData->profiles;
    fixture.keyboard.unplug();
    fixture.changeKeyboard([&](EmulatedKeyboardState &state) { state.typeNumber = attached; });
    fixture.keyboard.plugIn();
    fixture.keyboard.clearRecord();

    const auto outcome = fixture.write(LinkFixture::profiles(40000), keyboardData, false);
    fixture.finish();

    QCOMPARE(outcome->successes, same ? 1 : 0);
    QCOMPARE(outcome->errors, same ? 0 : 1);
    QCOMPARE(outcome->result,
             same ? WriteToTAVOResult::Success : WriteToTAVOResult::KeyboardMismatchError);
    QCOMPARE(fixture.keyboard.requests().size(), same ? 181 : 5);
    if (same)
        return;
    QCOMPARE(outcome->message, "Connection Error or CheckSameKeyboard Error");
    QCOMPARE(keyboardData->profiles, readProfiles);
    QCOMPARE(fixture.logLines().filter("[ERROR]"),
             QStringList{"[ERROR] checkSameKeyboard: Different Keyboard (Initial:" + stored +
                         ", Current:" + attached});
}

void tst_KeymapWrite::noKeyboard()
{
    LinkFixture fixture;
    fixture.keyboard.unplug();

    const auto outcome =
        fixture.write(LinkFixture::profiles(0), std::make_shared<KeyboardDataEntity>(), false);
    fixture.finish();

    QCOMPARE(outcome->errors, 1);
    QCOMPARE(outcome->result, WriteToTAVOResult::CommunicationError);
    QCOMPARE(outcome->message, "Can't find any keyboard.");
    QCOMPARE(fixture.clock.now(), std::chrono::milliseconds(1020));
}

QTEST_GUILESS_MAIN(tst_KeymapWrite)
#include "tst_keymapwrite.moc"
