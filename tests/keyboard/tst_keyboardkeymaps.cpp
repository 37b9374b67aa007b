#include "keyboardfixture.h"
#include "keyboardkeymaps.h"

#include <QTest>

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
            for (int number = 0; number < ProfileDataEntity::keyCount; ++number)
                profiles->profile(profile).layer(layer)[number] =
                    base + profile * 1000 + int(layer) * 200 + number;
        }
    }
    return profiles;
}

// The profile of the list that equals profile, -1 for none.
int slotHolding(const ProfileListDataEntity &list, const ProfileDataEntity &profile)
{
    for (int index = 0; index < 4; ++index) {
        const ProfileDataEntity &slot = list.profile(index);
        if (slot.normal == profile.normal && slot.withFn1 == profile.withFn1 &&
            slot.withFn2 == profile.withFn2 && slot.withFn3 == profile.withFn3)
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

    TestFolders m_folders;
    std::shared_ptr<ProfileListDataEntity> m_profiles;
    const std::shared_ptr<ProfileListDataEntity> m_factory = numberedProfiles(30000);
    KeyboardKeymaps m_keymaps;

    // Which profile of the list (0 to 3, -1 for none) holds the shown keymap and the factory
    // keymap compared with.
    int shown() const { return slotHolding(*m_profiles, *m_keymaps.keymapData()); }
    int shownFactory() const { return slotHolding(*m_factory, *m_keymaps.defaultKeymapData()); }

private slots:
    void init()
    {
        m_profiles = numberedProfiles(10000);
        m_keymaps = KeyboardKeymaps();
    }

    void loadAndEditMapIndexesApart_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("edited");
        for (int index = 0; index < 4; ++index)
            QTest::addRow("%d", index) << index << index << index;
        QTest::newRow("4: shows profile 1, edits go to profile 4") << 4 << 0 << 3;
        QTest::newRow("-1: shows profile 1, edits go to profile 4") << -1 << 0 << 3;
    }

    // A load shows profiles 2 to 4 for indexes 1 to 3 and profile 1 for any other; an edit of the
    // shown keymap goes to profiles 1 to 3 for indexes 0 to 2 and to profile 4 for any other,
    // and nowhere else.
    void loadAndEditMapIndexesApart()
    {
        QFETCH(int, index);
        QFETCH(int, shown);
        QFETCH(int, edited);
        m_keymaps.load(*m_profiles, *m_factory, index);
        QCOMPARE(int(m_keymaps.profileMode()), shown);
        QVERIFY(this->shown() == shown && shownFactory() == shown);
        m_keymaps.setKeymapData(key, 7);
        QCOMPARE(m_keymaps.keymapData()->normal.at(key), 7);
        m_profiles->profile(edited).getProfileData(*m_keymaps.keymapData());
        for (int other = 0; other < 4; ++other)
            QCOMPARE(slotHolding(*m_keymaps.currentProfilesdata(), m_profiles->profile(other)),
                     other);
    }

    void shownAndSpecialKeys_data()
    {
        QTest::addColumn<FnMode>("layer");
        QTest::addColumn<qint32>("normal");
        QTest::addColumn<qint32>("entry");
        QTest::addColumn<bool>("checking");
        QTest::addColumn<QString>("shown");
        // The key's factory normal entry in profile 1, shown, is 30000 + key.
        const auto row = [](const char *name, FnMode layer, qint32 normal, qint32 entry,
                            bool checking, const char *shown) {
            QTest::newRow(name) << layer << normal << entry << checking << QString(shown);
        };
        using enum FnMode;
        row("Fn layer entry 1: the factory key", WithFn3, 4, 1, false, "30020");
        row("Fn layer entry 0", WithFn2, 4, 0, false, "0");
        row("normal layer, 1", Normal, 1, 1, false, "1");
        row("normal layer: an Fn key is not special", Normal, fn2Key, fn2Key, false, "20738");
        row("normal layer: an Fn1 companion is not", Normal, 20, 20, true, "20");
        row("checking: Fn2 key in its layer", WithFn2, fn2Key, 5, true, "5 special");
        row("checking: Fn2 key in the Fn1 layer", WithFn1, fn2Key, 5, true, "5");
        row("checking: Fn2 key in the Fn3 layer", WithFn3, fn2Key, 5, true, "5");
        row("not checking: Fn3 key in the Fn2 layer", WithFn2, fn3Key, 5, false, "5 special");
        row("Fn1 companion in the Fn1 layer", WithFn1, 20, 5, true, "5 special");
        row("Left Ctrl in the Fn1 layer", WithFn1, 224, 5, true, "5 special");
        row("Fn1 companion in the Fn2 layer", WithFn2, 20, 5, false, "5");
        row("a plain key in the Fn1 layer", WithFn1, 4, 5, false, "5");
    }

    // In an Fn layer an entry 1 stands for the key's factory usage; a key is special in an Fn
    // layer when its normal usage is that layer's Fn key (any Fn key while not checking), and
    // in the Fn1 layer when it keeps an Fn1 companion.
    void shownAndSpecialKeys()
    {
        QFETCH(FnMode, layer);
        QFETCH(qint32, normal);
        QFETCH(qint32, entry);
        QFETCH(bool, checking);
        QFETCH(QString, shown);
        m_profiles->profile1->normal[key] = normal;
        m_profiles->profile1->layer(layer)[key] = entry;
        m_keymaps.load(*m_profiles, *m_factory, 0);
        m_keymaps.setFnMode(layer);
        QString actual = QString::number(m_keymaps.shownUsageId(*m_keymaps.keymapData(), key));
        if (m_keymaps.checkSpecialKeyNumber(key, checking))
            actual += " special";
        QCOMPARE(actual, shown);
        QVERIFY(!m_keymaps.checkSpecialKeyNumber(key + 1, checking));
    }

    void fnEntriesThatGoWithAUsage_data()
    {
        QTest::addColumn<qint32>("withFnUsageId");
        QTest::addColumn<QList<qint32>>("fnEntries");
        const qint32 fn1 = 10200 + key, fn2 = 10400 + key, fn3 = 10600 + key;
        QTest::newRow("Fn2 key: clears its own layer") << fn2Key << QList<qint32>{fn1, 0, fn3};
        QTest::newRow("Fn3 key: clears its own layer") << fn3Key << QList<qint32>{fn1, fn2, 0};
        QTest::newRow("257, not an Fn key: nothing") << 257 << QList<qint32>{fn1, fn2, fn3};
        QTest::newRow("256: the Fn1 companion") << 256 << QList<qint32>{256, fn2, fn3};
        QTest::newRow("-1: no companion") << -1 << QList<qint32>{0, fn2, fn3};
    }

    // Each write lands in the shown profile and in profile 1 of the list.
    void fnEntriesThatGoWithAUsage()
    {
        QFETCH(qint32, withFnUsageId);
        QFETCH(QList<qint32>, fnEntries);
        m_keymaps.load(*m_profiles, *m_factory, 0);
        m_keymaps.setWithFnUsageId(key, withFnUsageId);
        const ProfileDataEntity &shown = *m_keymaps.keymapData();
        QCOMPARE(
            (QList<qint32>{shown.withFn1.at(key), shown.withFn2.at(key), shown.withFn3.at(key)}),
            fnEntries);
        QCOMPARE(slotHolding(*m_keymaps.currentProfilesdata(), shown), 0);
    }

    void keyNumbersOutsideTheLayersChangeNothing()
    {
        m_keymaps.load(*m_profiles, *m_factory, 0);
        for (const int number : {-1, ProfileDataEntity::keyCount}) {
            m_keymaps.setKeymapData(number, 7);
            m_keymaps.setFnInKeymapData(number, fn1Key);
            m_keymaps.setSpecialInKeymapData(number, 7);
            m_keymaps.setWithFnUsageId(number, 7);
        }
        QCOMPARE(shown(), 0);
        QCOMPARE(slotHolding(*m_keymaps.currentProfilesdata(), *m_profiles->profile4), 3);
    }

    // Switching the profile keeps the layer; a reset goes back to profile 1 and the normal layer.
    void profileSwitches()
    {
        m_keymaps.load(*m_profiles, *m_factory, 0);
        m_keymaps.setFnMode(FnMode::WithFn2);
        m_keymaps.updateKeymapWithProfile(2);
        QCOMPARE(m_keymaps.fnMode(), FnMode::WithFn2);
        QVERIFY(m_keymaps.profileMode() == ProfileMode::Profile3 && shown() == 2 &&
                shownFactory() == 2);

        // The profile handed in becomes the shown one and that slot's, here profile 4's.
        m_keymaps.updateKeymapWithProfile(*m_profiles->profile2, 7);
        QCOMPARE(m_keymaps.profileMode(), ProfileMode::Profile4);
        QVERIFY(shown() == 1 && shownFactory() == 3);
        QCOMPARE(slotHolding(*m_profiles, *m_keymaps.currentProfilesdata()->profile4), 1);

        // New profiles replace the list and the shown profile but not which one is shown.
        m_keymaps.setProfilesData(*m_profiles);
        QVERIFY(m_keymaps.profileMode() == ProfileMode::Profile4 && shown() == 3);

        m_keymaps.resetKeyboard(*m_profiles);
        QCOMPARE(m_keymaps.fnMode(), FnMode::Normal);
        QCOMPARE(m_keymaps.selectedProfileIndex(), std::optional<int>(0));
        QVERIFY(m_keymaps.profileMode() == ProfileMode::Profile1 && shown() == 0 &&
                shownFactory() == 0);
    }

    // Whoever holds a record sees every later change, and no record is shared with a caller's.
    void recordsAreOnlyCopiedInto()
    {
        const std::shared_ptr<ProfileDataEntity> shown = m_keymaps.keymapData();
        const std::shared_ptr<ProfileListDataEntity> list = m_keymaps.currentProfilesdata();
        m_keymaps.load(*m_profiles, *m_factory, 0);
        m_keymaps.setKeymapData(*m_profiles->profile2);
        m_keymaps.setProfilesData(*m_profiles);
        QVERIFY(m_keymaps.keymapData() == shown && m_keymaps.currentProfilesdata() == list);
        m_keymaps.setKeymapData(key, 7);
        QCOMPARE(m_profiles->profile1->normal.at(key), 10000 + key);
        QCOMPARE(list->profile1->normal.at(key), 7);
    }
};

QTEST_GUILESS_MAIN(tst_KeyboardKeymaps)
#include "tst_keyboardkeymaps.moc"
