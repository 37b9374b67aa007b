#include "backgroundcolors.h"

namespace {
using BC = BackgroundColors;
QColor g(double grey, double alpha = 1.0)
{
    return BC::grey(grey, alpha);
}
} // namespace

const QColor &BackgroundColors::returnButton_MouseExistBackground()
{
    static const QColor color = g(0.2);
    return color;
}

const QColor &BackgroundColors::editButton_MouseExistBackground()
{
    static const QColor color = g(0.2);
    return color;
}

const BC::NavigationButtonColors &BackgroundColors::navigationButton()
{
    static const NavigationButtonColors colors{g(0.2), g(0.4)};
    return colors;
}

const BC::FnButtonColors &BackgroundColors::FnButton()
{
    static const FnButtonColors colors{g(1.0), g(0.8),  g(0.8),  g(0.8), g(0.8),
                                       g(0.8), clear(), clear(), g(0.6), g(0.4)};
    return colors;
}

const BC::TabButtonColors &BackgroundColors::TabButton()
{
    static const TabButtonColors colors{g(0.4), g(0.8), g(0.8), clear()};
    return colors;
}

const BC::TabButtonTitleColors &BackgroundColors::tabButtonTitle()
{
    static const TabButtonTitleColors colors{g(0.2), g(1.0)};
    return colors;
}

const BC::BasicButtonColors &BackgroundColors::BasicButton()
{
    static const BasicButtonColors colors{clear(), clear(), g(0.8), g(1.0), g(0.2), g(0.8)};
    return colors;
}

const BC::WriteButtonColors &BackgroundColors::writeButton()
{
    static const WriteButtonColors colors{g(0.4), g(0.4), g(0.8), g(0.2), clear(), g(0.8)};
    return colors;
}

const BC::IOButtonFontColors &BackgroundColors::ioButtonFontColor()
{
    static const IOButtonFontColors colors{g(0.4), g(1.0), g(0.2)};
    return colors;
}

const BC::MsgButtonColors &BackgroundColors::msgButton()
{
    static const MsgButtonColors colors{g(0.8), g(0.4), g(0.8, 0.3), g(0.8), g(1.0), g(0.2)};
    return colors;
}

const BC::ShortcutRadioViewColors &BackgroundColors::shortcutRadioView()
{
    static const ShortcutRadioViewColors colors{g(0.8), g(0.4), g(0.4), g(0.6), clear(), g(0.8)};
    return colors;
}

const QColor &BackgroundColors::transparent()
{
    static const QColor color = g(0.2);
    return color;
}

const BC::VirtualKeyColors &BackgroundColors::virtualKey()
{
    static const VirtualKeyColors colors{
        {{g(0.8), g(0.8, 0.3), g(0.4, 0.3), g(0.8)}, {g(1.0), g(0.2, 0.3), g(0.8, 0.3), g(0.2)}},
        clear(),
        clear(),
        clear()};
    return colors;
}

const ByKeyboardColor<BC::AssignKeyVariant> &BackgroundColors::assignKey()
{
    static const ByKeyboardColor<AssignKeyVariant> colors{
        {g(0.0), g(0.8), g(1.0, 0.3), g(1.0), g(1.0, 0.5), g(0.2)},
        {g(0.0), g(0.2), g(1.0, 0.3), g(1.0), g(1.0, 0.5), g(0.2)}};
    return colors;
}

const BC::PleaseClickGridColors &BackgroundColors::pleaseClickGrid()
{
    static const PleaseClickGridColors colors{g(0.0), g(1.0), g(0.4)};
    return colors;
}

const QColor &BackgroundColors::profileListViewBackground()
{
    static const QColor color = g(0.4);
    return color;
}

const BC::ProfileSelectedViewColors &BackgroundColors::profileSelectedView()
{
    static const ProfileSelectedViewColors colors{g(0.4), g(0.8), clear(), g(0.8),
                                                  g(0.4), g(0.8), g(1.0),  g(0.2)};
    return colors;
}

const BC::ProfileItemColors &BackgroundColors::profileItem()
{
    static const ProfileItemColors colors{g(0.4), g(0.6), g(0.8), clear(), g(1.0)};
    return colors;
}

const BC::FirmwareTextFieldColors &BackgroundColors::firmwareTextField()
{
    static const FirmwareTextFieldColors colors{g(0.4), g(0.8)};
    return colors;
}

const BC::FirmwareIOButtonColors &BackgroundColors::firmwareIOButton()
{
    static const FirmwareIOButtonColors colors{g(0.2), g(0.8), g(0.4), g(0.4), clear(), g(0.8)};
    return colors;
}

const BC::MsgViewColors &BackgroundColors::msgview()
{
    static const MsgViewColors colors{g(0.0), g(0.8)};
    return colors;
}

const QColor &BackgroundColors::msgMaskViewColor()
{
    static const QColor color = g(0.2, 0.7);
    return color;
}

const QColor &BackgroundColors::updateLinkColor()
{
    static const QColor color = QColor::fromRgbF(0.39215686274509803, 0.6980392156862745, 1.0, 1.0);
    return color;
}

const BC::PointStickAnimationEntry &BackgroundColors::pointStickAnimation()
{
    static const PointStickAnimationEntry colors{g(0.4), g(0.4)};
    return colors;
}

const BC::FirmwareReadButtonColors &BackgroundColors::firmwareReadButton()
{
    static const FirmwareReadButtonColors colors{g(0.4), g(0.8, 0.3), g(0.8),  g(0.4),
                                                 g(0.8), g(0.8),      clear(), g(0.8)};
    return colors;
}

const ByKeyboardColor<BC::SlideAnimationVariant> &BackgroundColors::slideAnimation()
{
    // The hint animation draws white outlines without fill on either keyboard.
    static const SlideAnimationVariant outlines{clear(), g(1.0), clear(), g(1.0)};
    static const ByKeyboardColor<SlideAnimationVariant> colors{outlines, outlines};
    return colors;
}
