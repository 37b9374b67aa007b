#include "shelllook.h"

#include "drawinginfo.h"
#include "imageprovider.h"
#include "keyboardconfig.h"

#include <QGraphicsDropShadowEffect>
#include <QGuiApplication>
#include <QWidget>

namespace {

const ButtonsConfig &buttons()
{
    return KeyBoardConfig::shared().buttons;
}

} // namespace

ShellLook::MsgViewColors ShellLook::msgView()
{
    const MsgViewConfig &config = KeyBoardConfig::shared().msgView;
    return {config.shadowColor(), config.txtColor(), config.msgMaskViewColor()};
}

ShellLook::MsgButtonColors ShellLook::msgButton()
{
    const MsgButtonConfig &config = buttons().msgButton;
    return {config.borderColor(),     config.normalBackground(), config.mouseOverBackground(),
            config.clickBackground(), config.normalTextColor(),  config.clickedTextColor()};
}

ShellLook::BasicButtonColors ShellLook::basicButton()
{
    const BasicButtonConfig &config = buttons().basicButton;
    return {config.normalBorderColor(), config.selectedBorderColor(), config.mouseOverBorderColor(),
            config.normalTextColor(),   config.selectedTextColor(),   config.selectedBackground()};
}

QColor ShellLook::navigationButtonSetColor()
{
    return buttons().navigationButton.setColor();
}

QColor ShellLook::returnButtonMouseExistBackground()
{
    return buttons().returnButton.mouseExistBackground();
}

QColor ShellLook::editButtonMouseExistBackground()
{
    return buttons().editButton.mouseExistBackground();
}

ShellLook::IOButtonColors ShellLook::iOButton()
{
    const IOButtonConfig &config = buttons().iOButton;
    return {config.unEnable(), config.enable(), config.click()};
}

ShellLook::WriteButtonColors ShellLook::writeButton()
{
    const WriteButtonConfig &config = buttons().writeButton;
    return {config.normalBackground(),  config.mouseOverBackground(),
            config.clickedBackground(), config.disabledBackground(),
            config.normalBorderColor(), config.mouseOverBorderColor()};
}

ShellLook::TabButtonColors ShellLook::tabButton()
{
    const TabButtonConfig &config = buttons().tabButton;
    return {config.normalBackground(),  config.selectedBackground(), config.mouseOverBorderColor(),
            config.normalBorderColor(), config.titleSelectedColor(), config.titleUnSelectedColor()};
}

ShellLook::FnButtonColors ShellLook::fnButton()
{
    const FnButtonConfig &config = buttons().fnButton;
    return {config.normalTextColorInAssign(),     config.normalTextColorInOther(),
            config.normalBottomColorInAssign(),   config.normalBottomColorInOther(),
            config.selectedBottomColorInAssign(), config.selectedBottomColorInOther(),
            config.unSelectedBottomColor(),       config.mouseOverBottomColor(),
            config.mouseOverColorInAssign(),      config.mouseOverColorInOther()};
}

QColor ShellLook::msgViewBackground()
{
    // A shade lighter than the pages, so that the message stands out over its mask.
    return QColor::fromRgbF(0.27f, 0.27f, 0.27f);
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
    QColor shadowColor = msgView().shadowColor;
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

ShellLook::ImageNames ShellLook::writeToTAVOButtonImages()
{
    const auto &images = DrawingInfo::keymapPage().writeToTAVOButton;
    return {images.enable, images.disable, images.clicked};
}

QPixmap ShellLook::image(const QString &name)
{
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    return ImageProvider::sharedInstance().pixmap(name, ratio);
}
