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
    void firmwareUpdatable_data();
    void firmwareUpdatable();
    void replyBytes_data();
    void replyBytes();
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
    QTest::newRow("largest foldable") << "92233720368547758.7" << qint64(9223372036854775807);
    QTest::newRow("folding past 64 bits") << "92233720368547758.8" << invalid;
    QTest::newRow("too many parts") << "99.99.99.99.99.99.99.99.99.99" << invalid;
    QTest::newRow("part beyond 64 bits") << "9223372036854775808" << invalid;
    QTest::newRow("empty text") << "" << invalid;
    QTest::newRow("blank before a part") << "1. 2" << invalid;
    QTest::newRow("non-ASCII digit") << "1.\u0663" << invalid;
}

void tst_Utility::versionFolding()
{
    QFETCH(QString, version);
    QFETCH(qint64, folded);
    try {
        QCOMPARE(Utility::convertVersionToInt64(version), folded);
    } catch (const Exceptions &error) {
        QCOMPARE(folded, invalid);
        QCOMPARE(error.reportText(), "Exceptions.FormatException: Version invalid");
    }
    // The update check folds the program's own version: it must never throw.
    QVERIFY(Utility::convertVersionToInt64(Utility::getAppVersion()) > 0);
}

void tst_Utility::firmwareUpdatable_data()
{
    QTest::addColumn<QStringList>("fromTo");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<bool>("updatable");
    const QStringList equal{"V1.12", "V1.12"};

    QTest::newRow("newer") << QStringList{"V1.05", "V1.12"} << "" << true;
    QTest::newRow("equal") << equal << "" << false;
    QTest::newRow("part before the dot never compared")
        << QStringList{"V2.05", "V1.12"} << "" << true;
    QTest::newRow("third part never compared") << QStringList{"V1.07.9", "V1..08.1"} << "" << true;
    QTest::newRow("no number after the dot is 0") << QStringList{"V1.x", "V1.01"} << "" << true;
    QTest::newRow("no dot is 0") << QStringList{"V105", "V1.01"} << "" << true;
    QTest::newRow("empty is 0") << QStringList{"", ""} << "" << false;
    QTest::newRow("check disabled") << equal << "--disable-version-check" << true;
    QTest::newRow("option must be whole") << equal << "--disable-version-check=1" << false;
}

void tst_Utility::firmwareUpdatable()
{
    QFETCH(QStringList, fromTo);
    QFETCH(QString, argument);
    QFETCH(bool, updatable);
    CommandLine::setArguments({"tool", argument});
    QCOMPARE(Utility::checkUpdatableVersion(fromTo[0], fromTo[1]), updatable);
}

void tst_Utility::replyBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint32>("number");
    QTest::addColumn<QString>("text");

    QTest::newRow("NUL removed wherever it stands")
        << QByteArray("AB\0C\0\0", 6) << 0x41420043 << "ABC";
    QTest::newRow("two bytes not right-aligned") << QByteArray("AB") << 0x41420000 << "AB";
    QTest::newRow("multi-byte text") << QByteArray("\xe6\x97\xa5") << -426269440 << "日";
    QTest::newRow("invalid byte") << QByteArray("KX\xff") << 0x4b58ff00 << "";
    QTest::newRow("sequence cut off at the end") << QByteArray("A\xe6\x97") << 0x41e69700 << "";
    QTest::newRow("encoded surrogate") << QByteArray("\xed\xa0\x80") << -308248576 << "";
}

void tst_Utility::replyBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint32, number);
    QFETCH(QString, text);
    QCOMPARE(Utility::UInt8ToInt32(bytes), number);
    QCOMPARE(Utility::UInt8ToString(bytes), text);
}

void tst_Utility::removeCharacters()
{
    QCOMPARE(::removeCharacters("1.2.3", "."), "123");
    // Both faces share their first UTF-16 unit; only the whole scalar may go.
    QCOMPARE(::removeCharacters("a😀😁", "😀"), "a😁");
}

namespace {

using Edits = QList<ProfileEdit>;
constexpr FnMode N = FnMode::Normal, F1 = FnMode::WithFn1, F2 = FnMode::WithFn2,
                 F3 = FnMode::WithFn3;

} // namespace

void tst_Utility::profileComparison_data()
{
    QTest::addColumn<Edits>("edits");
    QTest::addColumn<bool>("sameProfile1");
    QTest::addColumn<bool>("sameLists");

    QTest::newRow("identical") << Edits() << true << true;
    QTest::newRow("normal layers differ") << Edits{{0, 0, N, 7, 99}} << false << false;
    QTest::newRow("Fn1 differs at the last key") << Edits{{1, 0, F1, 119, 5}} << false << false;
    QTest::newRow("1 against the same normal-layer usage")
        << Edits{{0, 0, N, 5, 0x29}, {1, 0, N, 5, 0x29}, {0, 0, F2, 5, 1}, {1, 0, F2, 5, 0x29}}
        << true << true;
    QTest::newRow("1 against another usage")
        << Edits{{0, 0, F3, 5, 1}, {1, 0, F3, 5, 0x2A}} << false << false;
    QTest::newRow("only profile 4 differs") << Edits{{1, 3, F3, 0, 4}} << true << false;
}

void tst_Utility::profileComparison()
{
    QFETCH(Edits, edits);
    QFETCH(bool, sameProfile1);
    QFETCH(bool, sameLists);
    ProfileListDataEntity first, second;
    applyEdits(edits, first, second);

    QCOMPARE(Utility::isSameProfile(*first.profile1, *second.profile1), sameProfile1);
    QCOMPARE(Utility::isSameProfile(*second.profile1, *first.profile1), sameProfile1);
    QCOMPARE(Utility::isSameProfiles(first, second), sameLists);
}

void tst_Utility::placedFnKey_data()
{
    QTest::addColumn<Edits>("edits");
    QTest::addColumn<bool>("placed");

    QTest::newRow("Fn2 key in the Fn1 layer") << Edits{{0, 0, F1, 10, 0x5102}} << true;
    QTest::newRow("Fn3 key on the last key") << Edits{{0, 0, F3, 119, 0x5103}} << true;
    QTest::newRow("factory has the same Fn key")
        << Edits{{0, 0, F1, 10, 0x5102}, {1, 0, F1, 10, 0x5102}} << false;
    QTest::newRow("factory has another Fn key")
        << Edits{{0, 0, F2, 10, 0x5102}, {1, 0, F2, 10, 0x5101}} << true;
    QTest::newRow("normal layer never counts") << Edits{{0, 0, N, 10, 0x5101}} << false;
    QTest::newRow("usages beside the Fn keys")
        << Edits{{0, 0, F1, 1, 0x5100}, {0, 0, F1, 2, 0x5104}} << false;
}

void tst_Utility::placedFnKey()
{
    QFETCH(Edits, edits);
    QFETCH(bool, placed);
    ProfileListDataEntity current, factory;
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
