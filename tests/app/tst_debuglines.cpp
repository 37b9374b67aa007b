#include "capturedoutput.h"
#include "constants.h"
#include "editmenuevent.h"
#include "firmuppageviewcontroller.h"
#include "firmwareimagebuilder.h"
#include "keymappagefixture.h"
#include "localizedstrings.h"
#include "localtime.h"
#include "logfile.h"
#include "logger.h"
#include "mainwindow.h"
#include "navigationbutton.h"
#include "notificationhub.h"
#include "pagefixture.h"
#include "resourceloader.h"
#include "settingsstore.h"
#include "startpageview.h"
#include "virtualkeyboardviewcontroller.h"
#include "virtualslidekeyboardviewcontroller.h"

#include <QFile>
#include <QFileDialog>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <unistd.h>

namespace {

using Operation = std::function<void()>;
// Sets up what an operation needs, then hands the operation to the recorder.
using Row = std::function<void(const std::function<void(const Operation &)> &record)>;

const QList<bool> dipSwitch(6, false);
const QList<bool> gesturePads(4, true);

// Runs operation with standard output going into a file, and answers the lines it printed there
// in double quotes: the debug prints of menu commands' receivers.
QStringList debugPrints(const Operation &operation)
{
    CapturedOutput printed(STDOUT_FILENO);
    operation();
    return printed.text()
        .split(QLatin1Char('\n'))
        .filter(QRegularExpression(QStringLiteral("^\".*\"$")));
}

// Runs operation and answers what it wrote: the debug lines of the given functions in the log, as
// "function: message", then its debug prints; a run of equal lines is one line with " x" and
// their number after it.
QStringList written(const Operation &operation, const QStringList &functions)
{
    QFile log(LogFile::path(LocalTime::now()));
    const qint64 before = log.size();
    const QStringList printed = debugPrints(operation);
    if (!log.open(QIODevice::ReadOnly) || !log.seek(before))
        qFatal("the log cannot be read");
    static const QRegularExpression debugLine(QStringLiteral(
        "^\\d{8} \\d\\d:\\d\\d:\\d\\d \\| \\[DEBUG\\] \\S+ \\[\\d+\\] (\\w+): (.*)$"));
    QStringList lines;
    for (const QString &line : QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = debugLine.match(line);
        if (match.hasMatch() && functions.contains(match.captured(1)))
            lines << match.captured(1) + QStringLiteral(": ") + match.captured(2);
    }
    QStringList runs;
    for (qsizetype first = 0, next = 0; first < lines.size(); first = next) {
        while (next < lines.size() && lines[next] == lines[first])
            ++next;
        runs << (next - first > 1 ? lines[first] + QStringLiteral(" x%1").arg(next - first)
                                  : lines[first]);
    }
    return runs + printed;
}

// The drawn keyboard of typeNumber, built read-only with its factory keymaps.
Row drawnKeyboard(const QString &typeNumber)
{
    return [typeNumber](const auto &record) {
        const auto profiles =
            ResourceLoader::sharedInstance().getDefaultProfilesData(typeNumber, dipSwitch);
        VirtualKeyboardViewController keyboard;
        record([&] { keyboard.loadKeyboard(typeNumber, *profiles, dipSwitch, false, 0); });
    };
}

// The title of a start page button in language.
Row navigationButton(const QString &language)
{
    return [language](const auto &record) {
        LocalizedStrings::setLanguage(language);
        NavigationButton button;
        record([&] {
            StartPageView::setNavigationButton(button, "keymap_b", "keymap", "keymap",
                                               "keymap_click", "Keymap");
        });
    };
}

// The start page, once the keyboard it read is shown.
Row startPage(const std::function<void(PageFixture &)> &operation)
{
    return [operation](const auto &record) {
        PageFixture fixture;
        fixture.open();
        fixture.waitForRest();
        record([&] { operation(fixture); });
    };
}

} // namespace

Q_DECLARE_METATYPE(Row)

