#pragma once

#include "enterkeydataentity.h"
#include "enumerations.h"
#include "keyboardpageinterface.h"
#include "pageviewcontroller.h"
#include "profilelistdataentity.h"
#include "profileselectedviewcontroller.h"

#include <QEvent>
#include <QPointF>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <optional>

class ImageView;
class PointingStickLayer;
class ProfileListViewController;

inline const QString englishBlack = QStringLiteral("KX-QR300B");
inline const QString englishWhite = QStringLiteral("KX-QR300Y");
inline const QString japaneseBlack = QStringLiteral("KX-QR320B");
inline const QString japaneseWhite = QStringLiteral("KX-QR320Y-EM");

// Six DIP switches, all off but switch 5 as asked.
QList<bool> dipSwitches(bool dip5 = false);
// An L-shaped key's list of a key-frame file: box, two arms, start point and one whole corner.
QList<double> lShapedFrame();
std::shared_ptr<ProfileListDataEntity> factoryProfiles(const QString &typeNumber);
// The user's setting that Fn keys are checked in their own layer only.
void setCheckingFunction(bool isCheckingFunction);

// An L-shaped Enter key with its box at (100, 10), y up, 60 wide and 50 high: a top arm over the
// whole width and a bottom arm from x 20, so that the notch lies at the lower left, drawn
// counter-clockwise from the middle of its bottom edge with corners of radius 4; the inner corner
// is the one clockwise arc.
EnterKeyDataEntity lShapedEnterKey();

// Sends a mouse event of the left button at pos of widget, as Qt delivers it: ignored events go
// on to the parents. Moves are made with the button held.
void sendMouse(QWidget *widget, QEvent::Type type, QPointF pos);
// The pointer, no button held, comes onto widget at pos, moves to pos, or leaves widget.
void sendEnter(QWidget *widget, QPointF pos);
void sendHover(QWidget *widget, QPointF pos);
void sendLeave(QWidget *widget);

// Sends log lines and settings into a folder of its own while it lives.
class TestFolders
{
public:
    TestFolders() { reset(); }
    ~TestFolders();
    // Points them there again, as after a ResourceFixture, and sets back a black keyboard, the
    // English language and the Fn-key setting off.
    void reset();

private:
    QTemporaryDir m_folder;
};

// A page of full window size holding the drawn keyboard's picture with the stick's mark, the
// leader line and the profile tile, as the start, keymap and firmware pages do, and whatever a
// test places on it. It logs what its keys and panels ask of it ("hide list", "line shown",
// "line hidden", "profile 2") and the presses and releases that reach its own view ("page
// press", "page release").
class KeyboardPage : public PageViewController, public KeyboardPageInterface
{
public:
    explicit KeyboardPage(bool isKeymapPage = true);
    ~KeyboardPage() override;

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
    bool show();
    // A press of button (the left one unless named) at press of widget and its release at
    // release (the same point without one), as the window delivers them.
    void click(const QWidget *widget, QPoint press, std::optional<QPoint> release = {},
               Qt::MouseButton button = Qt::LeftButton);
    void click(const QWidget *widget, Qt::MouseButton button = Qt::LeftButton)
    {
        click(widget, widget->rect().center(), {}, button);
    }
    // The press or the release alone, of button at point of widget.
    void mouse(QEvent::Type type, const QWidget *widget, QPoint point,
               Qt::MouseButton button = Qt::LeftButton);
    // A palette key dragged onto widget and dropped at its centre.
    static void dropOn(QWidget *widget);
    // Sends widget the pointer's entry (isInside) or exit.
    static void sendHover(QWidget *widget, bool isInside);
    // Writes the page, or any widget, into the build's screenshots folder.
    void save(const QString &fileName);
    static void save(QWidget &widget, const QString &fileName);

    PointingStickLayer *pointLayer() const { return m_pointLayer; }
    ImageView *stickMark() const { return m_stickMark; }
    ProfileSelectedViewController &profileViewController() { return m_profileViewController; }
    ProfileListViewController *profileListViewController() const
    {
        return m_profileListViewController.get();
    }

    QStringList log;

protected:
    QWidget *loadView() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_isKeymapPage = true;
    PointingStickLayer *m_pointLayer = nullptr;
    ImageView *m_keyboard = nullptr;
    ImageView *m_stickMark = nullptr;
    ProfileSelectedViewController m_profileViewController;
    std::unique_ptr<ProfileListViewController> m_profileListViewController;
};
