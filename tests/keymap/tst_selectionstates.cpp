#include "editfixture.h"

#include <QTest>

namespace {

// The events of kinds, in order, such as every selection clearing.
QString eventsOf(const QStringList &events, const QStringList &kinds)
{
    QStringList kept;
    for (const QString &event : events) {
        for (const QString &kind : kinds) {
            if (event.startsWith(kind))
                kept << event;
        }
    }
    return kept.join(' ');
}

QString keyboardMode(const KeyboardStatus &status)
{
    if (!status.keymapWillChangeAtOnce)
        return "pick";
    return "apply 0x" + QString::number(status.newUsageId.value_or(-1), 16);
}

QString paletteMode(const PaletteStatus &status)
{
    if (status.keyWillBeSelected)
        return "pick";
    return "apply to " + QString::number(status.newKeyNumber.value_or(-1));
}

QString numbers(const QList<int> &values)
{
    QStringList texts;
    for (int value : values)
        texts << QString::number(value);
    return texts.join(' ');
}

} // namespace

// The two picks of a key change, in either order or by dragging: the page's state, the picks
// kept, the modes of the keyboards and palettes, the hints, the selections dropped, and the
// layer and palette controls that return the page to the normal state.
class tst_SelectionStates : public QObject
{
    Q_OBJECT

private slots:
    void transitions_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("picks");
        QTest::addColumn<QString>("changed");
        QTest::addColumn<QString>("messages");

