#include "virtualslidekeyboardviewcontroller.h"

#include "drawinginfo.h"
#include "gesturepadbutton.h"
#include "imageview.h"
#include "keyboardconfig.h"
#include "logger.h"
#include "primarybuttonfilter.h"
#include "resourceloader.h"
#include "slidekeylayout.h"
#include "virtualslidekeyboardview.h"
#include "virtualslidesqarekeyview.h"
#include "virtualslidesqarekeyviewcontroller.h"

#include <QEvent>

#include <array>

namespace {

constexpr int padCount = VirtualSlideKeyboardView::padCount;

// The pads in the order of their flags.
constexpr std::array<GesturePadType, padCount> padTypes{
    GesturePadType::SideLeft, GesturePadType::FrontLeft, GesturePadType::FrontRight,
    GesturePadType::SideRight};

// Four pad flags; a missing one is off, and flags beyond the four are dropped.
QList<bool> fourFlags(const QList<bool> &flags)
{
    QList<bool> four = flags.first(std::min<qsizetype>(flags.size(), padCount));
    four.resize(padCount, false);
    return four;
}

} // namespace

VirtualSlideKeyboardViewController::VirtualSlideKeyboardViewController(QObject *parent)
    : QObject(parent)
    , m_virtualSlideKeyboardView(new VirtualSlideKeyboardView)
{
    m_virtualSlideKeyboardView->installEventFilter(this);
    for (int pad = 0; pad < padCount; ++pad)
        m_virtualSlideKeyboardView->gesturePadButton(pad)->setOwner(this);
}

// The panel goes with its switches, whose owner this is.
VirtualSlideKeyboardViewController::~VirtualSlideKeyboardViewController()
{
    delete m_virtualSlideKeyboardView.data();
}

void VirtualSlideKeyboardViewController::loadSlideKeyboard(const QString &keyboardTypeNumber,
                                                           const QList<bool> &dipSwitch,
                                                           const QList<bool> &gesturePadData,
                                                           bool isInteractive,
                                                           const ProfileListDataEntity &profiles,
                                                           int selectedProfileIndex, bool isKeymap)
{
    ResourceLoader &resourceLoader = ResourceLoader::sharedInstance();
    std::shared_ptr<ProfileListDataEntity> factoryProfiles;
    std::optional<SlideKeyLayout> layout;
    try {
        factoryProfiles = resourceLoader.getDefaultProfilesData(keyboardTypeNumber, dipSwitch);
        const QString &assetName = DrawingInfo::virtualSlideKey().position;
        layout = SlideKeyLayout::load(assetName, resourceLoader.getKeyFrames(assetName));
    } catch (const std::exception &error) {
        LOG_DEBUG(QString::fromUtf8(error.what()));
        throw;
    }

    m_isKeymapView = isKeymap;
    m_keyboardTypeNumber = keyboardTypeNumber;
    m_dipSwitchData = dipSwitch;
    m_gesturePadData = fourFlags(gesturePadData);
    m_isInteractive = isInteractive;
    m_keyboardLayoutType = resourceLoader.getKeyboardLayoutType(keyboardTypeNumber);
    takeColorTypeOnce(keyboardTypeNumber);
    m_keymaps.load(profiles, *factoryProfiles, selectedProfileIndex);

    const QList<VirtualSlideSqareKeyViewController *> keys = getKeyViewControllers();
    forgetSelectedKey();
    deleteTheSameType(*this);
    QList<VirtualSlideSqareKeyView *> keyViews;
    for (VirtualSlideSqareKeyViewController *key : keys) {
        key->setAfterKeyClick([this, key](VirtualKeyViewController &) { selectKey(*key); });
        key->setAfterKeyDrag([this, key](VirtualKeyViewController &) { doAfterKeyDrag(*key); });
        key->setParent(this);
        keyViews.append(key->virtualSlideSqareKeyView());
    }
    m_slideSqareKeyViewControllers = keys;
    m_virtualSlideKeyboardView->drawSlideKeyboard(layout->frames(), keyViews);
    updateSlideSqareKeyViewControllers();
    showPadPictures();
}

QList<VirtualSlideSqareKeyViewController *>
VirtualSlideKeyboardViewController::getKeyViewControllers() const
{
    QList<VirtualSlideSqareKeyViewController *> keys;
    for (const int number : SlideKeyLayout::keyNumbers()) {
        keys.append(new VirtualSlideSqareKeyViewController(
            number, keymapData()->normal.at(number),
            DefaultUsageIds::fromFactoryProfiles(*m_keymaps.defaultProfilesData(), number),
            keyboardColorType(), keyboardLayoutType(), m_isInteractive));
    }
    return keys;
}

