#pragma once

#include "fakeeditports.h"
#include "keymapeditmodel.h"

#include <QList>
#include <QString>

#include <memory>

// An editing model on a keyboard read at start, with fake ports, and a small step language that
// plays the page's widgets: a click on a key picks or decides as the model's modes say, as the
// real keyboards and palettes do.
//
// Steps, separated by blanks (numbers decimal or 0x hex):
//   key:N slide:N pal:U        click a drawn key, a slide key, a palette key
//   drag:U drop:N dropslide:N droppage
//                              start dragging a palette key, drop it on a drawn key, on a slide
//                              key, on the page away from every key
//   decide:U                   a palette's decide report, whatever the mode
//   nokey noslide nopal nodrag reports that carry no key number or usage
//   special specialslide       a click on a key that may not change on the shown layer
//   fnback fnbackslide palfn   the layer callbacks of the drawn keyboard, slide keys, palette
//   pad:1..4 stick             flip a gesture pad (SideLeft to SideRight) or the pointing stick
//   layer:L qlayer:L tab:T seg:S tabview:T profile:I background
//                              the page's layer, palette layer and tab buttons, the segmented
//                              control, the tab-view actions of the qwerty, alphabet and device
//                              palettes, the profile list, a click on the page's background
//   undo rollback factory factoryall
//                              undo, roll back, selected profile or all profiles to factory
//   later ok cancel            hold messages from now on; answer the oldest OK or Cancel
class EditFixture
{
public:
    struct KeyEdit
    {
        int profile = 0;
        FnMode layer = FnMode::Normal;
        int key = 0;
        qint32 usageId = 0;
    };

    // The usage every profile's factory keymap holds: letters and digits on the normal layer
    // with the Fn1 key on key 80, F1 to F12 on Fn1, "as on the normal layer" (1) on Fn2, nothing
    // on Fn3.
    static qint32 factoryUsage(int profile, FnMode layer, int key);
    static std::shared_ptr<ProfileListDataEntity> factoryProfiles();
    // The factory profiles with the edits applied.
    static std::shared_ptr<ProfileListDataEntity> editedProfiles(const QList<KeyEdit> &edits);

    // The keyboard holds the factory keymaps with physicalEdits applied.
    explicit EditFixture(const QList<KeyEdit> &physicalEdits = {}, bool pointingStick = false,
                         const QList<bool> &gesturePads = {true, true, true, true},
                         const QList<bool> &dipSwitch = {false, false, false, false, false, false},
                         KeyboardLayoutType layout = KeyboardLayoutType::Japanese);

    void run(const QString &steps);
    // The entries of the selected profile that differ from the keyboard's, such as
    // "N[5]=0x6 F1[5]=0x6".
    QString changedEntries() const;
    // The picks and the hint, such as "clickedVirtualKey<-normal drawn=5 slide=- usage=-
    // hint=assignKey".
    QString picks() const;

    FakeEditPorts ports;
    bool isCheckingFunction = false;
    KeymapEditModel model;

private:
    void runStep(const QString &name, int argument);
};
