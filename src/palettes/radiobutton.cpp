#include "radiobutton.h"

#include "drawinginfo.h"
#include "imageprovider.h"
#include "paintkit.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

// The images are 46 x 13 points with the round mark at their left; the title follows the mark,
// indented by 5 points.
constexpr QSizeF imageSize{46.0, 13.0};
constexpr double markWidth = 13.0;
constexpr double titleIndent = 5.0;
constexpr int titlePixelSize = 11;

} // namespace

RadioButton::RadioButton(const QString &title, QWidget *parent)
    : QWidget(parent)
    , m_title(title)
    , m_isSelected(title == QStringLiteral("L"))
    , m_image(imageFor(m_isSelected, false))
{
    hide();
}

void RadioButton::setImage(const QString &image)
{
    m_image = image;
    update();
}

QString RadioButton::imageFor(bool isSelected, bool isHovered)
{
    const DrawingInfo::RadioButtonImages &images = DrawingInfo::keymapPage().radioButton;
    if (isSelected)
        return isHovered ? images.selectedHover : images.selected;
    return isHovered ? images.unSelectedHover : images.unSelected;
}

// The pointer is over the button after a click, so the new state shows hovered.
void RadioButton::performClick()
{
    const bool wasSelected = m_isSelected;
    m_isSelected = !m_isSelected;
    setImage(imageFor(m_isSelected, true));
    m_action(*this, wasSelected);
}

QSize RadioButton::sizeHint() const
{
    return imageSize.toSize();
}

void RadioButton::enterEvent(QEnterEvent *)
{
    setImage(imageFor(m_isSelected, true));
}

void RadioButton::leaveEvent(QEvent *)
{
    setImage(imageFor(m_isSelected, false));
}

void RadioButton::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

// A release away from the button is no click.
void RadioButton::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && QRectF(rect()).contains(event->position()))
        performClick();
}

void RadioButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF imageFrame(QPointF(0, (height() - imageSize.height()) / 2), imageSize);
    const QPixmap pixmap = ImageProvider::sharedInstance().pixmap(m_image, devicePixelRatioF());
    painter.drawPixmap(imageFrame, pixmap, QRectF(pixmap.rect()));
    const QRectF titleFrame = QRectF(rect()).adjusted(markWidth + titleIndent, 0, 0, 0);
    PaintKit::caption(painter, titleFrame, m_title, titlePixelSize, PaintKit::grey(0.2),
                      Qt::AlignLeft | Qt::AlignVCenter);
}
