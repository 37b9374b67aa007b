#include "arcdataentity.h"
#include "configdataentity.h"
#include "enterkeydataentity.h"
#include "enumerations.h"
#include "exceptions.h"
#include "historydataentity.h"
#include "keyboarddataentity.h"
#include "profilelistdataentity.h"

#include <QTest>

#include <stdexcept>

class tst_Records : public QObject
{
    Q_OBJECT

private slots:
    void newRecordsHoldTheirInitialValues();
    void profileListCopy_data();
    void profileListCopy();
    void profileCopyLeavesEntriesBeyondTheKeys();
    void snapshotsAndSettingFilesCopyAsSpecified();
    void enumerationsFromRawValues_data();
    void enumerationsFromRawValues();
    void enterKeyOutline_data();
    void enterKeyOutline();
    void keyboardText_data();
    void keyboardText();
    void errorTexts_data();
    void errorTexts();
    void arcsAreEqualOnlyWhenEveryFieldIs_data();
    void arcsAreEqualOnlyWhenEveryFieldIs();
};

namespace {

// Gives every entry of every layer of every profile a value unique to its place.
void fillDistinct(ProfileListDataEntity &list, int offset)
{
    for (int index = 0; index < 4; ++index) {
        for (FnMode mode : {FnMode::Normal, FnMode::WithFn1, FnMode::WithFn2, FnMode::WithFn3}) {
            for (int key = 0; key < ProfileDataEntity::keyCount; ++key)
                list.profile(index).layer(mode)[key] =
                    offset + index * 1000 + Enumerations::rawValue(mode) * 200 + key;
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
    for (int index = 0; index < 4; ++index) {
        const QMap<QString, QList<qint32>> layers =
            keyboard.profiles->profile(index).convertToDictionary();
        QCOMPARE(layers.keys(), QStringList({"Normal", "WithFn1", "WithFn2", "WithFn3"}));
        for (const QList<qint32> &layer : layers)
            QCOMPARE(layer, QList<qint32>(120, 0));
    }
}

void tst_Records::profileListCopy_data()
{
    QTest::addColumn<int>("profileIndex");
    QTest::addColumn<FnMode>("mode");

    QTest::newRow("profile 1, normal layer") << 0 << FnMode::Normal;
    QTest::newRow("profile 2, Fn1 layer") << 1 << FnMode::WithFn1;
    QTest::newRow("profile 3, Fn2 layer") << 2 << FnMode::WithFn2;
    QTest::newRow("profile 4, Fn3 layer") << 3 << FnMode::WithFn3;
}

void tst_Records::profileListCopy()
{
    QFETCH(int, profileIndex);
    QFETCH(FnMode, mode);
    ProfileListDataEntity target;
    ProfileListDataEntity source;
    fillDistinct(source, 7);
    const std::shared_ptr<ProfileDataEntity> heldByAPage = target.profile1;

    target.getProfilesData(source);
    const QList<qint32> copied = source.profile(profileIndex).layer(mode);
    source.profile(profileIndex).layer(mode)[119] = -5;

    QCOMPARE(target.profile1, heldByAPage);
    QCOMPARE(target.profile(profileIndex).layer(mode), copied);
}

void tst_Records::profileCopyLeavesEntriesBeyondTheKeys()
{
    ProfileDataEntity target(QList<qint32>(121, 9), QList<qint32>(120, 9), QList<qint32>(120, 9),
                             QList<qint32>(120, 9));
    const ProfileDataEntity source;

    target.getProfileData(source);

    QCOMPARE(target.normal.size(), 121);
    QCOMPARE(target.normal[119], 0);
    QCOMPARE(target.normal[120], 9);
    const ProfileDataEntity shortProfile({1}, {}, {}, {});
    QVERIFY_THROWS_EXCEPTION(std::length_error, target.getProfileData(shortProfile));
}

void tst_Records::snapshotsAndSettingFilesCopyAsSpecified()
{
    ProfileListDataEntity edited;
    const HistoryDataEntity snapshot(edited, true, {true, false, true, false});
    edited.profile3->withFn2[4] = 0x5101;
    QCOMPARE(snapshot.profileList->profile3->withFn2[4], 0);
    QVERIFY(snapshot.pointingStick);
    QCOMPARE(snapshot.gesturePadData, QList<bool>({true, false, true, false}));

    // A setting file's copies read the same profiles.
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
    auto raw = [](auto value) { return std::optional<int>(rawValue(value)); };
    auto roundTrip = [](auto parsed) {
        return parsed ? std::optional<int>(rawValue(*parsed)) : std::nullopt;
    };

    QTest::newRow("save type -1 is all")
        << roundTrip(fromRaw<SaveProfileType>(-1)) << raw(SaveProfileType::all);
    QTest::newRow("save type 2 is profile3")
        << roundTrip(fromRaw<SaveProfileType>(2)) << raw(SaveProfileType::profile3);
    QTest::newRow("save type 4 is none")
        << roundTrip(fromRaw<SaveProfileType>(4)) << std::optional<int>();
    QTest::newRow("layout 2 is none")
        << roundTrip(fromRaw<KeyboardLayoutType>(2)) << std::optional<int>();
    QTest::newRow("series 0") << roundTrip(fromRaw<KeyboardSeriesEnum>(0))
                              << raw(KeyboardSeriesEnum::DARAVivuza);
    QTest::newRow("series 1 is none")
        << roundTrip(fromRaw<KeyboardSeriesEnum>(1)) << std::optional<int>();
    QTest::newRow("series -1 is none")
        << roundTrip(fromRaw<KeyboardSeriesEnum>(-1)) << std::optional<int>();
    QTest::newRow("write result 4") << roundTrip(fromRaw<WriteToTAVOResult>(4))
                                    << raw(WriteToTAVOResult::MCUCommunicationError);
    QTest::newRow("write result 5 is none")
        << roundTrip(fromRaw<WriteToTAVOResult>(5)) << std::optional<int>();
    QTest::newRow("huge raw value is none")
        << roundTrip(fromRaw<FnMode>(0x100000000LL)) << std::optional<int>();
}

void tst_Records::enumerationsFromRawValues()
{
    QFETCH(std::optional<int>, parsed);
    QFETCH(std::optional<int>, expected);
    QCOMPARE(parsed, expected);
}

void tst_Records::enterKeyOutline_data()
{
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<int>("arcs");
    QTest::addColumn<bool>("clockwise");

    const QList<double> header{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    QTest::newRow("fourteen values, no arc") << header << 0 << false;
    QTest::newRow("fifth arc value 1.0 is clockwise")
        << header + QList<double>{20, 21, 0.5, 1.5, 1.0} << 1 << true;
    QTest::newRow("fifth arc value 0.5 is counter-clockwise")
        << header + QList<double>{20, 21, 0.5, 1.5, 0.5} << 1 << false;
}

void tst_Records::enterKeyOutline()
{
    QFETCH(QList<double>, values);
    QFETCH(int, arcs);
    QFETCH(bool, clockwise);

    const EnterKeyDataEntity outline = EnterKeyDataEntity::arrayToEnterKeyDataEntity(values, 4.5);

    QCOMPARE(outline.frame, QRectF(1, 2, 3, 4));
    QCOMPARE(outline.rects, QList<QRectF>({QRectF(5, 6, 7, 8), QRectF(9, 10, 11, 12)}));
    QCOMPARE(outline.startPoint, QPointF(13, 14));
    QCOMPARE(outline.arcRadius, 4.5);
    QCOMPARE(outline.arcParams.size(), arcs);
    if (arcs == 1) {
        QCOMPARE(outline.arcParams[0], (ArcDataEntity{QPointF(20, 21), 0.5, 1.5, clockwise}));
    }
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                             EnterKeyDataEntity::arrayToEnterKeyDataEntity(values.mid(1), 4.5));
}

void tst_Records::keyboardText_data()
{
    QTest::addColumn<std::optional<RunningFirmwareState>>("state");
    QTest::addColumn<QString>("runningLine");

    QTest::newRow("absent") << std::optional<RunningFirmwareState>() << "RunningFirmware : nil \n";
    QTest::newRow("boot loader") << std::optional(RunningFirmwareState::boot)
                                 << "RunningFirmware : Optional(boot) \n";
}

void tst_Records::keyboardText()
{
    QFETCH(std::optional<RunningFirmwareState>, state);
    QFETCH(QString, runningLine);
    KeyboardDataEntity keyboard("V1.05", "13", "KX-QR300B", "2", "S123", RunningFirmwareState::app);
    keyboard.runningFirmwareState = state;
    keyboard.dipSwitch[4] = true;

    QCOMPARE(keyboard.ToString(),
             "KeyboardData { \nFirmVersion : V1.05 \nBootFirmVersion : 13 \n" + runningLine +
                 "TypeNumber : KX-QR300B \nRevision : 2 \nSerial : S123 \n"
                 "DipSwitch : [false, false, false, false, true, false] \n"
                 "PointingStick : false \nGesturePadInfo : [true, true, true, true] \n}");
}

void tst_Records::errorTexts_data()
{
    QTest::addColumn<Exceptions>("error");
    QTest::addColumn<Exceptions::Case>("kind");
    QTest::addColumn<QString>("report");

    QTest::newRow("format error names its detail")
        << Exceptions::FormatException("Version invalid") << Exceptions::Case::FormatException
        << "Exceptions.FormatException: Version invalid";
    QTest::newRow("other errors name case and payload")
        << Exceptions::EnvironmentBrokenException("KeyboardDatalist: Keyboards")
        << Exceptions::Case::EnvironmentBrokenException
        << "Error occured: EnvironmentBrokenException(KeyboardDatalist: Keyboards)";
    QTest::newRow("newer version carries the file's version")
        << Exceptions::NewerVersionException("2.0.0.0") << Exceptions::Case::NewerVersionException
        << "Error occured: NewerVersionException(2.0.0.0)";
    QTest::newRow("mismatched keyboard names the layout flag")
        << Exceptions::MismatchKeyboardException(ConfigDataEntity(), true)
        << Exceptions::Case::MismatchKeyboardException
        << "Error occured: MismatchKeyboardException(isMismatchKeyboardLayout: true)";
}

void tst_Records::errorTexts()
{
    QFETCH(Exceptions, error);
    QFETCH(Exceptions::Case, kind);
    QFETCH(QString, report);
    QCOMPARE(error.kind(), kind);
    QCOMPARE(error.reportText(), report);
}

void tst_Records::arcsAreEqualOnlyWhenEveryFieldIs_data()
{
    QTest::addColumn<ArcDataEntity>("other");
    QTest::addColumn<bool>("equal");

    QTest::newRow("same arc") << ArcDataEntity{QPointF(10, 20), 0, 1.5, true} << true;
    QTest::newRow("direction differs") << ArcDataEntity{QPointF(10, 20), 0, 1.5, false} << false;
    QTest::newRow("end angle differs") << ArcDataEntity{QPointF(10, 20), 0, 1.6, true} << false;
    QTest::newRow("centre differs in the last digits")
        << ArcDataEntity{QPointF(10 + 1e-12, 20), 0, 1.5, true} << false;
}

void tst_Records::arcsAreEqualOnlyWhenEveryFieldIs()
{
    QFETCH(ArcDataEntity, other);
    QFETCH(bool, equal);
    QCOMPARE(other == (ArcDataEntity{QPointF(10, 20), 0, 1.5, true}), equal);
}

QTEST_GUILESS_MAIN(tst_Records)
#include "tst_records.moc"
