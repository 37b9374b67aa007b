#include "virtualkeyboardview.h"

#include "bottomleftspace.h"
#include "drawinginfo.h"
#include "drawnkeyboardlayout.h"
#include "keyboardconfig.h"
#include "logger.h"
#include "pointimageview.h"
#include "primarybuttonfilter.h"
#include "themegeometry.h"
#include "virtualenterkeyview.h"

#include <QMouseEvent>

VirtualKeyboardView::VirtualKeyboardView(QWidget *parent)
    : QWidget(parent)
    , m_backgroundImageView(new ImageView(this))
{
    setFixedSize(ThemeGeometry::keyboardViewSize.toSize());
    m_backgroundImageView->setGeometry(rect());
    m_backgroundImageView->setImageName(DrawingInfo::virtualKeyboard().defalut);
    // Only the left button's click beside the keys drops the pick; the others go on to the page.
    PrimaryButtonFilter::install(*this);
}

void VirtualKeyboardView::drawKeyboard(const QString &backgroundImage,
                                       const DrawnKeyboardLayout &layout,
                                       const QList<VirtualKeyView *> &keyViews)
{
    LOG_DEBUG(QStringLiteral("begin"));
    m_backgroundImageView->setImageName(backgroundImage);
    addAllKeys(layout, keyViews);
    addPointImage();
    LOG_DEBUG(QStringLiteral("end"));
}

// Keys are added in drawn order, so later keys lie above earlier ones. The L-shaped Enter key,
// drawn from an outline of its own, is drawn in a pass before the rectangular keys.
void VirtualKeyboardView::addAllKeys(const DrawnKeyboardLayout &layout,
                                     const QList<VirtualKeyView *> &keyViews)
{
    LOG_DEBUG(QStringLiteral("begin"));
    const KeyboardColorType themeColor = KeyBoardConfig::shared().virtualKey.keyboardColorType();
    const double cornerRadius = DrawingInfo::virtualKeyboard().cornerRadius.of(themeColor);
    const BottomLeftSpace space(height());
    const auto enterKeyView = [&](qsizetype index) -> VirtualEnterKeyView * {
        auto *enterView = qobject_cast<VirtualEnterKeyView *>(keyViews.at(index));
        return enterView && layout.keys().at(index).enterKey ? enterView : nullptr;
    };
    for (qsizetype index = 0; index < keyViews.size(); ++index) {
        const DrawnKeyboardLayout::Key &key = layout.keys().at(index);
        keyViews.at(index)->setParent(this);
        keyViews.at(index)->setAlignment(key.alignment);
        if (VirtualEnterKeyView *enterView = enterKeyView(index)) {
            LOG_DEBUG(QStringLiteral("frameRect.count > 4"));
            enterView->drawKey(*key.enterKey, key.charLayerHeight, space);
        }
    }
    for (qsizetype index = 0; index < keyViews.size(); ++index) {
        VirtualKeyView *view = keyViews.at(index);
        if (!enterKeyView(index)) {
            LOG_DEBUG(QStringLiteral("frameRect.count <= 4"));
            view->drawKey(layout.keys().at(index).frame, cornerRadius, space);
        }
        view->show();
    }
    LOG_DEBUG(QStringLiteral("end"));
}

void VirtualKeyboardView::addPointImage()
{
    delete m_pointImageView;
    const DrawingInfo::PointImage &point = DrawingInfo::virtualKeyboard().pointImage;
    m_pointImageView = new PointImageView(KeyBoardConfig::shared().virtualKey.pointImage(), this);
    m_pointImageView->setGeometry(
        BottomLeftSpace(height()).frame(point.frameOrigin, point.size).toRect());
    m_pointImageView->show();
}

void VirtualKeyboardView::mousePressEvent(QMouseEvent *event)
{
    m_onMouseDown();
    event->accept();
}

void VirtualKeyboardView::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_onMouseUp())
        event->ignore();
    else
        event->accept();
}
