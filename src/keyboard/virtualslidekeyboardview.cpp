#include "virtualslidekeyboardview.h"

#include "bottomleftspace.h"
#include "drawinginfo.h"
#include "gesturepadbutton.h"
#include "imageview.h"
#include "keyboardconfig.h"
#include "localizedstrings.h"
#include "logger.h"
#include "paintkit.h"
#include "slidehintview.h"
#include "themegeometry.h"
#include "virtualslidesqarekeyview.h"

#include <QLabel>

namespace {
constexpr int captionPixelSize = 13;

// The captions' string keys, in pad order.
const std::array<const char *, VirtualSlideKeyboardView::padCount> captionKeys{
    "SlideKeyboard_SideLeftLabel", "SlideKeyboard_FrontLeftLabel", "SlideKeyboard_FrontRightLabel",
    "SlideKeyboard_SideRightLabel"};
} // namespace

VirtualSlideKeyboardView::VirtualSlideKeyboardView(QWidget *parent)
    : QWidget(parent)
    , m_backgroundImageView(new ImageView(this))
{
    setFixedSize(ThemeGeometry::slidePanelSize.toSize());
    m_backgroundImageView->setGeometry(rect());
    for (int pad = 0; pad < padCount; ++pad)
        addPad(pad);
    m_hintView = new SlideHintView(m_slideHint, m_padImages.front());
    m_hintView->setGeometry(m_padImages.front()->rect());
    m_hintView->hide();
    connect(&m_slideHint, &SlideHintAnimation::drawingChanged, this,
            &VirtualSlideKeyboardView::showSlideHint);
}

VirtualSlideKeyboardView::~VirtualSlideKeyboardView()
{
    // The hint's drawing goes before the hint itself.
    delete m_hintView;
}

// The caption names the pad at the left of the row below its picture; the switch sits at the
// row's right end.
void VirtualSlideKeyboardView::addPad(int padIndex)
{
    const BottomLeftSpace space(height());
    auto *image = new ImageView(this);
    image->setObjectName(QStringLiteral("gesturePadImage%1").arg(padIndex));
    image->setGeometry(space.toQt(ThemeGeometry::gesturePadFrame(padIndex)).toRect());
    m_padImages.at(padIndex) = image;

    const QRect captionRow = space.toQt(ThemeGeometry::gesturePadCaptionFrame(padIndex)).toRect();
    auto *caption =
        new QLabel(LocalizedStrings::text(QString::fromLatin1(captionKeys.at(padIndex))), this);
    caption->setObjectName(QStringLiteral("slide%1TextField").arg(padIndex));
    caption->setGeometry(captionRow);
    caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette palette = caption->palette();
    palette.setColor(QPalette::WindowText, PaintKit::enabledInk());
    caption->setPalette(palette);
    QFont font = caption->font();
    font.setPixelSize(captionPixelSize);
    caption->setFont(font);
    m_captions.at(padIndex) = caption;

    auto *button = new GesturePadButton(this);
    QRect switchFrame(QPoint(), button->size());
    switchFrame.moveCenter(captionRow.center());
    switchFrame.moveRight(captionRow.right());
    button->setGeometry(switchFrame);
    m_padButtons.at(padIndex) = button;
}

void VirtualSlideKeyboardView::drawSlideKeyboard(const QList<QRectF> &frameRects,
                                                 const QList<VirtualSlideSqareKeyView *> &keyViews)
{
    LOG_DEBUG(QStringLiteral("begin"));
    m_backgroundImageView->setImageName(KeyBoardConfig::shared().slideKey.backgroundImage());
    addAllSlideKeys(frameRects, keyViews);
    LOG_DEBUG(QStringLiteral("end"));
}

void VirtualSlideKeyboardView::addAllSlideKeys(const QList<QRectF> &frameRects,
                                               const QList<VirtualSlideSqareKeyView *> &keyViews)
{
    LOG_DEBUG(QStringLiteral("begin"));
    const KeyboardColorType themeColor = KeyBoardConfig::shared().slideKey.keyboardColorType();
    const double cornerRadius = DrawingInfo::virtualSlideKey().cornerRadius.of(themeColor);
    const BottomLeftSpace space(height());
    const qsizetype count = std::min(frameRects.size(), keyViews.size());
    for (qsizetype index = 0; index < count; ++index) {
        VirtualSlideSqareKeyView *view = keyViews.at(index);
        view->setParent(this);
        view->drawKey(frameRects.at(index), cornerRadius, space);
        view->setIndex(int(index));
        view->show();
    }
    LOG_DEBUG(QStringLiteral("end"));
}

void VirtualSlideKeyboardView::showSlideHint()
{
    if (!m_slideHint.isDrawn()) {
        m_hintView->hide();
        return;
    }
    ImageView *pad = m_padImages.at(m_slideHint.padIndex());
    if (m_hintView->parentWidget() != pad) {
        m_hintView->setParent(pad);
        m_hintView->setGeometry(pad->rect());
    }
    m_hintView->show();
    m_hintView->raise();
    m_hintView->update();
}
