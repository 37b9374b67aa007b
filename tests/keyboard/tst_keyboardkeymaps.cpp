#include "constants.h"
#include "keyboardkeymaps.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {
constexpr int key = 20;
constexpr qint32 fn1Key = 0x5101, fn2Key = 0x5102, fn3Key = 0x5103;

// Profiles whose every entry tells its profile, layer and key apart: base + profile * 1000 +
// layer * 200 + key.
std::shared_ptr<ProfileListDataEntity> numberedProfiles(qint32 base)
{
    auto profiles = std::make_shared<ProfileListDataEntity>();
    for (int profile = 0; profile < 4; ++profile) {
        for (const FnMode layer : ProfileDataEntity::layerModes) {
            QList<qint32> &entries = profiles->profile(profile).layer(layer);
            for (int number = 0; number < ProfileDataEntity::keyCount; ++number)
                entries[number] = base + profile * 1000 + static_cast<int>(layer) * 200 + number;
        }
    }
    return profiles;
}

bool sameProfile(const ProfileDataEntity &a, const ProfileDataEntity &b)
{
    return a.normal == b.normal && a.withFn1 == b.withFn1 && a.withFn2 == b.withFn2 &&
           a.withFn3 == b.withFn3;
}

// The profile of the list that equals profile, -1 for none.
int slotHolding(const ProfileListDataEntity &list, const ProfileDataEntity &profile)
{
    for (int index = 0; index < 4; ++index) {
        if (sameProfile(list.profile(index), profile))
            return index;
    }
    return -1;
}
} // namespace

// The shown profile and layer of a keyboard, its edits copied back into the four profiles, the
// profile and layer switches, and the rules of what a key shows and whether it is special.
class tst_KeyboardKeymaps : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void loadAndEditMapIndexesApart_data();
    void loadAndEditMapIndexesApart();
    void fnLayerEntryOneShowsTheFactoryKey_data();
    void fnLayerEntryOneShowsTheFactoryKey();
    void specialKeys_data();
    void specialKeys();
    void fnEntriesThatGoWithAUsage_data();
    void fnEntriesThatGoWithAUsage();
    void keyNumbersOutsideTheLayersChangeNothing();
    void profileSwitches();
    void recordsAreOnlyCopiedInto();

private:
    QTemporaryDir m_logFolder;
    std::shared_ptr<ProfileListDataEntity> m_profiles;
    std::shared_ptr<ProfileListDataEntity> m_factory;
    std::unique_ptr<KeyboardKeymaps> m_keymaps;
};

void tst_KeyboardKeymaps::initTestCase()
{
    Constants::setLogDirectoryForTesting(m_logFolder.path() + '/');
}

void tst_KeyboardKeymaps::cleanupTestCase()
{
    Constants::setLogDirectoryForTesting({});
}

void tst_KeyboardKeymaps::init()
{
    m_profiles = numberedProfiles(10000);
    m_factory = numberedProfiles(30000);
    m_keymaps = std::make_unique<KeyboardKeymaps>();
}

void tst_KeyboardKeymaps::loadAndEditMapIndexesApart_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("edited");
    QTest::newRow("0") << 0 << 0 << 0;
    QTest::newRow("1") << 1 << 1 << 1;
    QTest::newRow("2") << 2 << 2 << 2;
    QTest::newRow("3") << 3 << 3 << 3;
    QTest::newRow("4: shows profile 1, edits go to profile 4") << 4 << 0 << 3;
    QTest::newRow("-1: shows profile 1, edits go to profile 4") << -1 << 0 << 3;
}

// A load shows profiles 2 to 4 for indexes 1 to 3 and profile 1 for any other; an edit goes to
// profiles 1 to 3 for indexes 0 to 2 and to profile 4 for any other.
void tst_KeyboardKeymaps::loadAndEditMapIndexesApart()
{
    QFETCH(int, index);
    QFETCH(int, shown);
    QFETCH(int, edited);

    m_keymaps->load(*m_profiles, *m_factory, index);
    QCOMPARE(static_cast<int>(m_keymaps->profileMode()), shown);
    QVERIFY(sameProfile(*m_keymaps->keymapData(), m_profiles->profile(shown)));
    QVERIFY(sameProfile(*m_keymaps->defaultKeymapData(), m_factory->profile(shown)));

    m_keymaps->setKeymapData(key, 7);
    QCOMPARE(m_keymaps->keymapData()->normal.at(key), 7);
    QCOMPARE(slotHolding(*m_keymaps->currentProfilesdata(), *m_keymaps->keymapData()), edited);
    for (int other = 0; other < 4; ++other) {
        if (other != edited)
            QVERIFY(sameProfile(m_keymaps->currentProfilesdata()->profile(other),
                                m_profiles->profile(other)));
    }
}

