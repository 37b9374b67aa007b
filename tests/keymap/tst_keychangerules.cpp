#include "keychangerules.h"
#include "keymapfixture.h"

#include <QTest>

// Whether a usage may go onto a key, what the user is told, and what a change writes, keeps in
// the undo history and enables.
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
        // The message, none, then the entries written, such as "1007 N=0x6 F1=0x6".
        QTest::addColumn<QString>("decision");
        const auto row = [](const char *name, int usage, bool slideKey, int layer, bool shortcutTab,
                            bool fnKeyFlag, const char *decision) {
            QTest::newRow(name) << usage << slideKey << layer << shortcutTab << fnKeyFlag
                                << decision;
        };

        row("plain key", 0x2c, false, 0, false, false, "none N=0x2c");
        row("plain key on an Fn layer", 0x2c, false, 3, false, false, "none F3=0x2c");
        row("key without modifier from the shortcut palette", 0x04, false, 0, true, false, "9022");
        row("last plain key from the shortcut palette", 0xff, false, 0, true, false, "9022");
        row("Control alone from the shortcut palette on a slide key", 0x100, true, 0, true, false,
            "none N=0x100");
        row("shortcut with a Control key part on a slide key", 0x1e0, true, 0, true, false, "1015");
        row("the same shortcut on a drawn key", 0x1e0, false, 0, true, false, "none N=0x1e0");
        row("shortcut with a plain key part on a slide key", 0x104, true, 0, true, false,
            "none N=0x104");
        row("mouse button on a slide key", 0xf4, true, 0, false, false, "1015");
        row("Fn1 key on the normal layer", 0x5101, false, 0, false, false, "none N=0x5101 F1=0x0");
        row("Fn3 key on the normal layer", 0x5103, false, 0, false, false, "none N=0x5103 F3=0x0");
        row("Fn2 key on the Fn1 layer", 0x5102, false, 1, false, false, "1012");
        row("Fn2 key on the Fn1 layer with the Fn-key flag", 0x5102, false, 1, false, true,
            "1012 F1=0x5102");
        row("Fn key on a slide key with the Fn-key flag", 0x5102, true, 1, false, true, "1015");
        row("usage 6 on the normal layer", 6, false, 0, false, false, "1007 N=0x6 F1=0x6");
        row("usage 6 on the Fn2 layer", 6, false, 2, false, false, "none F2=0x6");
        row("usage 6 on a slide key", 6, true, 0, false, false, "1007 N=0x6 F1=0x6");
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

        QStringList text{decision.message ? QString::number(*decision.message) : "none"};
        for (const KeyChangeRules::LayerWrite &write : decision.writes)
            text << QString("%1=0x%2")
                        .arg(QStringList{"N", "F1", "F2", "F3"}[int(write.layer)])
                        .arg(write.usageId, 0, 16);
        QTEST(text.join(' '), "decision");
    }

    // What a decision does to the page: the change is made once the message is answered, kept
    // in the history, refreshing the palettes' marks and enabling the write button; a refusal
    // drops the picks.
    void appliedChanges_data()
    {
        KeymapFixture::addColumns();
        const auto row = [](const char *name, const char *steps, const QString &facts) {
            KeymapFixture::addFactoryRow(name, steps, facts + " hint=none");
        };

        row("accepted", "key:5 pal:0x2c",
            "messages=- changed=N[5]=0x2c history=1 marks=yes write=on");
        row("usage the key already holds", "key:5 pal:9",
            "changed=- history=1 marks=yes write=off");
        row("refused", "tab:3 key:5 pal:0x04",
            "messages=9022 changed=- history=0 marks=no write=off");
        row("Fn key on an Fn layer refused", "layer:1 key:5 pal:0x5102",
            "messages=1012 changed=- history=0 marks=no");
        row("Fn key on an Fn layer with the Fn-key flag", "fnflag layer:1 key:5 pal:0x5102",
            "messages=1012 changed=F1[5]=0x5102 history=1 marks=yes write=on");
        row("companion written after its notice", "key:5 pal:6",
            "messages=1007 changed=N[5]=0x6,F1[5]=0x6 history=1 marks=yes");
    }

    void appliedChanges() { KeymapFixture::runRow(); }
};

QTEST_GUILESS_MAIN(tst_KeyChangeRules)
#include "tst_keychangerules.moc"
