#include "resourceloader.h"

#include <QLocale>
#include <QSet>
#include <QTest>

using ListSource = QList<QList<qint32>> (*)();
Q_DECLARE_METATYPE(ListSource)

class tst_PaletteUsageLists : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void rows_data();
    void rows();
    void specialKeys();
};

void tst_PaletteUsageLists::rows_data()
{
    QTest::addColumn<ListSource>("source");
    QTest::addColumn<QLocale::Language>("language");
    QTest::addColumn<QList<int>>("rowSizes");
    // The last usage ID of every row.
    QTest::addColumn<QList<qint32>>("rowEnds");

    const QList<int> alphabet{22, 22, 22, 22, 22, 22, 22};
    const QList<qint32> ends{69, 13};
    QTest::newRow("Japanese alphabet")
        << ListSource(&ResourceLoader::getSortedJapaneseUsageIdList) << QLocale::Japanese
        << alphabet + QList<int>{21} << ends + QList<qint32>{224, 170, 227, 0x5FA4, 250, 0x5F92};
    QTest::newRow("English alphabet")
        << ListSource(&ResourceLoader::getSortedEnglishUsageIdList) << QLocale::English
        << alphabet + QList<int>{18} << ends + QList<qint32>{228, 169, 227, 0x5FA7, 0x5F9E, 0x5F92};
    QTest::newRow("English alphabet, Japanese locale")
        << ListSource(&ResourceLoader::getSortedEnglishUsageIdList) << QLocale::Japanese
        << alphabet + QList<int>{21} << ends + QList<qint32>{228, 169, 227, 0x5FA7, 0x5F9E, 145};
    QTest::newRow("Japanese shortcuts")
        << ListSource(&ResourceLoader::getSortedShortcutJapaneseUsageIdList) << QLocale::English
        << QList<int>{22, 22, 22, 22, 22, 22, 2, 1}
        << ends + QList<qint32>{77, 135, 145, 250, 252, 0};
    QTest::newRow("English shortcuts")
        << ListSource(&ResourceLoader::getSortedShortcutEnglishUsageIdList) << QLocale::English
        << QList<int>{22, 22, 22, 22, 22, 21, 1} << ends + QList<qint32>{77, 51, 246, 252, 0};
    QTest::newRow("English shortcuts, Japanese locale")
        << ListSource(&ResourceLoader::getSortedShortcutEnglishUsageIdList) << QLocale::Japanese
        << QList<int>{22, 22, 22, 22, 22, 22, 2, 1}
        << ends + QList<qint32>{77, 51, 246, 136, 145, 0};
    QTest::newRow("device") << ListSource(&ResourceLoader::getSortedDeviceUsageIdList)
                            << QLocale::English << QList<int>{21, 14}
                            << QList<qint32>{0x5F80, 0x5F92};
}

void tst_PaletteUsageLists::rows()
{
    QFETCH(ListSource, source);
    QFETCH(QLocale::Language, language);
    QFETCH(QList<int>, rowSizes);
    QFETCH(QList<qint32>, rowEnds);
    QLocale::setDefault(QLocale(language));

    QList<int> sizes;
    QList<qint32> ends;
    QSet<qint32> seen;
    for (const QList<qint32> &row : source()) {
        sizes.append(row.size());
        ends.append(row.last());
        for (qint32 usageId : row) {
            // Every key appears once; 0 stands for empty keys and may repeat.
            QVERIFY2(usageId == 0 || !seen.contains(usageId), qPrintable(QString::number(usageId)));
            seen.insert(usageId);
        }
    }
    QCOMPARE(sizes, rowSizes);
    QCOMPARE(ends, rowEnds);
}

void tst_PaletteUsageLists::specialKeys()
{
    const QList<qint32> special{6, 20, 25, 27, 29, 224, 229, 0x5101, 0x5102, 0x5103};
    for (qint32 usageId = -1; usageId <= 0x5FA7; ++usageId)
        QCOMPARE(ResourceLoader::getWithFnKeyForSpecialKey(usageId),
                 special.contains(usageId) ? usageId : -1);
}

QTEST_GUILESS_MAIN(tst_PaletteUsageLists)
#include "tst_paletteusagelists.moc"
