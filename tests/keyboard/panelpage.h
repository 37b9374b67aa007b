#pragma once

#include "enumerations.h"
#include "keyboardpageinterface.h"
#include "pageviewcontroller.h"
#include "profileselectedviewcontroller.h"

#include <QList>
#include <QPointF>

#include <memory>

class ImageView;
class PointingStickLayer;
class ProfileListViewController;

// A page of full window size that holds the panels as the start, keymap and firmware pages do:
// a drawn keyboard's picture with the stick's mark, the leader line, the profile tile and, while
// open, the profile list. It records what the panels ask of it.
class PanelPage : public PageViewController, public KeyboardPageInterface
{
public:
    explicit PanelPage(bool isKeymapPage = true);
    ~PanelPage() override;

    bool isKeymapPage() const override { return m_isKeymapPage; }
    void showProfileList() override;
    void hideProfileList() override;
    void updateSelectProfileName(int index) override;
    void setPointLayerHidden(bool hidden) override;
    void changeMenuStatusAndUpdateMenu(bool) override {}

    // Puts panel on the page at origin (page coordinates, y upwards).
    void place(QWidget *panel, QPointF origin);
    // The keyboard picture of a layout in the theme's current colour.
    void showKeyboard(KeyboardLayoutType layoutType);
    // Writes the page, or any widget, into the build's screenshots folder.
    void save(const QString &fileName);
    static void save(QWidget &widget, const QString &fileName);
    // Sends widget the pointer's entry (isInside) or exit.
    static void sendHover(QWidget *widget, bool isInside);

    PointingStickLayer *pointLayer() const { return m_pointLayer; }
    ImageView *stickMark() const { return m_stickMark; }
    ProfileSelectedViewController &profileViewController() { return m_profileViewController; }
    ProfileListViewController *profileListViewController() const
    {
        return m_profileListViewController.get();
    }
    const QList<int> &chosenProfiles() const { return m_chosenProfiles; }

protected:
    QWidget *loadView() override;

private:
    static void placeOn(QWidget *page, QWidget *panel, QPointF origin);

    bool m_isKeymapPage = true;
    PointingStickLayer *m_pointLayer = nullptr;
    ImageView *m_keyboard = nullptr;
    ImageView *m_stickMark = nullptr;
    ProfileSelectedViewController m_profileViewController;
    std::unique_ptr<ProfileListViewController> m_profileListViewController;
    QList<int> m_chosenProfiles;
};
