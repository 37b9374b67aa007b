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

// Firmware image files: what is an image, what is read from it, and what is refused before
// anything is read out of bounds.
class tst_FirmwareImage : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture = std::make_unique<ResourceFixture>(); }
    void cleanup() { m_fixture.reset(); }

    void read_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        // An image's size, target and version; else what the log says why it is none.
        QTest::addColumn<QStringList>("read");
        const QByteArray empty = image({0, 0, 0, 0, 0, 0});
        const auto none = [](const char *logged) { return QStringList{logged}; };

        QTest::newRow("typical image") << image(parts) << QStringList{"304", "KX-QR300B", "01.23"};
        QTest::newRow("six empty parts") << empty << QStringList{"128", "KX-QR300B", "01.23"};
        QTest::newRow("no padding after the last part")
            << image({16, 16, 16, 16, 16, 5}).remove(181, 11)
            << QStringList{"213", "KX-QR300B", "01.23"};
        QTest::newRow("last version byte NUL")
            << image(parts, "KX", QByteArray("012\0", 4)) << QStringList{"304", "KX", "01.2"};
        QTest::newRow("version all NUL")
            << image(parts, "KX", QByteArray(4, '\0')) << QStringList{"304", "KX", ""};
        QTest::newRow("NUL inside the target")
            << image(parts, QByteArray("KX\0QR\0", 6) + "300B", "0105")
            << QStringList{"304", "KXQR300B", "01.05"};
        QTest::newRow("not UTF-8")
            << image(parts, "KX-\xff", "\xff\xff\xff\xff") << QStringList{"304", "", ""};
        QTest::newRow("empty file") << QByteArray() << none("");
        QTest::newRow("fourth byte X") << image(parts).replace(3, 1, "X") << none("");
        QTest::newRow("31 bytes") << QByteArray("MAIN").leftJustified(31, '\0') << none("shorter");
        QTest::newRow("sixth header cut short")
            << empty.left(88) + empty.right(32) << none("do not fit");
        QTest::newRow("size with the top bit set")
            << image(parts).replace(12, 1, "\x80") << none("do not fit");
        QTest::newRow("part beyond the file")
            << image(parts).replace(13, 1, "\x7f") << none("do not fit");
        QTest::newRow("last part cut short")
            << image({16, 16, 16, 16, 16, 16}).remove(191, 1) << none("do not fit");
        QTest::newRow("larger than 16 MiB")
            << image(parts).leftJustified(ResourceLoader::maxFirmwareFileSize + 1, '\0')
            << none("is larger than 16777216 bytes.");
    }

    void read()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, read);
        const QString path = m_fixture->root() + "image.bin";
        m_fixture->writeFile("image.bin", bytes);

        const std::optional<FirmDataEntity> image =
            ResourceLoader::sharedInstance().GetFirmdata(path);

        const QString log = m_fixture->logText();
        QCOMPARE(image.has_value(), read.size() == 3);
        if (!image) {
            QVERIFY2(read[0].isEmpty() ? log.isEmpty() : log.contains(read[0]), qPrintable(log));
            return;
        }
        QCOMPARE(QStringList({QString::number(image->firmSize), image->appliableKeyboard,
                              image->firmVersion}),
                 read);
        QCOMPARE(image->crc, QList<quint8>({0x4D, 0x41, 0x49, 0x4E}));
        QCOMPARE(image->firmRawDataDic, bytes);
        QCOMPARE(image->filePath, path);
        QVERIFY(
            log.contains(QString("\n firmSize: %1 \n firmVersion: %3 \n appliableKeyboard: %2\n")
                             .arg(read[0], read[1], read[2])));
    }

private:
    std::unique_ptr<ResourceFixture> m_fixture;
};

QTEST_GUILESS_MAIN(tst_FirmwareImage)
#include "tst_firmwareimage.moc"
