#include "firmuppageview.h"

#include "firmuppageviewcontroller.h"
#include "firmupviewstate.h"
#include "firmwareiobutton.h"
#include "firmwarereadbutton.h"
#include "firmwaretextfield.h"
#include "localizedstrings.h"
#include "pointingsticklayer.h"
#include "returnbutton.h"
#include "shelllook.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QTimer>

namespace {

// The way back sits in the page's top left corner, known by its arrow alone.
constexpr QRectF returnButtonFrame{54, 906, 64, 64};
// Below the slide keys, in a column that starts where the drawn keyboard starts.
constexpr qreal columnX = 384;
constexpr qreal labelWidth = 566;
constexpr qreal currentVersionY = 404;
constexpr qreal firmdataVersionY = 376;
constexpr qreal versionWarningY = 352;
constexpr QRectF firmPathFrame{columnX, 290, 418, 32};
constexpr QRectF readButtonFrame{812, 290, 138, 32};
// Under the middle of the drawn keyboard, the size of the start page's buttons.
constexpr QRectF firmupButtonFrame{547, 120, 240, 120};
// The versions are written, and the warning placed, in a font of this size.
constexpr int versionPixelSize = 12;

QFont versionFont(const QFont &base)
{
    QFont font = base;
    font.setPixelSize(versionPixelSize);
    return font;
}

} // namespace

FirmupPageView::FirmupPageView(ReturnButton *returnButton, QWidget *parent)
    : KeyboardPageView(parent)
    , m_returnButton(returnButton)
    , m_firmupButton(new FirmwareIOButton)
    , m_readButton(new FirmwareReadButton)
    , m_firmPathTextField(new FirmwareTextField)
    , m_currentVersionLabel(makeLabel({columnX, currentVersionY}, labelWidth))
    , m_firmdataVersionLabel(makeLabel({columnX, firmdataVersionY}, labelWidth))
    , m_versionWarningLabel(makeLabel({columnX, versionWarningY}, labelWidth))
{
    m_versionWarningLabel->setText(
        LocalizedStrings::text(QStringLiteral("FirmupPage_VersionWarning")));
    const std::pair<QWidget *, QRectF> placed[] = {{m_returnButton, returnButtonFrame},
                                                   {m_firmPathTextField, firmPathFrame},
                                                   {m_readButton, readButtonFrame},
                                                   {m_firmupButton, firmupButtonFrame}};
    for (const auto &[widget, frame] : placed) {
        widget->resize(frame.size().toSize());
        place(widget, frame.topLeft());
        widget->show();
    }
    setAcceptDrops(true);
    pointLayer()->raise();
}

QLabel *FirmupPageView::makeLabel(QPointF origin, qreal width)
{
    auto *label = new QLabel;
    label->setFont(versionFont(label->font()));
    label->resize(QSizeF(width, 2 * versionPixelSize).toSize());
    ShellLook::setColor(*label, QPalette::WindowText, ShellLook::msgView().txtColor());
    place(label, origin);
    label->show();
    return label;
}

void FirmupPageView::update(const KeyboardDataEntity *keyboardData, const FirmDataEntity *firmData)
{
    const FirmupViewState state = FirmupViewState::of(keyboardData, firmData);
    m_currentVersionLabel->setText(state.currentVersionText);
    if (state.disablesReturn)
        m_returnButton->setEnabled(false);
    m_readButton->setIsEnabled(true);
    m_firmdataVersionLabel->setVisible(state.nextVersionPrefix.has_value());
    m_firmdataVersionLabel->setText(state.nextVersionText);
    m_versionWarningLabel->setVisible(state.showsWarning);
    if (state.showsWarning) {
        // The warning starts where the version number starts.
        const int prefixWidth = QFontMetrics(m_firmdataVersionLabel->font())
                                    .horizontalAdvance(*state.nextVersionPrefix);
        m_versionWarningLabel->move(m_firmdataVersionLabel->x() + prefixWidth,
                                    m_versionWarningLabel->y());
    }
    m_firmupButton->setIsEnabled(state.isUpdateEnabled);
}

void FirmupPageView::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
    else
        event->ignore();
}

void FirmupPageView::dropEvent(QDropEvent *event)
{
    event->acceptProposedAction();
    const QList<QUrl> urls = event->mimeData()->urls();
    auto *page =
        qobject_cast<FirmupPageViewController *>(PageViewController::parentViewController(this));
    if (urls.isEmpty() || !page)
        return;
    // Further files are ignored. The page reads the file after the drop has ended, so that its
    // message does not open inside the drag.
    QTimer::singleShot(0, page, [page, url = urls.first()] { page->ReadFirmware(url); });
}
