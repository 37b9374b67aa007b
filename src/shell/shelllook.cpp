#include "shelllook.h"

#include "imageprovider.h"
#include "keyboardconfig.h"
#include "paintkit.h"

#include <QGraphicsDropShadowEffect>
#include <QGuiApplication>
#include <QPainter>
#include <QWidget>

const MsgViewConfig &ShellLook::msgView()
{
    return KeyBoardConfig::shared().msgView;
}

const ButtonsConfig &ShellLook::buttons()
{
    return KeyBoardConfig::shared().buttons;
}

void ShellLook::paintMsgViewBackground(QWidget &view)
{
    QPainter painter(&view);
    painter.setRenderHint(QPainter::Antialiasing);
    // A shade lighter than the pages, so that the message stands out over its mask.
    PaintKit::fillRounded(painter, QRectF(view.rect()), 3.0, QColor::fromRgbF(0.27f, 0.27f, 0.27f));
}

QColor ShellLook::pageBackground()
{
    return KeyBoardConfig::shared().transparent();
}

QColor ShellLook::updateLinkColor()
{
    return KeyBoardConfig::shared().updateLinkColor();
}

QGraphicsEffect *ShellLook::msgViewShadow(QWidget *owner)
{
    auto *shadow = new QGraphicsDropShadowEffect(owner);
    QColor shadowColor = msgView().shadowColor();
    shadowColor.setAlphaF(0.4f);
    shadow->setColor(shadowColor);
    shadow->setOffset(0, 3);
    shadow->setBlurRadius(6);
    return shadow;
}

qreal ShellLook::basicButtonCornerRadius()
{
    return DrawingInfo::basicButton().cornerRadius;
}

const DrawingInfo::WriteToTAVOButtonImages &ShellLook::writeToTAVOButtonImages()
{
    return DrawingInfo::keymapPage().writeToTAVOButton;
}

void ShellLook::setColor(QWidget &widget, QPalette::ColorRole role, const QColor &color)
{
    QPalette palette = widget.palette();
    palette.setColor(role, color);
    widget.setPalette(palette);
}

QPixmap ShellLook::image(const QString &name)
{
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    return ImageProvider::sharedInstance().pixmap(name, ratio);
}
