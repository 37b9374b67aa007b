#include "editfixture.h"
#include "keychangerules.h"

#include <QTest>

namespace {

constexpr int none = 0;

// "N=0x5101 F1=0x0": the entries of the key a decision writes, in order.
QString writesText(const QList<KeyChangeRules::LayerWrite> &writes)
{
    static const char *const layerNames[] = {"N", "F1", "F2", "F3"};
    QStringList texts;
    for (const KeyChangeRules::LayerWrite &write : writes)
        texts << QString("%1=0x%2").arg(layerNames[int(write.layer)]).arg(write.usageId, 0, 16);
    return texts.join(' ');
}

} // namespace

// Whether a usage may go onto a key, what the user is told, and what a change writes, keeps in
// the undo history and refreshes.
class tst_KeyChangeRules : public QObject
{
    Q_OBJECT

private slots:
    void decisions_data()
    {
        QTest::addColumn<int>("usage");
        QTest::addColumn<bool>("slideKey");
        QTest::addColumn<int>("layer");
        QTest::addColumn<bool>("shortcutTab");
        QTest::addColumn<bool>("fnKeyFlag");
        QTest::addColumn<int>("message");
        QTest::addColumn<QString>("writes");

        QTest::newRow("plain key") << 0x2c << false << 0 << false << false << none << "N=0x2c";
        QTest::newRow("plain key on an Fn layer")
            << 0x2c << false << 3 << false << false << none << "F3=0x2c";
        QTest::newRow("key without modifier from the shortcut palette")
            << 0x04 << false << 0 << true << false << 9022 << "";
        QTest::newRow("last plain key from the shortcut palette")
            << 0xff << false << 0 << true << false << 9022 << "";
        QTest::newRow("Control alone from the shortcut palette on a slide key")
            << 0x100 << true << 0 << true << false << none << "N=0x100";
        QTest::newRow("shortcut with a Control key part on a slide key")
            << 0x1e0 << true << 0 << true << false << 1015 << "";
        QTest::newRow("shortcut with a mouse-button key part on a slide key")
            << 0x8f4 << true << 0 << true << false << 1015 << "";
        QTest::newRow("the same shortcut on a drawn key")
            << 0x1e0 << false << 0 << true << false << none << "N=0x1e0";
        QTest::newRow("shortcut with a plain key part on a slide key")
            << 0x104 << true << 0 << true << false << none << "N=0x104";
        QTest::newRow("mouse button on a slide key")
            << 0xf4 << true << 0 << false << false << 1015 << "";
        QTest::newRow("mouse button on a drawn key")
            << 0xf4 << false << 0 << false << false << none << "N=0xf4";
        QTest::newRow("gesture function on a slide key")
            << 0x5f80 << true << 0 << false << false << 1015 << "";
        QTest::newRow("gesture function slide keys may hold")
            << 0x5fa2 << true << 0 << false << false << none << "N=0x5fa2";
        QTest::newRow("Fn1 key on the normal layer")
            << 0x5101 << false << 0 << false << false << none << "N=0x5101 F1=0x0";
        QTest::newRow("Fn3 key on the normal layer")
            << 0x5103 << false << 0 << false << false << none << "N=0x5103 F3=0x0";
        QTest::newRow("Fn2 key on the Fn1 layer")
            << 0x5102 << false << 1 << false << false << 1012 << "";
        QTest::newRow("Fn2 key on the Fn1 layer with the Fn-key flag")
            << 0x5102 << false << 1 << false << true << 1012 << "F1=0x5102";
        QTest::newRow("Fn key on a slide key with the Fn-key flag")
            << 0x5102 << true << 1 << false << true << 1015 << "";
        QTest::newRow("Fn key on a slide key on the normal layer")
            << 0x5101 << true << 0 << false << false << 1015 << "";
        QTest::newRow("usage 6 on the normal layer")
            << 6 << false << 0 << false << false << 1007 << "N=0x6 F1=0x6";
        QTest::newRow("right Shift on the normal layer")
            << 0xe5 << false << 0 << false << false << 1007 << "N=0xe5 F1=0xe5";
        QTest::newRow("left Control on the normal layer")
            << 0xe0 << false << 0 << false << false << 1007 << "N=0xe0 F1=0xe0";
        QTest::newRow("left Control on a slide key")
            << 0xe0 << true << 0 << false << false << 1015 << "";
        QTest::newRow("usage 6 on the Fn2 layer")
            << 6 << false << 2 << false << false << none << "F2=0x6";
        QTest::newRow("usage 6 on a slide key")
            << 6 << true << 0 << false << false << 1007 << "N=0x6 F1=0x6";
    }

