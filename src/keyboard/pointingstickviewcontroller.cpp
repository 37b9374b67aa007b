#include "pointingstickviewcontroller.h"

#include "gesturepadbutton.h"
#include "pointingsticklayer.h"
#include "pointingstickview.h"
#include "primarybuttonfilter.h"

#include <QEvent>

#include <utility>

PointingStickViewController::PointingStickViewController(bool isKeymapPage, bool pointSickEnable,
                                                         bool pointStickState, QObject *parent)
    : QObject(parent)
    , m_pointingView(new PointingStickView)
    , m_isPointStickOn(pointStickState)
    , m_isPointSickEnable(pointSickEnable)
{
    GesturePadButton *button = image();
    button->setOwner(this);
    button->setDoAfterUpdateGesturePads(
        [this](CheckButtonType checkBtnType, GesturePadType gpType, bool isCheckedInPre) {
            afterUpdateGesturePads(checkBtnType, gpType, isCheckedInPre);
        });
    button->setEnabled(m_isPointSickEnable);
    button->setPointingStickStatus(isKeymapPage, m_isPointStickOn, CheckButtonType::PointingStick,
                                   GesturePadType::None);
    m_pointingView->installEventFilter(this);
}

// The view leaves the filter first: its destruction still sends events.
PointingStickViewController::~PointingStickViewController()
{
    if (m_pointingView) {
        m_pointingView->removeEventFilter(this);
        delete m_pointingView.data();
    }
}

PointingStickView *PointingStickViewController::pointingView() const
{
    return m_pointingView;
}

GesturePadButton *PointingStickViewController::image() const
{
    return m_pointingView->image();
}

void PointingStickViewController::updatePointingStick()
{
    GesturePadButton *button = image();
    button->setIsStatusOn(m_isPointStickOn);
    button->setEnabled(m_isPointSickEnable);
    button->updateButtonImage();
    // The page's refresh shows the plain picture of the state even under the pointer; the hover
    // picture comes back when the pointer next comes onto the switch.
    button->showPlainImage();
}

void PointingStickViewController::afterUpdateGesturePads(CheckButtonType checkBtnType,
                                                         GesturePadType gpType, bool isCheckedInPre)
{
    m_isSwitchFlipped = true;
    m_afterGesturePadModify(checkBtnType, gpType, isCheckedInPre);
}

void PointingStickViewController::mouseEntered()
{
    PointingStickLayer::pointerOver(m_pointingView, true);
}

void PointingStickViewController::mouseExited()
{
    PointingStickLayer::pointerOver(m_pointingView, false);
}

bool PointingStickViewController::eventFilter(QObject *watched, QEvent *event)
{
    // Only the left button flips the switch; another one must not end the flip's click.
    if (PrimaryButtonFilter::isOtherButton(*event))
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::Enter)
        mouseEntered();
    else if (event->type() == QEvent::Leave)
        mouseExited();
    else if (event->type() == QEvent::MouseButtonPress)
        m_isSwitchFlipped = false;
    else if (event->type() == QEvent::MouseButtonRelease &&
             std::exchange(m_isSwitchFlipped, false)) {
        // The release of a click that flipped the switch ends here: the switch's owner has
        // answered the click, and the page beneath would take the release for a click of its
        // own, on the keymap page a second return to the normal state.
        event->accept();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