// With "--verbose" the pages' operations write their debug lines, each under its own name, and
// the receivers of menu commands name themselves on standard output.
class tst_DebugLines : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Logger::sharedInstance().setLogLevel(LogLevel::debug); }

    // The fixtures of the pages take the log and the settings into folders of their own, and
    // leave them to the program's when they go.
    void init()
    {
        Constants::setLogDirectoryForTesting(m_folder.filePath(QStringLiteral("logs")) + '/');
        SettingsStore::setFileForTesting(m_folder.filePath(QStringLiteral("settings.ini")));
    }

    void cleanup()
    {
        LocalizedStrings::setLanguage(QStringLiteral("en"));
        SettingsStore::setFileForTesting({});
        Constants::setLogDirectoryForTesting({});
    }

    void cleanupTestCase() { Logger::sharedInstance().setLogLevel(LogLevel::normal); }

    void pageOperations_data();
    void pageOperations();

private:
    QTemporaryDir m_folder;
};

void tst_DebugLines::pageOperations_data()
{
    QTest::addColumn<Row>("row");
    QTest::addColumn<QStringList>("functions");
    QTest::addColumn<QStringList>("lines");
    const auto add = [](const char *name, const Row &row, const QStringList &functions,
                        const QStringList &lines) {
        QTest::newRow(name) << row << functions << lines;
    };

    const QStringList drawing{"drawKeyboard", "addAllKeys"};
    // 72 keys, the L-shaped Enter key among them.
    add("drawn Japanese keyboard", drawnKeyboard("KX-QR320B"), drawing,
        {"drawKeyboard: begin", "addAllKeys: begin", "addAllKeys: frameRect.count > 4",
         "addAllKeys: frameRect.count <= 4 x71", "addAllKeys: end", "drawKeyboard: end"});
    // 63 keys, the Enter key as rectangular as the others.
    add("drawn English keyboard", drawnKeyboard("KX-QR300B"), drawing,
        {"drawKeyboard: begin", "addAllKeys: begin", "addAllKeys: frameRect.count <= 4 x63",
         "addAllKeys: end", "drawKeyboard: end"});
    const Row slideKeys = [](const auto &record) {
        const auto profiles =
            ResourceLoader::sharedInstance().getDefaultProfilesData("KX-QR320B", dipSwitch);
        VirtualSlideKeyboardViewController keyboard;
        record([&] {
            keyboard.loadSlideKeyboard("KX-QR320B", dipSwitch, gesturePads, false, *profiles, 0,
                                       false);
        });
    };
    add("slide keys", slideKeys, {"drawSlideKeyboard", "addAllSlideKeys"},
        {"drawSlideKeyboard: begin", "addAllSlideKeys: begin", "addAllSlideKeys: end",
         "drawSlideKeyboard: end"});

    const QStringList startView{"awakeFromNib", "setNavigationButton", "adjustTextKern", "draw"};
    const Row viewMade = [](const auto &record) { record([] { StartPageView view; }); };
    add("start page view made", viewMade, startView, {"awakeFromNib: begin", "awakeFromNib: end"});
    add("start page button titled in English", navigationButton("en"), startView,
        {"setNavigationButton: begin", "setNavigationButton: end"});
    add("start page button titled in Japanese", navigationButton("ja"), startView,
        {"setNavigationButton: begin", "adjustTextKern: begin", "adjustTextKern: end",
         "setNavigationButton: end"});
    const Row viewDrawn = [](const auto &record) {
        StartPageView view;
        record([&] { view.grab(); });
    };
    add("start page view drawn", viewDrawn, startView, {"draw: begin", "draw: end"});

    const QStringList startMenus{"viewDidAppear", "changeMenuStatusAndUpdateMenu"};
    add("start page menus",
        startPage([](PageFixture &page) { page.startPage().changeMenuStatusAndUpdateMenu(true); }),
        startMenus, {"changeMenuStatusAndUpdateMenu: begin", "changeMenuStatusAndUpdateMenu: end"});
    add("start page shown", startPage([](PageFixture &page) { page.startPage().viewDidAppear(); }),
        startMenus,
        {"viewDidAppear: begin", "changeMenuStatusAndUpdateMenu: begin",
         "changeMenuStatusAndUpdateMenu: end", "viewDidAppear: end"});
    add("update checker made",
        startPage([](PageFixture &page) { page.controller->initUpdateChecker("KX-QR320B"); }),
        {"initUpdateChecker"}, {"initUpdateChecker: begin", "initUpdateChecker: end"});

    const Row firmupPageBuilt = [](const auto &record) {
        PageFixture fixture(true);
        record([&] { fixture.openFirmupPage(); });
    };
    add("firmware page built", firmupPageBuilt, {"loadVirtualKeyboard", "loadSlideKeyboard"},
        {"loadVirtualKeyboard: begin", "loadVirtualKeyboard: end", "loadSlideKeyboard: begin",
         "loadSlideKeyboard: end"});
    const Row openOnFirmupPage = [](const auto &record) {
        PageFixture fixture(true);
        fixture.openFirmupPage();
        record([] {
            NotificationHub::sharedInstance().post(EditMenuEvent::clickOpenConfigFileMenuEvent);
        });
        for (QFileDialog *panel : fixture.controller->window()->findChildren<QFileDialog *>())
            panel->reject();
    };
    add("File > Open on the firmware page", openOnFirmupPage, {},
        {"\"recieveClickOpenConfigFileMenuEvent\""});
    // Rescued from its boot loader, the keyboard as read again is drawn anew by the keyboards'
    // controllers, without the lines of the page's own loads.
    const Row firmupPageRebuilt = [](const auto &record) {
        PageFixture fixture(true);
        fixture.link.keyboard.setMode(EmulatedKeyboard::Mode::BootLoader);
        fixture.openFirmupPage();
        FirmwareImageBuilder image = FirmwareImageBuilder::withSizes({2000, 300, 200, 120, 57, 56});
        image.target = "KX-QR320B";
        image.version = "0001";
        fixture.readFirmware(fixture.writeFile(image.bytes()));
        record([&] {
            fixture.startUpdate();
            fixture.waitForRest();
        });
    };
    add("firmware page rebuilt after an update", firmupPageRebuilt,
        {"loadVirtualKeyboard", "loadSlideKeyboard", "drawKeyboard", "drawSlideKeyboard"},
        {"drawKeyboard: begin", "drawKeyboard: end", "drawSlideKeyboard: begin",
         "drawSlideKeyboard: end"});

    // The compare window's controller is made as the page is built, not with the page, which
    // may never be opened.
    const Row keymapPageMade = [](const auto &record) {
        record([] { KeymapPageViewController page(nullptr); });
    };
    add("keymap page made", keymapPageMade, {"initCompareWindow"}, {});
    const Row keymapPageBuilt = [](const auto &record) {
        KeymapPageFixture fixture;
        record([&] { fixture.enter(); });
    };
    add("keymap page built", keymapPageBuilt, {"loadView", "initCompareWindow"},
        {"loadView: begin", "initCompareWindow: begin", "initCompareWindow: end", "loadView: end"});
    const Row undoOnKeymapPage = [](const auto &record) {
        KeymapPageFixture fixture;
        fixture.enter();
        fixture.changeKey(usageQ, usageF13);
        record([] { NotificationHub::sharedInstance().post(EditMenuEvent::clickUndoMenuEvent); });
    };
    add("Edit > Undo on the keymap page", undoOnKeymapPage,
        {"recieveClickUndoMenuEvent", "undoKeymap"},
        {"recieveClickUndoMenuEvent: begin", "recieveClickUndoMenuEvent: end",
         "\"recieveClickUndoMenuEvent\""});
}

void tst_DebugLines::pageOperations()
{
    QFETCH(Row, row);
    QFETCH(QStringList, functions);
    QStringList lines;

    row([&](const Operation &operation) { lines = written(operation, functions); });

    QTEST(lines, "lines");
}

QTEST_MAIN(tst_DebugLines)
#include "tst_debuglines.moc"
