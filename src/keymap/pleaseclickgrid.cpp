#include "pleaseclickgrid.h"

#include "drawinginfo.h"
#include "imageview.h"
#include "keyboardconfig.h"
#include "localizedstrings.h"
#include "paintkit.h"
#include "shelllook.h"

#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QPainter>

namespace {

constexpr int gridHeight = 40;
constexpr QRect arrowFrame{16, 10, 17, 19};
// The text starts a little right of the arrow.
constexpr int textOriginX = 41;
constexpr int rightMargin = 30;
constexpr qreal shadowOpacity = 0.4;
constexpr QPointF shadowOffset{0, 3};
constexpr qreal shadowRadius = 3;

} // namespace

PleaseClickGrid::PleaseClickGrid(Arrow arrow, const QString &textKey, QWidget *parent)
    : QWidget(parent)
    , m_imageView(new ImageView(this))
    , m_textField(new QLabel(this))
{
    const DrawingInfo::PleaseClickGrid &drawing = DrawingInfo::keymapPage().pleaseClickGrid;
    const PleaseClickGridConfig &colors = KeyBoardConfig::shared().pleaseClickGrid;
    resize(width(), gridHeight);
    m_imageView->setImageName(arrow == Arrow::up ? drawing.upArrow : drawing.downArrow);
    m_imageView->setGeometry(arrowFrame);
    m_textField->move(textOriginX, 0);
    ShellLook::setColor(*m_textField, QPalette::WindowText, colors.textColor());
    setText(LocalizedStrings::text(textKey));

    auto *shadow = new QGraphicsDropShadowEffect(this);
    QColor shadowColor = colors.shadowColor();
    shadowColor.setAlphaF(shadowOpacity);
    shadow->setColor(shadowColor);
    shadow->setOffset(shadowOffset);
    shadow->setBlurRadius(PaintKit::blurRadius(shadowRadius));
    setGraphicsEffect(shadow);
}

void PleaseClickGrid::setText(const QString &text)
{
    const DrawingInfo::PleaseClickGrid &drawing = DrawingInfo::keymapPage().pleaseClickGrid;
    QFont font = m_textField->font();
    // Japanese hints are long for their place: their letters stand closer.
    const bool isJapanese = LocalizedStrings::language() == QLatin1String("ja");
    font.setLetterSpacing(QFont::AbsoluteSpacing, isJapanese ? drawing.jaKern : 0.0);
    m_textField->setFont(font);
    if (!isJapanese) {
        m_textField->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        m_textField->move(m_textField->x() + qRound(drawing.leftAlignOffset), m_textField->y());
    }
    m_textField->setText(text);
    centerAlign();
}

void PleaseClickGrid::centerAlign()
{
    m_imageView->move(m_imageView->x(), height() / 2 - m_imageView->height() / 2);
    m_textField->adjustSize();
    m_textField->move(m_textField->x(), height() / 2 - m_textField->height() / 2);
    resize(m_textField->x() + m_textField->width() + rightMargin, height());
}

void PleaseClickGrid::paintEvent(QPaintEvent *)
{
    const DrawingInfo::PleaseClickGrid &drawing = DrawingInfo::keymapPage().pleaseClickGrid;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(KeyBoardConfig::shared().pleaseClickGrid.background());
    painter.drawRoundedRect(rect(), drawing.cornerRadius, drawing.cornerRadius);
}
