#include "dipswitchview.h"

#include "bottomleftspace.h"
#include "drawinginfo.h"
#include "imageview.h"
#include "localizedstrings.h"
#include "paintkit.h"
#include "themegeometry.h"

#include <QLabel>

namespace {
constexpr double errorIconSize = 12;
// The difference mark rings the switch.
constexpr double errorMarkMargin = 2;
} // namespace

DipSwitchView::DipSwitchView(QWidget *parent)
    : QWidget(parent)
{
    const QSizeF block = ThemeGeometry::dipPanelSize;
    setFixedSize(QSizeF(block.width(), block.height() + captionHeight).toSize());

    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("dipswitchTextField"));
    m_caption->setGeometry(0, 0, width(), captionHeight);
    m_caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette palette = m_caption->palette();
    palette.setColor(QPalette::WindowText, PaintKit::enabledInk());
    m_caption->setPalette(palette);
    QFont font = m_caption->font();
    font.setPixelSize(13);
    m_caption->setFont(font);

    addImage(DrawingInfo::dipImage().startpage, QRect(QPoint(0, captionHeight), block.toSize()),
             QStringLiteral("backgroundImageView"));
    for (int index = 0; index < switchCount; ++index)
        addSwitch(index);
}

QString DipSwitchView::tooltipText()
{
    QString text;
    for (int number = 1; number <= switchCount; ++number) {
        const QString prefix = QStringLiteral("DIPSWTooltip%1_").arg(number);
        text += LocalizedStrings::text(prefix + QStringLiteral("No"));
        text += LocalizedStrings::text(prefix + QStringLiteral("Content"));
    }
    return text;
}

void DipSwitchView::enterEvent(QEnterEvent *)
{
    setToolTip(tooltipText());
}

void DipSwitchView::leaveEvent(QEvent *)
{
    setToolTip(QString());
}

ImageView *DipSwitchView::addImage(const QString &name, const QRect &frame,
                                   const QString &objectName)
{
    auto *image = new ImageView(this);
    image->setObjectName(objectName);
    image->setImageName(name);
    image->setGeometry(frame);
    return image;
}

// The switch's pictures lie in the block's space, below the caption.
void DipSwitchView::addSwitch(int index)
{
    const QRectF slot = BottomLeftSpace(ThemeGeometry::dipPanelSize.height())
                            .toQt(ThemeGeometry::dipSwitchFrame(index))
                            .translated(0, captionHeight);
    const QString name = QStringLiteral("switch%1").arg(index + 1);
    m_switchOn.append(addImage(QStringLiteral("DIP_sw_on"), slot.toRect(), name + "On"));
    m_switchOff.append(addImage(QStringLiteral("DIP_sw_off"), slot.toRect(), name + "Off"));
    const QRectF mark =
        slot.adjusted(-errorMarkMargin, -errorMarkMargin, errorMarkMargin, errorMarkMargin);
    m_switchError.append(addImage(QStringLiteral("DIP_sw_error"), mark.toRect(), name + "Error"));
    const QRectF icon(slot.center().x() - errorIconSize / 2, mark.top() - errorIconSize - 1,
                      errorIconSize, errorIconSize);
    m_switchErrorIcon.append(
        addImage(QStringLiteral("icn_error_48"), icon.toRect(), name + "ErrorIcon"));
}
