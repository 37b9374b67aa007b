#include "closeguard.h"
#include "fakeeditports.h"
#include "fakeflowports.h"
#include "keymapeditmodel.h"
#include "keymappageflows.h"
#include "keymapwritedriver.h"
#include "linkfixture.h"
#include "resourceloader.h"

#include <QTest>

namespace {

const QList<bool> allPadsOn{true, true, true, true};
const QList<bool> thirdPadOff{true, true, false, true};

} // namespace

// The page's commands write through the page's own driver to the emulated keyboard: the keyboard
// ends up holding what the page showed, or, after a failure, what it held before; the window
// stays open while the write runs.
class tst_WritingToTheKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void writeButton_data();
    void writeButton();
};

void tst_WritingToTheKeyboard::writeButton_data()
{
    QTest::addColumn<QString>("keyboard");
    QTest::addColumn<int>("message");

    QTest::newRow("the keyboard read") << "same" << 1004;
    QTest::newRow("unplugged meanwhile") << "unplugged" << 9009;
    QTest::newRow("another keyboard plugged in") << "another" << 9009;
}

void tst_WritingToTheKeyboard::writeButton()
{
    QFETCH(QString, keyboard);
    QFETCH(int, message);
    const bool succeeds = message == 1004;
    LinkFixture link;
    const LinkFixture::OutcomePointer read = link.read(&TAVODriver::seekTAVOInNormalMode);
    QVERIFY(read->succeeded());
    const std::shared_ptr<KeyboardDataEntity> record = read->keyboard;
    ResourceLoader::sharedInstance().setKeyboardData(record);
    FakeEditPorts editPorts;
    KeymapEditModel model(editPorts, editPorts, editPorts, [] { return false; });
    model.initData(record, record->typeNumber, record->dipSwitch, record->pointingStickStatus,
                   record->gesturePadInfo, *record->profiles);
    model.loadFactorySettings(*ResourceLoader::sharedInstance().getDefaultProfilesData(
                                  record->typeNumber, record->dipSwitch),
                              KeyboardLayoutType::Japanese);
    FakeFlowPorts ports;
    KeymapWriteDriver driver(link.backend, link.clock);
    KeymapPageFlows flows(model, {editPorts, driver, ports, ports, ports, ports}, [] {});
    model.doAfterVirtualKeySelect(5);
    model.doAfterAssignKeyDecide(0x2c);
    model.doAfterGetsurePadChange(CheckButtonType::GesturePad, GesturePadType::FrontRight, true);
    const QList<qint32> readLayer = link.keyboard.state().layer(0, FnMode::Normal);
    if (keyboard == "unplugged")
        link.keyboard.unplug();
    if (keyboard == "another")
        link.changeKeyboard([](EmulatedKeyboardState &state) { state.typeNumber = "KX-QR300B"; });
    editPorts.answerLater();

    // The keyboard's profiles have no Fn1 key: 1010, then 1001 "write without saving".
    flows.writeToTAVOButtonEvent();
    QVERIFY(editPorts.answer(MessageModalResponseType::OK));
    QVERIFY(editPorts.answer(MessageModalResponseType::NO));

    QVERIFY(TAVODriver::isWriteRunning());
    QCOMPARE(CloseGuard::decide({false, false, TAVODriver::isWriteRunning(), true, true}),
             CloseGuard::Decision::refuse);
    QTRY_COMPARE_WITH_TIMEOUT(editPorts.openMessages(), 1, 20000);
    QVERIFY(!TAVODriver::isWriteRunning());
    QCOMPARE(editPorts.messages, (QList<int>{1010, 1001, message}));
    QVERIFY(!ports.isProgressUp);

    link.keyboard.plugIn();
    const EmulatedKeyboardState state = link.keyboard.state();
    QList<qint32> expectedLayer = readLayer;
    if (succeeds)
        expectedLayer[5] = 0x2c;
    QCOMPARE(state.layer(0, FnMode::Normal), expectedLayer);
    QCOMPARE(state.gesturePads[2][0], succeeds ? 0 : 1);
    QCOMPARE(record->gesturePadInfo, succeeds ? thirdPadOff : allPadsOn);
    QCOMPARE(record->profiles->profile(0).normal, expectedLayer);
    QCOMPARE(model.profileHistory().items.isEmpty(), succeeds);
    QCOMPARE(model.isWriteButtonEnabled(), !succeeds);
}

QTEST_MAIN(tst_WritingToTheKeyboard)
#include "tst_writingtothekeyboard.moc"