void VirtualSlideKeyboardViewController::deleteTheSameType(QObject &mainController)
{
    qDeleteAll(mainController.findChildren<VirtualSlideSqareKeyViewController *>(
        Qt::FindDirectChildrenOnly));
}

// The pictures of the theme's colour.
void VirtualSlideKeyboardViewController::showPadPictures()
{
    const SlideKeyConfig &theme = KeyBoardConfig::shared().slideKey;
    const std::array<QString, padCount> names{theme.sideLeftImage(), theme.frontLeftImage(),
                                              theme.frontRightImage(), theme.sideRightImage()};
    for (int pad = 0; pad < padCount; ++pad)
        m_virtualSlideKeyboardView->gesturePadImage(pad)->setImageName(names.at(pad));
}

void VirtualSlideKeyboardViewController::updateGesturePad()
{
    for (int pad = 0; pad < padCount; ++pad) {
        GesturePadButton *button = m_virtualSlideKeyboardView->gesturePadButton(pad);
        button->setEnabled(true);
        button->setPointingStickStatus(m_isKeymapView, isPadOn(pad), CheckButtonType::GesturePad,
                                       padTypes.at(pad));
        m_virtualSlideKeyboardView->gesturePadImage(pad)->setHidden(!button->isStatusOn());
        button->setDoAfterUpdateGesturePads(
            [this](CheckButtonType checkBtnType, GesturePadType gpType, bool isCheckedInPre) {
                afterUpdateGesturePads(checkBtnType, gpType, isCheckedInPre);
            });
    }
}

void VirtualSlideKeyboardViewController::afterUpdateGesturePads(CheckButtonType checkBtnType,
                                                                GesturePadType gpType,
                                                                bool isCheckedInPre)
{
    m_afterGesturePadModify(checkBtnType, gpType, isCheckedInPre);
}

void VirtualSlideKeyboardViewController::setGesturePadOn(int padIndex, bool isOn)
{
    if (padIndex < 0 || padIndex >= padCount)
        return;
    m_virtualSlideKeyboardView->gesturePadImage(padIndex)->setHidden(!isOn);
    m_gesturePadData = fourFlags(m_gesturePadData);
    m_gesturePadData[padIndex] = isOn;
    updateSlideSqareKeyViewControllers();
}

void VirtualSlideKeyboardViewController::takeGesturePads(const QList<bool> &gesturePads)
{
    m_gesturePadData = fourFlags(gesturePads);
    updateGesturePad();
}

void VirtualSlideKeyboardViewController::updateSlideSqareKeyViewControllers()
{
    for (int position = 0; position < m_slideSqareKeyViewControllers.size(); ++position) {
        m_slideSqareKeyViewControllers.at(position)->virtualKeyView()->setHidden(
            !isPadOn(SlideKeyLayout::padIndex(position)));
    }
}

bool VirtualSlideKeyboardViewController::isPadOn(int padIndex) const
{
    return padIndex < m_gesturePadData.size() && m_gesturePadData.at(padIndex);
}

void VirtualSlideKeyboardViewController::updateKeyboardStatus(bool keymapWillChangeAtOnce,
                                                              std::optional<qint32> newUsageId)
{
    setStatus(keymapWillChangeAtOnce, newUsageId);
    for (VirtualSlideSqareKeyViewController *key : m_slideSqareKeyViewControllers)
        key->updateKeyStatus(keymapWillChangeAtOnce);
}

void VirtualSlideKeyboardViewController::updateKeyboard(const ProfileDataEntity &newKeymapData,
                                                        const QList<bool> &newGesturePads)
{
    takeGesturePads(newGesturePads);
    setKeymapData(newKeymapData);
    displayKeymapOnKeyboard(*keymapData());
}

void VirtualSlideKeyboardViewController::updateKeyboard(
    const ProfileListDataEntity &newProfilesData, const QList<bool> &newGesturePads)
{
    takeGesturePads(newGesturePads);
    setProfilesData(newProfilesData);
    displayKeymapOnKeyboard(*keymapData());
}

bool VirtualSlideKeyboardViewController::checkSpecialKeyNumber(int keyNumber) const
{
    return m_keymaps.checkSpecialKeyNumber(keyNumber, true);
}

