#include "capturedoutput.h"
#include "commandline.h"
#include "enterkeydataentity.h"
#include "exceptions.h"
#include "heldlockfile.h"
#include "historydataentity.h"
#include "instancelock.h"
#include "isolatedchild.h"
#include "localizedstrings.h"
#include "lockintheway.h"
#include "utility.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <csignal>
#include <functional>
#include <limits>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Changes to keymaps in a test table, each {list, profile, layer, key, value}: entry key of a
// layer of a profile of the first list (current profiles) or the second (the other side, or the
// factory profiles) becomes value.
using Edits = QList<std::array<int, 5>>;
constexpr int N = 0, F1 = 1, F2 = 2, F3 = 3;

// The two lists with edits applied.
struct EditedLists
{
    explicit EditedLists(const Edits &edits)
    {
        for (const auto &[list, profile, layer, key, value] : edits)
            (list == 0 ? first : second).profile(profile).layer(FnMode(layer))[key] = value;
    }

    ProfileListDataEntity first, second;
};
constexpr auto J = KeyboardLayoutType::Japanese;
constexpr auto E = KeyboardLayoutType::English;
constexpr qint64 invalid = std::numeric_limits<qint64>::min();

// A process of this test's program that waits until the object goes, then is killed.
class WaitingChild final
{
public:
    WaitingChild()
        : m_processId(::fork())
    {
        while (m_processId == 0)
            ::pause();
    }
    ~WaitingChild()
    {
        // A failed fork leaves no process: kill(-1) would reach every process of the user.
        if (m_processId <= 0)
            return;
        ::kill(m_processId, SIGKILL);
        ::waitpid(m_processId, nullptr, 0);
    }
    WaitingChild(const WaitingChild &) = delete;
    WaitingChild &operator=(const WaitingChild &) = delete;

    pid_t processId() const { return m_processId; }

private:
    pid_t m_processId;
};

// What operation answers, and in errors what it wrote to standard error meanwhile.
bool capturingStandardError(QString &errors, const std::function<bool()> &operation)
{
    CapturedOutput captured(STDERR_FILENO);
    const bool answer = operation();
    errors = captured.text();
    return answer;
}

// What a start answers, and what it writes to standard error meanwhile, as the answer of a child.
QByteArray answerOfStart()
{
    QString errors;
    const bool isLaunched =
        capturingStandardError(errors, [] { return Utility::checkAlreadyLaunched(); });
    return QByteArray::number(isLaunched) + errors.toUtf8();
}

// Makes folder read-only for this process, which has mounts of its own: a mount of the folder on
// itself, made read-only.
bool seeReadOnly(const QString &folder)
{
    const QByteArray path = QFile::encodeName(folder);
    return ::mount(path.constData(), path.constData(), nullptr, MS_BIND, nullptr) == 0 &&
           ::mount(nullptr, path.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) ==
               0;
}

// What a start that looks at the lock at path as inTheWay says, after its ", looked at", answers
// (see answerOfStart); nothing where the system gives no such start. A start from elsewhere than
// this process runs in a child, and answers nothing when it ends before it answers.
std::optional<QByteArray> answerOfStartLookingAt(const QString &inTheWay, const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (inTheWay.endsWith("another PID namespace"))
        return IsolatedChild::answerInOwnPidNamespace(answerOfStart);
    if (inTheWay.endsWith("a read-only mount"))
        return IsolatedChild::answer([&folder] { return seeReadOnly(folder); }, answerOfStart);
    if (inTheWay.endsWith("a file size limit of 0")) {
        return IsolatedChild::answerOfChild([] {
            rlimit limit = {};
            ::getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = 0;
            return ::setrlimit(RLIMIT_FSIZE, &limit) == 0 ? answerOfStart() : QByteArray();
        });
    }
    return answerOfStart();
}

