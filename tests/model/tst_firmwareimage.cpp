#include "resourcefixture.h"
#include "resourceloader.h"

#include <QTest>

#include <memory>

namespace {

// Six parts of the given sizes, each after its 16-byte header and padded to 16 bytes, then the
// 32-byte trailer: the 10-byte target, 6 bytes, the 4 version bytes and 12 bytes.
QByteArray image(const QList<int> &sizes, const QByteArray &target = "KX-QR300B",
                 const QByteArray &version = "0123")
{
    QByteArray bytes;
    for (int size : sizes) {
        const char sizeField[] = {char(size >> 24), char(size >> 16), char(size >> 8), char(size)};
        bytes +=
            (bytes.isEmpty() ? "MAIN" : "....") + QByteArray(8, '.') + QByteArray(sizeField, 4);
        bytes += QByteArray(size, 'd') + QByteArray((16 - size % 16) % 16, '\0');
    }
    return bytes + target.leftJustified(10, '\0') + QByteArray(6, 't') + version +
           QByteArray(12, 't');
}

const QList<int> parts{100, 20, 0, 0, 0, 32};

} // namespace

class tst_FirmwareImage : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture = std::make_unique<ResourceFixture>(); }
    void cleanup() { m_fixture.reset(); }
    void recognition_data();
    void recognition();
    void fields_data();
    void fields();

private:
    std::optional<FirmDataEntity> read(const QByteArray &bytes)
    {
        m_fixture->writeFile("image.bin", bytes);
        return ResourceLoader::sharedInstance().GetFirmdata(m_fixture->root() + "image.bin");
    }

    std::unique_ptr<ResourceFixture> m_fixture;
};

void tst_FirmwareImage::recognition_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("logged");

    const QByteArray empty = image({0, 0, 0, 0, 0, 0});
    QTest::newRow("typical image") << image(parts) << "firmSize: 304";
    QTest::newRow("six empty parts") << empty << "firmSize: 128";
    QTest::newRow("no padding after the last part")
        << image({16, 16, 16, 16, 16, 5}).remove(181, 11) << "firmSize: 213";
    QTest::newRow("empty file") << QByteArray() << "";
    QTest::newRow("three bytes") << QByteArray("MAI") << "";
    QTest::newRow("fourth byte X") << image(parts).replace(3, 1, "X") << "";
    QTest::newRow("31 bytes") << QByteArray("MAIN").leftJustified(31, '\0') << "shorter";
    QTest::newRow("sixth header cut short") << empty.left(88) + empty.right(32) << "do not fit";
    QTest::newRow("size with the top bit set")
        << image(parts).replace(12, 1, "\x80") << "do not fit";
    QTest::newRow("part beyond the file") << image(parts).replace(13, 1, "\x7f") << "do not fit";
    QTest::newRow("last part cut short")
        << image({16, 16, 16, 16, 16, 16}).remove(191, 1) << "do not fit";
    QTest::newRow("larger than 16 MiB")
        << image(parts).leftJustified(ResourceLoader::maxFirmwareFileSize + 1, '\0')
        << "is larger than 16777216 bytes.";
}

void tst_FirmwareImage::recognition()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, logged);

    QCOMPARE(read(bytes).has_value(), logged.startsWith("firmSize"));
    QVERIFY2(logged.isEmpty() ? m_fixture->logText().isEmpty()
                              : m_fixture->logText().contains(logged),
             qPrintable(m_fixture->logText()));
}

void tst_FirmwareImage::fields_data()
{
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<QString>("appliableKeyboard");
    QTest::addColumn<QString>("firmVersion");

    QTest::newRow("four digits") << QByteArray("KX-QR320Y") << QByteArray("0123") << "KX-QR320Y"
                                 << "01.23";
    QTest::newRow("last version byte NUL") << QByteArray("KX") << QByteArray("012\0", 4) << "KX"
                                           << "01.2";
    QTest::newRow("version all NUL") << QByteArray("KX") << QByteArray(4, '\0') << "KX"
                                     << "";
    QTest::newRow("NUL inside the target") << QByteArray("KX\0QR\0"
                                                         "300B",
                                                         10)
                                           << QByteArray("0105") << "KXQR300B"
                                           << "01.05";
    QTest::newRow("not UTF-8") << QByteArray("KX-\xff") << QByteArray("\xff\xff\xff\xff") << ""
                               << "";
}

void tst_FirmwareImage::fields()
{
    QFETCH(QByteArray, target);
    QFETCH(QByteArray, version);
    QFETCH(QString, appliableKeyboard);
    QFETCH(QString, firmVersion);
    const QByteArray bytes = image(parts, target, version);

    const std::optional<FirmDataEntity> image = read(bytes);

    QVERIFY(image);
    QCOMPARE(image->appliableKeyboard, appliableKeyboard);
    QCOMPARE(image->firmVersion, firmVersion);
    QCOMPARE(image->crc, QList<quint8>({0x4D, 0x41, 0x49, 0x4E}));
    QCOMPARE(image->firmSize, bytes.size());
    QCOMPARE(image->firmRawDataDic, bytes);
    QCOMPARE(image->filePath, m_fixture->root() + "image.bin");
    QVERIFY(m_fixture->logText().contains("\n firmSize: 304 \n firmVersion: " + firmVersion +
                                          " \n appliableKeyboard: " + appliableKeyboard + "\n"));
}

QTEST_GUILESS_MAIN(tst_FirmwareImage)
#include "tst_firmwareimage.moc"