void VirtualSlideKeyboardViewController::displayKeymapOnKeyboard(
    const ProfileDataEntity &keymapData)
{
    for (VirtualSlideSqareKeyViewController *key : m_slideSqareKeyViewControllers) {
        const int number = key->keyNumber();
        key->updateKey(m_keymaps.shownUsageId(keymapData, number), profileMode(), fnMode(),
                       checkSpecialKeyNumber(number));
    }
    updateSlideSqareKeyViewControllers();
}

void VirtualSlideKeyboardViewController::displayUsageIdOnKey(int keyNumber, FnMode fnMode,
                                                             qint32 newUsageId)
{
    if (VirtualSlideSqareKeyViewController *key = slideKey(keyNumber))
        key->updateKey(newUsageId, profileMode(), fnMode);
}

void VirtualSlideKeyboardViewController::setProfilesData(
    const ProfileListDataEntity &newProfilesData)
{
    m_keymaps.setProfilesData(newProfilesData);
    m_keymaps.takeEditedProfileMode();
}

void VirtualSlideKeyboardViewController::setKeymapData(const ProfileDataEntity &newKeymapData)
{
    m_keymaps.setKeymapData(newKeymapData);
    m_keymaps.takeEditedProfileMode();
}

void VirtualSlideKeyboardViewController::restoreFnMode()
{
    if (fnMode() == FnMode::Normal)
        return;
    m_keymaps.setFnMode(FnMode::Normal);
    displayKeymapOnKeyboard(*keymapData());
}

void VirtualSlideKeyboardViewController::resetKeyboard(const ProfileListDataEntity &profilesData,
                                                       const QList<bool> &gesturePads)
{
    m_keymaps.resetKeyboard(profilesData);
    takeGesturePads(gesturePads);
    showKeymapAnew();
    m_afterSwitchFnMode();
}

void VirtualSlideKeyboardViewController::updateSlideKeymapWithFn(FnMode updateToFn)
{
    m_keymaps.setFnMode(updateToFn);
    showKeymapAnew();
    m_afterSwitchFnMode();
}

void VirtualSlideKeyboardViewController::updateKeymapWithProfile(
    const ProfileDataEntity &updateToProfile, int selectedProfileIndex)
{
    m_keymaps.updateKeymapWithProfile(updateToProfile, selectedProfileIndex);
    showKeymapAnew();
    m_afterSwitchFnMode();
}

void VirtualSlideKeyboardViewController::updateKeymapWithProfile(int selectedProfileIndex)
{
    m_keymaps.updateKeymapWithProfile(selectedProfileIndex);
    showKeymapAnew();
}

void VirtualSlideKeyboardViewController::showKeymapAnew()
{
    displayKeymapOnKeyboard(*keymapData());
    clearSelectedKey();
}

VirtualSlideSqareKeyViewController *
VirtualSlideKeyboardViewController::slideKey(int keyNumber) const
{
    const std::optional<int> position = SlideKeyLayout::position(keyNumber);
    if (!position || *position >= m_slideSqareKeyViewControllers.size())
        return nullptr;
    return m_slideSqareKeyViewControllers.at(*position);
}

GesturePadButton *VirtualSlideKeyboardViewController::gpSideLeftBtn() const
{
    return m_virtualSlideKeyboardView->gesturePadButton(0);
}

GesturePadButton *VirtualSlideKeyboardViewController::gpSideFrontLeftBtn() const
{
    return m_virtualSlideKeyboardView->gesturePadButton(1);
}

GesturePadButton *VirtualSlideKeyboardViewController::gpSideFrontRightBtn() const
{
    return m_virtualSlideKeyboardView->gesturePadButton(2);
}

GesturePadButton *VirtualSlideKeyboardViewController::gpSideRightBtn() const
{
    return m_virtualSlideKeyboardView->gesturePadButton(3);
}

void VirtualSlideKeyboardViewController::setAfterGesturePadModify(GesturePadReport report)
{
    m_afterGesturePadModify = std::move(report);
}

// A press beside the keys is the panel's own; a release closes the page's profile list, then
// reports a click that ended on a key, or goes on to the page after a press beside the keys.
// Another button than the left one goes on to the page untouched.
bool VirtualSlideKeyboardViewController::eventFilter(QObject *watched, QEvent *event)
{
    const bool press = event->type() == QEvent::MouseButtonPress;
    if ((!press && event->type() != QEvent::MouseButtonRelease) ||
        watched != m_virtualSlideKeyboardView || PrimaryButtonFilter::isOtherButton(*event))
        return QObject::eventFilter(watched, event);
    if (press) {
        mouseDown();
    } else {
        hideProfileList(m_virtualSlideKeyboardView);
        if (mouseUp())
            return false;
    }
    event->accept();
    return true;
}
