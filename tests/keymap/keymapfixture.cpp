#include "keymapfixture.h"

#include "exceptions.h"
#include "keyboarddataentity.h"
#include "resourceloader.h"
#include "utility.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTest>

namespace {

const QStringList layerNames{"N", "F1", "F2", "F3"};

QString optionalText(const std::optional<int> &value, int base = 10)
{
    return value ? (base == 16 ? "0x" : "") + QString::number(*value, base) : "-";
}

QString onOff(bool on)
{
    return on ? "on" : "off";
}

QString yesNo(bool yes)
{
    return yes ? "yes" : "no";
}

QString bits(const QList<bool> &values)
{
    QString text;
    for (bool value : values)
        text += value ? '1' : '0';
    return text;
}

QList<bool> fromBits(const QString &text)
{
    QList<bool> values;
    for (QChar bit : text)
        values << (bit == '1');
    return values;
}

QString listText(const QStringList &items)
{
    return items.isEmpty() ? QStringLiteral("-") : items.join(',');
}

// The entries of shown that differ from against: "N[5]=0x2c", each after prefix.
QStringList differences(const ProfileDataEntity &shown, const ProfileDataEntity &against,
                        const QString &prefix = {})
{
    QStringList changed;
    for (FnMode layer : ProfileDataEntity::layerModes) {
        for (int key = 0; key < ProfileDataEntity::keyCount; ++key) {
            const qint32 usage = shown.layer(layer)[key];
            if (usage != against.layer(layer)[key])
                changed << QString("%1%2[%3]=0x%4")
                               .arg(prefix, layerNames[int(layer)])
                               .arg(key)
                               .arg(usage, 0, 16);
        }
    }
    return changed;
}

QString stateName(KeymapPageState state)
{
    return QStringList{"normal", "clickedVirtualKey", "clickedAssignKey",
                       "clickedVirtualSlideKey"}[int(state)];
}

QString keyboardMode(const KeyboardStatus &status)
{
    return status.keymapWillChangeAtOnce ? optionalText(status.newUsageId, 16) : "pick";
}

// A flip of a gesture pad (1 to 4) or of the stick: the button's state before the click.
void flip(KeymapEditModel &model, int pad)
{
    const bool before = pad ? model.currentGesturePads().at(pad - 1) : model.isPointStickOn();
    model.doAfterGetsurePadChange(pad ? CheckButtonType::GesturePad
                                      : CheckButtonType::PointingStick,
                                  pad ? GesturePadType(pad) : GesturePadType::FrontLeft, before);
}

} // namespace

qint32 KeymapFixture::factoryUsage(int profile, FnMode layer, int key)
{
    if (layer == FnMode::Normal)
        return key == 80 ? 0x5101 : 4 + (key + profile) % 40;
    return layer == FnMode::WithFn1 ? 0x3A + key % 12 : layer == FnMode::WithFn2 ? 1 : 0;
}

