#include "enterkeydataentity.h"
#include "historydataentity.h"
#include "keyboarddataentity.h"

#include <QTest>

#include <stdexcept>

// The keyboard records: copies that never alias and never read short layers, the Enter key's
// outline and its arcs.
class tst_Records : public QObject
{
    Q_OBJECT

private slots:
    void profileCopiesNeverAlias()
    {
        ProfileListDataEntity target, source;
        for (int index = 0; index < 4; ++index)
            source.profile(index).withFn2[5] = index + 1;
        const std::shared_ptr<ProfileDataEntity> heldByAPage = target.profile1;

        target.getProfilesData(source);
        const HistoryDataEntity snapshot(target, true, {true, false, true, false});
        source.profile4->withFn2[5] = 0;
        target.profile3->withFn2[5] = 0;

        // Copies go element-wise into the objects pages already hold.
        QCOMPARE(target.profile1, heldByAPage);
        QCOMPARE(target.profile4->withFn2[5], 4);
        QCOMPARE(snapshot.profileList->profile3->withFn2[5], 3);
    }

    // Only the 120 keys are copied; a short source is refused rather than read past its end.
    void shortLayersAreNeverRead()
    {
        ProfileDataEntity longer(QList<qint32>(121, 9), QList<qint32>(120), QList<qint32>(120),
                                 QList<qint32>(120));
        longer.getProfileData(ProfileDataEntity());
        QCOMPARE(longer.normal.mid(119), QList<qint32>({0, 9}));
        QVERIFY_THROWS_EXCEPTION(std::length_error,
                                 longer.getProfileData(ProfileDataEntity({1}, {}, {}, {})));
    }

    void enterKeyOutline()
    {
        const QList<double> values{1,  2,  3,  4,  5,   6,   7,   8,  9,  10,  11,  12,
                                   13, 14, 20, 21, 0.5, 1.5, 1.0, 30, 31, 0.5, 1.5, 0.5};

        const auto outline = EnterKeyDataEntity::arrayToEnterKeyDataEntity(values, 4.5);

        QCOMPARE(outline.frame, QRectF(1, 2, 3, 4));
        QCOMPARE(outline.rects, QList<QRectF>({QRectF(5, 6, 7, 8), QRectF(9, 10, 11, 12)}));
        QCOMPARE(outline.startPoint, QPointF(13, 14));
        // 1.0 is clockwise, any other value counter-clockwise.
        QCOMPARE(outline.arcParams, QList<ArcDataEntity>({{QPointF(20, 21), 0.5, 1.5, true},
                                                          {QPointF(30, 31), 0.5, 1.5, false}}));
        QCOMPARE(outline.arcRadius, 4.5);
        QVERIFY(
            EnterKeyDataEntity::arrayToEnterKeyDataEntity(values.first(14), 1).arcParams.isEmpty());
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 EnterKeyDataEntity::arrayToEnterKeyDataEntity(values.mid(1), 4.5));
    }

    void arcsAreEqualOnlyWhenEveryFieldIs()
    {
        const ArcDataEntity arc{QPointF(10, 20), 0, 1.5, true};
        QVERIFY(arc == (ArcDataEntity{QPointF(10, 20), 0, 1.5, true}));
        QVERIFY(!(arc == ArcDataEntity{QPointF(10, 20), 0, 1.5, false}));
        QVERIFY(!(arc == ArcDataEntity{QPointF(10 + 1e-12, 20), 0, 1.5, true}));
    }
};

QTEST_GUILESS_MAIN(tst_Records)
#include "tst_records.moc"
