#include "writekeymapbutton.h"

#include "keymappageinterface.h"
#include "localizedstrings.h"
#include "shelllook.h"

#include <QMouseEvent>

WriteKeymapButton::WriteKeymapButton(QWidget *parent)
    : IOButton(parent)
{}

void WriteKeymapButton::setButtonStyle()
{
    const QString key = QStringLiteral("KeymapPage_WriteTAVOLabel");
    const QString title = LocalizedStrings::text(key);
    setText(title == key ? QStringLiteral("TAVOへ書込み") : title);
    const auto &images = ShellLook::writeToTAVOButtonImages();
    m_enabledImage = ShellLook::image(images.enable);
    m_disabledImage = ShellLook::image(images.disable);
    m_clickedImage = ShellLook::image(images.clicked);
    const WriteButtonConfig &colors = ShellLook::buttons().writeButton;
    m_disabledBackground = colors.disabledBackground();
    m_clickedBackground = colors.clickedBackground();
    m_mouseOverBackground = colors.mouseOverBackground();
    m_normalBackground = colors.normalBackground();
    m_border = 2.0;
    m_mouseOverBorder = colors.mouseOverBorderColor();
    m_normalBorder = colors.normalBorderColor();
    m_clickedBorder = colors.normalBorderColor();
}

void WriteKeymapButton::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (!releaseInside())
        return;
    if (auto *page =
            qobject_cast<KeymapPageInterface *>(PageViewController::parentViewController(this)))
        page->writeToTAVOButtonEvent();
}
