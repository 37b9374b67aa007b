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
    const auto code = [&codes](int key) {
        return QByteArray(1, char(codes[key] >> 8)) + char(codes[key] & 0xFF);
    };
    QList<QByteArray> reports;
    for (int packet = 0; packet < 10; ++packet) {
        QByteArray bytes = layerHeader(0x13, layer, packet);
        for (int key = 13 * packet; key < 13 * packet + 13; ++key)
            bytes += code(packet < 9 ? key : key < 120 ? key : key - 13);
        reports << report(bytes);
    }
    return reports;
}

std::shared_ptr<KeyboardDataEntity> readKeyboard(LinkFixture &fixture)
{
    return fixture.read(&TAVODriver::seekTAVOInNormalMode)->keyboard;
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
    void tenthPacketCarriesStaleCodes();
    void sameKeyboardCheck_data();
    void sameKeyboardCheck();
    void keyboardSwappedBetweenReadAndWrite();
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
        << true << QList<bool>{false, false, false, false} << true << 0
        << QByteArray::fromHex("031105010001000001 031105010101000001 031105010201000001 "
                               "031105010301000001")
        << QByteArray::fromHex("031104010100 0a00");
    QTest::newRow("stick off, fourth profile selected")
        << false << QList<bool>{false, true, true, true} << false << 3
        << QByteArray::fromHex("031105010000000002 031105010101000003 031105010201000004 "
                               "031105010301000005")
        << QByteArray::fromHex("0311040501000700");
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
    EmulatedKeyboardState state = fixture.keyboard.state();
    state.selectedProfile = selected;
    state.pointingStick = {0x05, 0x01, 0x00, 0x07, 0x00};
    for (int pad = 0; pad < 4; ++pad)
        state.gesturePads[pad][3] = quint8(pad + 2);
    fixture.keyboard.setState(state);
    const auto keyboardData = readKeyboard(fixture);
    keyboardData->gesturePadInfo = pads;
    keyboardData->pointingStickStatus = stick;
    const auto profilesData = LinkFixture::profiles(40000);
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

    QCOMPARE(outcome->successes, 1);
    QCOMPARE(outcome->errors, 0);
    QCOMPARE(outcome->result, WriteToTAVOResult::Success);
    QCOMPARE(keyboardData->profiles, profilesData);
    const EmulatedKeyboardState written = fixture.keyboard.state();
    QCOMPARE(written.selectedProfile, selected);
    for (int profile = 0; profile < 4; ++profile)
        for (int layer = 0; layer < 4; ++layer)
            QCOMPARE(written.layer(profile, FnMode(layer)),
                     profilesData->profile(profile).layer(FnMode(layer)));
}

void tst_KeymapWrite::tenthPacketCarriesStaleCodes()
{
    LinkFixture fixture;
    const auto keyboardData = readKeyboard(fixture);
    const auto profilesData = LinkFixture::profiles(0);
    for (int key = 0; key < 120; ++key)
        profilesData->profile1->normal[key] = key + 1;
    fixture.keyboard.clearRecord();

    fixture.write(profilesData, keyboardData, false);
    fixture.finish();

    // Identity 5, pads 8, stick 2, selection 2, then the first layer's ten packets.
    const QByteArray tenth = fixture.keyboard.requests().value(17 + 9);
    QCOMPARE(tenth.left(10), QByteArray::fromHex("1300ea1b007600770078"));
    QByteArray stale;
    for (int value = 108; value <= 117; ++value)
        stale += QByteArray(1, '\0') + char(value);
    QCOMPARE(tenth.mid(10, 20), stale);
    QCOMPARE(tenth.mid(30), QByteArray(2, '\0'));
}

void tst_KeymapWrite::sameKeyboardCheck_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("attached");
    QTest::addColumn<bool>("same");

    QTest::newRow("same type number") << "KX-QR320B"
                                      << "KX-QR320B" << true;
    QTest::newRow("attached one has a variant suffix") << "KX-QR320B"
                                                       << "KX-QR320B-EM" << true;
    QTest::newRow("stored one has a suffix the attached lacks") << "KX-QR320B-PPM"
                                                                << "KX-QR320B" << false;
    QTest::newRow("empty stored type number") << ""
                                              << "KX-QR320B" << false;
    QTest::newRow("stored one only inside the attached") << "QR320"
                                                         << "KX-QR320B" << false;
    QTest::newRow("another model") << "KX-QR300B"
                                   << "KX-QR320B" << false;
}

void tst_KeymapWrite::sameKeyboardCheck()
{
    QFETCH(QString, stored);
    QFETCH(QString, attached);
    QFETCH(bool, same);
    LinkFixture fixture;
    EmulatedKeyboardState state = fixture.keyboard.state();
    state.typeNumber = attached;
    fixture.keyboard.setState(state);
    auto keyboardData = std::make_shared<KeyboardDataEntity>();
    keyboardData->typeNumber = stored;
    const auto oldProfiles = keyboardData->profiles;

    const auto outcome = fixture.write(LinkFixture::profiles(0), keyboardData, false);
    fixture.finish();

    QCOMPARE(outcome->successes + outcome->errors, 1);
    QCOMPARE(outcome->result,
             same ? WriteToTAVOResult::Success : WriteToTAVOResult::KeyboardMismatchError);
    QCOMPARE(fixture.keyboard.requests().size(), same ? 181 : 5);
    if (same)
        return;
    QCOMPARE(outcome->message, "Connection Error or CheckSameKeyboard Error");
    QCOMPARE(keyboardData->profiles, oldProfiles);
    QCOMPARE(fixture.logLines().filter("[ERROR]"),
             QStringList{"[ERROR] checkSameKeyboard: Different Keyboard (Initial:" + stored +
                         ", Current:" + attached});
}

void tst_KeymapWrite::keyboardSwappedBetweenReadAndWrite()
{
    LinkFixture fixture;
    const auto keyboardData = readKeyboard(fixture);
    const auto readProfiles = keyboardData->profiles;
    EmulatedKeyboardState other = fixture.keyboard.state();
    other.typeNumber = "KX-QR300B";
    other.serial = "TV20269999";
    fixture.keyboard.unplug();
    fixture.keyboard.setState(other);
    fixture.keyboard.plugIn();
    fixture.keyboard.clearRecord();

    const auto outcome = fixture.write(LinkFixture::profiles(40000), keyboardData, false);
    fixture.finish();

    QCOMPARE(outcome->errors, 1);
    QCOMPARE(outcome->successes, 0);
    QCOMPARE(outcome->result, WriteToTAVOResult::KeyboardMismatchError);
    QCOMPARE(fixture.keyboard.requests(), identityRequests());
    QCOMPARE(keyboardData->profiles, readProfiles);
    QCOMPARE(fixture.keyboard.state().layer(0, FnMode::Normal), other.layer(0, FnMode::Normal));
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
    QVERIFY(fixture.keyboard.requests().isEmpty());
}

QTEST_GUILESS_MAIN(tst_KeymapWrite)
#include "tst_keymapwrite.moc"
