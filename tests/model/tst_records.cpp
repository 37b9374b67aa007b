#include "configdataentity.h"
#include "enterkeydataentity.h"
#include "exceptions.h"
#include "historydataentity.h"
#include "keyboarddataentity.h"

#include <QTest>

#include <stdexcept>

class tst_Records : public QObject
{
    Q_OBJECT

private slots:
    void newRecordsHoldTheirInitialValues();
    void profileCopiesNeverAlias();
    void snapshotsOwnTheirProfiles();
    void enumerationsFromRawValues_data();
    void enumerationsFromRawValues();
    void enterKeyOutline();
    void keyboardText();
    void errorTexts();
    void arcsAreEqualOnlyWhenEveryFieldIs();
};

namespace {

constexpr FnMode layers[] = {FnMode::Normal, FnMode::WithFn1, FnMode::WithFn2, FnMode::WithFn3};

// Gives every entry of every layer of every profile a value unique to its place.
void fillDistinct(ProfileListDataEntity &list, int offset)
{
    for (int index = 0; index < 4; ++index) {
        for (FnMode mode : layers) {
            for (int key = 0; key < ProfileDataEntity::keyCount; ++key)
                list.profile(index).layer(mode)[key] =
                    offset + index * 1000 + int(mode) * 200 + key;
        }
    }
}

} // namespace

void tst_Records::newRecordsHoldTheirInitialValues()
{
    const KeyboardDataEntity keyboard;
    QCOMPARE(keyboard.gesturePadInfo, QList<bool>(4, true));
    QCOMPARE(keyboard.dipSwitch, QList<bool>(6, false));
    QVERIFY(!keyboard.pointingStickStatus);
    QVERIFY(!keyboard.runningFirmwareState.has_value());
    const QMap<QString, QList<qint32>> layers = keyboard.profiles->profile4->convertToDictionary();
    QCOMPARE(layers.keys(), QStringList({"Normal", "WithFn1", "WithFn2", "WithFn3"}));
    for (const QList<qint32> &layer : layers)
        QCOMPARE(layer, QList<qint32>(120, 0));
}

void tst_Records::profileCopiesNeverAlias()
{
    ProfileListDataEntity target, source, expected;
    fillDistinct(source, 7);
    fillDistinct(expected, 7);
    const std::shared_ptr<ProfileDataEntity> heldByAPage = target.profile1;

    target.getProfilesData(source);
    fillDistinct(source, 50000);

    QCOMPARE(target.profile1, heldByAPage);
    for (int index = 0; index < 4; ++index)
        QCOMPARE(target.profile(index).convertToDictionary(),
                 expected.profile(index).convertToDictionary());

    // Only the 120 keys are copied; a short source is refused rather than read past its end.
    ProfileDataEntity longer(QList<qint32>(121, 9), QList<qint32>(120), QList<qint32>(120),
                             QList<qint32>(120));
    longer.getProfileData(ProfileDataEntity());
    QCOMPARE(longer.normal.mid(119), QList<qint32>({0, 9}));
    QVERIFY_THROWS_EXCEPTION(std::length_error,
                             longer.getProfileData(ProfileDataEntity({1}, {}, {}, {})));
}

void tst_Records::snapshotsOwnTheirProfiles()
{
    ProfileListDataEntity edited;
    const HistoryDataEntity snapshot(edited, true, {true, false, true, false});
    edited.profile3->withFn2[4] = 0x5101;
    QCOMPARE(snapshot.profileList->profile3->withFn2[4], 0);

    // Copies of a setting file read the same profiles.
    ConfigDataEntity file;
    const ConfigDataEntity copy = file;
    file.profilesData->profile1->normal[0] = 4;
    QCOMPARE(copy.profilesData->profile1->normal[0], 4);
}

