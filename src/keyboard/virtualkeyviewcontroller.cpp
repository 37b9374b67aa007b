#include "virtualkeyviewcontroller.h"

#include "virtualkeyview.h"

#include <QEvent>

VirtualKeyViewController::VirtualKeyViewController(int keyNumber, qint32 usageId,
                                                   const DefaultUsageIds &defaults,
                                                   KeyboardColorType keyboardColorType,
                                                   KeyboardLayoutType keyboardLayoutType,
                                                   bool isInteractive, bool isMouseKey)
    : VirtualKeyViewController(keyNumber, usageId, defaults, keyboardColorType, keyboardLayoutType,
                               isInteractive, isMouseKey, new VirtualKeyView)
{}

VirtualKeyViewController::VirtualKeyViewController(int keyNumber, qint32 usageId,
                                                   const DefaultUsageIds &defaults,
                                                   KeyboardColorType keyboardColorType,
                                                   KeyboardLayoutType keyboardLayoutType,
                                                   bool isInteractive, bool isMouseKey,
                                                   VirtualKeyView *view)
    : m_keyFace(keyboardColorType, keyboardLayoutType)
    , m_virtualKeyView(view)
    , m_keyNumber(keyNumber)
    , m_usageId(usageId)
    , m_defaults(defaults)
{
    view->setIsMouseKey(isMouseKey);
    view->setIsInteractive(isInteractive);
    view->setOnKeyClick([this] { m_afterKeyClick(*this); });
    view->setOnDragPerform([this] { m_afterKeyDrag(*this); });
    view->installEventFilter(this);
}

VirtualKeyViewController::~VirtualKeyViewController()
{
    if (m_virtualKeyView)
        m_virtualKeyView->removeEventFilter(this);
    delete m_virtualKeyView.data();
}

void VirtualKeyViewController::updateKey(qint32 newUsageId, ProfileMode profileMode, FnMode fnMode)
{
    m_usageId = newUsageId;
    displayCharacterInKeyView(profileMode, fnMode);
}

void VirtualKeyViewController::updateKey(qint32 newUsageId, ProfileMode profileMode, FnMode fnMode,
                                         bool isSpecial)
{
    m_isSpecial = isSpecial;
    updateKey(newUsageId, profileMode, fnMode);
    m_virtualKeyView->setIsSpecial(isSpecial);
}

void VirtualKeyViewController::updateKeyStatus(bool newValue)
{
    m_usageIdWillChange = newValue;
    m_virtualKeyView->setToShowSelectedEffectOnMouseOver(newValue);
}

void VirtualKeyViewController::select()
{
    m_virtualKeyView->showSelectedEffect();
}

void VirtualKeyViewController::unselect()
{
    m_virtualKeyView->hideSelectedEffect();
}

// The legend's name depends on the key's width, so the first display waits for the key to be
// placed; a usage shown before then is not shown again over.
bool VirtualKeyViewController::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Polish && !m_hasLayouted && watched == m_virtualKeyView)
        displayCharacterInKeyView(ProfileMode::Profile1, FnMode::Normal);
    return QObject::eventFilter(watched, event);
}

void VirtualKeyViewController::displayCharacterInKeyView(ProfileMode profileMode, FnMode fnMode)
{
    m_hasLayouted = true;
    m_shortCutInfo = ShortCutInfo::decode(m_usageId);
    const KeyFace::Display display =
        m_keyFace.display(m_usageId, m_defaults.of(profileMode, fnMode), m_virtualKeyView->width());
    m_virtualKeyView->displayCharacter(display.charImage, display.unmodifiedCharImage,
                                       display.isModified, display.tooltip);
}