        QTest::newRow("drawn key picked")
            << "key:5"
            << "clickedVirtualKey<-normal drawn=5 slide=- usage=- hint=assignKey"
            << ""
            << "";
        QTest::newRow("second drawn key replaces the first")
            << "key:5 key:6"
            << "clickedVirtualKey<-clickedVirtualKey drawn=6 slide=- usage=- hint=assignKey"
            << ""
            << "";
        QTest::newRow("palette key changes the second drawn key only")
            << "key:5 key:6 pal:0x2c"
            << "normal<-clickedVirtualKey drawn=6 slide=- usage=- hint=none"
            << "N[6]=0x2c"
            << "";
        QTest::newRow("slide key picked while a drawn key is")
            << "key:5 slide:86"
            << "clickedVirtualSlideKey<-clickedVirtualKey drawn=5 slide=86 usage=- hint=assignKey"
            << ""
            << "";
        QTest::newRow("drawn key picked while a slide key is")
            << "slide:86 key:5"
            << "clickedVirtualKey<-clickedVirtualSlideKey drawn=5 slide=86 usage=- hint=assignKey"
            << ""
            << "";
        QTest::newRow("palette key changes the picked slide key")
            << "slide:86 pal:0x2c"
            << "normal<-clickedVirtualSlideKey drawn=- slide=86 usage=- hint=none"
            << "N[86]=0x2c"
            << "";
        QTest::newRow("palette key armed")
            << "pal:0x2c"
            << "clickedAssignKey<-normal drawn=- slide=- usage=0x2c hint=virtualKey"
            << ""
            << "";
        QTest::newRow("second palette key replaces the first")
            << "pal:0x2c pal:0x2d key:5"
            << "normal<-clickedAssignKey drawn=- slide=- usage=0x2d hint=none"
            << "N[5]=0x2d"
            << "";
        QTest::newRow("armed palette key applied to a slide key")
            << "pal:0x2c slide:87"
            << "normal<-clickedAssignKey drawn=- slide=- usage=0x2c hint=none"
            << "N[87]=0x2c"
            << "";
        QTest::newRow("drag arms its key whatever was picked")
            << "key:5 drag:0x2c"
            << "clickedAssignKey<-clickedVirtualKey drawn=5 slide=- usage=0x2c hint=virtualKey"
            << ""
            << "";
        QTest::newRow("drop changes the key dropped on, not the picked one")
            << "key:5 drag:0x2c drop:6"
            << "normal<-clickedAssignKey drawn=5 slide=- usage=0x2c hint=none"
            << "N[6]=0x2c"
            << "";
        QTest::newRow("drop on a slide key")
            << "drag:0x2c dropslide:86"
            << "normal<-clickedAssignKey drawn=- slide=- usage=0x2c hint=none"
            << "N[86]=0x2c"
            << "";
        QTest::newRow("drop on the page away from the keys")
            << "key:5 drag:0x2c droppage"
            << "normal<-clickedAssignKey drawn=5 slide=- usage=0x2c hint=none"
            << ""
            << "";
        QTest::newRow("drop outside the page keeps the dragged key armed")
            << "drag:0x2c key:7"
            << "normal<-clickedAssignKey drawn=- slide=- usage=0x2c hint=none"
            << "N[7]=0x2c"
            << "";
        QTest::newRow("palette report after a drag changes the picked drawn key")
            << "key:5 drag:0x2c decide:0x2d"
            << "normal<-clickedAssignKey drawn=5 slide=- usage=0x2c hint=none"
            << "N[5]=0x2d"
            << "";
        QTest::newRow("palette report with nothing picked")
            << "decide:0x2c"
            << "normal<-normal drawn=- slide=- usage=- hint=none"
            << ""
            << "";
        QTest::newRow("special key drops the drawn pick")
            << "key:5 special"
            << "normal<-clickedVirtualKey drawn=5 slide=- usage=- hint=none"
            << ""
            << "1008";
        QTest::newRow("special slide key drops the armed key")
            << "pal:0x2c specialslide"
            << "normal<-clickedAssignKey drawn=- slide=- usage=0x2c hint=none"
            << ""
            << "1008";
        QTest::newRow("drawn keyboard's layer change drops a drawn pick")
            << "key:5 fnback"
            << "normal<-clickedVirtualKey drawn=5 slide=- usage=- hint=none"
            << ""
            << "";
        QTest::newRow("slide keys' layer change drops a drawn pick")
            << "key:5 fnbackslide"
            << "normal<-clickedVirtualKey drawn=5 slide=- usage=- hint=none"
            << ""
            << "";
        QTest::newRow("layer change keeps an armed key")
            << "pal:0x2c fnback"
            << "clickedAssignKey<-normal drawn=- slide=- usage=0x2c hint=virtualKey"
            << ""
            << "";
        QTest::newRow("slide keys' layer change keeps a slide pick")
            << "slide:86 fnbackslide"
            << "clickedVirtualSlideKey<-normal drawn=- slide=86 usage=- hint=assignKey"
            << ""
            << "";
        QTest::newRow("qwerty palette's layer change drops any pick")
            << "pal:0x2c palfn"
            << "normal<-clickedAssignKey drawn=- slide=- usage=0x2c hint=none"
            << ""
            << "";
        QTest::newRow("gesture pad flipped drops the pick")
            << "key:5 pad:1"
            << "normal<-clickedVirtualKey drawn=5 slide=- usage=- hint=none"
            << ""
            << "";
        QTest::newRow("drawn key report without a key number")
            << "nokey"
            << "normal<-normal drawn=- slide=- usage=- hint=none"
            << ""
            << "";
        QTest::newRow("slide key report without a key number")
            << "key:5 noslide"
            << "clickedVirtualKey<-normal drawn=5 slide=- usage=- hint=assignKey"
            << ""
            << "";
        QTest::newRow("palette report without a usage")
            << "pal:0x2c nopal"
            << "clickedAssignKey<-normal drawn=- slide=- usage=0x2c hint=virtualKey"
            << ""
            << "";
        QTest::newRow("drag report without a usage")
            << "key:5 nodrag"
            << "clickedVirtualKey<-normal drawn=5 slide=- usage=- hint=assignKey"
            << ""
            << "";
        QTest::newRow("key number past the last key")
            << "key:120"
            << "normal<-normal drawn=- slide=- usage=- hint=none"
            << ""
            << "";
        QTest::newRow("negative key number") << "key:-1"
                                             << "normal<-normal drawn=- slide=- usage=- hint=none"
                                             << ""
                                             << "";
        QTest::newRow("drop past the last key")
            << "drag:0x2c drop:200"
            << "clickedAssignKey<-normal drawn=- slide=- usage=0x2c hint=virtualKey"
            << ""
            << "";
    }

    void transitions()
    {
        QFETCH(QString, steps);
        EditFixture fixture;

        fixture.run(steps);

        QTEST(fixture.picks(), "picks");
        QTEST(fixture.changedEntries(), "changed");
        QTEST(numbers(fixture.ports.messages), "messages");
    }

    void modes_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("drawn");
        QTest::addColumn<QString>("slide");
        QTest::addColumn<QString>("palettes");

        QTest::newRow("normal") << ""
                                << "pick"
                                << "pick"
                                << "pick";
        QTest::newRow("clickedVirtualKey") << "key:5"
                                           << "pick"
                                           << "pick"
                                           << "apply to 5";
        QTest::newRow("clickedAssignKey") << "pal:0x2c"
                                          << "apply 0x2c"
                                          << "apply 0x2c"
                                          << "pick";
        QTest::newRow("clickedVirtualSlideKey") << "slide:86"
                                                << "pick"
                                                << "pick"
                                                << "apply to 86";
        QTest::newRow("normal after a change") << "pal:0x2c key:5"
                                               << "pick"
                                               << "pick"
                                               << "pick";
        QTest::newRow("normal after a refused change") << "tab:3 pal:0x04 key:5"
                                                       << "pick"
                                                       << "pick"
                                                       << "pick";
    }

    void modes()
    {
        QFETCH(QString, steps);
        EditFixture fixture;

        fixture.run(steps);

        QTEST(keyboardMode(fixture.model.drawnKeyboardStatus()), "drawn");
        QTEST(keyboardMode(fixture.model.slideKeyboardStatus()), "slide");
        QTEST(paletteMode(fixture.model.paletteStatus()), "palettes");
    }

    void selectionsCleared_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("cleared");

        QTest::newRow("drawn key picked") << "slide:86"
                                          << "key:5"
                                          << "clearSlide";
        QTest::newRow("slide key picked") << "key:5"
                                          << "slide:86"
                                          << "clearDrawn";
        QTest::newRow("palette key picked") << "key:5 background"
                                            << "pal:0x2c"
                                            << "";
        QTest::newRow("drag started") << "key:5"
                                      << "drag:0x2c"
                                      << "clearDrawn clearSlide";
        QTest::newRow("change drops the shortcut modifiers") << "tab:3 key:5"
                                                             << "pal:0x104"
                                                             << "clear(reset)";
        QTest::newRow("refused change drops them") << "tab:3 key:5"
                                                   << "pal:0x04"
                                                   << "clear(reset) clear(keep)";
        QTest::newRow("Fn key refused on an Fn layer drops them") << "layer:1 key:5"
                                                                  << "pal:0x5102"
                                                                  << "clear(reset)";
        QTest::newRow("background click keeps them") << "key:5"
                                                     << "background"
                                                     << "clear(keep)";
        QTest::newRow("drop on the page keeps them") << "drag:0x2c"
                                                     << "droppage"
                                                     << "clear(keep)";
        QTest::newRow("profile switch drops them") << ""
                                                   << "profile:1"
                                                   << "clear(reset)";
        QTest::newRow("leaving the shortcut tab drops them") << "tab:3"
                                                             << "tab:1"
                                                             << "clear(reset)";
        QTest::newRow("shortcut tab tapped again keeps them") << "tab:3"
                                                              << "tab:3"
                                                              << "clear(keep)";
        QTest::newRow("special key keeps them") << "key:5"
                                                << "special"
                                                << "clear(keep)";
    }

    void selectionsCleared()
    {
        QFETCH(QString, before);
        QFETCH(QString, step);
        EditFixture fixture;
        fixture.run(before);
        fixture.ports.events.clear();

        fixture.run(step);

        QTEST(eventsOf(fixture.ports.events, {"clear"}), "cleared");
    }

    void picksStayMarkedWhileMessageIsUp()
    {
        EditFixture fixture;
        fixture.run("later key:5");
        fixture.ports.events.clear();

        fixture.run("pal:6");

        QCOMPARE(fixture.ports.messages, QList<int>{1007});
        QCOMPARE(eventsOf(fixture.ports.events, {"clear", "hint"}), "");
        QCOMPARE(fixture.model.keymapPageState(), KeymapPageState::normal);
        fixture.run("ok");
        QCOMPARE(eventsOf(fixture.ports.events, {"clear", "hint"}), "clear(reset) hint(none)");
    }

    void specialKeyBlocksMenusUntilAnswered()
    {
        EditFixture fixture;
        fixture.model.changeMenuStatusAndUpdateMenu(true);
        QVERIFY(fixture.ports.menuFlags.open);

        fixture.run("later key:5 special");

        QCOMPARE(fixture.ports.menuFlags, KeymapMenuFlags());
        QVERIFY(fixture.model.isShowAlert());
        fixture.run("ok");
        QVERIFY(!fixture.model.isShowAlert());
        QVERIFY(fixture.ports.menuFlags.open);
        QVERIFY(fixture.ports.menuFlags.close);
    }

    void layerAndPaletteControls_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("layer");
        QTest::addColumn<int>("qwertyLayer");
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("shownPalette");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("redrawn");

        QTest::newRow("layer button drops a drawn pick")
            << "key:5 layer:2" << 2 << 0 << 0 << 0 << "normal"
            << "layer(2)";
        QTest::newRow("layer button drops an armed key")
            << "pal:0x2c layer:1" << 1 << 0 << 0 << 0 << "normal"
            << "layer(1)";
        QTest::newRow("button of the shown layer redraws nothing")
            << "key:5 layer:0" << 0 << 0 << 0 << 0 << "normal"
            << "";
        QTest::newRow("palette layer button always redraws")
            << "qlayer:0" << 0 << 0 << 0 << 0 << "normal"
            << "paletteLayer(0)";
        QTest::newRow("leaving the qwerty tab shows its normal layer again")
            << "qlayer:3 tab:1" << 0 << 0 << 1 << 1 << "normal"
            << "paletteLayer(3) paletteLayer(0)";
        QTest::newRow("qwerty tab tapped again keeps its layer")
            << "qlayer:3 tab:0" << 0 << 3 << 0 << 0 << "normal"
            << "paletteLayer(3)";
        QTest::newRow("alphabet tab to shortcut tab resets the qwerty layer")
            << "tab:1 seg:0 qlayer:2 tab:3" << 0 << 0 << 3 << 3 << "normal"
            << "paletteLayer(2) paletteLayer(0)";
        QTest::newRow("alphabet tab to device tab keeps the qwerty layer")
            << "tab:1 seg:0 qlayer:2 tab:2" << 0 << 2 << 2 << 2 << "normal"
            << "paletteLayer(2)";
        QTest::newRow("segment keeps a drawn pick")
            << "key:5 seg:1" << 0 << 0 << 0 << 1 << "clickedVirtualKey"
            << "";
        QTest::newRow("segment drops an armed key")
            << "pal:0x2c seg:1" << 0 << 0 << 0 << 1 << "normal"
            << "";
        QTest::newRow("segment past the last shows the shortcut palette")
            << "seg:7" << 0 << 0 << 0 << 3 << "normal"
            << "";
        QTest::newRow("no segment shows the shortcut palette")
            << "seg:-1" << 0 << 0 << 0 << 3 << "normal"
            << "";
        QTest::newRow("qwerty tab-view action drops a drawn pick, shows nothing else")
            << "tab:2 key:5 tabview:0" << 0 << 0 << 2 << 2 << "normal"
            << "";
        QTest::newRow("alphabet tab-view action drops an armed key")
            << "pal:0x2c tabview:1" << 0 << 0 << 0 << 0 << "normal"
            << "";
        QTest::newRow("device tab-view action drops a slide pick")
            << "qlayer:3 slide:86 tabview:2" << 0 << 3 << 0 << 0 << "normal"
            << "paletteLayer(3)";
    }

    void layerAndPaletteControls()
    {
        QFETCH(QString, steps);
        EditFixture fixture;

        fixture.run(steps);

        QTEST(int(fixture.model.shownLayer()), "layer");
        QTEST(int(fixture.model.qwertyPaletteLayer()), "qwertyLayer");
        QTEST(int(fixture.model.paletteTab()), "tab");
        QTEST(int(fixture.model.shownPalette()), "shownPalette");
        QTEST(fixture.picks().section('<', 0, 0), "state");
        QTEST(eventsOf(fixture.ports.events, {"layer", "paletteLayer"}), "redrawn");
    }

    void notAssigned_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QList<bool>>("dipSwitch");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("notAssigned");

        const QList<bool> allOff{false, false, false, false, false, false};
        const QList<bool> switch5On{false, false, false, false, true, false};
        const QList<bool> switch6On{false, false, false, false, false, true};
        const int japanese = int(KeyboardLayoutType::Japanese);
        const int english = int(KeyboardLayoutType::English);
        QTest::newRow("Japanese key 29") << japanese << allOff << 29 << false;
        QTest::newRow("English key 29, no such key") << english << allOff << 29 << true;
        QTest::newRow("English key 29 with DIP switch 5 on") << english << switch5On << 29 << false;
        QTest::newRow("English key 29 with DIP switch 6 on") << english << switch6On << 29 << true;
        QTest::newRow("English key 28 with DIP switch 5 on") << english << switch5On << 28 << true;
        QTest::newRow("slide key") << english << allOff << 86 << false;
        QTest::newRow("key of the slide area without a slide key")
            << english << allOff << 90 << true;
    }

    void notAssigned()
    {
        QFETCH(int, layout);
        QFETCH(QList<bool>, dipSwitch);
        QFETCH(int, key);
        constexpr qint32 placed = 0x2c, nowhere = 0x70;
        EditFixture fixture({{0, FnMode::Normal, key, placed}}, false, {true, true, true, true},
                            dipSwitch, KeyboardLayoutType(layout));

        const QSet<qint32> notAssigned =
            fixture.model.getNotAssignedUsageIds(QList<QList<qint32>>{{placed}, {nowhere, 9}});

        QTEST(notAssigned.contains(placed), "notAssigned");
        QVERIFY(notAssigned.contains(nowhere));
        QVERIFY(!notAssigned.contains(9));
    }

    void notAssignedOfTheQwertyPalette()
    {
        EditFixture fixture;
        fixture.run("profile:1 key:5 pal:0x2c");
        ProfileDataEntity offered;
        offered.withFn1[0] = 0x2c;
        offered.withFn3[1] = 0x70;
        offered.normal[2] = 9;

        QCOMPARE(fixture.model.getNotAssignedUsageIds(offered), QSet<qint32>{0x70});
    }

    void changeLandsInTheShownLayer()
    {
        EditFixture fixture;

        fixture.run("layer:3 key:5 pal:0x2c layer:0 slide:86 pal:0x2d");

        QCOMPARE(fixture.changedEntries(), "N[86]=0x2d F3[5]=0x2c");
    }
};

QTEST_GUILESS_MAIN(tst_SelectionStates)
#include "tst_selectionstates.moc"
