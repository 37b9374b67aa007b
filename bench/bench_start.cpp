// Starts the program on the emulated keyboard, answering after 1 ms on the real clock, as main()
// starts it, and prints the time from the application's creation to the first paint of the
// drawn keyboard against the goal of 0.5 s, beside the machine's floor for the read's waits
// alone; then the memory the program holds once it has been idle for a while, against 80 MB.

#include "appdelegate.h"
#include "apppagefactory.h"
#include "commandline.h"
#include "constants.h"
#include "emulatedbackend.h"
#include "emulatedkeyboard.h"
#include "keyboardconfig.h"
#include "keyboardpanels.h"
#include "machinefloor.h"
#include "mainwindow.h"
#include "mainwindowcontroller.h"
#include "realclock.h"
#include "settingsstore.h"
#include "startpageviewcontroller.h"
#include "updatechecker.h"
#include "virtualkeyboardview.h"
#include "virtualkeyboardviewcontroller.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <optional>

namespace {

constexpr std::chrono::microseconds latency{1000};
constexpr double goalMilliseconds = 500;
constexpr double goalMegabytes = 80;
// How long the program rests before its memory is read: the start's work and the quiet update
// check are over by then.
constexpr int idleMilliseconds = 3000;

// Quits the event loop at the first paint of the drawn keyboard with its keys.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(const VirtualKeyboardViewController &keyboard)
        : m_keyboard(keyboard)
    {}

    std::optional<double> milliseconds;
    QElapsedTimer sinceStart;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !milliseconds &&
            !m_keyboard.keyViewControllers().empty()) {
            milliseconds = sinceStart.nsecsElapsed() / 1e6;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const VirtualKeyboardViewController &m_keyboard;
};

// The resident memory of this process in megabytes, where the system tells it.
std::optional<double> residentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QRegularExpression resident(QStringLiteral("VmRSS:\\s+(\\d+) kB"));
    const QRegularExpressionMatch match = resident.match(QString::fromLatin1(status.readAll()));
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toDouble() / 1024;
}

const char *verdict(bool met)
{
    return met ? "met   " : "missed";
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication application(argc, argv);
    // Nothing of the user's is read or written, and the update check reaches no server.
    QTemporaryDir userFolder;
    Constants::setLogDirectoryForTesting(userFolder.path() + "/logs/");
    SettingsStore::setFileForTesting(userFolder.filePath(QStringLiteral("settings.ini")));
    UpdateChecker::setVersionDocumentUrlForTesting(
        QStringLiteral("http://127.0.0.1:9/downloads/daravivuza/TAVOVersion.json"));
    CommandLine::setArguments(QCoreApplication::arguments());
    EmulatedKeyboard keyboard(RealClock::sharedInstance());
    keyboard.setReplyLatency(latency);
    EmulatedBackend backend(keyboard);
    HidBackend::setSharedInstance(backend);
    KeyBoardConfig::shared();

    AppDelegate delegate;
    delegate.applicationWillFinishLaunching();
    AppPageFactory pages;
    MainWindowController controller(pages);
    delegate.installMenus(controller.window());
    controller.windowDidLoad();
    auto &startPage = static_cast<StartPageViewController &>(*controller.startPageViewController());
    FirstPaint firstPaint(startPage.panels().virtualKeyboard());
    firstPaint.sinceStart = sinceStart;
    startPage.panels().virtualKeyboard().virtualKeyboardView()->installEventFilter(&firstPaint);
    controller.window()->show();
    QApplication::exec();
    if (!firstPaint.milliseconds)
        qFatal("the drawn keyboard was never painted");

    const int exchanges = int(keyboard.requests().size());
    const MachineFloor::Ratios floor = MachineFloor::measure(latency, exchanges);
    const double floorMilliseconds = floor.sleep * exchanges * latency.count() / 1000.0;
    std::printf("%-44s %7.1f ms  goal < %.0f ms  %s  floor %.1f ms (%d waits of %lld us)\n",
                "start to first paint of the drawn keyboard", *firstPaint.milliseconds,
                goalMilliseconds, verdict(*firstPaint.milliseconds < goalMilliseconds),
                floorMilliseconds, exchanges, static_cast<long long>(latency.count()));

    QTimer::singleShot(idleMilliseconds, qApp, &QCoreApplication::quit);
    QApplication::exec();
    if (const std::optional<double> megabytes = residentMegabytes()) {
        std::printf("%-44s %7.1f MB  goal < %.0f MB  %s\n", "idle memory", *megabytes,
                    goalMegabytes, verdict(*megabytes < goalMegabytes));
    }
    return 0;
}
