#include "constants.h"
#include "resourceloader.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

QByteArray bigEndian(quint32 value)
{
    QByteArray bytes;
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.append(char(value >> shift));
    return bytes;
}

// An image of six parts of the given sizes (each padded to 16 bytes), then the 32-byte trailer:
// the 10-byte target, 6 unread bytes, the 4 version bytes and 12 unread bytes.
QByteArray image(const QList<quint32> &sizes, const QByteArray &target = "KX-QR320B",
                 const QByteArray &version = "0123")
{
    QByteArray bytes;
    for (quint32 size : sizes) {
        QByteArray header(12, '\x11');
        if (bytes.isEmpty())
            header.replace(0, 4, "MAIN");
        bytes += header + bigEndian(size) + QByteArray(int(size), '\x5a');
        bytes += QByteArray(int((16 - size % 16) % 16), '\0');
    }
    return bytes + target.leftJustified(10, '\0', true) + QByteArray(6, '\x22') +
           version.leftJustified(4, '\0', true) + QByteArray(12, '\x33');
}

const QList<quint32> typicalSizes{100, 20, 0, 0, 0, 32};

} // namespace

class tst_FirmwareImage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void recognition_data();
    void recognition();
    void fields_data();
    void fields();
    void wholeFileIsKept();
    void unreadableFile_data();
    void unreadableFile();

private:
    std::optional<FirmDataEntity> readBytes(const QByteArray &bytes);
    QString logText() const;

    std::unique_ptr<QTemporaryDir> m_folder;
};

void tst_FirmwareImage::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    Constants::setLogDirectoryForTesting(m_folder->path() + "/logs/");
}

void tst_FirmwareImage::cleanup()
{
    Constants::setLogDirectoryForTesting({});
}

std::optional<FirmDataEntity> tst_FirmwareImage::readBytes(const QByteArray &bytes)
{
    QFile file(m_folder->path() + "/image.bin");
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the image");
    file.close();
    return ResourceLoader::sharedInstance().GetFirmdata(file.fileName());
}

QString tst_FirmwareImage::logText() const
{
    QFile file(m_folder->path() + "/logs/" + QDate::currentDate().toString("yyyyMMdd") + ".log");
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void tst_FirmwareImage::recognition_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("recognised");
    QTest::addColumn<QString>("logged");

    QByteArray wrongPrefix = image(typicalSizes);
    wrongPrefix[3] = 0x58;
    QByteArray hugeSize = image(typicalSizes);
    hugeSize[12] = char(0x80);
    QByteArray beyondFile = image(typicalSizes);
    beyondFile.replace(12, 4, bigEndian(0x7fffffff));
    const QByteArray allZeroHeaders = image({0, 0, 0, 0, 0, 0});

    QTest::newRow("typical image") << image(typicalSizes) << true << "firmSize: ";
    QTest::newRow("empty file") << QByteArray() << false << "";
    QTest::newRow("three bytes") << QByteArray("MAI") << false << "";
    QTest::newRow("fourth byte X") << wrongPrefix << false << "";
    QTest::newRow("prefix alone") << QByteArray("MAIN") << false << "shorter than its trailer";
    QTest::newRow("31 bytes") << QByteArray("MAIN").leftJustified(31, '\0') << false
                              << "shorter than its trailer";
    QTest::newRow("trailer but no parts")
        << QByteArray("MAIN").leftJustified(40, '\0') << false << "parts do not fit";
    QTest::newRow("six empty parts") << allZeroHeaders << true << "firmSize: ";
    QTest::newRow("sixth header cut short")
        << allZeroHeaders.left(80 + 8) + allZeroHeaders.right(32) << false << "parts do not fit";
    QTest::newRow("size with its top bit set") << hugeSize << false << "parts do not fit";
    QTest::newRow("part larger than the file") << beyondFile << false << "parts do not fit";
    QTest::newRow("last part's data cut short")
        << image({16, 16, 16, 16, 16, 16}).remove(6 * 32 - 1, 1) << false << "parts do not fit";
    QTest::newRow("last part ends right before the trailer")
        << image({16, 16, 16, 16, 16, 16}) << true << "firmSize: ";
    QTest::newRow("last part's padding may be missing")
        << image({16, 16, 16, 16, 16, 5}).remove(5 * 32 + 21, 11) << true << "firmSize: ";
}