void tst_KeyboardKeymaps::fnLayerEntryOneShowsTheFactoryKey_data()
{
    QTest::addColumn<FnMode>("layer");
    QTest::addColumn<qint32>("entry");
    QTest::addColumn<qint32>("shown");
    // Profile 2 is shown: its factory normal entry of the key is 30000 + 1000 + key.
    QTest::newRow("Fn1, 1") << FnMode::WithFn1 << 1 << 31000 + key;
    QTest::newRow("Fn3, 1") << FnMode::WithFn3 << 1 << 31000 + key;
    QTest::newRow("Fn2, 0") << FnMode::WithFn2 << 0 << 0;
    QTest::newRow("Fn2, a usage") << FnMode::WithFn2 << 4 << 4;
    QTest::newRow("normal layer, 1") << FnMode::Normal << 1 << 1;
}

void tst_KeyboardKeymaps::fnLayerEntryOneShowsTheFactoryKey()
{
    QFETCH(FnMode, layer);
    QFETCH(qint32, entry);
    QFETCH(qint32, shown);
    m_profiles->profile2->layer(layer)[key] = entry;
    m_keymaps->load(*m_profiles, *m_factory, 1);
    m_keymaps->setFnMode(layer);
    QCOMPARE(m_keymaps->shownUsageId(*m_keymaps->keymapData(), key), shown);
}

void tst_KeyboardKeymaps::specialKeys_data()
{
    QTest::addColumn<FnMode>("layer");
    QTest::addColumn<qint32>("normalUsage");
    QTest::addColumn<bool>("isCheckingFunction");
    QTest::addColumn<bool>("special");

    const auto row = [](const char *name, FnMode layer, qint32 usage, bool checking, bool special) {
        QTest::newRow(name) << layer << usage << checking << special;
    };
    row("normal layer: an Fn key is not", FnMode::Normal, fn2Key, false, false);
    row("normal layer: an Fn1 companion is not", FnMode::Normal, 20, true, false);
    row("checking: Fn2 key in its layer", FnMode::WithFn2, fn2Key, true, true);
    row("checking: Fn2 key in the Fn1 layer", FnMode::WithFn1, fn2Key, true, false);
    row("checking: Fn2 key in the Fn3 layer", FnMode::WithFn3, fn2Key, true, false);
    row("checking: Fn1 key in its layer", FnMode::WithFn1, fn1Key, true, true);
    row("not checking: Fn2 key in the Fn1 layer", FnMode::WithFn1, fn2Key, false, true);
    row("not checking: Fn2 key in the Fn3 layer", FnMode::WithFn3, fn2Key, false, true);
    row("not checking: Fn3 key in the Fn2 layer", FnMode::WithFn2, fn3Key, false, true);
    row("Fn1 companion in the Fn1 layer, checking", FnMode::WithFn1, 20, true, true);
    row("Fn1 companion in the Fn1 layer, not checking", FnMode::WithFn1, 20, false, true);
    row("Left Ctrl in the Fn1 layer", FnMode::WithFn1, 224, true, true);
    row("Fn1 companion in the Fn2 layer", FnMode::WithFn2, 20, false, false);
    row("a plain key in the Fn1 layer", FnMode::WithFn1, 4, false, false);
}

void tst_KeyboardKeymaps::specialKeys()
{
    QFETCH(FnMode, layer);
    QFETCH(qint32, normalUsage);
    QFETCH(bool, isCheckingFunction);
    QFETCH(bool, special);
    m_profiles->profile1->normal[key] = normalUsage;
    m_keymaps->load(*m_profiles, *m_factory, 0);
    m_keymaps->setFnMode(layer);
    QCOMPARE(m_keymaps->checkSpecialKeyNumber(key, isCheckingFunction), special);
    QVERIFY(!m_keymaps->checkSpecialKeyNumber(key + 1, isCheckingFunction));
}

void tst_KeyboardKeymaps::fnEntriesThatGoWithAUsage_data()
{
    QTest::addColumn<qint32>("withFnUsageId");
    QTest::addColumn<FnMode>("clearedLayer");
    QTest::addColumn<qint32>("fn1Entry");

    const qint32 untouched = 10000 + 200 + key;
    QTest::newRow("Fn2 key: clears its own layer") << fn2Key << FnMode::WithFn2 << untouched;
    QTest::newRow("Fn3 key: clears its own layer") << fn3Key << FnMode::WithFn3 << untouched;
    QTest::newRow("above 256, not an Fn key: nothing") << 300 << FnMode::Normal << untouched;
    QTest::newRow("257: nothing") << 257 << FnMode::Normal << untouched;
    QTest::newRow("256: the Fn1 companion") << 256 << FnMode::Normal << 256;
    QTest::newRow("20: the Fn1 companion") << 20 << FnMode::Normal << 20;
    QTest::newRow("0: no companion") << 0 << FnMode::Normal << 0;
    QTest::newRow("-1: no companion") << -1 << FnMode::Normal << 0;
}