// Puts beside the lock in folder what a start finds there: drafts of the lock file or other
// files; or what a start leaves that is killed as it puts its lock file in place. holder is to
// hold the "held draft". Every file but the "new draft" is made older than a start takes. Whether
// that worked; nothing where the system gives no such start.
std::optional<bool> leaveBeside(const QString &what, const QString &folder, QLockFile &holder)
{
    const QDir files(folder);
    const auto draft = [&files](const QString &name) {
        return LockInTheWay::write(files.filePath(name), 1, "tavo-keymap-tool");
    };
    const auto killedStart = [] {
        HeldLockFile::setBeforePlacingForTesting([] { ::raise(SIGKILL); });
        return answerOfStart();
    };
    // Without /proc no file without a name can be given one: the start makes a draft.
    const auto hideProcesses = [] { return ::mount("none", "/proc", "tmpfs", 0, nullptr) == 0; };
    bool isLeft = false;
    if (what == "old draft")
        isLeft = draft("tool.lock.Old123");
    else if (what == "new draft")
        isLeft = draft("tool.lock.New123");
    else if (what == "held draft")
        isLeft = holder.tryLock(0);
    else if (what == "other names")
        isLeft = draft("tool.lock.Other12") && draft("tool.lock7Other1");
    else {
        const bool isWithoutProcesses = what.endsWith("without /proc");
        const std::optional<QByteArray> answer =
            isWithoutProcesses ? IsolatedChild::answer(hideProcesses, killedStart)
                               : IsolatedChild::answerOfChild(killedStart);
        if (!answer)
            return std::nullopt;
        // Killed, it leaves its draft where it makes one, and nothing otherwise.
        isLeft = answer->isEmpty() &&
                 files.entryList(QDir::Files | QDir::Hidden).size() == int(isWithoutProcesses);
    }
    const QDateTime old = QDateTime::currentDateTime().addDays(-2);
    for (const QString &name : files.entryList(QDir::Files | QDir::Hidden)) {
        QFile file(files.filePath(name));
        isLeft = isLeft &&
                 (name.endsWith("New123") || (file.open(QIODevice::ReadOnly) &&
                                              file.setFileTime(old, QFile::FileModificationTime)));
    }
    return isLeft;
}

// Marks a localized text so that the tests see which key was looked up.
const Utility utility([](const QString &key) { return "<" + key + ">"; });

QString localized(const char *suffix)
{
    return QStringLiteral("<ToolUtility_TooltipDescription_") + suffix + ">";
}

} // namespace

Q_DECLARE_METATYPE(Edits)

