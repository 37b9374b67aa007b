#include "keyboarddataentity.h"
#include "keymapfixture.h"

#include <QTest>

namespace {

const QString allMenus = "menus=open,save,rollback,undo,current,all,factory,updates,about,close";
// Nothing to undo, roll back or return to factory settings.
const QString menusAtRest = "menus=open,save,updates,about,close";

} // namespace

// The undo history, the bulk changes (roll back, factory settings), the profile switch, and the
// write button, undo button and menu items that follow the comparison of the edited settings
// with the keyboard's and the factory's.
class tst_EditHistory : public QObject
{
    Q_OBJECT

private slots:
    void edits_data()
    {
        KeymapFixture::addColumns();
        const auto row = KeymapFixture::addRow;

        row("undo walks back one change at a time", "", "key:5 pal:0x2c key:6 pal:0x2d undo",
            "changed=N[5]=0x2c history=1 undo=on write=on");
        row("undo of the last change drops the pick", "", "key:5 pal:0x2c stick key:6 undo undo",
            "changed=- stick=off history=0 undo=off write=off state=normal<-normal " + menusAtRest);
        row("undo with an empty history does nothing", "", "key:5 mark undo",
            "state=clickedVirtualKey<-normal history=0 cleared=- redrawn=- hidden=yes");
        // The write button compares values, yet each flip stays undoable with the state before.
        row("gesture pad flipped and back", "", "pad:4 pad:4",
            "write=off history=2 menus=open,save,undo,updates,about,close");
        row("gesture pad flipped and back, one undone", "", "pad:4 pad:4 undo",
            "pads=1110 write=on");
        row("stick flipped and back, one undone", "", "stick stick undo", "stick=on write=on");
        row("roll back", "", "key:5 pal:0x2c stick rollback", "keyboard=yes write=off history=3");
        row("roll back undone", "", "key:5 pal:0x2c stick rollback undo",
            "changed=N[5]=0x2c stick=on");
        row("selected profile to factory settings", "N[5]=0x2c 1:N[5]=0x2c stick pads=0101",
            "factory",
            "changed=N[5]=0x9 pads=1111 stick=off history=1 "
            "menus=open,save,rollback,undo,all,factory,updates,about,close");

        row("profile already shown", "", "key:5 pal:0x2c mark profile:0",
            "messages=- profile=0 history=1 changed=N[5]=0x2c redrawn=- hidden=yes");
        row("profile switch without edits", "", "pad:1 pad:1 profile:2",
            "messages=- profile=2 history=0 redrawn=profile(2) hidden=yes");
        row("profile switch after an edit, Cancel", "", "later key:5 pal:0x2c profile:2 cancel",
            "messages=1003 profile=0 history=1 changed=N[5]=0x2c write=on");
        row("profile switch after edits, OK", "", "later stick key:5 pal:0x2c profile:2 ok",
            "messages=1003 profile=2 history=0 keyboard=yes write=off redrawn=profile(2)");
        row("profile switch after a pad flipped", "", "later pad:3 profile:1 ok",
            "messages=1003 profile=1 keyboard=yes");
        row("profile switch after an edit undone", "", "key:5 pal:0x2c undo profile:3",
            "messages=- profile=3");
        // An Fn-layer 1 stands for the normal layer's usage to the write button, not to the
        // profile switch.
        row("profile switch after an Fn-layer 1 written out", "",
            "later layer:2 key:5 pal:9 profile:1", "changed=F2[5]=0x9 write=off messages=1003");

        // Every menu item, as the page sets them when it shows.
        row("menus, keyboard at factory settings", "", "appear", menusAtRest);
        row("menus after an edit", "", "key:5 pal:0x2c appear", allMenus);
        row("menus, another profile off factory settings", "1:N[5]=0x2c", "appear",
            "menus=open,save,all,factory,updates,about,close");
        row("menus, pads off factory settings", "", "pad:2", allMenus);
        row("menus while a message is up", "", "later key:5 pal:6 appear", "menus=-");
        // An edit sets the roll-back and factory items, and no other.
        row("edit away from factory settings", "", "key:5 pal:0x2c",
            "menus=rollback,undo,current,all,factory");
        row("edit back to factory settings", "N[5]=0x2c", "key:5 pal:9", "menus=rollback,undo");
        row("edit back to factory settings, another profile off them", "N[5]=0x2c 2:F1[5]=0x2c",
            "key:5 pal:9", "menus=rollback,undo,all,factory");
        row("edit back to the keyboard's", "", "key:5 pal:0x2c key:5 pal:9", "menus=undo");
        row("edit under a sheet of the window", "", "alert key:5 pal:0x2c", "write=on menus=undo");
    }

    void edits() { KeymapFixture::runRow(); }

    // The keyboard as read stays the start page's: the model edits copies of its own.
    void dataEntryKeepsOwnCopies()
    {
        KeymapFixture fixture;
        const std::shared_ptr<ProfileListDataEntity> read = KeymapFixture::profiles("N[5]=0x2c");
        fixture.model.initData(fixture.model.keyboardData(), "KX-QR320B", QList<bool>(6, false),
                               true, {true, false, true, true}, *read);

        read->profile1->normal[5] = 0x70;
        fixture.run("key:6 pal:0x2d");

        QCOMPARE(fixture.model.physicalKeymapData().normal.at(5), 0x2c);
        QCOMPARE(fixture.facts("changed=N[6]=0x2d"), "changed=N[6]=0x2d");
    }
};

QTEST_GUILESS_MAIN(tst_EditHistory)
#include "tst_edithistory.moc"