void tst_Records::enumerationsFromRawValues_data()
{
    QTest::addColumn<std::optional<int>>("parsed");
    QTest::addColumn<std::optional<int>>("expected");
    using namespace Enumerations;
    auto raw = [](auto parsed) {
        return parsed ? std::optional<int>(rawValue(*parsed)) : std::nullopt;
    };

    QTest::newRow("save type -1 is all") << raw(fromRaw<SaveProfileType>(-1)) << std::optional(-1);
    QTest::newRow("save type 4") << raw(fromRaw<SaveProfileType>(4)) << std::optional<int>();
    QTest::newRow("layout 2") << raw(fromRaw<KeyboardLayoutType>(2)) << std::optional<int>();
    QTest::newRow("series 1") << raw(fromRaw<KeyboardSeriesEnum>(1)) << std::optional<int>();
    QTest::newRow("write result 4") << raw(fromRaw<WriteToTAVOResult>(4)) << std::optional(4);
    QTest::newRow("raw value past 32 bits")
        << raw(fromRaw<FnMode>(0x100000000LL)) << std::optional<int>();
}

void tst_Records::enumerationsFromRawValues()
{
    QFETCH(std::optional<int>, parsed);
    QFETCH(std::optional<int>, expected);
    QCOMPARE(parsed, expected);
}

void tst_Records::enterKeyOutline()
{
    const QList<double> values{1,  2,  3,  4,  5,   6,   7,   8,  9,  10,  11,  12,
                               13, 14, 20, 21, 0.5, 1.5, 1.0, 30, 31, 0.5, 1.5, 0.5};

    const EnterKeyDataEntity outline = EnterKeyDataEntity::arrayToEnterKeyDataEntity(values, 4.5);

    QCOMPARE(outline.frame, QRectF(1, 2, 3, 4));
    QCOMPARE(outline.rects, QList<QRectF>({QRectF(5, 6, 7, 8), QRectF(9, 10, 11, 12)}));
    QCOMPARE(outline.startPoint, QPointF(13, 14));
    // 1.0 is clockwise, any other value counter-clockwise.
    QCOMPARE(outline.arcParams, QList<ArcDataEntity>({{QPointF(20, 21), 0.5, 1.5, true},
                                                      {QPointF(30, 31), 0.5, 1.5, false}}));
    QCOMPARE(outline.arcRadius, 4.5);
    QVERIFY(EnterKeyDataEntity::arrayToEnterKeyDataEntity(values.first(14), 1).arcParams.isEmpty());
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                             EnterKeyDataEntity::arrayToEnterKeyDataEntity(values.mid(1), 4.5));
}

void tst_Records::keyboardText()
{
    KeyboardDataEntity keyboard("V1.05", "13", "KX-QR300B", "2", "S1", RunningFirmwareState::boot);
    keyboard.dipSwitch[4] = true;
    QCOMPARE(keyboard.ToString(),
             "KeyboardData { \nFirmVersion : V1.05 \nBootFirmVersion : 13 \n"
             "RunningFirmware : Optional(boot) \nTypeNumber : KX-QR300B \nRevision : 2 \n"
             "Serial : S1 \nDipSwitch : [false, false, false, false, true, false] \n"
             "PointingStick : false \nGesturePadInfo : [true, true, true, true] \n}");
    QVERIFY(KeyboardDataEntity().ToString().contains("RunningFirmware : nil \n"));
}

void tst_Records::errorTexts()
{
    QCOMPARE(Exceptions::FormatException("Version invalid").reportText(),
             "Exceptions.FormatException: Version invalid");
    QCOMPARE(Exceptions::EnvironmentBrokenException("KeyboardDatalist").reportText(),
             "Error occured: EnvironmentBrokenException(KeyboardDatalist)");
}

void tst_Records::arcsAreEqualOnlyWhenEveryFieldIs()
{
    const ArcDataEntity arc{QPointF(10, 20), 0, 1.5, true};
    QVERIFY(arc == (ArcDataEntity{QPointF(10, 20), 0, 1.5, true}));
    QVERIFY(!(arc == ArcDataEntity{QPointF(10, 20), 0, 1.5, false}));
    QVERIFY(!(arc == ArcDataEntity{QPointF(10 + 1e-12, 20), 0, 1.5, true}));
}

QTEST_GUILESS_MAIN(tst_Records)
#include "tst_records.moc"
