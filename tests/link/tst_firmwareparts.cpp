#include "constants.h"
#include "firmwareimagebuilder.h"
#include "firmwareimagereader.h"
#include "firmwareparts.h"

#include <QTemporaryDir>
#include <QTest>

using Sizes = QList<qint64>;

class tst_FirmwareParts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void layout_data();
    void layout();
    void shortImageGivesShortParts();
    void checkImage_data();
    void checkImage();
    void cutGivesThePartsByteForByte();

private:
    // Log lines go here, not into the user's log folder.
    QTemporaryDir m_logs;
};

void tst_FirmwareParts::initTestCase()
{
    Constants::setLogDirectoryForTesting(m_logs.path() + QLatin1Char('/'));
}

void tst_FirmwareParts::layout_data()
{
    QTest::addColumn<Sizes>("sizes");
    QTest::addColumn<Sizes>("positions");

    QTest::newRow("sizes padded to sixteen")
        << Sizes{100, 20, 0, 0, 0, 0} << Sizes{16, 144, 192, 208, 224, 240};
    QTest::newRow("a multiple of sixteen is not padded")
        << Sizes{32, 0, 0, 0, 0, 0} << Sizes{16, 64, 80, 96, 112, 128};
    QTest::newRow("all-zero headers") << Sizes{0, 0, 0, 0, 0, 0} << Sizes{16, 32, 48, 64, 80, 96};
    QTest::newRow("every part present")
        << Sizes{1, 15, 16, 17, 300, 2} << Sizes{16, 48, 80, 112, 160, 480};
}

void tst_FirmwareParts::layout()
{
    QFETCH(Sizes, sizes);
    QFETCH(Sizes, positions);

    const FirmwareImageBuilder image =
        FirmwareImageBuilder::withSizes(QList<qsizetype>(sizes.begin(), sizes.end()));
    const QByteArray raw = image.bytes();

    QCOMPARE(FirmwareParts::getFirmDataSize(raw), sizes);
    QCOMPARE(FirmwareParts::getFirmPosition(sizes), positions);
    QCOMPARE(FirmwareParts::getFirmData(raw, positions, sizes), image.parts);
}

void tst_FirmwareParts::shortImageGivesShortParts()
{
    // The first header declares 100 bytes, but the file ends 40 bytes into them; the second
    // header's size bytes are missing and count as zero.
    const QByteArray raw = FirmwareImageBuilder::withSizes({100}).bytes().left(56);
    const Sizes sizes = FirmwareParts::getFirmDataSize(raw);

    QCOMPARE(sizes, (Sizes{100, 0, 0, 0, 0, 0}));
    const QList<QByteArray> parts =
        FirmwareParts::getFirmData(raw, FirmwareParts::getFirmPosition(sizes), sizes);
    QCOMPARE(parts.first().size(), 40);
    QVERIFY(!FirmwareParts::cut(FirmDataEntity{"01.23", {}, 56, raw, {}, {}}));
}

void tst_FirmwareParts::checkImage_data()
{
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("problem");

    const QByteArray good = FirmwareImageBuilder::withSizes({100, 20, 8, 8, 8, 8}).bytes();
    auto withSizeField = [](QByteArray raw, qsizetype header, QByteArray field) {
        return raw.replace(header + 12, 4, field);
    };
    const QByteArray empty = FirmwareImageBuilder().bytes();

    QTest::newRow("whole image") << good << "01.23" << QString();
    QTest::newRow("six empty parts") << empty << "1.0.5" << QString();
    QTest::newRow("other prefix") << QByteArray(good).replace(3, 1, "X") << "01.23"
                                  << "the image does not start with its prefix";
    QTest::newRow("last part truncated")
        << withSizeField(good, 272, QByteArray::fromHex("00000011")) << "01.23"
        << "part 5 is truncated";
    QTest::newRow("part runs into the trailer")
        << withSizeField(good, 272, QByteArray::fromHex("00000028")) << "01.23"
        << "part 5 is truncated";
    QTest::newRow("first part larger than the file")
        << withSizeField(good, 0, QByteArray::fromHex("00000200")) << "01.23"
        << "part 0 is truncated";
    QTest::newRow("size byte of 0x80 or more")
        << withSizeField(empty, 0, QByteArray::fromHex("80000000")) << "01.23"
        << "part 0 size 2147483648 does not fit its field";
    QTest::newRow("size beyond three bytes")
        << withSizeField(empty, 0, QByteArray::fromHex("01000000")) << "01.23"
        << "part 0 size 16777216 does not fit its field";
    QTest::newRow("image shorter than headers and trailer")
        << empty.left(127) << "01.23"
        << "part 5 header lies past the end of the image";
    QTest::newRow("empty version") << good << ""
                                   << "version \"\" does not fit its field";
    QTest::newRow("version of only points") << good << "."
                                            << "version \".\" does not fit its field";
    QTest::newRow("version longer than six bytes") << good << "1.234567"
                                                   << "version \"1.234567\" does not fit its field";
    QTest::newRow("six bytes of UTF-8 fit")
        << good << QString::fromUtf8("\xc3\xa9\xc3\xa9.\xc3\xa9") << QString();
}

void tst_FirmwareParts::checkImage()
{
    QFETCH(QByteArray, raw);
    QFETCH(QString, version);
    QFETCH(QString, problem);

    const FirmDataEntity firmData{version, {}, raw.size(), raw, {}, {}};

    QCOMPARE(FirmwareParts::checkImage(firmData).value_or(QString()), problem);
    QCOMPARE(FirmwareParts::cut(firmData).has_value(), problem.isEmpty());
}

void tst_FirmwareParts::cutGivesThePartsByteForByte()
{
    const FirmwareImageBuilder image = FirmwareImageBuilder::withSizes({65536, 1000, 3, 56, 57, 0});
    // Read the way the firmware page reads a chosen file.
    const std::optional<FirmDataEntity> firmData =
        FirmwareImageReader::read(image.bytes(), QStringLiteral("image.bin"));
    QVERIFY(firmData);
    QCOMPARE(firmData->firmVersion, image.firmVersion);
    const auto parts = FirmwareParts::cut(*firmData);

    QVERIFY(parts);
    QCOMPARE(parts->sizes, (Sizes{65536, 1000, 3, 56, 57, 0}));
    QCOMPARE(parts->data, image.parts);
}

QTEST_GUILESS_MAIN(tst_FirmwareParts)
#include "tst_firmwareparts.moc"
