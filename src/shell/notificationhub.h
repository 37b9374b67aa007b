#pragma once

#include <QAnyStringView>
#include <QObject>

// Carries the menu commands (EditMenuEvent) and the window buttons (GeneralEvent) to whoever
// handles them: one signal per name, posted on the GUI thread and delivered at once.
class NotificationHub : public QObject
{
    Q_OBJECT

public:
    static NotificationHub &sharedInstance();

    // Emits the signal of an EditMenuEvent or GeneralEvent name; false for an unknown name.
    bool post(QAnyStringView name);

signals:
    void clickUndoMenuEvent();
    void clickOpenConfigFileMenuEvent();
    void clickSaveAllConfigFileMenuEvent();
    void clickSaveCurrentConfigFileMenuEvent();
    void clickRollbackMenuEvent();
    void clickCheckUpdatesMenuEvent();
    void clickCloseMenuEvent();
    void clickedCurrentProfileToFactoryMenuEvent();
    void clickedAllProfilesToFactoryMenuEvent();

    void clickCloseCompareWindowEvent();
    void clickCloseUpdateCheckWindowEvent();
    void clickClickKeymapToolUpdateLinkEvent();
    void clickClickTAVOToolUpdateLinkEvent();

private:
    NotificationHub() = default;
};
