#pragma once

#include "keymapcomparewindowport.h"
#include "keymapdriverport.h"
#include "keymapeditmodel.h"
#include "keymapeditobserver.h"
#include "keymapfilepanelport.h"
#include "keymaphandbackport.h"
#include "keymapmenuport.h"
#include "keymapmessageport.h"
#include "keymappageflows.h"
#include "keymapprogressport.h"
#include "resourcefixture.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

// The keymap page's editing model and commands without widgets, on a keyboard read at start. The
// fixture stands in for everything around them and records what it is asked: the messages, held
// or answered at once, the menu flags, the page's redraws, the file panels, a driver that holds
// each write until the test ends it, the progress page, the compare window, the notification hub
// and the start page. Setting files go to the resource fixture's folder, on a connected
// "KX-QR320B".
//
// The keyboard holds the factory keymaps (see factoryUsage()) with the changes its description
// names, separated by blanks: "2:F1[5]=0x2c" (profile index 2, 0 when left out; N, F1, F2 or F3),
// "stick" (on), "pads=1011", "dip=101000", "english" (the layout; Japanese otherwise).
//
// Steps, separated by blanks (numbers decimal or 0x hex). The clicks pick or decide as the
// model's modes say, as the real keyboards and palettes do:
//   key:N slide:N pal:U        click a drawn key, a slide key, a palette key
//   drag:U drop:N dropslide:N droppage
//                              drag a palette key; drop it on a drawn key, a slide key, the page
//   decide:U                   a palette's decide report, whatever the mode
//   nokey noslide nopal nodrag reports that carry no key number or usage
//   special specialslide       a click on a key that may not change on the shown layer
//   fnback fnbackslide palfn   the layer reports of the drawn keyboard, slide keys, palette
//   pad:1..4 stick             flip a gesture pad (SideLeft to SideRight) or the pointing stick
//   layer:L qlayer:L tab:T seg:S tabview:T profile:I background
//                              the layer, palette layer and tab buttons, the segmented control,
//                              the tab-view actions, the profile list, the page's background
//   undo rollback factory      undo, roll back, the selected profile to factory settings
//   alert fnflag               a sheet of the main window is up; the user has once placed an Fn
//                              key in an Fn layer
//   later ok cancel no         hold messages from now on; answer the oldest OK, Cancel or No
//   mark                       forget the redraws recorded so far
//   write done fail mismatch otherkeyboard mcufail
//                              the write button; the running write succeeds, fails, finds the
//                              keyboard in another mode, finds another keyboard, loses the MCU
//   open saveall savecurrent allfactory closecompare
//                              the menu commands, received while the page is shown
//   path:NAME nopath emptypath nopanel
//                              file panels from now on choose NAME in the folder, confirm without
//                              a path or with an empty one, are cancelled
//   dipfile:101000             files are read from now on as made for these DIP switches
//   busy                       a write begins while the next panel is up
//   appear disappear           the page's view is shown or taken away
//   return quit                the return button, clicked or brought by the window's close
class KeymapFixture final : private KeymapMessagePort,
                            private KeymapMenuPort,
                            private KeymapEditObserver,
                            private KeymapDriverPort,
                            private KeymapFilePanelPort,
                            private KeymapProgressPort,
                            private KeymapCompareWindowPort,
                            private KeymapEventSource,
                            private KeymapHandBackPort
{
public:
    struct Write
    {
        std::shared_ptr<ProfileListDataEntity> profilesData;
        std::shared_ptr<KeyboardDataEntity> keyboardData;
        int selectedProfileId = 0;
        bool isInitProfiles = false;
        WriteSuccessCallback onSuccess;
        WriteErrorCallback onError;
    };

    // The usage every profile's factory keymap holds: letters and digits on the normal layer
    // with the Fn1 key on key 80, F1 to F12 on Fn1, "as on the normal layer" (1) on Fn2, nothing
    // on Fn3.
    static qint32 factoryUsage(int profile, FnMode layer, int key);
    // The factory profiles with the changes of a keyboard description.
    static std::shared_ptr<ProfileListDataEntity> profiles(const QString &changes = {});

    explicit KeymapFixture(const QString &keyboard = {});

    // A table of rows that each run steps on a keyboard and name the facts expected after them.
    static void addColumns();
    static void addRow(const char *name, const QString &keyboard, const QString &steps,
                       const QString &facts);
    // The same on the keyboard at factory settings.
    static void addFactoryRow(const char *name, const QString &steps, const QString &facts)
    {
        addRow(name, {}, steps, facts);
    }
    // Runs the current row of such a table.
    static void runRow();

    void run(const QString &steps);
    // The facts that expected names ("history=1 write=on"), each with the value it has now:
    //   state (state<-state before) drawn slide usage hint modes (drawn keyboard, slide keys,
    //   palettes: "pick" or what a click applies) changed (entries of the selected profile that
    //   differ from the keyboard's: "N[5]=0x2c,F1[5]=0x6") messages history write undo menus
    //   layer qlayer tab palette profile pads stick alert keyboard (whether the page shows the
    //   keyboard's profiles, pads and stick) factory (whether it shows the factory profiles)
    //   cleared redrawn hidden marks (selections cleared, layers redrawn, profile list hidden,
    //   palettes' not-assigned marks refreshed, since the last mark) panels writes progress
    //   record (the keyboard record's pads, stick and whether its profiles are those read or
    //   those written) file (whether the panels' file exists) filed (the entries of that file
    //   that differ from the factory keymaps: "1:F2[7]=0x2c") compared (each showing of the
    //   compare window: keyboard's/file's switches) hides stayed terminated handed (what the
    //   start page was handed back).
    // Lists are joined with commas, "-" when empty.
    QString facts(const QString &expected) const;
    QString path(const QString &name) { return resources().root() + name; }
    ResourceFixture &resources();
    // Delivers a command to whoever subscribed, as the notification hub does.
    void post(KeymapPageEvent event);

    // The writes started and not yet finished, oldest first.
    QList<Write> writes;
    std::function<ConfigDataEntity(const QString &path)> readKeymap;
    // Runs while a panel is up, before it answers.
    std::function<void()> whilePanelIsUp = [] {};
    bool isProgressUp = false;

private:
    void runStep(const QString &name, const QString &argument);
    void clickReturnButton(bool isClosing);
    void finishWrite(WriteToTAVOResult result);
    void answer(MessageModalResponseType response);
    void showPanel(const QString &panel, const PathHandler &onConfirm, const DenyHandler &onDeny);

    void showMessage(int number, Completion completion) override;
    void showMessage9005(KeyboardLayoutType layout, Completion completion) override;
    void setMenuFlags(const KeymapMenuFlags &flags) override { m_menuFlags = flags; }
    void selectionsCleared(bool reset) override
    {
        m_events << (reset ? "clear(reset)" : "clear(keep)");
    }
    void drawnKeySelectionCleared() override { m_events << "drawn"; }
    void slideKeySelectionCleared() override { m_events << "slide"; }
    void profileShown(int index) override { m_events << QString("profile(%1)").arg(index); }
    void layerShown(FnMode layer) override { m_events << QString("layer(%1)").arg(int(layer)); }
    void paletteLayerShown(FnMode layer) override
    {
        m_events << QString("paletteLayer(%1)").arg(int(layer));
    }
    void profileListHidden() override { m_events << "hidden"; }
    void assignedMarksChanged() override { m_events << "marks"; }
    void writeAllKeymaps(std::shared_ptr<ProfileListDataEntity> profilesData,
                         std::shared_ptr<KeyboardDataEntity> keyboardData, int selectedProfileId,
                         bool isInitProfiles, WriteSuccessCallback onSuccess,
                         WriteErrorCallback onError) override;
    void showFileOpenModal(const QStringList &types, PathHandler onConfirm,
                           DenyHandler onDeny) override
    {
        showPanel("open(" + types.join('/') + ')', onConfirm, onDeny);
    }
    void showFileSaveModal(const QStringList &types, SaveProfileType type, PathHandler onConfirm,
                           DenyHandler onDeny) override;
    void showProgress(const QString &, const QString &, const QString &) override
    {
        isProgressUp = true;
    }
    void hideProgress() override { isProgressUp = false; }
    bool isProgressShown() const override { return isProgressUp; }
    void showCompareWindow(const QList<bool> &keyboard, const QList<bool> &file) override;
    void hideCompareWindow() override { ++m_hides; }
    void subscribe(Receiver receiver) override { m_receivers << std::move(receiver); }
    void unsubscribe() override { m_receivers.clear(); }
    void updateData(std::shared_ptr<ProfileListDataEntity> profiles,
                    const QList<bool> &gesturePads) override;
    void updatePointingStick(bool pointingStick) override;

    std::unique_ptr<ResourceFixture> m_resources;
    std::shared_ptr<ProfileListDataEntity> m_readProfiles;
    bool m_isAnsweredAtOnce = true;
    bool m_isCheckingFunction = false;
    QList<Completion> m_open;
    QStringList m_messages;
    KeymapMenuFlags m_menuFlags;
    QStringList m_events;
    QStringList m_panels;
    std::optional<std::optional<QString>> m_panelAnswer;
    QString m_chosenPath;
    int m_writesStarted = 0;
    QStringList m_comparisons;
    int m_hides = 0;
    int m_stays = 0;
    int m_terminations = 0;
    QString m_handedBack = QStringLiteral("-");
    QList<Receiver> m_receivers;

public:
    KeymapEditModel model;
    KeymapPageFlows flows;
};
