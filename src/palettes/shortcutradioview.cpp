#include "shortcutradioview.h"

#include "drawinginfo.h"
#include "imageprovider.h"
#include "keyboardconfig.h"
#include "paintkit.h"
#include "radiobutton.h"
#include "themegeometry.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr double cornerRadius = 3.0;
constexpr double borderWidth = 2.0;
// The text image at the row's left, the two buttons at its right.
constexpr QRectF textImageFrame{6, 4.5, 72, 16};
constexpr QRect lRadioButtonFrame{92, 0, 32, 25};
constexpr QRect rRadioButtonFrame{128, 0, 32, 25};

const DrawingInfo::ModifierIconImages &textImages(ShortCutType shortcutType)
{
    const DrawingInfo::KeymapPage &page = DrawingInfo::keymapPage();
    switch (shortcutType) {
    case ShortCutType::Control:
        return page.controlIcon;
    case ShortCutType::Shift:
        return page.shiftIcon;
    case ShortCutType::Alt:
        return page.altIcon;
    case ShortCutType::Cmd:
        break;
    }
    return page.commandIcon;
}

} // namespace

ShortcutRadioView::ShortcutRadioView(ShortCutType shortcutType, QWidget *parent)
    : QWidget(parent)
    , m_shortcutType(shortcutType)
{
    resize(ThemeGeometry::shortcutRadioViewSize.toSize());
    m_lRadioButton = addRadioButton(QStringLiteral("L"), true);
    m_lRadioButton->setGeometry(lRadioButtonFrame);
    m_rRadioButton = addRadioButton(QStringLiteral("R"), false);
    m_rRadioButton->setGeometry(rRadioButtonFrame);
    showState(false, true);
}

// The button toggles itself on a click; the palette decides from the state before it and shows
// the outcome on every row, this one included. The clicked button keeps the pointer's look.
RadioButton *ShortcutRadioView::addRadioButton(const QString &title, bool isLeft)
{
    auto *button = new RadioButton(title, this);
    button->setAction([this, isLeft](RadioButton &sender, bool wasSelected) {
        sender.setIsSelected(wasSelected);
        m_onSideClick(isLeft);
        sender.setImage(RadioButton::imageFor(sender.isSelected(), true));
    });
    return button;
}

void ShortcutRadioView::showState(bool isSelected, bool isLeft)
{
    m_isSelected = isSelected;
    const bool leftSelected = !isSelected || isLeft;
    m_lRadioButton->setIsSelected(leftSelected);
    m_lRadioButton->setImage(RadioButton::imageFor(leftSelected, false));
    m_rRadioButton->setIsSelected(!leftSelected);
    m_rRadioButton->setImage(RadioButton::imageFor(!leftSelected, false));
    m_lRadioButton->setVisible(isSelected);
    m_rRadioButton->setVisible(isSelected);
    update();
}

QString ShortcutRadioView::textImage() const
{
    const DrawingInfo::ModifierIconImages &images = textImages(m_shortcutType);
    return m_isSelected ? images.selected : images.unSelected;
}

// The colour table names the not-chosen background "selected" and the chosen one "normal".
QColor ShortcutRadioView::backgroundColor() const
{
    const ShortcutRadioConfig &colors = KeyBoardConfig::shared().buttons.shortcutRadio;
    if (!m_isSelected)
        return colors.selectedBackground();
    return m_hovered ? colors.mouseOverSelectedBackground() : colors.normalBackground();
}

QColor ShortcutRadioView::borderColor() const
{
    const ShortcutRadioConfig &colors = KeyBoardConfig::shared().buttons.shortcutRadio;
    return m_hovered && !m_isSelected ? colors.mouseOverBorderColor() : colors.normalBorderColor();
}

void ShortcutRadioView::enterEvent(QEnterEvent *)
{
    setHovered(true);
}

void ShortcutRadioView::leaveEvent(QEvent *)
{
    setHovered(false);
}

void ShortcutRadioView::setHovered(bool hovered)
{
    m_hovered = hovered;
    update();
}

void ShortcutRadioView::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton) {
        // The pointer is over the row that it clicks.
        m_hovered = true;
        m_onRowClick();
    }
}

// The click was the press's; the release goes no further.
void ShortcutRadioView::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void ShortcutRadioView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintKit::fillRounded(painter, rect(), cornerRadius, backgroundColor(), borderColor(),
                          borderWidth);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap text = ImageProvider::sharedInstance().pixmap(textImage(), devicePixelRatioF());
    painter.drawPixmap(textImageFrame, text, QRectF(text.rect()));
}
