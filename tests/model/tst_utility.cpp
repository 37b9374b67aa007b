#include "commandline.h"
#include "exceptions.h"
#include "profileedit.h"
#include "settingsstore.h"
#include "utility.h"

#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

class tst_Utility : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void versionFolding_data();
    void versionFolding();
    void appVersionFolds();
    void firmwareVersionNumber_data();
    void firmwareVersionNumber();
    void firmwareUpdatable_data();
    void firmwareUpdatable();
    void bigEndianBytes_data();
    void bigEndianBytes();
    void replyText_data();
    void replyText();
    void removeCharacters_data();
    void removeCharacters();
    void profileComparison_data();
    void profileComparison();
    void placedFnKey_data();
    void placedFnKey();
    void shortLayersAreNeverRead();
    void singleInstance_data();
    void singleInstance();
    void settingsAreWrittenAtOnce();
};

constexpr qint64 invalid = std::numeric_limits<qint64>::min();

void tst_Utility::cleanup()
{
    CommandLine::setArguments({});
    Utility::setInstanceLockPathForTesting({});
    SettingsStore::setFileForTesting({});
}

void tst_Utility::versionFolding_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<qint64>("folded");

    QTest::newRow("setting file format version") << "1.1.0.0" << qint64(1010000);
    QTest::newRow("two parts") << "1.2" << qint64(102);
    QTest::newRow("part above 99 carries over") << "1.123" << qint64(223);
    QTest::newRow("largest foldable") << "92233720368547758.7" << qint64(9223372036854775807);
    QTest::newRow("folding past 64 bits") << "92233720368547758.8" << invalid;
    QTest::newRow("too many parts") << "99.99.99.99.99.99.99.99.99.99" << invalid;
    QTest::newRow("part beyond 64 bits") << "9223372036854775808" << invalid;
    QTest::newRow("empty text") << "" << invalid;
    QTest::newRow("empty part") << "1..0" << invalid;
    QTest::newRow("trailing dot") << "1.0." << invalid;
    QTest::newRow("letter") << "1.a" << invalid;
    QTest::newRow("blank before a part") << "1. 2" << invalid;
    QTest::newRow("non-ASCII digit") << "1.\u0663" << invalid;
}

void tst_Utility::versionFolding()
{
    QFETCH(QString, version);
    QFETCH(qint64, folded);
    if (folded != invalid) {
        QCOMPARE(Utility::convertVersionToInt64(version), folded);
        return;
    }
    try {
        Utility::convertVersionToInt64(version);
        QFAIL("no error");
    } catch (const Exceptions &error) {
        QCOMPARE(error.reportText(), "Exceptions.FormatException: Version invalid");
    }
}

void tst_Utility::appVersionFolds()
{
    // The update check folds the program's own version; it must never throw.
    QVERIFY(Utility::convertVersionToInt64(Utility::getAppVersion()) > 0);
    QCOMPARE(Utility::getAppVersion().count('.'), QString(KEYMAP_APP_VERSION).count('.') + 1);
}

void tst_Utility::firmwareVersionNumber_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<qint64>("number");

    QTest::newRow("empty") << "" << qint64(0);
    QTest::newRow("dots only") << "..." << qint64(0);
    QTest::newRow("second part not a number") << "1.x" << qint64(0);
    QTest::newRow("three parts") << "1.07.3" << qint64(7);
    QTest::newRow("two dots are one separator") << "1..07" << qint64(7);
    QTest::newRow("one part only") << "12" << qint64(0);
    QTest::newRow("second part beyond 64 bits") << "1.99999999999999999999" << qint64(0);
}

void tst_Utility::firmwareVersionNumber()
{
    QFETCH(QString, version);
    QFETCH(qint64, number);
    QCOMPARE(Utility::convertFWVersionToInt64(version), number);
}

void tst_Utility::firmwareUpdatable_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("updatable");

    QTest::newRow("newer") << "V1.05"
                           << "V1.12" << QStringList() << true;
    QTest::newRow("equal") << "V1.12"
                           << "V1.12" << QStringList() << false;
    QTest::newRow("older") << "V1.12"
                           << "V1.05" << QStringList() << false;
    QTest::newRow("part before the dot never compared") << "V2.05"
                                                        << "V1.12" << QStringList() << true;
    QTest::newRow("keyboard version without a dot counts as 0") << "V105"
                                                                << "V1.01" << QStringList() << true;
    QTest::newRow("check disabled")
        << "V1.12"
        << "V1.12" << QStringList{"tool", "--disable-version-check"} << true;
    QTest::newRow("option must be whole")
        << "V1.12"
        << "V1.12" << QStringList{"tool", "--disable-version-check=1"} << false;
}

