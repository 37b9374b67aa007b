#include "resourceloader.h"

#include <QLocale>
#include <QSet>
#include <QTest>

using Rows = QList<QList<qint32>>;
using ListSource = Rows (*)();
Q_DECLARE_METATYPE(ListSource)

class tst_PaletteUsageLists : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void rows_data();
    void rows();
    void specialKeys_data();
    void specialKeys();
};

void tst_PaletteUsageLists::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

void tst_PaletteUsageLists::rows_data()
{
    QTest::addColumn<ListSource>("source");
    QTest::addColumn<QLocale::Language>("language");
    QTest::addColumn<QList<int>>("rowSizes");
    // The first and last usage ID of every row, row after row.
    QTest::addColumn<QList<qint32>>("rowEnds");

    QTest::newRow("Japanese alphabet")
        << ListSource(&ResourceLoader::getSortedJapaneseUsageIdList) << QLocale::English
        << QList<int>{22, 22, 22, 22, 22, 22, 22, 21}
        << QList<qint32>{30,  69,  104, 13,     14,     224, 228, 170,
                         169, 227, 231, 0x5FA4, 0x5FA5, 250, 251, 0x5F92};
    QTest::newRow("Japanese alphabet in a Japanese locale")
        << ListSource(&ResourceLoader::getSortedJapaneseUsageIdList) << QLocale::Japanese
        << QList<int>{22, 22, 22, 22, 22, 22, 22, 21}
        << QList<qint32>{30,  69,  104, 13,     14,     224, 228, 170,
                         169, 227, 231, 0x5FA4, 0x5FA5, 250, 251, 0x5F92};
    QTest::newRow("English alphabet")
        << ListSource(&ResourceLoader::getSortedEnglishUsageIdList) << QLocale::English
        << QList<int>{22, 22, 22, 22, 22, 22, 22, 18}
        << QList<qint32>{30, 69,  104, 13,     14,  228,    83,     169,
                         45, 227, 231, 0x5FA7, 189, 0x5F9E, 0x5F9F, 0x5F92};
    QTest::newRow("English alphabet in a Japanese locale")
        << ListSource(&ResourceLoader::getSortedEnglishUsageIdList) << QLocale::Japanese
        << QList<int>{22, 22, 22, 22, 22, 22, 22, 21}
        << QList<qint32>{30, 69,  104, 13,     14,  228,    83,     169,
                         45, 227, 231, 0x5FA7, 189, 0x5F9E, 0x5F9F, 145};
    QTest::newRow("Japanese shortcuts")
        << ListSource(&ResourceLoader::getSortedShortcutJapaneseUsageIdList) << QLocale::English
        << QList<int>{22, 22, 22, 22, 22, 22, 2, 1}
        << QList<qint32>{30, 69, 104, 13, 14, 77, 40, 135, 50, 145, 244, 250, 251, 252, 0, 0};
    QTest::newRow("English shortcuts")
        << ListSource(&ResourceLoader::getSortedShortcutEnglishUsageIdList) << QLocale::English
        << QList<int>{22, 22, 22, 22, 22, 21, 1}
        << QList<qint32>{30, 69, 104, 13, 14, 77, 88, 51, 52, 246, 189, 252, 0, 0};
    QTest::newRow("English shortcuts in a Japanese locale")
        << ListSource(&ResourceLoader::getSortedShortcutEnglishUsageIdList) << QLocale::Japanese
        << QList<int>{22, 22, 22, 22, 22, 22, 2, 1}
        << QList<qint32>{30, 69, 104, 13, 14, 77, 88, 51, 52, 246, 189, 136, 144, 145, 0, 0};
    QTest::newRow("device") << ListSource(&ResourceLoader::getSortedDeviceUsageIdList)
                            << QLocale::Japanese << QList<int>{21, 14}
                            << QList<qint32>{244, 0x5F80, 0x5F84, 0x5F92};
}

void tst_PaletteUsageLists::rows()
{
    QFETCH(ListSource, source);
    QFETCH(QLocale::Language, language);
    QFETCH(QList<int>, rowSizes);
    QFETCH(QList<qint32>, rowEnds);
    QLocale::setDefault(QLocale(language));

    const Rows rows = source();

    QList<int> sizes;
    QList<qint32> ends;
    QSet<qint32> seen;
    for (const QList<qint32> &row : rows) {
        sizes.append(row.size());
        ends << row.first() << row.last();
        for (qint32 usageId : row) {
            // Every key appears once; 0 stands for empty keys and may repeat.
            QVERIFY2(usageId == 0 || !seen.contains(usageId), qPrintable(QString::number(usageId)));
            seen.insert(usageId);
        }
    }
    QCOMPARE(sizes, rowSizes);
    QCOMPARE(ends, rowEnds);
}

void tst_PaletteUsageLists::specialKeys_data()
{
    QTest::addColumn<qint32>("usageId");
    QTest::addColumn<qint32>("expected");

    for (qint32 special : {6, 20, 25, 27, 29, 224, 229, 0x5101, 0x5102, 0x5103})
        QTest::addRow("special %d", special) << special << special;
    for (qint32 other : {0, 1, 4, 225, 0x5100, 0x5104, 0x5FA7, -6})
        QTest::addRow("ordinary %d", other) << other << -1;
}

void tst_PaletteUsageLists::specialKeys()
{
    QFETCH(qint32, usageId);
    QFETCH(qint32, expected);

    QCOMPARE(ResourceLoader::getWithFnKeyForSpecialKey(usageId), expected);
}

QTEST_GUILESS_MAIN(tst_PaletteUsageLists)
#include "tst_paletteusagelists.moc"
