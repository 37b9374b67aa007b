#include "keymapfixture.h"

#include <QTest>

// The two picks of a key change, in either order or by dragging: the page's state, the picks
// kept, the modes of the keyboards and palettes, the hints, the selections dropped, and the
// layer and palette controls that return the page to the normal state.
class tst_SelectionStates : public QObject
{
    Q_OBJECT

private slots:
    void transitions_data()
    {
        KeymapFixture::addColumns();
        const auto row = KeymapFixture::addFactoryRow;

        row("drawn key picked", "key:5",
            "state=clickedVirtualKey<-normal drawn=5 hint=assignKey modes=pick,pick,5");
        row("palette key changes the second drawn key only", "key:5 key:6 pal:0x2c",
            "state=normal<-clickedVirtualKey drawn=6 hint=none modes=pick,pick,pick "
            "changed=N[6]=0x2c");
        row("slide key picked while a drawn key is", "key:5 slide:86",
            "state=clickedVirtualSlideKey<-clickedVirtualKey drawn=5 slide=86 hint=assignKey "
            "modes=pick,pick,86");
        row("palette key changes the picked slide key", "slide:86 pal:0x2c",
            "state=normal<-clickedVirtualSlideKey changed=N[86]=0x2c");
        row("palette key armed", "pal:0x2c",
            "state=clickedAssignKey<-normal usage=0x2c hint=virtualKey modes=0x2c,0x2c,pick");
        row("second palette key replaces the first", "pal:0x2c pal:0x2d key:5",
            "state=normal<-clickedAssignKey usage=0x2d changed=N[5]=0x2d");
        row("armed palette key applied to a slide key", "pal:0x2c slide:87", "changed=N[87]=0x2c");
        row("drop changes the key dropped on, not the picked one", "key:5 drag:0x2c drop:6",
            "state=normal<-clickedAssignKey drawn=5 changed=N[6]=0x2c");
        row("drop on a slide key", "drag:0x2c dropslide:86", "changed=N[86]=0x2c");
        row("drop on the page away from the keys", "key:5 drag:0x2c droppage",
            "state=normal<-clickedAssignKey hint=none changed=-");
        row("drop outside the page keeps the dragged key armed", "drag:0x2c key:7",
            "state=normal<-clickedAssignKey usage=0x2c changed=N[7]=0x2c");
        row("palette report after a drag changes the picked drawn key",
            "key:5 drag:0x2c decide:0x2d", "changed=N[5]=0x2d");
        row("palette report with nothing picked", "decide:0x2c", "state=normal<-normal changed=-");
        row("special key drops the drawn pick", "key:5 special",
            "state=normal<-clickedVirtualKey hint=none messages=1008");
        row("special slide key drops the armed key", "pal:0x2c specialslide",
            "state=normal<-clickedAssignKey messages=1008");
        row("drawn keyboard's layer change drops a drawn pick", "key:5 fnback",
            "state=normal<-clickedVirtualKey hint=none");
        row("layer change keeps an armed key", "pal:0x2c fnback", "state=clickedAssignKey<-normal");
        row("slide keys' layer change keeps a slide pick", "slide:86 fnbackslide",
            "state=clickedVirtualSlideKey<-normal");
        row("qwerty palette's layer change drops any pick", "pal:0x2c palfn",
            "state=normal<-clickedAssignKey");
        row("gesture pad flipped drops the pick", "key:5 pad:1", "state=normal<-clickedVirtualKey");
        row("picks stay marked while a rule's message is up", "later key:5 mark pal:6",
            "state=normal<-clickedVirtualKey hint=assignKey cleared=- history=0");
        row("picks dropped once the message is answered", "later key:5 pal:6 mark ok",
            "hint=none cleared=clear(reset) history=1 changed=N[5]=0x6,F1[5]=0x6");

        // Reports that carry nothing, or a key number past the keys, change nothing.
        row("drawn key report without a key number", "nokey", "state=normal<-normal drawn=-");
        row("slide key report without a key number", "key:5 noslide",
            "state=clickedVirtualKey<-normal slide=-");
        row("palette report without a usage", "pal:0x2c nopal",
            "state=clickedAssignKey<-normal usage=0x2c");
        row("drag report without a usage", "key:5 nodrag", "state=clickedVirtualKey<-normal");
        row("key number past the last key", "key:120", "state=normal<-normal drawn=-");
        row("negative key number", "key:-1", "state=normal<-normal drawn=-");
        row("drop past the last key", "drag:0x2c drop:200",
            "state=clickedAssignKey<-normal changed=-");

        // The selections each step drops; a change or a profile switch also drops the shortcut
        // palette's modifiers (reset).
        row("drawn key picked drops the slide key", "slide:86 mark key:5", "cleared=slide");
        row("slide key picked drops the drawn key", "key:5 mark slide:86", "cleared=drawn");
        row("palette key picked drops nothing", "key:5 background mark pal:0x2c", "cleared=-");
        row("drag started drops both keys", "key:5 mark drag:0x2c", "cleared=drawn,slide");
        row("change drops the modifiers", "tab:3 key:5 mark pal:0x104", "cleared=clear(reset)");
        row("refused change drops them", "tab:3 key:5 mark pal:0x04",
            "cleared=clear(reset),clear(keep) messages=9022");
        row("Fn key refused on an Fn layer drops them", "layer:1 key:5 mark pal:0x5102",
            "cleared=clear(reset) messages=1012 state=normal<-clickedVirtualKey");
        row("background click keeps them", "key:5 mark background", "cleared=clear(keep)");
        row("profile switch drops them", "mark profile:1", "cleared=clear(reset)");
        row("leaving the shortcut tab drops them", "tab:3 mark tab:1", "cleared=clear(reset)");
        row("shortcut tab tapped again keeps them", "tab:3 mark tab:3", "cleared=clear(keep)");

        // The layer, palette tab and segment controls.
        row("layer button drops a drawn pick", "key:5 layer:2",
            "layer=2 state=normal<-normal redrawn=layer(2)");
        row("layer button drops an armed key", "pal:0x2c layer:1",
            "layer=1 state=normal<-clickedAssignKey redrawn=layer(1)");
        row("button of the shown layer redraws nothing", "key:5 layer:0",
            "layer=0 state=normal<-clickedVirtualKey redrawn=-");
        row("leaving the qwerty tab shows its normal layer again", "qlayer:3 tab:1",
            "qlayer=0 tab=1 palette=1 redrawn=paletteLayer(3),paletteLayer(0)");
        row("qwerty tab tapped again keeps its layer", "qlayer:3 tab:0", "qlayer=3 tab=0");
        row("alphabet tab to shortcut tab resets the qwerty layer", "tab:1 seg:0 qlayer:2 tab:3",
            "qlayer=0 tab=3 palette=3");
        row("alphabet tab to device tab keeps the qwerty layer", "tab:1 seg:0 qlayer:2 tab:2",
            "qlayer=2 tab=2 palette=2");
        row("segment keeps a drawn pick", "key:5 seg:1",
            "tab=0 palette=1 state=clickedVirtualKey<-normal");
        row("segment drops an armed key", "pal:0x2c seg:1",
            "palette=1 state=normal<-clickedAssignKey");
        row("segment past the last shows the shortcut palette", "seg:7", "tab=0 palette=3");
        row("no segment shows the shortcut palette", "seg:-1", "palette=3");
        row("qwerty tab-view action drops a drawn pick, shows nothing else",
            "tab:2 key:5 tabview:0", "tab=2 palette=2 state=normal<-clickedVirtualKey");
        row("alphabet tab-view action drops an armed key", "pal:0x2c tabview:1",
            "palette=0 state=normal<-clickedAssignKey");
        row("device tab-view action drops a slide pick", "qlayer:3 slide:86 tabview:2",
            "qlayer=3 state=normal<-clickedVirtualSlideKey");

        row("menus off while a rule's message is up", "appear later tab:3 key:5 pal:0x04",
            "alert=on menus=-");
        row("menus back once it is answered", "appear later tab:3 key:5 pal:0x04 ok",
            "alert=off menus=open,save,updates,about,close");
        row("menus off while 1008 is up", "appear later key:5 special", "alert=on menus=-");
        row("menus back once 1008 is answered", "appear later key:5 special ok",
            "alert=off menus=open,save,updates,about,close");
    }

