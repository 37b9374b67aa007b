#include "keymappageview.h"

#include "bottomleftspace.h"
#include "dragdata.h"
#include "drawinginfo.h"
#include "editbutton.h"
#include "fnbutton.h"
#include "localizedstrings.h"
#include "pagebuttons.h"
#include "pleaseclickgrid.h"
#include "pointingsticklayer.h"
#include "primarybuttondropfilter.h"
#include "returnbutton.h"
#include "tabbutton.h"
#include "writekeymapbutton.h"

#include <QDropEvent>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QTimer>

namespace {

// The page's own controls, in the page's space (y upwards). The return button stands at the top
// left, the undo button right of the layer tabs, the write button at the bottom right beside the
// palettes, whose tabs stand in a column at the bottom left.
constexpr QRectF returnButtonFrame{24, 928, 48, 48};
constexpr QRectF undoButtonFrame{1004, 874, 42, 42};
constexpr QRectF writeButtonFrame{1176, 24, 160, 56};
constexpr QPointF firstTabButtonOrigin{24, 322};
constexpr QSizeF tabButtonSize{160, 36};
constexpr double tabButtonSpacing = 6;
// The palettes' places fit the largest palette, the shortcut palette at its origin.
constexpr QRectF assignKeyboardTabViewFrame{200, 0, 960, 376};
// The qwerty palette's layer tabs stand above the palette in its place.
constexpr QPointF firstFnButtonInQwertyOrigin{156, 250};
constexpr QSizeF fnButtonSize{110, 35};

const QStringList tabTitleKeys{
    QStringLiteral("KeymapPage_QwertyTabLabel"), QStringLiteral("KeymapPage_AlphabetTabLabel"),
    QStringLiteral("KeymapPage_DeviceTabLabel"), QStringLiteral("KeymapPage_ShortcutTabLabel")};
const QStringList fnTitles{QString(), QStringLiteral("Fn1"), QStringLiteral("Fn2"),
                           QStringLiteral("Fn3")};

} // namespace

KeymapPageView::KeymapPageView(MainWindowController *delegate, QWidget *parent)
    : KeyboardPageView(parent)
{
    setAcceptDrops(true);
    // Only the left button's release drops a palette key, on the page as on its keys.
    PrimaryButtonDropFilter::install(*this, [this] { m_onDragRefused(); });
    buildButtons(delegate);
    buildPaletteTabs();
    using Arrow = PleaseClickGrid::Arrow;
    m_pleaseClickVirtualKeyGrid =
        new PleaseClickGrid(Arrow::up, QStringLiteral("KeymapPage_SelectVirtualKeyLabel"));
    m_pleaseClickAssignKeyGird =
        new PleaseClickGrid(Arrow::down, QStringLiteral("KeymapPage_SelectAssignKeyLabel"));
    // Both hints share one place above everything else; the page shows at most one.
    for (PleaseClickGrid *hint : {m_pleaseClickVirtualKeyGrid, m_pleaseClickAssignKeyGird}) {
        place(hint, DrawingInfo::keymapPage().pleaseClickGrid.origin);
        hint->raise();
    }
}

void KeymapPageView::buildButtons(MainWindowController *delegate)
{
    m_returnButton = PageButtons::makeReturnButton(delegate);
    m_returnButton->resize(returnButtonFrame.size().toSize());
    place(m_returnButton, returnButtonFrame.topLeft());
    m_returnButton->setEnabled(true);

    m_undoButton = new EditButton;
    const DrawingInfo::ButtonImages &undo = DrawingInfo::keymapPage().undo;
    PageButtons::setImages(*m_undoButton, undo.enable, undo.unEnable, undo.click);
    m_undoButton->resize(undoButtonFrame.size().toSize());
    place(m_undoButton, undoButtonFrame.topLeft());

    m_writeToTAVOButton = new WriteKeymapButton;
    m_writeToTAVOButton->resize(writeButtonFrame.size().toSize());
    place(m_writeToTAVOButton, writeButtonFrame.topLeft());
}

void KeymapPageView::buildPaletteTabs()
{
    m_assignKeyboardTabView = new QStackedWidget;
    m_assignKeyboardTabView->resize(assignKeyboardTabViewFrame.size().toSize());
    place(m_assignKeyboardTabView, assignKeyboardTabViewFrame.topLeft());
    for (int index = 0; index < tabTitleKeys.size(); ++index) {
        auto *container = new QWidget;
        container->resize(assignKeyboardTabViewFrame.size().toSize());
        m_assignKeyboardTabView->addWidget(container);
        m_paletteContainers.append(container);

        auto *tab = new TabButton;
        tab->setText(LocalizedStrings::text(tabTitleKeys[index]));
        tab->resize(tabButtonSize.toSize());
        place(tab, firstTabButtonOrigin -
                       QPointF(0, (tabButtonSize.height() + tabButtonSpacing) * index));
        m_tabButtons.append(tab);
    }
    const BottomLeftSpace qwertySpace(assignKeyboardTabViewFrame.height());
    for (int index = 0; index < fnTitles.size(); ++index) {
        auto *tab = new FnButton(paletteContainer(PaletteTab::qwerty));
        tab->setText(fnTitles[index].isEmpty()
                         ? LocalizedStrings::text(QStringLiteral("StandardLayer"))
                         : fnTitles[index]);
        const QPointF origin =
            firstFnButtonInQwertyOrigin + QPointF(fnButtonSize.width() * index, 0);
        tab->setGeometry(qwertySpace.frame(origin, fnButtonSize).toRect());
        m_fnButtonsInQwerty.append(tab);
    }
}

TabButton *KeymapPageView::tabButton(PaletteTab tab) const
{
    return m_tabButtons[static_cast<int>(tab)];
}

QWidget *KeymapPageView::paletteContainer(PaletteTab tab) const
{
    return m_paletteContainers[static_cast<int>(tab)];
}

FnButton *KeymapPageView::fnButtonInQwerty(FnMode mode) const
{
    return m_fnButtonsInQwerty[Enumerations::rawValue(mode)];
}

void KeymapPageView::dragEnterEvent(QDragEnterEvent *event)
{
    dragMoveEvent(event);
}

void KeymapPageView::dragMoveEvent(QDragMoveEvent *event)
{
    if (DragData::isPaletteDrag(event->mimeData(), event->possibleActions())) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

// The drop is reported once the drag has ended, so that nothing it leads to runs inside the drag.
void KeymapPageView::dropEvent(QDropEvent *event)
{
    if (!DragData::isPaletteDrag(event->mimeData(), event->possibleActions())) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    QTimer::singleShot(0, this, [this] { m_onDragPerform(); });
}

void KeymapPageView::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    m_onMouseUp();
}
