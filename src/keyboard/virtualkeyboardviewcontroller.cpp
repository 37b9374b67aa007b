#include "virtualkeyboardviewcontroller.h"

#include "drawinginfo.h"
#include "functionchecker.h"
#include "keyboardconfig.h"
#include "logger.h"
#include "resourceloader.h"
#include "virtualenterkeyviewcontroller.h"
#include "virtualkeyboardview.h"
#include "virtualkeyview.h"

VirtualKeyboardViewController::VirtualKeyboardViewController(QObject *parent)
    : QObject(parent)
    , m_virtualKeyboardView(new VirtualKeyboardView)
{
    m_virtualKeyboardView->setOnMouseDown([this] { m_selection.mouseDown(); });
    m_virtualKeyboardView->setOnMouseUp([this] {
        hideProfileList(m_virtualKeyboardView);
        return m_selection.mouseUp();
    });
}

VirtualKeyboardViewController::~VirtualKeyboardViewController()
{
    delete m_virtualKeyboardView.data();
}

void VirtualKeyboardViewController::loadKeyboard(const QString &keyboardTypeNumber,
                                                 const ProfileListDataEntity &profiles,
                                                 const QList<bool> &dipSwitch, bool isInteractive,
                                                 int selectedProfileIndex)
{
    ResourceLoader &resourceLoader = ResourceLoader::sharedInstance();
    // The layout of the last type number is kept.
    const KeyboardLayoutType layoutType =
        m_keyboardLayoutType && keyboardTypeNumber == m_keyboardTypeNumber
            ? *m_keyboardLayoutType
            : resourceLoader.getKeyboardLayoutType(keyboardTypeNumber);
    takeColorTypeOnce(keyboardTypeNumber);

    std::shared_ptr<ProfileListDataEntity> factoryProfiles;
    std::optional<DrawnKeyboardLayout> layout;
    try {
        factoryProfiles = resourceLoader.getDefaultProfilesData(keyboardTypeNumber, dipSwitch);
        layout = readLayout(layoutType, dipSwitch);
    } catch (const std::exception &error) {
        LOG_DEBUG(QString::fromUtf8(error.what()));
        throw;
    }

    m_keyboardTypeNumber = keyboardTypeNumber;
    m_isInteractive = isInteractive;
    m_keyboardLayoutType = layoutType;
    m_keymaps.load(profiles, *factoryProfiles, selectedProfileIndex);
    m_layout = std::move(layout);
    drawKeys();
}

// The frames of the layout in the theme's colour, with the Enter key's corners for its radius.
DrawnKeyboardLayout VirtualKeyboardViewController::readLayout(KeyboardLayoutType layoutType,
                                                              const QList<bool> &dipSwitch) const
{
    const VirtualKeyConfig &theme = KeyBoardConfig::shared().virtualKey;
    const QString assetName = layoutType == KeyboardLayoutType::Japanese
                                  ? theme.JapaneseKeyViewsFrameJsonName()
                                  : theme.EnglishKeyViewsFrameJsonName();
    return DrawnKeyboardLayout::load(
        assetName, ResourceLoader::sharedInstance().getKeyFrames(assetName), layoutType, dipSwitch,
        DrawingInfo::virtualKeyboard().cornerRadius.of(theme.keyboardColorType()));
}

// New keys replace the old ones, which take their views and the selection with them.
void VirtualKeyboardViewController::drawKeys()
{
    m_selection.forgetSelectedKey();
    m_keyViewControllers = getKeyViewControllers(*m_layout);
    QList<VirtualKeyView *> keyViews;
    for (const std::unique_ptr<VirtualKeyViewController> &key : m_keyViewControllers)
        keyViews.append(key->virtualKeyView());
    const QString backgroundImage = DrawingInfo::virtualKeyboard().backgroundImages.image(
        keyboardLayoutType(), keyboardColorType());
    m_virtualKeyboardView->drawKeyboard(backgroundImage, *m_layout, keyViews);
}

std::vector<std::unique_ptr<VirtualKeyViewController>>
VirtualKeyboardViewController::getKeyViewControllers(const DrawnKeyboardLayout &layout)
{
    std::vector<std::unique_ptr<VirtualKeyViewController>> keys;
    for (const DrawnKeyboardLayout::Key &drawn : layout.keys()) {
        const int number = drawn.keyNumber;
        const qint32 usageId = keymapData()->normal.at(number);
        const DefaultUsageIds defaults =
            DefaultUsageIds::fromFactoryProfiles(*m_keymaps.defaultProfilesData(), number);
        if (drawn.enterKey) {
            keys.push_back(std::make_unique<VirtualEnterKeyViewController>(
                number, usageId, defaults, keyboardColorType(), keyboardLayoutType(),
                m_isInteractive));
        } else {
            keys.push_back(std::make_unique<VirtualKeyViewController>(
                number, usageId, defaults, keyboardColorType(), keyboardLayoutType(),
                m_isInteractive, drawn.isMouseKey));
        }
        VirtualKeyViewController &key = *keys.back();
        key.setAfterKeyClick(
            [this](VirtualKeyViewController &clicked) { m_selection.selectKey(clicked); });
        key.setAfterKeyDrag(
            [this](VirtualKeyViewController &target) { m_selection.doAfterKeyDrag(target); });
    }
    return keys;
}

