#include "profileselectedview.h"

#include "drawinginfo.h"
#include "imageview.h"
#include "keyboardconfig.h"
#include "keyboardpageinterface.h"
#include "legendprovider.h"
#include "paintkit.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr double borderWidth = 2.0;
constexpr int arrowSize = 16;
constexpr int inset = 6;
} // namespace

ProfileSelectedView::ProfileSelectedView(QWidget *parent)
    : QWidget(parent)
    , ProfileTileState(KeyBoardConfig::shared().profile)
    , m_text(new QLabel(this))
    , m_image(new ImageView(this))
{
    setFixedSize(viewSize);
    m_text->setObjectName(QStringLiteral("text"));
    m_text->setAutoFillBackground(true);
    m_text->setIndent(inset);
    m_text->setGeometry(inset, inset, width() - 3 * inset - arrowSize, height() - 2 * inset);
    m_text->setFont(LegendProvider::font(14));
    m_image->setObjectName(QStringLiteral("image"));
    m_image->setGeometry(width() - inset - arrowSize, (height() - arrowSize) / 2, arrowSize,
                         arrowSize);
    lookChanged();
}

void ProfileSelectedView::lookChanged()
{
    QPalette palette = m_text->palette();
    palette.setColor(QPalette::Window, textBackground());
    palette.setColor(QPalette::WindowText, textColor());
    m_text->setPalette(palette);
    m_image->setImageName(arrowImage());
    update();
}

void ProfileSelectedView::enterEvent(QEnterEvent *)
{
    mouseEntered();
}

void ProfileSelectedView::leaveEvent(QEvent *)
{
    mouseExited();
}

// The page opens the list when the tile turns pressed and closes it otherwise; the press stays
// here, so that the page does not take it as a click beside the list.
void ProfileSelectedView::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const bool open = mouseDown();
    KeyboardPageInterface *page = KeyboardPageInterface::of(this);
    if (!page)
        return;
    if (open)
        page->showProfileList();
    else
        page->hideProfileList();
    page->setIsProfileMouseDown(true);
}

void ProfileSelectedView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintKit::fillRounded(painter, rect(), DrawingInfo::profileList().cornerRadius, background(),
                          borderColor(), borderWidth);
}
