#include "qwertyassignkeyboardviewcontroller.h"

#include "assignenterkeyview.h"
#include "assignenterkeyviewcontroller.h"
#include "bottomleftspace.h"
#include "drawinginfo.h"
#include "profilelistdataentity.h"
#include "qwertypalettelayout.h"
#include "resourceloader.h"
#include "themegeometry.h"

namespace {

constexpr qsizetype dipSwitch5 = 4;

} // namespace

QwertyAssignKeyboardViewController::QwertyAssignKeyboardViewController(
    const QString &keyboardTypeNumber, const QList<bool> &dipSwitchData, QWidget *parent)
    : AssignKeyboardViewController(parent)
    , m_dipSwitchData(dipSwitchData)
    , m_keyboardLayoutType(
          ResourceLoader::sharedInstance().getKeyboardLayoutType(keyboardTypeNumber))
    , m_keyboardColorType(ResourceLoader::sharedInstance().getKeyboardColor(keyboardTypeNumber))
    , m_defaultProfiles(ResourceLoader::sharedInstance().getDefaultProfilesData(keyboardTypeNumber,
                                                                                dipSwitchData))
{
    setKeyboardTypeNumber(keyboardTypeNumber);
    setFixedSize(ThemeGeometry::qwertyPaletteSize.toSize());
    addAllKeys();
}

QwertyAssignKeyboardViewController::~QwertyAssignKeyboardViewController() = default;

// The Japanese Enter key is L-shaped, its legend band as high as the key after it.
void QwertyAssignKeyboardViewController::addAllKeys()
{
    const DrawingInfo::AssignKeyboard &drawing = DrawingInfo::assignKeyboard();
    const QString assetName = m_keyboardLayoutType == KeyboardLayoutType::Japanese
                                  ? drawing.layout.japanese
                                  : drawing.layout.english;
    const bool dip5 = m_dipSwitchData.value(dipSwitch5);
    const DrawnKeyboardLayout layout = QwertyPaletteLayout::load(
        assetName, ResourceLoader::sharedInstance().getKeyFrames(assetName), m_keyboardLayoutType,
        dip5, drawing.cornerRadius);

    for (const DrawnKeyboardLayout::Key &drawn : layout.keys()) {
        const qint32 usageId = defaultKeymapData().normal.at(drawn.keyNumber);
        const bool isAssigned = isUsageIdAssigned(usageId, notAssignedUsageIds());
        QwertyAssignKeyViewController *key =
            drawn.enterKey
                ? new AssignEnterKeyViewController(drawn.keyNumber, usageId, m_keyboardLayoutType,
                                                   m_keyboardColorType, isAssigned)
                : new QwertyAssignKeyViewController(drawn.keyNumber, usageId, m_keyboardLayoutType,
                                                    m_keyboardColorType, isAssigned);
        addKey(key);
        key->assignKeyView()->setAlignment(drawn.alignment);
        if (drawn.enterKey)
            static_cast<AssignEnterKeyViewController *>(key)->assignEnterKeyView()->drawKey(
                *drawn.enterKey, drawn.charLayerHeight, paletteSpace());
        else
            key->assignKeyView()->drawKey(drawn.frame, drawing.cornerRadius, paletteSpace());
        m_keyViewControllers.append(key);
    }
}

const ProfileDataEntity &QwertyAssignKeyboardViewController::defaultKeymapData() const
{
    return *m_defaultProfiles->profile1;
}

void QwertyAssignKeyboardViewController::switchFnMode(FnMode fnMode)
{
    m_fnMode = fnMode;
    displayKeymapOnKeyboard(defaultKeymapData(), notAssignedUsageIds());
    clearSelectedKey();
    m_afterSwitchFnMode();
}

void QwertyAssignKeyboardViewController::restoreFnMode()
{
    if (m_fnMode != FnMode::Normal)
        switchFnMode(FnMode::Normal);
}

void QwertyAssignKeyboardViewController::resetKeyboard(const ProfileDataEntity &profileData)
{
    m_defaultProfiles->profile1->getProfileData(profileData);
    switchFnMode(FnMode::Normal);
}

void QwertyAssignKeyboardViewController::setDefaultKeymapData(const ProfileDataEntity &profileData)
{
    m_defaultProfiles->profile1->getProfileData(profileData);
    displayKeymapOnKeyboard(defaultKeymapData(), notAssignedUsageIds());
}

void QwertyAssignKeyboardViewController::displayKeymapOnKeyboard(
    const ProfileDataEntity &keymapData, const QSet<qint32> &notAssignedUsageIds)
{
    const QList<qint32> &layer = keymapData.layer(m_fnMode);
    for (QwertyAssignKeyViewController *key : std::as_const(m_keyViewControllers)) {
        const qint32 usageId = layer.at(key->keyNumber());
        key->updateKey(usageId, isUsageIdAssigned(usageId, notAssignedUsageIds));
    }
}