std::shared_ptr<ProfileListDataEntity> KeymapFixture::profiles(const QString &changes)
{
    static const QRegularExpression change(R"(^(?:(\d):)?(N|F1|F2|F3)\[(\d+)\]=(\w+)$)");
    auto profiles = std::make_shared<ProfileListDataEntity>();
    for (int profile = 0; profile < 4; ++profile) {
        for (FnMode layer : ProfileDataEntity::layerModes) {
            for (int key = 0; key < ProfileDataEntity::keyCount; ++key)
                profiles->profile(profile).layer(layer)[key] = factoryUsage(profile, layer, key);
        }
    }
    for (const QString &word : changes.split(' ', Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch match = change.match(word);
        if (match.hasMatch())
            profiles->profile(match.captured(1).toInt())
                .layer(FnMode(layerNames.indexOf(match.captured(2))))[match.captured(3).toInt()] =
                match.captured(4).toInt(nullptr, 0);
    }
    return profiles;
}

KeymapFixture::KeymapFixture(const QString &keyboard)
    : readKeymap(
          [](const QString &path) { return ResourceLoader::sharedInstance().loadKeymap(path); })
    , model(*this, *this, *this, [this] { return m_isCheckingFunction; })
    , flows(
          model, {*this, *this, *this, *this, *this, *this}, [this] { ++m_terminations; },
          [this](const QString &path) { return readKeymap(path); })
{
    const QStringList words = keyboard.split(' ');
    const auto setting = [&words](const QString &name, const QString &otherwise) {
        const QStringList found = words.filter(QRegularExpression('^' + name + '='));
        return fromBits(found.isEmpty() ? otherwise : found.first().section('=', 1));
    };
    auto record = std::make_shared<KeyboardDataEntity>();
    record->typeNumber = QStringLiteral("KX-QR320B");
    record->dipSwitch = setting("dip", "000000");
    record->pointingStickStatus = words.contains("stick");
    record->gesturePadInfo = setting("pads", "1111");
    m_readProfiles = record->profiles;
    model.initData(record, record->typeNumber, record->dipSwitch, record->pointingStickStatus,
                   record->gesturePadInfo, *profiles(keyboard));
    model.loadFactorySettings(*profiles(), words.contains("english")
                                               ? KeyboardLayoutType::English
                                               : KeyboardLayoutType::Japanese);
}

void KeymapFixture::addColumns()
{
    QTest::addColumn<QString>("keyboard");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("facts");
}

void KeymapFixture::addRow(const char *name, const QString &keyboard, const QString &steps,
                           const QString &facts)
{
    QTest::newRow(name) << keyboard << steps << facts;
}

void KeymapFixture::runRow()
{
    QFETCH(QString, keyboard);
    QFETCH(QString, steps);
    QFETCH(QString, facts);
    KeymapFixture fixture(keyboard);

    fixture.run(steps);

    QCOMPARE(fixture.facts(facts), facts);
}

ResourceFixture &KeymapFixture::resources()
{
    if (!m_resources) {
        m_resources = std::make_unique<ResourceFixture>();
        ResourceLoader::sharedInstance().setKeyboardData(model.keyboardData());
    }
    return *m_resources;
}

void KeymapFixture::run(const QString &steps)
{
    for (const QString &step : steps.split(' ', Qt::SkipEmptyParts))
        runStep(step.section(':', 0, 0), step.section(':', 1));
}

void KeymapFixture::runStep(const QString &name, const QString &argument)
{
    using E = KeymapPageEvent;
    using R = MessageModalResponseType;
    KeymapEditModel &m = model;
    const int n = argument.toInt(nullptr, 0);
    const QHash<QString, E> commands{
        {"rollback", E::clickRollbackMenuEvent},
        {"factory", E::clickedCurrentProfileToFactoryMenuEvent},
        {"open", E::clickOpenConfigFileMenuEvent},
        {"saveall", E::clickSaveAllConfigFileMenuEvent},
        {"savecurrent", E::clickSaveCurrentConfigFileMenuEvent},
        {"allfactory", E::clickedAllProfilesToFactoryMenuEvent},
        {"closecompare", E::clickCloseCompareWindowEvent},
    };
    if (commands.contains(name))
        return flows.receive(commands.value(name));
    const QHash<QString, std::function<void()>> steps{
        {"key",
         [&] {
             m.drawnKeyboardStatus().keymapWillChangeAtOnce ? m.doAfterVirtualKeyDecide(n)
                                                            : m.doAfterVirtualKeySelect(n);
         }},
        {"slide",
         [&] {
             m.slideKeyboardStatus().keymapWillChangeAtOnce ? m.doAfterVirtualSlideKeyDecide(n)
                                                            : m.doAfterVirtualSlideKeySelect(n);
         }},
        {"pal",
         [&] {
             m.paletteStatus().keyWillBeSelected ? m.doAfterAssignKeySelect(n)
                                                 : m.doAfterAssignKeyDecide(n);
         }},
        {"decide", [&] { m.doAfterAssignKeyDecide(n); }},
        {"drag", [&] { m.doAfterAssignKeyDrag(n); }},
        {"drop", [&] { m.doAfterVirtualKeyDrag(n); }},
        {"dropslide", [&] { m.doAfterVirtualSlideKeyDrag(n); }},
        {"droppage", [&] { m.doOnDragPerform(); }},
        {"nokey", [&] { m.doAfterVirtualKeySelect(std::nullopt); }},
        {"noslide", [&] { m.doAfterVirtualSlideKeySelect(std::nullopt); }},
        {"nopal", [&] { m.doAfterAssignKeySelect(std::nullopt); }},
        {"nodrag", [&] { m.doAfterAssignKeyDrag(std::nullopt); }},
        {"special", [&] { m.doAfterSpecialKeyClicked(); }},
        {"specialslide", [&] { m.doAfterSpecialSlideKeyClicked(); }},
        {"fnback", [&] { m.doAfterVirtualFnModeChange(); }},
        {"fnbackslide", [&] { m.doAfterVirtualSlideFnModeChange(); }},
        {"palfn", [&] { m.doAfterAssignFnModeChange(); }},
        {"pad", [&] { flip(m, n); }},
        {"stick", [&] { flip(m, 0); }},
        {"layer", [&] { m.selectFnLayer(FnMode(n)); }},
        {"qlayer", [&] { m.selectQwertyFnLayer(FnMode(n)); }},
        {"tab", [&] { m.selectPaletteTab(PaletteTab(n)); }},
        {"seg", [&] { m.switchAssignKeyboardTabViews(n); }},
        {"tabview",
         [&] {
             n == 0   ? m.switchQwertyAssignKeyboardTabView()
             : n == 1 ? m.switchAlphabetAssignKeyboardTabView()
                      : m.switchDeviceAssignKeyboardTabView();
         }},
        {"profile", [&] { m.updateSelectProfileName(n); }},
        {"background", [&] { m.switchToNormalState(); }},
        {"undo", [&] { m.undoKeymap(); }},
        {"alert", [&] { m.setShowAlert(true); }},
        {"fnflag", [&] { m_isCheckingFunction = true; }},
        {"later", [&] { m_isAnsweredAtOnce = false; }},
        {"ok", [&] { answer(R::OK); }},
        {"cancel", [&] { answer(R::NG); }},
        {"no", [&] { answer(R::NO); }},
        {"mark", [&] { m_events.clear(); }},
        {"write", [&] { flows.writeToTAVOButtonEvent(); }},
        {"done", [&] { finishWrite(WriteToTAVOResult::Success); }},
        {"fail", [&] { finishWrite(WriteToTAVOResult::CommunicationError); }},
        {"mismatch", [&] { finishWrite(WriteToTAVOResult::ModeMismatchError); }},
        {"otherkeyboard", [&] { finishWrite(WriteToTAVOResult::KeyboardMismatchError); }},
        {"mcufail", [&] { finishWrite(WriteToTAVOResult::MCUCommunicationError); }},
        {"path", [&] { m_panelAnswer = std::optional<QString>(m_chosenPath = path(argument)); }},
        {"nopath", [&] { m_panelAnswer = std::optional<QString>(); }},
        {"emptypath", [&] { m_panelAnswer = std::optional<QString>(QString()); }},
        {"nopanel", [&] { m_panelAnswer.reset(); }},
        {"dipfile",
         [&] {
             readKeymap = [dipSwitch = fromBits(argument)](const QString &) -> ConfigDataEntity {
                 ConfigDataEntity configData;
                 configData.dipSwitch = dipSwitch;
                 throw Exceptions::MismatchKeyboardException(configData, false);
             };
         }},
        {"busy", [&] { whilePanelIsUp = [this] { isProgressUp = true; }; }},
        {"appear", [&] { flows.viewDidAppear(); }},
        {"disappear", [&] { flows.viewDidDisappear(); }},
        {"return", [&] { clickReturnButton(false); }},
        {"quit", [&] { clickReturnButton(true); }},
    };
    if (!steps.contains(name))
        qFatal("unknown step %s", qPrintable(name));
    steps.value(name)();
}

void KeymapFixture::clickReturnButton(bool isClosing)
{
    flows.returnButtonWillSwap([this, isClosing] { flows.returnButtonDidSwap(isClosing, *this); },
                               [this] { ++m_stays; });
}

void KeymapFixture::post(KeymapPageEvent event)
{
    // A receiver may subscribe or unsubscribe.
    for (const Receiver &receiver : QList<Receiver>(m_receivers))
        receiver(event);
}

QString KeymapFixture::facts(const QString &expected) const
{
    const KeymapEditModel &m = model;
    const auto filed = [this] {
        const ConfigDataEntity saved = ResourceLoader::sharedInstance().loadKeymap(m_chosenPath);
        QStringList changed;
        for (int profile = 0; profile < 4; ++profile)
            changed << differences(saved.profilesData->profile(profile),
                                   profiles()->profile(profile), QString("%1:").arg(profile));
        return listText(changed);
    };
    const auto menus = [this] {
        const KeymapMenuFlags &f = m_menuFlags;
        const QList<std::pair<bool, QString>> items{{f.open, "open"},
                                                    {f.save, "save"},
                                                    {f.rollback, "rollback"},
                                                    {f.undo, "undo"},
                                                    {f.currentProfileToFactory, "current"},
                                                    {f.allProfilesToFactory, "all"},
                                                    {f.returnToFactory, "factory"},
                                                    {f.checkUpdates, "updates"},
                                                    {f.about, "about"},
                                                    {f.close, "close"}};
        QStringList shown;
        for (const auto &[on, name] : items) {
            if (on)
                shown << name;
        }
        return listText(shown);
    };
    const auto record = [this, &m] {
        const KeyboardDataEntity &record = *m.keyboardData();
        const bool written = Utility::isSameProfiles(*record.profiles, m.currentProfilesdata());
        return bits(record.gesturePadInfo) + ',' + onOff(record.pointingStickStatus) + ',' +
               (record.profiles == m_readProfiles ? "read"
                : written                         ? "written"
                                                  : "other");
    };
    const QHash<QString, std::function<QString()>> facts{
        {"state",
         [&] { return stateName(m.keymapPageState()) + "<-" + stateName(m.keymapPagePreState()); }},
        {"drawn", [&] { return optionalText(m.virtualKeyboardKeyNumber()); }},
        {"slide", [&] { return optionalText(m.virtualSlideKeyboardKeyNumber()); }},
        {"usage", [&] { return optionalText(m.assignKeyboardUsageId(), 16); }},
        {"hint",
         [&] {
             return QStringList{"none", "virtualKey", "assignKey"}[int(m.pleaseClickHint())];
         }},
        {"modes",
         [&] {
             const PaletteStatus &palettes = m.paletteStatus();
             return keyboardMode(m.drawnKeyboardStatus()) + ',' +
                    keyboardMode(m.slideKeyboardStatus()) + ',' +
                    (palettes.keyWillBeSelected ? "pick" : optionalText(palettes.newKeyNumber));
         }},
        {"changed",
         [&] { return listText(differences(m.currentKeymapData(), m.physicalKeymapData())); }},
        {"messages", [&] { return listText(m_messages); }},
        {"history", [&] { return QString::number(m.profileHistory().items.size()); }},
        {"write", [&] { return onOff(m.isWriteButtonEnabled()); }},
        {"undo", [&] { return onOff(m.isUndoButtonEnabled()); }},
        {"menus", menus},
        {"layer", [&] { return QString::number(int(m.shownLayer())); }},
        {"qlayer", [&] { return QString::number(int(m.qwertyPaletteLayer())); }},
        {"tab", [&] { return QString::number(int(m.paletteTab())); }},
        {"palette", [&] { return QString::number(int(m.shownPalette())); }},
        {"profile", [&] { return QString::number(m.selectedProfileIndex()); }},
        {"pads", [&] { return bits(m.currentGesturePads()); }},
        {"stick", [&] { return onOff(m.isPointStickOn()); }},
        {"alert", [&] { return onOff(m.isShowAlert()); }},
        {"keyboard",
         [&] {
             return yesNo(
                 Utility::isSameProfiles(m.currentProfilesdata(), m.physicalProfilesData()) &&
                 m.currentGesturePads() == m.physicalGesturePads() &&
                 m.isPointStickOn() == m.physicalPointingStick());
         }},
        {"factory",
         [&] { return yesNo(Utility::isSameProfiles(m.currentProfilesdata(), *profiles())); }},
        {"cleared",
         [&] { return listText(m_events.filter(QRegularExpression("^(clear|drawn|slide)"))); }},
        {"redrawn",
         [&] {
             return listText(
                 m_events.filter(QRegularExpression("^(layer|paletteLayer|profile)\\(")));
         }},
        {"hidden", [&] { return yesNo(m_events.contains("hidden")); }},
        {"marks", [&] { return yesNo(m_events.contains("marks")); }},
        {"panels", [&] { return listText(m_panels); }},
        {"writes", [&] { return QString::number(m_writesStarted); }},
        {"progress", [&] { return onOff(isProgressUp); }},
        {"record", record},
        {"file", [&] { return yesNo(!m_chosenPath.isEmpty() && QFile::exists(m_chosenPath)); }},
        {"filed", filed},
        {"compared", [&] { return listText(m_comparisons); }},
        {"hides", [&] { return QString::number(m_hides); }},
        {"stayed", [&] { return QString::number(m_stays); }},
        {"terminated", [&] { return QString::number(m_terminations); }},
        {"handed", [&] { return m_handedBack; }},
    };
    QStringList shown;
    for (const QString &word : expected.split(' ', Qt::SkipEmptyParts)) {
        const QString name = word.section('=', 0, 0);
        if (!facts.contains(name))
            qFatal("unknown fact %s", qPrintable(name));
        shown << name + '=' + facts.value(name)();
    }
    return shown.join(' ');
}

void KeymapFixture::answer(MessageModalResponseType response)
{
    if (m_open.isEmpty())
        qFatal("no message to answer");
    // The completion may show the next message.
    m_open.takeFirst()(response);
}

void KeymapFixture::showMessage(int number, Completion completion)
{
    m_messages << QString::number(number);
    if (m_isAnsweredAtOnce)
        completion(MessageModalResponseType::OK);
    else
        m_open << std::move(completion);
}

void KeymapFixture::showMessage9005(KeyboardLayoutType layout, Completion completion)
{
    showMessage(9005, std::move(completion));
    m_messages.last() += layout == KeyboardLayoutType::English ? "(English)" : "(Japanese)";
}

void KeymapFixture::writeAllKeymaps(std::shared_ptr<ProfileListDataEntity> profilesData,
                                    std::shared_ptr<KeyboardDataEntity> keyboardData,
                                    int selectedProfileId, bool isInitProfiles,
                                    WriteSuccessCallback onSuccess, WriteErrorCallback onError)
{
    ++m_writesStarted;
    writes << Write{std::move(profilesData), std::move(keyboardData), selectedProfileId,
                    isInitProfiles,          std::move(onSuccess),    std::move(onError)};
}

void KeymapFixture::finishWrite(WriteToTAVOResult result)
{
    const Write write = writes.takeFirst();
    if (result != WriteToTAVOResult::Success)
        return write.onError(result, QStringLiteral("failed"));
    // The keyboard read back holds the profiles written.
    write.keyboardData->profiles = write.profilesData->copy();
    write.onSuccess(result);
}

void KeymapFixture::showPanel(const QString &panel, const PathHandler &onConfirm,
                              const DenyHandler &onDeny)
{
    m_panels << panel;
    whilePanelIsUp();
    if (m_panelAnswer)
        onConfirm(*m_panelAnswer);
    else
        onDeny();
}

void KeymapFixture::showFileSaveModal(const QStringList &types, SaveProfileType type,
                                      PathHandler onConfirm, DenyHandler onDeny)
{
    const int raw = int(type);
    showPanel(QString("save(%1/%2)")
                  .arg(types.join('/'), raw < 0 ? "all" : QString("profile%1").arg(raw + 1)),
              onConfirm, onDeny);
}

void KeymapFixture::showCompareWindow(const QList<bool> &keyboard, const QList<bool> &file)
{
    m_comparisons << bits(keyboard) + '/' + bits(file);
}

void KeymapFixture::updateData(std::shared_ptr<ProfileListDataEntity> profiles,
                               const QList<bool> &gesturePads)
{
    // The start page's list is its own.
    const ProfileListDataEntity &physical = model.physicalProfilesData();
    const bool isKeyboards = Utility::isSameProfiles(*profiles, physical) &&
                             &profiles->profile(0) != &physical.profile(0) &&
                             gesturePads == model.physicalGesturePads();
    m_handedBack = isKeyboards ? "keyboard" : "other";
}

void KeymapFixture::updatePointingStick(bool pointingStick)
{
    if (pointingStick != model.physicalPointingStick())
        m_handedBack = "other";
}