void tst_Utility::firmwareUpdatable()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QStringList, arguments);
    QFETCH(bool, updatable);
    CommandLine::setArguments(arguments);
    QCOMPARE(Utility::checkUpdatableVersion(from, to), updatable);
}

void tst_Utility::bigEndianBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint32>("value");

    QTest::newRow("four bytes") << QByteArray::fromHex("00000102") << 258;
    QTest::newRow("fifth byte ignored") << QByteArray::fromHex("00000102ff") << 258;
    QTest::newRow("two bytes not right-aligned") << QByteArray::fromHex("0102") << 0x01020000;
    QTest::newRow("no bytes") << QByteArray() << 0;
    QTest::newRow("first byte 0x80 is negative")
        << QByteArray::fromHex("80000000") << std::numeric_limits<qint32>::min();
    QTest::newRow("all ones") << QByteArray::fromHex("ffffffff") << -1;
}

void tst_Utility::bigEndianBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint32, value);
    QCOMPARE(Utility::UInt8ToInt32(bytes), value);
}

void tst_Utility::replyText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("NUL removed wherever it stands") << QByteArray("AB\0C\0\0", 6) << "ABC";
    QTest::newRow("multi-byte text") << QByteArray("\xe6\x97\xa5\x00", 4) << "日";
    QTest::newRow("invalid byte") << QByteArray("KX\xff") << "";
    QTest::newRow("sequence cut off at the end") << QByteArray("A\xe6\x97") << "";
    QTest::newRow("encoded surrogate") << QByteArray("\xed\xa0\x80") << "";
    QTest::newRow("overlong encoding") << QByteArray("\xc0\xaf") << "";
}

void tst_Utility::replyText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(Utility::UInt8ToString(bytes), text);
}

void tst_Utility::removeCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("characters");
    QTest::addColumn<QString>("rest");

    QTest::newRow("dots of a version") << "1.2.3"
                                       << "."
                                       << "123";
    QTest::newRow("several characters") << "a-b.c"
                                        << ".-"
                                        << "abc";
    // Both faces share their first UTF-16 unit; only the whole scalar may go.
    QTest::newRow("scalar beyond 16 bits") << "a😀😁"
                                           << "😀"
                                           << "a😁";
}

void tst_Utility::removeCharacters()
{
    QFETCH(QString, text);
    QFETCH(QString, characters);
    QFETCH(QString, rest);
    QCOMPARE(::removeCharacters(text, characters), rest);
}

void tst_Utility::profileComparison_data()
{
    QTest::addColumn<QList<ProfileEdit>>("edits");
    QTest::addColumn<bool>("sameProfile1");
    QTest::addColumn<bool>("sameLists");

    QTest::newRow("identical") << QList<ProfileEdit>() << true << true;
    QTest::newRow("normal layers differ")
        << QList<ProfileEdit>{{0, 0, FnMode::Normal, 7, 99}} << false << false;
    QTest::newRow("Fn1 differs at the last key")
        << QList<ProfileEdit>{{1, 0, FnMode::WithFn1, 119, 5}} << false << false;
    QTest::newRow("1 against the same normal-layer usage")
        << QList<ProfileEdit>{{0, 0, FnMode::Normal, 5, 0x29},
                              {1, 0, FnMode::Normal, 5, 0x29},
                              {0, 0, FnMode::WithFn2, 5, 1},
                              {1, 0, FnMode::WithFn2, 5, 0x29}}
        << true << true;
    QTest::newRow("1 against another usage")
        << QList<ProfileEdit>{{0, 0, FnMode::WithFn3, 5, 1}, {1, 0, FnMode::WithFn3, 5, 0x2A}}
        << false << false;
    QTest::newRow("only profile 4 differs")
        << QList<ProfileEdit>{{1, 3, FnMode::WithFn3, 0, 4}} << true << false;
}

