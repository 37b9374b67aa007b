#pragma once

#include "assignenterkeyview.h"
#include "assignkeyboardviewcontroller.h"
#include "assignkeyview.h"
#include "keyboardfixture.h"
#include "keyboardpageinterface.h"
#include "pageviewcontroller.h"
#include "qwertyassignkeyviewcontroller.h"

#include <QLocale>
#include <QStringList>

// A key view that logs its drags as "drag runs" and keeps what they carry instead of running
// them.
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

    QStringList *log = nullptr;
    QList<Session> sessions;

protected:
    void beginDraggingSession(QDrag *drag, Qt::DropActions supportedActions) override;
};

// A palette key, or the L-shaped Enter key with View AssignEnterKeyView, whose view records
// drags.
template<typename View = AssignKeyView>
class RecordingKey : public QwertyAssignKeyViewController
{
public:
    explicit RecordingKey(qint32 usageId)
        : QwertyAssignKeyViewController(44, usageId, KeyboardLayoutType::English,
                                        KeyboardColorType::Black, true, new RecordingView<View>)
    {}

    RecordingView<View> *view() const
    {
        return static_cast<RecordingView<View> *>(assignKeyView());
    }
};

// A keymap page on show in English holding one palette, at first an empty one 300 x 100, that
// logs the palette's reports ("select 4", "decide 4", "drag 4", usages in hex), the closing of
// its profile list ("list hidden"), the releases that reach it ("page release") and the drags its
// recording keys would run ("drag runs").
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

    // Puts newPalette on the page in place of the palette there, at the page's top left.
    void hostPalette(AssignKeyboardViewController *newPalette);
    // Paints the page on a grey ground into the build's screenshots folder as
    // "<prefix>-<data tag>.png", in lower case with dashes for spaces, for review by eye.
    bool saveReviewImage(const QString &prefix);

    // A 34 x 34 key with its bottom left at x, y of the palette.
    RecordingKey<> *addKey(qint32 usageId, double x, double y);
    // An Enter key with its box's bottom left at x, y: 50 wide and 70 high, its upper arm 34 high
    // over the whole width and its lower arm 42 wide and 40 high, leaving a notch 8 wide at the
    // bottom left; corners of radius 3.
    RecordingKey<AssignEnterKeyView> *addEnterKey(double x, double y);

    AssignKeyboardViewController *palette = nullptr;
    QStringList log;

protected:
    QWidget *loadView() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLocale m_locale;
};