    void decisions()
    {
        QFETCH(int, usage);
        QFETCH(bool, slideKey);
        QFETCH(int, layer);
        QFETCH(bool, shortcutTab);
        QFETCH(bool, fnKeyFlag);

        const KeyChangeRules::Decision decision =
            KeyChangeRules::decide({usage, slideKey, FnMode(layer), shortcutTab, fnKeyFlag});

        QTEST(decision.message.value_or(none), "message");
        QTEST(writesText(decision.writes), "writes");
    }

    void appliedChanges_data()
    {
        QTest::addColumn<bool>("fnKeyFlag");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QList<int>>("messages");
        QTest::addColumn<QString>("changed");
        QTest::addColumn<int>("history");
        QTest::addColumn<bool>("writeButton");

        QTest::newRow("accepted") << false << "key:5 pal:0x2c" << QList<int>{} << "N[5]=0x2c" << 1
                                  << true;
        QTest::newRow("usage the key already holds")
            << false << "key:5 pal:9" << QList<int>{} << "" << 1 << false;
        QTest::newRow("refused with 9022")
            << false << "tab:3 key:5 pal:0x04" << QList<int>{9022} << "" << 0 << false;
        QTest::newRow("refused with 1015")
            << false << "slide:86 pal:0xf4" << QList<int>{1015} << "" << 0 << false;
        QTest::newRow("Fn key on an Fn layer refused with 1012")
            << false << "layer:1 key:5 pal:0x5102" << QList<int>{1012} << "" << 0 << false;
        QTest::newRow("Fn key on an Fn layer with the Fn-key flag")
            << true << "layer:1 key:5 pal:0x5102" << QList<int>{1012} << "F1[5]=0x5102" << 1
            << true;
        QTest::newRow("Fn key dropped on an Fn layer with the Fn-key flag")
            << true << "layer:1 drag:0x5102 drop:5" << QList<int>{1012} << "F1[5]=0x5102" << 1
            << true;
        QTest::newRow("Fn2 key on the normal layer clears its Fn2 entry")
            << false << "key:5 pal:0x5102" << QList<int>{} << "N[5]=0x5102 F2[5]=0x0" << 1 << true;
        QTest::newRow("companion written after 1007")
            << false << "key:5 pal:6" << QList<int>{1007} << "N[5]=0x6 F1[5]=0x6" << 1 << true;
        QTest::newRow("companion on a slide key")
            << false << "slide:86 pal:0x1d" << QList<int>{1007} << "N[86]=0x1d F1[86]=0x1d" << 1
            << true;
        QTest::newRow("usage 6 on the Fn2 layer")
            << false << "layer:2 key:5 pal:6" << QList<int>{} << "F2[5]=0x6" << 1 << true;
    }

    void appliedChanges()
    {
        QFETCH(bool, fnKeyFlag);
        QFETCH(QString, steps);
        QFETCH(int, history);
        EditFixture fixture;
        fixture.isCheckingFunction = fnKeyFlag;

        fixture.run(steps);

        QTEST(fixture.ports.messages, "messages");
        QTEST(fixture.changedEntries(), "changed");
        QCOMPARE(fixture.model.profileHistory().items.size(), history);
        QCOMPARE(fixture.ports.events.contains("marks"), history > 0);
        QTEST(fixture.model.isWriteButtonEnabled(), "writeButton");
        QCOMPARE(fixture.model.keymapPageState(), KeymapPageState::normal);
        QCOMPARE(fixture.model.pleaseClickHint(), PleaseClickHint::none);
    }

    void changeKeepsTheStateBeforeItForUndo()
    {
        EditFixture fixture;
        fixture.run("later key:5 pal:6");
        QVERIFY(fixture.model.profileHistory().items.isEmpty());

        fixture.run("ok");

        QCOMPARE(fixture.model.profileHistory().items.size(), 1);
        const HistoryDataEntity &snapshot = *fixture.model.profileHistory().items.first();
        QCOMPARE(snapshot.profileList->profile1->normal.at(5), 9);
        QCOMPARE(snapshot.profileList->profile1->withFn1.at(5), 0x3f);
        fixture.run("undo");
        QCOMPARE(fixture.changedEntries(), "");
    }

    void menusStayOffWhileARuleMessageIsUp()
    {
        EditFixture fixture;
        fixture.model.changeMenuStatusAndUpdateMenu(true);

        fixture.run("later tab:3 key:5 pal:0x04");

        QCOMPARE(fixture.ports.menuFlags, KeymapMenuFlags());
        fixture.run("ok");
        QVERIFY(fixture.ports.menuFlags.open);
        QVERIFY(!fixture.model.isShowAlert());
    }
};

QTEST_GUILESS_MAIN(tst_KeyChangeRules)
#include "tst_keychangerules.moc"
