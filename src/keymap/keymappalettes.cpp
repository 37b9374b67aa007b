#include "keymappalettes.h"

#include "bottomleftspace.h"
#include "drawinginfo.h"
#include "echoguard.h"
#include "fnbutton.h"
#include "gridassignkeyboardviewcontroller.h"
#include "keymapeditmodel.h"
#include "keymappageview.h"
#include "profiledataentity.h"
#include "qwertyassignkeyboardviewcontroller.h"
#include "shortcutassignkeyboardviewcontroller.h"
#include "tabbutton.h"

#include <QStackedWidget>

namespace {

// The qwerty palette's place in its tab; the other palettes' come from the drawing tables.
constexpr QPointF qwertyPaletteOrigin{156, 17};
constexpr PaletteTab paletteTabs[] = {PaletteTab::qwerty, PaletteTab::alphabet, PaletteTab::device,
                                      PaletteTab::shortcut};

// Puts palette into container with the bottom-left corner of its frame at origin.
void place(QWidget &palette, QWidget &container, QPointF origin)
{
    palette.setParent(&container);
    palette.setGeometry(BottomLeftSpace(container.height()).frame(origin, palette.size()).toRect());
    palette.show();
}

} // namespace

KeymapPalettes::KeymapPalettes(KeymapEditModel &model, KeymapPageView &view, EchoGuard &echoes)
    : m_model(model)
    , m_view(view)
    , m_echoes(echoes)
{
    const QString &typeNumber = model.keyboardTypeNumber();
    m_qwerty = new QwertyAssignKeyboardViewController(typeNumber, model.dipSwitchData());
    m_alphabet = new GridAssignKeyboardViewController(
        GridAssignKeyboardViewController::Kind::Alphabet, typeNumber);
    m_device = new GridAssignKeyboardViewController(GridAssignKeyboardViewController::Kind::Device,
                                                    typeNumber);
    m_shortcut = new ShortCutAssignKeyboardViewController(typeNumber);
    m_palettes = {m_qwerty, m_alphabet, m_device, m_shortcut};

    const DrawingInfo::AssignKeyboardFrameOrigin &origins =
        DrawingInfo::assignKeyboard().assignKeyboardFrameOrigin;
    const QPointF paletteOrigins[] = {qwertyPaletteOrigin, origins.alphabet, origins.device,
                                      origins.shortcut};
    for (PaletteTab tab : paletteTabs) {
        const int index = static_cast<int>(tab);
        place(*m_palettes[index], *view.paletteContainer(tab), paletteOrigins[index]);
        wire(*m_palettes[index]);
    }
    m_qwerty->setAfterSwitchFnMode(
        m_echoes.report([this] { m_model.doAfterAssignFnModeChange(); }));
    for (FnMode mode : ProfileDataEntity::layerModes)
        view.fnButtonInQwerty(mode)->setButtonStyle(true);
    connectTabs();
    showTabs();
    showQwertyLayer(model.qwertyPaletteLayer());
    showNotAssignedMarks();
}

void KeymapPalettes::wire(AssignKeyboardViewController &palette)
{
    palette.setAfterKeySelect(
        [this](std::optional<qint32> usageId) { m_model.doAfterAssignKeySelect(usageId); });
    palette.setAfterKeyDecide([this](qint32 usageId) { m_model.doAfterAssignKeyDecide(usageId); });
    palette.setAfterKeyDrag(
        [this](std::optional<qint32> usageId) { m_model.doAfterAssignKeyDrag(usageId); });
}

void KeymapPalettes::connectTabs()
{
    for (PaletteTab tab : paletteTabs)
        QObject::connect(m_view.tabButton(tab), &TabButton::clicked, m_qwerty,
                         [this, tab] { m_model.selectPaletteTab(tab); });
    for (FnMode mode : ProfileDataEntity::layerModes)
        QObject::connect(m_view.fnButtonInQwerty(mode), &FnButton::clicked, m_qwerty,
                         [this, mode] { m_model.selectQwertyFnLayer(mode); });
}

void KeymapPalettes::showStatus()
{
    const PaletteStatus &status = m_model.paletteStatus();
    for (AssignKeyboardViewController *palette : m_palettes)
        palette->updateKeyboardStatus(status.keyWillBeSelected, status.newKeyNumber);
}

void KeymapPalettes::clearSelections(bool clearShortcutCombination)
{
    for (AssignKeyboardViewController *palette : m_palettes)
        palette->clearSelectedKey();
    m_shortcut->clearShortCutSelection(clearShortcutCombination);
}

void KeymapPalettes::showNotAssignedMarks()
{
    m_qwerty->updateKeyboard(m_model.getNotAssignedUsageIds(m_qwerty->defaultKeymapData()));
    const std::initializer_list<GridAssignKeyboardViewController *> grids{m_alphabet, m_device,
                                                                          m_shortcut};
    for (GridAssignKeyboardViewController *palette : grids)
        palette->updateKeyboard(m_model.getNotAssignedUsageIds(palette->usageIdList()));
}

void KeymapPalettes::showQwertyLayer(FnMode layer)
{
    m_echoes.show([this, layer] { m_qwerty->switchFnMode(layer); });
    for (FnMode mode : ProfileDataEntity::layerModes)
        m_view.fnButtonInQwerty(mode)->setIsSelected(mode == layer);
}

void KeymapPalettes::showQwertyFactoryKeymap(int profileIndex)
{
    m_qwerty->setDefaultKeymapData(m_model.defaultProfileData(profileIndex));
}

void KeymapPalettes::showTabs()
{
    for (PaletteTab tab : paletteTabs)
        m_view.tabButton(tab)->setIsSelected(tab == m_model.paletteTab());
    m_view.assignKeyboardTabView()->setCurrentIndex(static_cast<int>(m_model.shownPalette()));
}
