#include "assignkeyviewcontroller.h"

#include "assignkeyview.h"

#include <QEvent>

AssignKeyViewController::AssignKeyViewController(qint32 usageId,
                                                 KeyboardLayoutType keyboardLayoutType,
                                                 KeyboardColorType keyboardColorType,
                                                 bool isAssigned)
    : AssignKeyViewController(usageId, keyboardLayoutType, keyboardColorType, isAssigned,
                              new AssignKeyView)
{}

AssignKeyViewController::AssignKeyViewController(qint32 usageId,
                                                 KeyboardLayoutType keyboardLayoutType,
                                                 KeyboardColorType keyboardColorType,
                                                 bool isAssigned, AssignKeyView *view)
    : m_keyFace(keyboardColorType, keyboardLayoutType)
    , m_assignKeyView(view)
    , m_usageId(usageId)
    , m_isAssigned(isAssigned)
{
    view->setOnMouseUp([this] { m_afterKeyClick(*this); });
    view->setOnDragStart([this] { m_afterKeyDrag(*this); });
    view->installEventFilter(this);
}

// The view leaves the filter first: its destruction still sends events.
AssignKeyViewController::~AssignKeyViewController()
{
    if (m_assignKeyView) {
        m_assignKeyView->removeEventFilter(this);
        delete m_assignKeyView.data();
    }
}

void AssignKeyViewController::select()
{
    m_assignKeyView->showSelectedEffect();
}

void AssignKeyViewController::unselect()
{
    m_assignKeyView->hideSelectedEffect();
}

void AssignKeyViewController::updateKeyStatus(bool newValue)
{
    m_toDisplayBorderOnMouseOver = newValue;
}

void AssignKeyViewController::changeKeyViewStatus(bool toDisplayBorderOnMouseOver)
{
    m_assignKeyView->setToShowSelectedEffectOnMouseOver(toDisplayBorderOnMouseOver);
}

void AssignKeyViewController::updateKey(bool isAssigned)
{
    m_isAssigned = isAssigned;
    displayCharacterInKeyView(m_usageId, isAssigned);
}

void AssignKeyViewController::displayCharacterInKeyView(qint32 usageId, bool isAssigned)
{
    m_hasLayouted = true;
    const double width = m_assignKeyView->width();
    m_assignKeyView->displayCharacter(m_keyFace.getCharImage(usageId, width, m_isShortcut),
                                      isAssigned,
                                      m_keyFace.getToolTipString(usageId, width, m_isShortcut));
}

// The legend's name depends on the key's width, so the first drawing waits for the key to be
// placed and shown.
bool AssignKeyViewController::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Polish && !m_hasLayouted && watched == m_assignKeyView)
        displayCharacterInKeyView(m_usageId, m_isAssigned);
    return QObject::eventFilter(watched, event);
}