void VirtualKeyboardViewController::updateKeyboardStatus(bool keymapWillChangeAtOnce,
                                                         std::optional<qint32> newUsageId)
{
    m_selection.setStatus(keymapWillChangeAtOnce, newUsageId);
    for (const std::unique_ptr<VirtualKeyViewController> &key : m_keyViewControllers)
        key->updateKeyStatus(keymapWillChangeAtOnce);
}

void VirtualKeyboardViewController::updateKeyboard(const ProfileDataEntity &newKeymapData)
{
    setKeymapData(newKeymapData);
    displayKeymapOnKeyboard(*keymapData());
}

void VirtualKeyboardViewController::updateKeyboard(const ProfileListDataEntity &newProfilesData)
{
    setProfilesData(newProfilesData);
    displayKeymapOnKeyboard(*keymapData());
}

void VirtualKeyboardViewController::updateKeymapWithFn(FnMode updateToFn)
{
    m_keymaps.setFnMode(updateToFn);
    displayKeymapOnKeyboard(*keymapData());
    clearSelectedKey();
    m_afterSwitchFnMode();
}

void VirtualKeyboardViewController::restoreFnMode()
{
    if (fnMode() != FnMode::Normal)
        updateKeymapWithFn(FnMode::Normal);
}

void VirtualKeyboardViewController::resetKeyboard(const ProfileListDataEntity &profilesData)
{
    m_keymaps.resetKeyboard(profilesData);
    updateKeymapWithFn(FnMode::Normal);
}

void VirtualKeyboardViewController::updateKeymapWithProfile(
    const ProfileDataEntity &updateToProfile, int selectedProfileIndex)
{
    m_keymaps.updateKeymapWithProfile(updateToProfile, selectedProfileIndex);
    displayKeymapOnKeyboard(*keymapData());
    clearSelectedKey();
}

void VirtualKeyboardViewController::updateKeymapWithProfile(int selectedProfileIndex)
{
    m_keymaps.updateKeymapWithProfile(selectedProfileIndex);
    displayKeymapOnKeyboard(*keymapData());
    clearSelectedKey();
}

void VirtualKeyboardViewController::clearSelectedKey()
{
    m_selection.clearSelectedKey();
}

void VirtualKeyboardViewController::setKeymapData(const ProfileDataEntity &newKeymapData)
{
    m_keymaps.setKeymapData(newKeymapData);
}

void VirtualKeyboardViewController::setProfilesData(const ProfileListDataEntity &newProfilesData)
{
    m_keymaps.setProfilesData(newProfilesData);
}

void VirtualKeyboardViewController::displayKeymapOnKeyboard(const ProfileDataEntity &keymapData)
{
    const bool isCheckingFunction = FunctionChecker::sharedInstance().isCheckingFunction();
    for (const std::unique_ptr<VirtualKeyViewController> &key : m_keyViewControllers) {
        const int number = key->keyNumber();
        key->updateKey(m_keymaps.shownUsageId(keymapData, number), profileMode(), fnMode(),
                       m_keymaps.checkSpecialKeyNumber(number, isCheckingFunction));
    }
}

void VirtualKeyboardViewController::displayUsageIdOnKey(int keyNumber, FnMode fnMode,
                                                        qint32 newUsageId)
{
    if (VirtualKeyViewController *key = keyViewController(keyNumber))
        key->updateKey(newUsageId, profileMode(), fnMode);
}

VirtualKeyViewController *VirtualKeyboardViewController::keyViewController(int keyNumber) const
{
    const std::optional<int> index = m_layout ? m_layout->drawnIndex(keyNumber) : std::nullopt;
    return index ? m_keyViewControllers.at(*index).get() : nullptr;
}

void VirtualKeyboardViewController::setAfterKeySelect(
    std::function<void(std::optional<int>)> report)
{
    m_selection.setAfterKeySelect(std::move(report));
}

void VirtualKeyboardViewController::setAfterKeyDecide(std::function<void(int)> report)
{
    m_selection.setAfterKeyDecide(std::move(report));
}

void VirtualKeyboardViewController::setAfterKeyDrag(std::function<void(int)> report)
{
    m_selection.setAfterKeyDrag(std::move(report));
}

void VirtualKeyboardViewController::setAfterSpecialKeyClicked(std::function<void()> report)
{
    m_selection.setAfterSpecialKeyClicked(std::move(report));
}
