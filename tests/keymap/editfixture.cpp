#include "editfixture.h"

#include "keyboarddataentity.h"

#include <QHash>
#include <QStringList>

#include <functional>

namespace {

constexpr int fn1KeyPosition = 80;

QString optionalText(const std::optional<int> &value)
{
    return value ? QString::number(*value) : QStringLiteral("-");
}

QString stateName(KeymapPageState state)
{
    static const char *const names[] = {"normal", "clickedVirtualKey", "clickedAssignKey",
                                        "clickedVirtualSlideKey"};
    return names[int(state)];
}

using Step = std::function<void(EditFixture &, int)>;

// A flip of a gesture pad (1 to 4) or of the stick: the button's state before the click.
void flip(EditFixture &f, CheckButtonType type, int pad)
{
    const bool before = type == CheckButtonType::PointingStick
                            ? f.model.isPointStickOn()
                            : f.model.currentGesturePads().at(pad - 1);
    f.model.doAfterGetsurePadChange(type, GesturePadType(pad), before);
}

const QHash<QString, Step> &steps()
{
    static const QHash<QString, Step> table{
        {"key",
         [](EditFixture &f, int key) {
             if (f.model.drawnKeyboardStatus().keymapWillChangeAtOnce)
                 f.model.doAfterVirtualKeyDecide(key);
             else
                 f.model.doAfterVirtualKeySelect(key);
         }},
        {"slide",
         [](EditFixture &f, int key) {
             if (f.model.slideKeyboardStatus().keymapWillChangeAtOnce)
                 f.model.doAfterVirtualSlideKeyDecide(key);
             else
                 f.model.doAfterVirtualSlideKeySelect(key);
         }},
        {"pal",
         [](EditFixture &f, int usage) {
             if (f.model.paletteStatus().keyWillBeSelected)
                 f.model.doAfterAssignKeySelect(usage);
             else
                 f.model.doAfterAssignKeyDecide(usage);
         }},
        {"decide", [](EditFixture &f, int usage) { f.model.doAfterAssignKeyDecide(usage); }},
        {"drag", [](EditFixture &f, int usage) { f.model.doAfterAssignKeyDrag(usage); }},
        {"drop", [](EditFixture &f, int key) { f.model.doAfterVirtualKeyDrag(key); }},
        {"dropslide", [](EditFixture &f, int key) { f.model.doAfterVirtualSlideKeyDrag(key); }},
        {"droppage", [](EditFixture &f, int) { f.model.doOnDragPerform(); }},
        {"nokey", [](EditFixture &f, int) { f.model.doAfterVirtualKeySelect(std::nullopt); }},
        {"noslide",
         [](EditFixture &f, int) { f.model.doAfterVirtualSlideKeySelect(std::nullopt); }},
        {"nopal", [](EditFixture &f, int) { f.model.doAfterAssignKeySelect(std::nullopt); }},
        {"nodrag", [](EditFixture &f, int) { f.model.doAfterAssignKeyDrag(std::nullopt); }},
        {"special", [](EditFixture &f, int) { f.model.doAfterSpecialKeyClicked(); }},
        {"specialslide", [](EditFixture &f, int) { f.model.doAfterSpecialSlideKeyClicked(); }},
        {"fnback", [](EditFixture &f, int) { f.model.doAfterVirtualFnModeChange(); }},
        {"fnbackslide", [](EditFixture &f, int) { f.model.doAfterVirtualSlideFnModeChange(); }},
        {"palfn", [](EditFixture &f, int) { f.model.doAfterAssignFnModeChange(); }},
        {"pad", [](EditFixture &f, int pad) { flip(f, CheckButtonType::GesturePad, pad); }},
        {"stick",
         [](EditFixture &f, int) {
             flip(f, CheckButtonType::PointingStick, int(GesturePadType::FrontLeft));
         }},
        {"layer", [](EditFixture &f, int layer) { f.model.selectFnLayer(FnMode(layer)); }},
        {"qlayer", [](EditFixture &f, int layer) { f.model.selectQwertyFnLayer(FnMode(layer)); }},
        {"tab", [](EditFixture &f, int tab) { f.model.selectPaletteTab(PaletteTab(tab)); }},
        {"seg", [](EditFixture &f, int segment) { f.model.switchAssignKeyboardTabViews(segment); }},
        {"tabview",
         [](EditFixture &f, int tab) {
             const std::function<void(KeymapEditModel &)> actions[] = {
                 &KeymapEditModel::switchQwertyAssignKeyboardTabView,
                 &KeymapEditModel::switchAlphabetAssignKeyboardTabView,
                 &KeymapEditModel::switchDeviceAssignKeyboardTabView};
             actions[tab](f.model);
         }},
        {"profile", [](EditFixture &f, int index) { f.model.updateSelectProfileName(index); }},
        {"background", [](EditFixture &f, int) { f.model.switchToNormalState(); }},
        {"undo", [](EditFixture &f, int) { f.model.undoKeymap(); }},
        {"rollback", [](EditFixture &f, int) { f.model.recieveClickRollbackMenuEvent(); }},
        {"factory",
         [](EditFixture &f, int) { f.model.recieveClickReturnToCurrentProfileInitialMenuEvent(); }},
        {"factoryall", [](EditFixture &f, int) { f.model.loadDefaultProfiles(); }},
        {"later", [](EditFixture &f, int) { f.ports.answerLater(); }},
        {"ok", [](EditFixture &f, int) { f.ports.answer(MessageModalResponseType::OK); }},
        {"cancel", [](EditFixture &f, int) { f.ports.answer(MessageModalResponseType::NG); }},
    };
    return table;
}

} // namespace