// The keyboard records and Utility: versions, reply bytes, copies and comparisons of keymaps,
// keymap checks, the single-instance check, the Enter key's outline, key-cap image names and
// tooltips.
class tst_Utility : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        CommandLine::setArguments({});
        Utility::setInstanceLockPathForTesting({});
    }

    void versionFolding_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<qint64>("folded");

        QTest::newRow("setting file format version") << "1.1.0.0" << qint64(1010000);
        QTest::newRow("largest foldable") << "92233720368547758.7" << qint64(9223372036854775807);
        QTest::newRow("folding past 64 bits") << "92233720368547758.8" << invalid;
        QTest::newRow("part beyond 64 bits") << "9223372036854775808" << invalid;
        QTest::newRow("empty text") << "" << invalid;
        QTest::newRow("blank before a part") << "1. 2" << invalid;
        QTest::newRow("non-ASCII digit") << "1.\u0663" << invalid;
    }

    void versionFolding()
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

    void firmwareUpdatable_data()
    {
        QTest::addColumn<QStringList>("fromTo");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<bool>("updatable");
        const QStringList equal{"V1.12", "V1.12"};

        QTest::newRow("newer") << QStringList{"V1.05", "V1.12"} << "" << true;
        QTest::newRow("equal") << equal << "" << false;
        QTest::newRow("part before the dot never compared")
            << QStringList{"V2.05", "V1.12"} << "" << true;
        QTest::newRow("no dot is 0") << QStringList{"V105", "V1.01"} << "" << true;
        QTest::newRow("check disabled") << equal << "--disable-version-check" << true;
    }

    void firmwareUpdatable()
    {
        QFETCH(QStringList, fromTo);
        QFETCH(QString, argument);
        QFETCH(bool, updatable);
        CommandLine::setArguments({"tool", argument});
        QCOMPARE(Utility::checkUpdatableVersion(fromTo[0], fromTo[1]), updatable);
    }

    void replyBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint32>("number");
        QTest::addColumn<QString>("text");

        QTest::newRow("NUL removed wherever it stands")
            << QByteArray("AB\0C\0\0", 6) << 0x41420043 << "ABC";
        QTest::newRow("two bytes not right-aligned") << QByteArray("AB") << 0x41420000 << "AB";
        QTest::newRow("high first byte, multi-byte text")
            << QByteArray("\xe6\x97\xa5") << -426269440 << "日";
        QTest::newRow("invalid byte") << QByteArray("KX\xff") << 0x4b58ff00 << "";
        QTest::newRow("sequence cut off at the end") << QByteArray("A\xe6\x97") << 0x41e69700 << "";
    }

    void replyBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(qint32, number);
        QFETCH(QString, text);
        QCOMPARE(Utility::UInt8ToInt32(bytes), number);
        QCOMPARE(Utility::UInt8ToString(bytes), text);
    }

    void profileComparison_data()
    {
        QTest::addColumn<Edits>("edits");
        QTest::addColumn<bool>("sameProfile1");
        QTest::addColumn<bool>("sameLists");
        // Whether the first profile 1 has an Fn key placed against the second, the factory one.
        QTest::addColumn<bool>("placedFnKey");
        const auto row = [](const char *name, const Edits &edits, bool sameProfile1, bool sameLists,
                            bool placedFnKey) {
            QTest::newRow(name) << edits << sameProfile1 << sameLists << placedFnKey;
        };

        row("identical", {}, true, true, false);
        row("Fn1 differs at the last key", {{1, 0, F1, 119, 5}}, false, false, false);
        row("1 against the same normal-layer usage",
            {{0, 0, N, 5, 0x29}, {1, 0, N, 5, 0x29}, {0, 0, F2, 5, 1}, {1, 0, F2, 5, 0x29}}, true,
            true, false);
        row("1 against another usage", {{0, 0, F3, 5, 1}, {1, 0, F3, 5, 0x2A}}, false, false,
            false);
        row("only profile 4 differs", {{1, 3, F3, 0, 4}}, true, false, false);
        row("Fn2 key in the Fn1 layer", {{0, 0, F1, 10, 0x5102}}, false, false, true);
        row("factory has the same Fn key", {{0, 0, F1, 10, 0x5102}, {1, 0, F1, 10, 0x5102}}, true,
            true, false);
        row("factory has another Fn key", {{0, 0, F2, 10, 0x5102}, {1, 0, F2, 10, 0x5101}}, false,
            false, true);
        row("Fn key in the normal layer never counts", {{0, 0, N, 10, 0x5101}}, false, false,
            false);
        row("usages beside the Fn keys", {{0, 0, F1, 1, 0x5100}, {0, 0, F1, 2, 0x5104}}, false,
            false, false);
    }

    void profileComparison()
    {
        QFETCH(Edits, edits);
        QFETCH(bool, sameProfile1);
        QFETCH(bool, sameLists);
        QFETCH(bool, placedFnKey);
        const EditedLists lists(edits);
        const ProfileDataEntity &first = *lists.first.profile1, &second = *lists.second.profile1;
        QCOMPARE(Utility::isSameProfile(first, second), sameProfile1);
        QCOMPARE(Utility::isSameProfile(second, first), sameProfile1);
        QCOMPARE(Utility::isSameProfiles(lists.first, lists.second), sameLists);
        QCOMPARE(Utility::isAssignedFnKeyInProfile(first, second), placedFnKey);
    }

    void usageOnAKey_data()
    {
        QTest::addColumn<Edits>("edits");
        QTest::addColumn<int>("selected");
        QTest::addColumn<KeyboardLayoutType>("layout");
        QTest::addColumn<bool>("dip5");
        QTest::addColumn<bool>("found");
        // The usage looked for is 0x29; the second list holds the factory profiles.
        const auto row = [](const char *name, const Edits &edits, int selected,
                            KeyboardLayoutType layout, bool dip5, bool found) {
            QTest::newRow(name) << edits << selected << layout << dip5 << found;
        };

        row("normal key", {{0, 0, N, 0, 0x29}}, 0, E, false, true);
        row("Fn3 layer", {{0, 2, F3, 81, 0x29}}, 2, J, false, true);
        row("Fn-layer 1 is the factory usage", {{0, 0, F1, 5, 1}, {1, 0, N, 5, 0x29}}, 0, E, false,
            true);
        row("Fn-layer 1 reads the selected factory profile", {{0, 0, F1, 5, 1}, {1, 1, N, 5, 0x29}},
            0, E, false, false);
        row("English 29, DIP 5 off", {{0, 0, N, 29, 0x29}}, 0, E, false, false);
        row("English 29, DIP 5 on", {{0, 0, N, 29, 0x29}}, 0, E, true, true);
        row("slide position, Fn2 layer", {{0, 0, F2, 117, 0x29}}, 0, E, false, true);
        row("slide position's 1 is no factory usage", {{0, 0, F1, 86, 1}, {1, 0, N, 86, 0x29}}, 0,
            E, false, false);
    }

    void usageOnAKey()
    {
        QFETCH(Edits, edits);
        QFETCH(int, selected);
        QFETCH(KeyboardLayoutType, layout);
        QFETCH(bool, dip5);
        QFETCH(bool, found);
        const EditedLists lists(edits);
        QCOMPARE(Utility::containsUsageId(lists.first, 0x29, selected, layout, dip5, lists.second),
                 found);
    }

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

    void shortLayersAreNeverRead()
    {
        ProfileDataEntity longer(QList<qint32>(121, 9), QList<qint32>(120), QList<qint32>(120),
                                 QList<qint32>(120));
        const ProfileDataEntity shortProfile({1}, {}, {}, {});
        // Only the 120 keys are copied; a short source is refused rather than read past its end.
        longer.getProfileData(ProfileDataEntity());
        QCOMPARE(longer.normal.mid(119), QList<qint32>({0, 9}));
        QVERIFY_THROWS_EXCEPTION(Exceptions, longer.getProfileData(shortProfile));
        QVERIFY(!Utility::isSameProfile(longer, shortProfile));
        QVERIFY(!Utility::isAssignedFnKeyInProfile(shortProfile, longer));
        ProfileListDataEntity shortList;
        shortList.profile1->withFn3.removeLast();
        QVERIFY(!Utility::containsUsageId(shortList, 0, 0, E, false, shortList));
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
        // Arcs are equal only when every field is, to the last bit.
        QVERIFY(!(outline.arcParams[0] == ArcDataEntity{QPointF(20 + 1e-12, 21), 0.5, 1.5, true}));
        QVERIFY(!(outline.arcParams[0] == ArcDataEntity{QPointF(20, 21), 0.5, 1.5, false}));
        QVERIFY(
            EnterKeyDataEntity::arrayToEnterKeyDataEntity(values.first(14), 1).arcParams.isEmpty());
        QVERIFY_THROWS_EXCEPTION(Exceptions,
                                 EnterKeyDataEntity::arrayToEnterKeyDataEntity(values.mid(1), 4.5));
    }

    void singleInstance_data()
    {
        // What stands where the lock goes, and who holds it (see LockInTheWay::put).
        QTest::addColumn<QString>("inTheWay");
        QTest::addColumn<bool>("launched");
        // Whether this run holds the lock afterwards.
        QTest::addColumn<bool>("holding");
        // What standard error says, "%1" standing for the lock file's path.
        QTest::addColumn<QString>("said");
        const QString withoutTheLock =
            ": this run goes on without the lock that keeps the program to one run.\n";
        const QString notARegularFile = "%1 is not a regular file" + withoutTheLock;
        const bool isSuperuser = ::geteuid() == 0;

        QTest::newRow("first instance") << "nothing" << false << true << "";
        QTest::newRow("another instance runs") << "held" << true << false << "";
        QTest::newRow("another instance runs, seen from another PID namespace")
            << "held, looked at from another PID namespace" << true << false << "";
        // A start that cannot make its own lock file still asks the one in its way.
        QTest::newRow("another instance runs, and this start cannot write a file")
            << "held, looked at under a file size limit of 0" << true << false << "";
        QTest::newRow("another instance runs, and this start sees the folder read-only")
            << "held, looked at through a read-only mount" << true << false << "";
        // This process takes the lock at its own look afterwards.
        QTest::newRow("first instance, which sees the folder read-only")
            << "nothing, looked at through a read-only mount" << false << true
            << "The lock file cannot be made in %2 (Read-only file system)" + withoutTheLock;
        QTest::newRow("lock left by an instance that crashed") << "ended" << false << true << "";
        // The superuser reads it all the same, and finds that no run holds it.
        QTest::newRow("another user's unreadable lock")
            << "unreadable" << !isSuperuser << isSuperuser
            << (isSuperuser ? ""
                            : "%1 cannot be read, and another run of the program may hold it: "
                              "this run ends.\n");
        QTest::newRow("an empty lock two days old") << "old and empty" << false << true << "";
        QTest::newRow("an empty lock that a run has just made")
            << "new and empty" << true << false
            << "%1 is empty and only seconds old, and a run of an earlier version of the program "
               "may be making it: this run ends.\n";
        QTest::newRow("a live run of this machine, without a kernel lock")
            << "names a live run" << true << false
            << "%1 names a live process of this machine that runs the program: this run ends.\n";
        QTest::newRow("a process id that now runs another program")
            << "names another program" << false << true << "";
        QTest::newRow("removed by another start before this one removes it")
            << "removed meanwhile" << false << true << "";
        QTest::newRow("replaced by another start's lock before this one removes it")
            << "replaced meanwhile" << true << false << "";
        QTest::newRow("a folder where the lock goes")
            << "folder" << false << false << notARegularFile;
        QTest::newRow("a FIFO where the lock goes") << "FIFO" << false << false << notARegularFile;
        QTest::newRow("a socket where the lock goes")
            << "socket" << false << false << notARegularFile;
        QTest::newRow("a symbolic link to a lock left by a crash")
            << "link" << false << false << notARegularFile;
        QTest::newRow("another run's lock in a folder that everyone may write")
            << "held, in a shared folder" << false << false
            << "No runtime folder of the user's alone (XDG_RUNTIME_DIR) can hold the lock that "
               "keeps the program to one run: this run goes on without it.\n";
    }

    void singleInstance()
    {
        QFETCH(QString, inTheWay);
        QFETCH(bool, launched);
        QFETCH(bool, holding);
        QFETCH(QString, said);
        QTemporaryDir folder;
        const QString path = folder.filePath("tool.lock");
        Utility::setInstanceLockPathForTesting(path);
        QLockFile running(path);
        const WaitingChild child;
        QVERIFY(LockInTheWay::put(inTheWay, path, running, child.processId()));

        const std::optional<QByteArray> answer = answerOfStartLookingAt(inTheWay, path);
        if (!answer)
            QSKIP("The system gives no user a PID or mount namespace here.");
        QVERIFY2(!answer->isEmpty(), "The start ended before it answered.");
        const bool isLaunched = answer->startsWith('1');
        const QString errors = QString::fromUtf8(answer->mid(1));

        QCOMPARE(isLaunched, launched);
        // A second look from the same process does not see itself as another instance.
        QCOMPARE(Utility::checkAlreadyLaunched(), launched);
        QVERIFY(QFile::exists(path));
        qint64 owner = 0;
        // Only a regular file is read: a FIFO would wait for a writer.
        QCOMPARE(QFileInfo(path).isFile() && running.getLockInfo(&owner, nullptr, nullptr) &&
                     owner == QCoreApplication::applicationPid() && !running.isLocked(),
                 holding);
        QCOMPARE(errors, QString(said).replace("%1", path).replace("%2", folder.path()));
        Utility::setInstanceLockPathForTesting({});
        InstanceLock::setBeforeRemovalForTesting({});
    }

    void whatAStartLeaves_data()
    {
        // What stands beside the lock's path as a start makes the lock (see leaveBeside).
        QTest::addColumn<QString>("beside");
        // The names in the folder afterwards.
        QTest::addColumn<QStringList>("remaining");
        const QString lock = "tool.lock";

        QTest::newRow("a draft that a killed start left") << "old draft" << QStringList{lock};
        QTest::newRow("a draft that a start has just made")
            << "new draft" << QStringList{lock, lock + ".New123"};
        QTest::newRow("an old draft that a start holds")
            << "held draft" << QStringList{lock, lock + ".Held12"};
        QTest::newRow("old files of other names")
            << "other names" << QStringList{lock, lock + ".Other12", lock + "7Other1"};
        QTest::newRow("a start killed as it puts its lock file in place")
            << "killed start" << QStringList{lock};
        QTest::newRow("a start killed as it puts its draft in place, without /proc")
            << "killed start without /proc" << QStringList{lock};
    }

    // A start leaves nothing but the lock file when it is killed, and removes only the drafts
    // that starts killed before it left.
    void whatAStartLeaves()
    {
        QFETCH(QString, beside);
        QFETCH(QStringList, remaining);
        QTemporaryDir folder;
        Utility::setInstanceLockPathForTesting(folder.filePath("tool.lock"));
        QLockFile holder(folder.filePath("tool.lock.Held12"));
        const std::optional<bool> isLeft = leaveBeside(beside, folder.path(), holder);
        if (!isLeft)
            QSKIP("The system gives no user a mount namespace here.");
        QVERIFY(*isLeft);

        QVERIFY(!Utility::checkAlreadyLaunched());

        QStringList names =
            QDir(folder.path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        names.sort();
        QCOMPARE(names, remaining);
    }

    void imageName_data()
    {
        QTest::addColumn<qint32>("usage");
        QTest::addColumn<KeyboardColorType>("colour");
        QTest::addColumn<KeyboardLayoutType>("layout");
        QTest::addColumn<double>("width");
        // Modified, shortcut and palette key.
        QTest::addColumn<QList<bool>>("flags");
        QTest::addColumn<QString>("name");
        const auto B = KeyboardColorType::Black;
        const auto W = KeyboardColorType::White;
        const QList<bool> none{false, false, false};

        QTest::newRow("black drawn key") << 4 << B << E << 30.0 << none << "4WES";
        QTest::newRow("white modified shortcut")
            << 4 << W << J << 30.0 << QList<bool>{true, true, false} << "4WJS_SC";
        QTest::newRow("white wide palette Fn1 key")
            << 0x5101 << W << J << 60.0 << QList<bool>{false, false, true} << "20737WJL";
        QTest::newRow("width exactly 37 is small") << 41 << B << E << 37.0 << none << "41WES";
        QTest::newRow("width 37.5 is large") << 41 << B << E << 37.5 << none << "41WEL";
    }

    void imageName()
    {
        QFETCH(qint32, usage);
        QFETCH(KeyboardColorType, colour);
        QFETCH(KeyboardLayoutType, layout);
        QFETCH(double, width);
        QFETCH(QList<bool>, flags);
        QFETCH(QString, name);
        QCOMPARE(
            Utility::getKeyImagePath(usage, colour, layout, width, flags[0], flags[1], flags[2]),
            name);
    }

    void tooltips_data()
    {
        QTest::addColumn<qint32>("usage");
        QTest::addColumn<KeyboardLayoutType>("layout");
        // The tooltip and the label as a shortcut's base key.
        QTest::addColumn<QStringList>("texts");

        QTest::newRow("unassigned") << 0 << J << QStringList{localized("0"), "(AnyKey)"};
        QTest::newRow("2, Japanese") << 31 << J << QStringList{"", "2(\")"};
        QTest::newRow("2, English") << 31 << E << QStringList{"", "2(@)"};
        QTest::newRow("application key")
            << 101 << E << QStringList{localized("118"), localized("118")};
        QTest::newRow("right Win") << 231 << E << QStringList{localized("231"), ""};
        QTest::newRow("0x5FA8") << 0x5FA8 << E << QStringList{"", ""};
    }

    void tooltips()
    {
        QFETCH(qint32, usage);
        QFETCH(KeyboardLayoutType, layout);
        QFETCH(QStringList, texts);
        QCOMPARE(utility.getDescriptionForTooltip(usage, layout, 30.0), texts[0]);
        QCOMPARE(utility.getDescriptionForShortcutTooltip(usage, layout), texts[1]);
    }

    void tooltipsReadTheProgramsStrings()
    {
        // The key has a text in both tables (keys.txt lists it).
        QCOMPARE(Utility().getDescriptionForTooltip(0, E, 30.0),
                 LocalizedStrings::text("ToolUtility_TooltipDescription_0"));
    }
};

QTEST_GUILESS_MAIN(tst_Utility)
#include "tst_utility.moc"
