#include "keyboardpageview.h"

#include "bottomleftspace.h"
#include "fnbutton.h"
#include "pointingsticklayer.h"
#include "primarybuttonfilter.h"
#include "shelllook.h"
#include "themegeometry.h"

#include <QMouseEvent>

namespace {

// The tabs stand in a row above the drawn keyboard's right part, beside the profile tile.
constexpr QPointF firstTabOrigin{554, 878};
constexpr QSizeF tabSize{110, 35};

} // namespace

KeyboardPageView::KeyboardPageView(QWidget *parent)
    : QWidget(parent)
{
    // The drawing tables place everything from the bottom of a page of exactly this size; a
    // larger window shows more background instead of moving the panels.
    setFixedSize(ThemeGeometry::windowContentSize.toSize());
    setAutoFillBackground(true);
    ShellLook::setColor(*this, QPalette::Window, ShellLook::pageBackground());
    const QStringList titles{QString(), QStringLiteral("Fn1"), QStringLiteral("Fn2"),
                             QStringLiteral("Fn3")};
    for (int index = 0; index < titles.size(); ++index) {
        auto *tab = new FnButton(this);
        tab->setText(titles[index]);
        tab->resize(tabSize.toSize());
        place(tab, firstTabOrigin + QPointF(tabSize.width() * index, 0));
        m_fnButtons.append(tab);
    }
    m_pointLayer = new PointingStickLayer(this);
    // Only the left button's click on the page closes the profile list or drops the pick.
    PrimaryButtonFilter::install(*this);
}

FnButton *KeyboardPageView::fnButton(FnMode mode) const
{
    return m_fnButtons[Enumerations::rawValue(mode)];
}

void KeyboardPageView::place(QWidget *child, QPointF origin)
{
    child->setParent(this);
    child->move(BottomLeftSpace(height()).frame(origin, child->size()).topLeft().toPoint());
}

void KeyboardPageView::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    m_onMouseDown();
}
