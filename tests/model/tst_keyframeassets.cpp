#include "resourcefixture.h"
#include "resourceloader.h"

#include <QTest>

#include <memory>

using Frames = QList<QList<double>>;

// What the resource loader reads from a key-frame asset, and how it refuses one that the drawn
// keyboard, the slide keys and the palettes could not draw from.
class tst_KeyFrameAssets : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture = std::make_unique<ResourceFixture>(); }
    void cleanup() { m_fixture.reset(); }

    void readsEveryListInOrder_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<Frames>("frames");

        QTest::newRow("no keys") << QByteArray("[]") << Frames{};
        QTest::newRow("fractions and negative numbers")
            << QByteArray("[[1.5, -2, 30, 40.25], [0, 0, 1e2, 7]]")
            << Frames{{1.5, -2, 30, 40.25}, {0, 0, 100, 7}};
        QTest::newRow("an outline after the box keeps its length")
            << QByteArray("[[1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15], [1, 2, 3, 4]]")
            << Frames{{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, {1, 2, 3, 4}};
    }

    void readsEveryListInOrder()
    {
        QFETCH(QByteArray, text);
        QFETCH(Frames, frames);
        m_fixture->writeFile("Test_position.json", text);
        QCOMPARE(ResourceLoader::sharedInstance().getKeyFrames("Test_position"), frames);
    }

    void refusesWhatCannotBeDrawn_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("failure");
        const QString notFound = "EnvironmentBrokenException(Test_position is not found)";
        const QString unreadable = "EnvironmentBrokenException(Can't read Test_position)";

        QTest::newRow("missing") << QByteArray() << notFound;
        // Spaces are valid JSON around the list, so only the size refuses it.
        QTest::newRow("larger than a resource may be")
            << QByteArray(4 * 1024 * 1024, ' ') + "[[1, 2, 3, 4]]" << notFound;
        QTest::newRow("not JSON") << QByteArray("[[1, 2, 3, 4]") << unreadable;
        QTest::newRow("empty file") << QByteArray("") << unreadable;
        QTest::newRow("an object") << QByteArray(R"({"frames": [[1, 2, 3, 4]]})") << unreadable;
        QTest::newRow("a bare number") << QByteArray("4") << unreadable;
        QTest::newRow("a flat list") << QByteArray("[1, 2, 3, 4]") << unreadable;
        QTest::newRow("a number as text") << QByteArray(R"([[1, 2, 3, "4"]])") << unreadable;
        QTest::newRow("a boolean") << QByteArray("[[1, 2, 3, true]]") << unreadable;
        QTest::newRow("a null") << QByteArray("[[1, 2, 3, 4], null]") << unreadable;
        QTest::newRow("a frame without its height")
            << QByteArray("[[1, 2, 3, 4], [1, 2, 3]]")
            << "EnvironmentBrokenException(Can't read key frame 1 of Test_position)";
        QTest::newRow("an empty frame")
            << QByteArray("[[]]")
            << "EnvironmentBrokenException(Can't read key frame 0 of Test_position)";
    }

    void refusesWhatCannotBeDrawn()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, failure);
        if (!text.isNull())
            m_fixture->writeFile("Test_position.json", text);
        QCOMPARE(ResourceFixture::failure(
                     [] { ResourceLoader::sharedInstance().getKeyFrames("Test_position"); }),
                 failure);
    }

private:
    std::unique_ptr<ResourceFixture> m_fixture;
};

QTEST_GUILESS_MAIN(tst_KeyFrameAssets)
#include "tst_keyframeassets.moc"
