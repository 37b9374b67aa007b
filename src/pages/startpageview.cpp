#include "startpageview.h"

#include "drawinginfo.h"
#include "localizedstrings.h"
#include "logger.h"
#include "navigationbutton.h"
#include "shelllook.h"

#include <QLabel>

namespace {

constexpr QSizeF navigationButtonSize{240, 120};
constexpr QPointF keymapPageButtonOrigin{410, 250};
constexpr QPointF firmupPageButtonOrigin{710, 250};
// The name stands above the DIP-switch panel and the drawn keyboard, at the page's left margin.
constexpr QRectF keyboardLabelFrame{54, 920, 700, 44};
constexpr int keyboardLabelPointSize = 22;

NavigationButton *makeNavigationButton(StartPageView &view, QPointF origin)
{
    auto *button = new NavigationButton;
    button->resize(navigationButtonSize.toSize());
    view.place(button, origin);
    // Hidden until titled, and of no use before the page has the keyboard's data to hand over.
    button->hide();
    button->setEnabled(false);
    return button;
}

} // namespace

StartPageView::StartPageView(QWidget *parent)
    : KeyboardPageView(parent)
    , m_keymapPageButton(makeNavigationButton(*this, keymapPageButtonOrigin))
    , m_firmupPageButton(makeNavigationButton(*this, firmupPageButtonOrigin))
    , m_keyboardLabel(new QLabel)
{
    awakeFromNib();
}

void StartPageView::awakeFromNib()
{
    LOG_DEBUG(QStringLiteral("begin"));
    m_keyboardLabel->setObjectName(QStringLiteral("keyboardLabel"));
    m_keyboardLabel->resize(keyboardLabelFrame.size().toSize());
    QFont font = m_keyboardLabel->font();
    font.setPointSize(keyboardLabelPointSize);
    m_keyboardLabel->setFont(font);
    ShellLook::setColor(*m_keyboardLabel, QPalette::WindowText, ShellLook::msgView().txtColor());
    place(m_keyboardLabel, keyboardLabelFrame.topLeft());
    m_keyboardLabel->show();
    LOG_DEBUG(QStringLiteral("end"));
}

void StartPageView::loadView()
{
    const DrawingInfo::BasicButton &images = DrawingInfo::basicButton();
    m_firmupPageButton->show();
    m_keymapPageButton->show();
    setNavigationButton(*m_keymapPageButton, images.keymapPageInactive, images.keymapPage,
                        images.keymapPage, images.keymapPageClick,
                        LocalizedStrings::text(QStringLiteral("StartPage_KeymapButtonLabel")));
    setNavigationButton(*m_firmupPageButton, images.firmupPageInactive, images.firmupPage,
                        images.firmupPage, images.firmupPageClick,
                        LocalizedStrings::text(QStringLiteral("StartPage_FirmupButtonLabel")));
    update();
}

void StartPageView::setNavigationButton(NavigationButton &button, const QString &disabledImageName,
                                        const QString &enabledImageName,
                                        const QString &unClickedImageName,
                                        const QString &clickedImageName, const QString &title)
{
    LOG_DEBUG(QStringLiteral("begin"));
    button.setDisabledImage(ShellLook::image(disabledImageName));
    button.setEnabledImage(ShellLook::image(enabledImageName));
    button.setUnClickedImage(ShellLook::image(unClickedImageName));
    button.setClickedImage(ShellLook::image(clickedImageName));
    QFont font = button.font();
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.0);
    if (LocalizedStrings::language() == QLatin1String("ja"))
        adjustTextKern(font, DrawingInfo::basicButton().kern);
    button.setFont(font);
    button.setText(title);
    LOG_DEBUG(QStringLiteral("end"));
}

void StartPageView::adjustTextKern(QFont &font, double kern)
{
    LOG_DEBUG(QStringLiteral("begin"));
    font.setLetterSpacing(QFont::AbsoluteSpacing, kern);
    LOG_DEBUG(QStringLiteral("end"));
}

void StartPageView::paintEvent(QPaintEvent *event)
{
    draw(event);
}

void StartPageView::draw(QPaintEvent *event)
{
    LOG_DEBUG(QStringLiteral("begin"));
    KeyboardPageView::paintEvent(event);
    LOG_DEBUG(QStringLiteral("end"));
}