void tst_Utility::profileComparison()
{
    QFETCH(QList<ProfileEdit>, edits);
    QFETCH(bool, sameProfile1);
    QFETCH(bool, sameLists);
    ProfileListDataEntity first;
    ProfileListDataEntity second;
    applyEdits(edits, first, second);

    QCOMPARE(Utility::isSameProfile(*first.profile1, *second.profile1), sameProfile1);
    QCOMPARE(Utility::isSameProfile(*second.profile1, *first.profile1), sameProfile1);
    QCOMPARE(Utility::isSameProfiles(first, second), sameLists);
}

void tst_Utility::placedFnKey_data()
{
    QTest::addColumn<QList<ProfileEdit>>("edits");
    QTest::addColumn<bool>("placed");

    QTest::newRow("Fn2 key placed in the Fn1 layer")
        << QList<ProfileEdit>{{0, 0, FnMode::WithFn1, 10, 0x5102}} << true;
    QTest::newRow("Fn3 key on the last key of the Fn3 layer")
        << QList<ProfileEdit>{{0, 0, FnMode::WithFn3, 119, 0x5103}} << true;
    QTest::newRow("factory has the same Fn key")
        << QList<ProfileEdit>{{0, 0, FnMode::WithFn1, 10, 0x5102},
                              {1, 0, FnMode::WithFn1, 10, 0x5102}}
        << false;
    QTest::newRow("factory has another Fn key")
        << QList<ProfileEdit>{{0, 0, FnMode::WithFn2, 10, 0x5102},
                              {1, 0, FnMode::WithFn2, 10, 0x5101}}
        << true;
    QTest::newRow("normal layer never counts")
        << QList<ProfileEdit>{{0, 0, FnMode::Normal, 10, 0x5101}} << false;
    QTest::newRow("usages beside the Fn keys")
        << QList<ProfileEdit>{{0, 0, FnMode::WithFn1, 1, 0x5100},
                              {0, 0, FnMode::WithFn1, 2, 0x5104}}
        << false;
}

void tst_Utility::placedFnKey()
{
    QFETCH(QList<ProfileEdit>, edits);
    QFETCH(bool, placed);
    ProfileListDataEntity current;
    ProfileListDataEntity factory;
    applyEdits(edits, current, factory);
    QCOMPARE(Utility::isAssignedFnKeyInProfile(*current.profile1, *factory.profile1), placed);
}

void tst_Utility::shortLayersAreNeverRead()
{
    const ProfileDataEntity whole;
    const ProfileDataEntity shortProfile({}, {}, {}, {});
    QVERIFY(!Utility::isSameProfile(whole, shortProfile));
    QVERIFY(!Utility::isAssignedFnKeyInProfile(shortProfile, whole));
}

void tst_Utility::singleInstance_data()
{
    QTest::addColumn<QString>("otherInstance");
    QTest::addColumn<bool>("launched");

    QTest::newRow("first instance") << "none" << false;
    QTest::newRow("another instance runs") << "running" << true;
    QTest::newRow("lock left by an instance that crashed") << "crashed" << false;
}

void tst_Utility::singleInstance()
{
    QFETCH(QString, otherInstance);
    QFETCH(bool, launched);
    QTemporaryDir folder;
    const QString path = folder.filePath("tool.lock");
    Utility::setInstanceLockPathForTesting(path);
    QLockFile running(path);
    if (otherInstance == "running")
        QVERIFY(running.tryLock(0));
    if (otherInstance == "crashed") {
        QProcess ended;
        ended.start("true");
        QVERIFY(ended.waitForStarted());
        const qint64 pid = ended.processId();
        QVERIFY(ended.waitForFinished());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::number(pid) + "\ntavo-keymap-tool\n" +
                   QSysInfo::machineHostName().toUtf8() + "\n");
    }

    QCOMPARE(Utility::checkAlreadyLaunched(), launched);
    // A second look from the same process does not see itself as another instance.
    QCOMPARE(Utility::checkAlreadyLaunched(), launched);
    QVERIFY(QFile::exists(path));
    Utility::setInstanceLockPathForTesting({});
}

void tst_Utility::settingsAreWrittenAtOnce()
{
    QTemporaryDir folder;
    const QString path = folder.filePath("settings.ini");
    SettingsStore::setFileForTesting(path);
    QVERIFY(!SettingsStore::boolValue("isCheckingFunction"));

    SettingsStore::setBoolValue("isCheckingFunction", true);

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("isCheckingFunction=true"));
    QVERIFY(SettingsStore::boolValue("isCheckingFunction"));
}

QTEST_GUILESS_MAIN(tst_Utility)
#include "tst_utility.moc"