qint32 EditFixture::factoryUsage(int profile, FnMode layer, int key)
{
    switch (layer) {
    case FnMode::Normal:
        return key == fn1KeyPosition ? 0x5101 : 4 + (key + profile) % 40;
    case FnMode::WithFn1:
        return 0x3A + key % 12;
    case FnMode::WithFn2:
        return 1;
    case FnMode::WithFn3:
        break;
    }
    return 0;
}

std::shared_ptr<ProfileListDataEntity> EditFixture::factoryProfiles()
{
    return editedProfiles({});
}

std::shared_ptr<ProfileListDataEntity> EditFixture::editedProfiles(const QList<KeyEdit> &edits)
{
    auto profiles = std::make_shared<ProfileListDataEntity>();
    for (int profile = 0; profile < 4; ++profile) {
        for (FnMode layer : ProfileDataEntity::layerModes) {
            for (int key = 0; key < ProfileDataEntity::keyCount; ++key)
                profiles->profile(profile).layer(layer)[key] = factoryUsage(profile, layer, key);
        }
    }
    for (const KeyEdit &edit : edits)
        profiles->profile(edit.profile).layer(edit.layer)[edit.key] = edit.usageId;
    return profiles;
}

EditFixture::EditFixture(const QList<KeyEdit> &physicalEdits, bool pointingStick,
                         const QList<bool> &gesturePads, const QList<bool> &dipSwitch,
                         KeyboardLayoutType layout)
    : model(ports, ports, ports, [this] { return isCheckingFunction; })
{
    auto keyboard = std::make_shared<KeyboardDataEntity>();
    model.initData(keyboard, QStringLiteral("KX-QR320B"), dipSwitch, pointingStick, gesturePads,
                   *editedProfiles(physicalEdits));
    model.loadFactorySettings(*factoryProfiles(), layout);
}

void EditFixture::run(const QString &steps)
{
    for (const QString &step : steps.split(' ', Qt::SkipEmptyParts)) {
        const QString name = step.section(':', 0, 0);
        runStep(name, step.section(':', 1).toInt(nullptr, 0));
    }
}

void EditFixture::runStep(const QString &name, int argument)
{
    const auto step = steps().find(name);
    if (step == steps().end())
        qFatal("unknown step %s", qPrintable(name));
    (*step)(*this, argument);
}

QString EditFixture::changedEntries() const
{
    static const char *const layerNames[] = {"N", "F1", "F2", "F3"};
    QStringList changed;
    for (FnMode layer : ProfileDataEntity::layerModes) {
        const QList<qint32> &current = model.currentKeymapData().layer(layer);
        const QList<qint32> &physical = model.physicalKeymapData().layer(layer);
        for (int key = 0; key < ProfileDataEntity::keyCount; ++key) {
            if (current[key] != physical[key])
                changed << QString("%1[%2]=0x%3")
                               .arg(layerNames[int(layer)])
                               .arg(key)
                               .arg(current[key], 0, 16);
        }
    }
    return changed.join(' ');
}

QString EditFixture::picks() const
{
    const std::optional<qint32> usage = model.assignKeyboardUsageId();
    return QString("%1<-%2 drawn=%3 slide=%4 usage=%5 hint=%6")
        .arg(stateName(model.keymapPageState()), stateName(model.keymapPagePreState()),
             optionalText(model.virtualKeyboardKeyNumber()),
             optionalText(model.virtualSlideKeyboardKeyNumber()),
             usage ? "0x" + QString::number(*usage, 16) : QStringLiteral("-"),
             FakeEditPorts::hintName(model.pleaseClickHint()));
}