void tst_FirmwareImage::recognition()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, recognised);
    QFETCH(QString, logged);

    QCOMPARE(readBytes(bytes).has_value(), recognised);
    if (logged.isEmpty())
        QCOMPARE(logText(), QString());
    else
        QVERIFY2(logText().contains(logged), qPrintable(logText()));
}

void tst_FirmwareImage::fields_data()
{
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<QString>("appliableKeyboard");
    QTest::addColumn<QString>("firmVersion");

    QTest::newRow("four digits") << QByteArray("KX-QR300Y") << QByteArray("0123") << "KX-QR300Y"
                                 << "01.23";
    QTest::newRow("last version byte NUL")
        << QByteArray("KX-QR320B") << QByteArray("012\0", 4) << "KX-QR320B"
        << "01.2";
    QTest::newRow("version all NUL")
        << QByteArray("KX-QR320B") << QByteArray(4, '\0') << "KX-QR320B"
        << "";
    QTest::newRow("NUL inside the target")
        << QByteArray("KX\0QR\0" "300B", 10) << QByteArray("0105") << "KXQR300B"
        << "01.05";
    QTest::newRow("ten-character target")
        << QByteArray("KX-QR320BE") << QByteArray("0105") << "KX-QR320BE"
        << "01.05";
    QTest::newRow("target not UTF-8") << QByteArray("KX-\xff\xfe") << QByteArray("0105") << ""
                                      << "01.05";
    QTest::newRow("version not UTF-8")
        << QByteArray("KX-QR320B") << QByteArray("\xff\xff\xff\xff") << "KX-QR320B"
        << "";
}

void tst_FirmwareImage::fields()
{
    QFETCH(QByteArray, target);
    QFETCH(QByteArray, version);
    QFETCH(QString, appliableKeyboard);
    QFETCH(QString, firmVersion);

    const std::optional<FirmDataEntity> read = readBytes(image(typicalSizes, target, version));

    QVERIFY(read);
    QCOMPARE(read->appliableKeyboard, appliableKeyboard);
    QCOMPARE(read->firmVersion, firmVersion);
    QVERIFY(logText().contains("\n firmSize: " + QString::number(read->firmSize) +
                               " \n firmVersion: " + firmVersion +
                               " \n appliableKeyboard: " + appliableKeyboard + "\n"));
}

void tst_FirmwareImage::wholeFileIsKept()
{
    const QByteArray bytes = image(typicalSizes);

    const std::optional<FirmDataEntity> read = readBytes(bytes);

    QVERIFY(read);
    QCOMPARE(read->crc, QList<quint8>({0x4D, 0x41, 0x49, 0x4E}));
    QCOMPARE(read->firmSize, bytes.size());
    QCOMPARE(read->firmRawDataDic, bytes);
    QCOMPARE(read->filePath, m_folder->path() + "/image.bin");
}

void tst_FirmwareImage::unreadableFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qint64>("size");

    QTest::newRow("no such file") << "missing.bin" << qint64(0);
    QTest::newRow("a folder") << "folder" << qint64(0);
    QTest::newRow("larger than 16 MiB") << "large.bin" << ResourceLoader::maxFirmwareFileSize + 1;
}

void tst_FirmwareImage::unreadableFile()
{
    QFETCH(QString, name);
    QFETCH(qint64, size);
    const QString path = m_folder->path() + '/' + name;
    if (name == "folder")
        QVERIFY(QDir(m_folder->path()).mkdir(name));
    if (size > 0) {
        // A real image with data appended: only its size is wrong.
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(image(typicalSizes));
        QVERIFY(file.resize(size));
    }

    QVERIFY(!ResourceLoader::sharedInstance().GetFirmdata(path));
}

QTEST_GUILESS_MAIN(tst_FirmwareImage)
#include "tst_firmwareimage.moc"