// Each write lands in the shown profile and in profile 1 of the list.
void tst_KeyboardKeymaps::fnEntriesThatGoWithAUsage()
{
    QFETCH(qint32, withFnUsageId);
    QFETCH(FnMode, clearedLayer);
    QFETCH(qint32, fn1Entry);

    m_keymaps->load(*m_profiles, *m_factory, 0);
    m_keymaps->setWithFnUsageId(key, withFnUsageId);
    const ProfileDataEntity &shown = *m_keymaps->keymapData();
    QCOMPARE(shown.withFn1.at(key), fn1Entry);
    for (const FnMode layer : {FnMode::WithFn2, FnMode::WithFn3}) {
        const qint32 original = m_profiles->profile1->layer(layer).at(key);
        QCOMPARE(shown.layer(layer).at(key), layer == clearedLayer ? 0 : original);
    }
    QVERIFY(sameProfile(*m_keymaps->currentProfilesdata()->profile1, shown));
}

void tst_KeyboardKeymaps::keyNumbersOutsideTheLayersChangeNothing()
{
    m_keymaps->load(*m_profiles, *m_factory, 0);
    for (const int number : {-1, ProfileDataEntity::keyCount}) {
        m_keymaps->setKeymapData(number, 7);
        m_keymaps->setFnInKeymapData(number, fn1Key);
        m_keymaps->setSpecialInKeymapData(number, 7);
        m_keymaps->setWithFnUsageId(number, 7);
    }
    QVERIFY(sameProfile(*m_keymaps->keymapData(), *m_profiles->profile1));
    QCOMPARE(slotHolding(*m_keymaps->currentProfilesdata(), *m_profiles->profile4), 3);
}

// Switching the profile keeps the layer; a reset goes back to profile 1 and the normal layer.
void tst_KeyboardKeymaps::profileSwitches()
{
    m_keymaps->load(*m_profiles, *m_factory, 0);
    m_keymaps->setFnMode(FnMode::WithFn2);

    m_keymaps->updateKeymapWithProfile(2);
    QCOMPARE(m_keymaps->profileMode(), ProfileMode::Profile3);
    QCOMPARE(m_keymaps->fnMode(), FnMode::WithFn2);
    QVERIFY(sameProfile(*m_keymaps->keymapData(), *m_profiles->profile3));
    QVERIFY(sameProfile(*m_keymaps->defaultKeymapData(), *m_factory->profile3));

    // The profile handed in becomes the shown one and that slot's, here profile 4's.
    const auto other = numberedProfiles(20000);
    m_keymaps->updateKeymapWithProfile(*other->profile2, 7);
    QCOMPARE(m_keymaps->profileMode(), ProfileMode::Profile4);
    QVERIFY(sameProfile(*m_keymaps->keymapData(), *other->profile2));
    QVERIFY(sameProfile(*m_keymaps->currentProfilesdata()->profile4, *other->profile2));
    QVERIFY(sameProfile(*m_keymaps->defaultKeymapData(), *m_factory->profile4));

    // New profiles replace the list and the shown profile but not which one is shown.
    m_keymaps->setProfilesData(*other);
    QCOMPARE(m_keymaps->profileMode(), ProfileMode::Profile4);
    QVERIFY(sameProfile(*m_keymaps->keymapData(), *other->profile4));

    m_keymaps->resetKeyboard(*m_profiles);
    QCOMPARE(m_keymaps->fnMode(), FnMode::Normal);
    QCOMPARE(m_keymaps->selectedProfileIndex(), std::optional<int>(0));
    QCOMPARE(m_keymaps->profileMode(), ProfileMode::Profile1);
    QVERIFY(sameProfile(*m_keymaps->keymapData(), *m_profiles->profile1));
    QVERIFY(sameProfile(*m_keymaps->defaultKeymapData(), *m_factory->profile1));
    QCOMPARE(slotHolding(*m_keymaps->currentProfilesdata(), *m_profiles->profile3), 2);
}

// Whoever holds a record sees every later change, and no record is shared with a caller's.
void tst_KeyboardKeymaps::recordsAreOnlyCopiedInto()
{
    const std::shared_ptr<ProfileDataEntity> shown = m_keymaps->keymapData();
    const std::shared_ptr<ProfileListDataEntity> list = m_keymaps->currentProfilesdata();
    m_keymaps->load(*m_profiles, *m_factory, 0);
    m_keymaps->setKeymapData(*m_profiles->profile2);
    m_keymaps->setProfilesData(*m_profiles);
    QCOMPARE(m_keymaps->keymapData(), shown);
    QCOMPARE(m_keymaps->currentProfilesdata(), list);
    m_keymaps->setKeymapData(key, 7);
    QCOMPARE(m_profiles->profile1->normal.at(key), 10000 + key);
    QCOMPARE(list->profile1->normal.at(key), 7);
}

QTEST_GUILESS_MAIN(tst_KeyboardKeymaps)
#include "tst_keyboardkeymaps.moc"
