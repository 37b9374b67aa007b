#pragma once

#include "assignenterkeyview.h"
#include "assignkeyboardviewcontroller.h"
#include "assignkeyview.h"
#include "enterkeydataentity.h"
#include "keyboardpageinterface.h"
#include "pageviewcontroller.h"
#include "qwertyassignkeyviewcontroller.h"

#include <QEvent>
#include <QLocale>
#include <QStringList>

#include <memory>

// What the palette told the page and what the page saw, in order: "select 4", "decide 4",
// "drag 4" (usages in hex), "drag runs" when a drag would run, "list hidden" and "page release".
using EventLog = QStringList;

// A key view that logs its drags and keeps what they carry instead of running them.
template<typename View>
class RecordingView : public View
{
public:
    struct Session
    {
        QStringList formats;
        QByteArray data;
        Qt::DropActions supportedActions;
        QPixmap pixmap;
        QPoint hotSpot;
    };

    EventLog *log = nullptr;
    QList<Session> sessions;

protected:
    void beginDraggingSession(QDrag *drag, Qt::DropActions supportedActions) override;
};

// A palette key whose view records drags.
class RecordingKey : public QwertyAssignKeyViewController
{
public:
    RecordingKey(qint32 usageId, KeyboardColorType colorType = KeyboardColorType::Black,
                 KeyboardLayoutType layoutType = KeyboardLayoutType::English);

    RecordingView<AssignKeyView> *view() const;
};

// The L-shaped Enter key of a palette, whose view records drags.
class RecordingEnterKey : public QwertyAssignKeyViewController
{
public:
    explicit RecordingEnterKey(KeyboardColorType colorType = KeyboardColorType::Black,
                               KeyboardLayoutType layoutType = KeyboardLayoutType::English);

    RecordingView<AssignEnterKeyView> *view() const;
};

// A keymap page holding one palette, at first an empty one 300 x 100, that logs the palette's
// reports, the closing of its profile list and releases that reach it.
class PaletteFixture : public PageViewController, public KeyboardPageInterface
{
public:
    PaletteFixture();
    ~PaletteFixture() override;

    bool isKeymapPage() const override { return true; }
    void showProfileList() override {}
    void hideProfileList() override { log << QStringLiteral("list hidden"); }
    void updateSelectProfileName(int) override {}
    void setPointLayerHidden(bool) override {}
    void changeMenuStatusAndUpdateMenu(bool) override {}

    // Puts newPalette on the page in place of the palette there, at the page's top left, and
    // logs its reports.
    void hostPalette(AssignKeyboardViewController *newPalette);

    // Paints the page on a grey ground into the build's screenshots folder as
    // "<prefix>-<data tag>.png", in lower case with dashes for spaces, for review by eye.
    bool saveReviewImage(const QString &prefix);

    // A 34 x 34 key with its bottom left at x, y of the palette.
    RecordingKey *addKey(qint32 usageId, double x, double y);
    // The Enter key of enterKey() with its box's bottom left at x, y.
    RecordingEnterKey *addEnterKey(double x, double y);

    // A box 50 wide and 70 high, its upper arm 34 high over the whole width and its lower arm 42
    // wide and 40 high, leaving a notch 8 wide at the bottom left; corners of radius 3.
    static EnterKeyDataEntity enterKey(QPointF origin);

    AssignKeyboardViewController *palette = nullptr;
    EventLog log;

protected:
    QWidget *loadView() override;

private:
    QLocale m_locale;
};

// Sends a mouse event of the left button at pos of widget, as Qt delivers it: ignored events go
// on to the parents. Moves are made with the button held.
void sendMouse(QWidget *widget, QEvent::Type type, QPointF pos);
// The pointer, no button held, comes onto widget at pos, moves to pos, or leaves widget.
void sendEnter(QWidget *widget, QPointF pos);
void sendHover(QWidget *widget, QPointF pos);
void sendLeave(QWidget *widget);