    void transitions() { KeymapFixture::runRow(); }

    // The usages a palette offers that no key of the selected profile holds, with the layout and
    // DIP switch 5 of the keyboard.
    void notAssigned_data()
    {
        QTest::addColumn<QString>("keyboard");
        QTest::addColumn<bool>("notAssigned");

        QTest::newRow("Japanese key 29") << "N[29]=0x2c" << false;
        QTest::newRow("English key 29, no such key") << "english N[29]=0x2c" << true;
        QTest::newRow("English key 29 with DIP switch 5 on")
            << "english dip=000010 N[29]=0x2c" << false;
        QTest::newRow("English key 29 with DIP switch 6 on")
            << "english dip=000001 N[29]=0x2c" << true;
        QTest::newRow("another profile") << "1:N[5]=0x2c" << true;
    }

    void notAssigned()
    {
        QFETCH(QString, keyboard);
        KeymapFixture fixture(keyboard);

        const QSet<qint32> notAssigned =
            fixture.model.getNotAssignedUsageIds(QList<QList<qint32>>{{0x2c}, {0x70, 9}});

        QTEST(notAssigned.contains(0x2c), "notAssigned");
        QVERIFY(notAssigned.contains(0x70));
        QVERIFY(!notAssigned.contains(9));
    }

    // The qwerty palette offers every layer of the factory keymap.
    void notAssignedOfTheQwertyPalette()
    {
        KeymapFixture fixture;
        fixture.run("profile:1 key:5 pal:0x2c");
        ProfileDataEntity offered;
        offered.withFn1[0] = 0x2c;
        offered.withFn3[1] = 0x70;
        offered.normal[2] = 9;

        QCOMPARE(fixture.model.getNotAssignedUsageIds(offered), QSet<qint32>{0x70});
    }
};

QTEST_GUILESS_MAIN(tst_SelectionStates)
#include "tst_selectionstates.moc"
