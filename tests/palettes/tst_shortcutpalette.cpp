#include "assignkeyview.h"
#include "assignkeyviewcontroller.h"
#include "bottomleftspace.h"
#include "keyboardconfig.h"
#include "localizedstrings.h"
#include "palettefixture.h"
#include "radiobutton.h"
#include "resourcefixture.h"
#include "shortcutassignkeyboardviewcontroller.h"
#include "shortcutradioview.h"
#include "themegeometry.h"

#include <QLocale>
#include <QTest>

namespace {

const QStringList rowNames{"Control", "Shift", "Alt", "Cmd"};

ShortCutType shortcutType(const QString &name)
{
    return ShortCutType(rowNames.indexOf(name));
}

QString flagText(const ShortcutModel::Flags &flags)
{
    QString text;
    for (const bool flag : flags)
        text += flag ? '1' : '0';
    return text;
}

void click(QWidget *widget, QPointF at)
{
    sendMouse(widget, QEvent::MouseButtonPress, at);
    sendMouse(widget, QEvent::MouseButtonRelease, at);
}

} // namespace

// The shortcut palette driven by clicks on its modifier rows, their buttons and its base keys:
// the modifiers chosen, the label and the usage the page hears; the rows' looks; and where the
// base keys stand for each layout and language.
class tst_ShortcutPalette : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void clickSequences_data();
    void clickSequences();
    void rowsShowTheirOwnNameFromTheStart();
    void rowLooks_data();
    void rowLooks();
    void rowClickClosesTheProfileList();
    void baseKeyRows_data();
    void baseKeyRows();

    void reviewImages_data();
    void reviewImages();

private:
    ShortCutAssignKeyboardViewController *makePalette(const QString &typeNumber);
    AssignKeyViewController *baseKey(qint32 usageId) const;
    void run(const QString &step);

    std::unique_ptr<ResourceFixture> m_resources;
    std::unique_ptr<PaletteFixture> m_page;
    ShortCutAssignKeyboardViewController *m_palette = nullptr;
};

void tst_ShortcutPalette::initTestCase()
{
    LocalizedStrings::setLanguage(QStringLiteral("en"));
}

void tst_ShortcutPalette::init()
{
    m_resources = std::make_unique<ResourceFixture>();
    m_page = std::make_unique<PaletteFixture>();
    m_page->view()->show();
}

void tst_ShortcutPalette::cleanup()
{
    m_palette = nullptr;
    m_page.reset();
    m_resources.reset();
}

ShortCutAssignKeyboardViewController *tst_ShortcutPalette::makePalette(const QString &typeNumber)
{
    m_palette = new ShortCutAssignKeyboardViewController(typeNumber);
    m_page->hostPalette(m_palette);
    return m_palette;
}

AssignKeyViewController *tst_ShortcutPalette::baseKey(qint32 usageId) const
{
    for (AssignKeyViewController *key : m_palette->keyViewControllers()) {
        if (key->usageId() == usageId)
            return key;
    }
    return nullptr;
}

// "row Shift" clicks the Shift row, "L Shift" and "R Shift" its buttons, "key 4" the base key
// of usage 0x04 and "drag 4" starts dragging it; "wait" puts the palette in the mode where a
// drawn key waits for its new usage; "clear keep" and "clear all" are the page's clearing.
void tst_ShortcutPalette::run(const QString &step)
{
    const QString verb = step.section(' ', 0, 0);
    const QString object = step.section(' ', 1);
    if (verb == "row")
        click(m_palette->radioView(shortcutType(object)), QPointF(10, 12));
    else if (verb == "L")
        click(m_palette->radioView(shortcutType(object))->lRadioButton(), QPointF(5, 12));
    else if (verb == "R")
        click(m_palette->radioView(shortcutType(object))->rRadioButton(), QPointF(5, 12));
    else if (verb == "key")
        click(baseKey(object.toInt(nullptr, 16))->assignKeyView(), QPointF(10, 10));
    else if (verb == "drag")
        m_palette->keyDragStarted(*baseKey(object.toInt(nullptr, 16)));
    else if (verb == "wait")
        m_palette->updateKeyboardStatus(false, 7);
    else
        m_palette->clearShortCutSelection(object == "all");
}

void tst_ShortcutPalette::clickSequences_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("flags");
    QTest::addColumn<QStringList>("reports");

    // Flags: Control, Shift, Alt, Win⌘, each left then right.
    QTest::newRow("modifiers without a key: nothing reported")
        << QStringList{"row Control", "row Shift"} << "Control+Shift+"
        << "10100000" << QStringList{};
    QTest::newRow("then a key reports it with their bits")
        << QStringList{"row Control", "row Shift", "key 4"} << "Control+Shift+A"
        << "10100000" << QStringList{"select 304"};
    QTest::newRow("every change reports again; the right button moves all to the right")
        << QStringList{"key 4", "row Control", "row Alt", "R Alt"} << "Control R+Alt/Opt R+A"
        << "01000100" << QStringList{"select 4", "select 104", "select 504", "select 1504"};
    QTest::newRow("the label keeps its order, whatever the order of the clicks")
        << QStringList{"row Cmd", "row Control"} << "Control+Win\u2318+"
        << "10000010" << QStringList{};
    QTest::newRow("the any-key entry reports the modifiers alone")
        << QStringList{"row Control", "key 0"} << "Control+(AnyKey)"
        << "10000000" << QStringList{"select 100"};
    QTest::newRow("a new modifier joins the side in use")
        << QStringList{"row Shift", "R Shift", "row Control"} << "Control R+Shift R+"
        << "01010000" << QStringList{};
    QTest::newRow("the left button moves them back")
        << QStringList{"row Shift", "R Shift", "row Cmd", "L Cmd"} << "Shift+Win\u2318+"
        << "00100010" << QStringList{};
    QTest::newRow("the chosen side's button changes nothing")
        << QStringList{"key 4", "row Shift", "L Shift"} << "Shift+A"
        << "00100000" << QStringList{"select 4", "select 204"};
    QTest::newRow("a click on a chosen row drops it")
        << QStringList{"key 4", "row Control", "row Shift", "row Control"} << "Shift+A"
        << "00100000" << QStringList{"select 4", "select 104", "select 304", "select 204"};
    QTest::newRow("clearing the key keeps the modifiers; the same key again keeps the label")
        << QStringList{"key 4", "row Shift", "R Shift", "clear keep", "key 4"} << "Shift R+"
        << "00010000" << QStringList{"select 4", "select 204", "select 1204", "select 1204"};
    QTest::newRow("clearing all drops the modifiers")
        << QStringList{"key 4", "row Shift", "R Shift", "clear all"} << ""
        << "00000000" << QStringList{"select 4", "select 204", "select 1204"};
    QTest::newRow("another key after clearing spells it again")
        << QStringList{"key 4", "row Alt", "clear keep", "key 5"} << "Alt/Opt+B"
        << "00001000" << QStringList{"select 4", "select 404", "select 405"};
    QTest::newRow("a waiting drawn key hears a decision")
        << QStringList{"wait", "row Control", "key 4", "R Control"} << "Control R+A"
        << "01000000" << QStringList{"decide 104", "decide 1104"};
    QTest::newRow("a drag selects the key and carries the modifiers")
        << QStringList{"row Alt", "drag 4"} << "Alt/Opt+A"
        << "00001000" << QStringList{"drag 404"};
}

// After every step each row shows what the palette holds: chosen rows show their buttons with
// the side in use selected, other rows hide them with the left one preset.
void tst_ShortcutPalette::clickSequences()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, label);
    QFETCH(QString, flags);
    QFETCH(QStringList, reports);

    makePalette("KX-QR300B");
    const ShortcutModel &model = m_palette->shortcutModel();
    for (const QString &step : steps) {
        run(step);
        for (const QString &name : rowNames) {
            const ShortcutRadioView *row = m_palette->radioView(shortcutType(name));
            const bool chosen = model.isChosen(shortcutType(name));
            const QString where = step + ", " + name;
            QVERIFY2(row->isSelected() == chosen, qPrintable(where));
            QVERIFY2(row->lRadioButton()->isVisible() == chosen, qPrintable(where));
            QVERIFY2(row->rRadioButton()->isVisible() == chosen, qPrintable(where));
            const bool left = !chosen || model.isLeft();
            QVERIFY2(row->lRadioButton()->isSelected() == left, qPrintable(where));
            QVERIFY2(row->rRadioButton()->isSelected() == !left, qPrintable(where));
        }
    }
    QCOMPARE(m_palette->shortCutValue(), label);
    QCOMPARE(flagText(model.flags()), flags);
    QCOMPARE(flagText(m_palette->shortcutCombinArray()), flags);
    m_page->log.removeAll("list hidden");
    QCOMPARE(m_page->log, reports);
}

// Each row names its own modifier from the start, not the last row's.
void tst_ShortcutPalette::rowsShowTheirOwnNameFromTheStart()
{
    makePalette("KX-QR320B");
    QStringList images;
    for (const QString &name : rowNames)
        images << m_palette->radioView(shortcutType(name))->textImage();
    QCOMPARE(images, QStringList({"control_w", "shift_w", "alt_w", "command_w"}));
}

void tst_ShortcutPalette::rowLooks_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<double>("background");
    QTest::addColumn<QColor>("border");
    QTest::addColumn<QString>("textImage");

    const QColor hoverBorder = QColor::fromRgbF(0.8, 0.8, 0.8);
    const QColor clear(0, 0, 0, 0);
    QTest::newRow("not chosen") << QStringList{} << 0.4 << clear << "control_w";
    QTest::newRow("not chosen, pointer over it")
        << QStringList{"enter"} << 0.4 << hoverBorder << "control_w";
    QTest::newRow("chosen by a click, pointer over it")
        << QStringList{"enter", "click"} << 0.6 << clear << "control";
    QTest::newRow("chosen, pointer gone")
        << QStringList{"enter", "click", "leave"} << 0.8 << clear << "control";
    QTest::newRow("chosen, pointer back")
        << QStringList{"enter", "click", "leave", "enter"} << 0.6 << clear << "control";
    QTest::newRow("dropped by a click, pointer over it")
        << QStringList{"enter", "click", "click"} << 0.4 << hoverBorder << "control_w";
    QTest::newRow("dropped, pointer gone")
        << QStringList{"enter", "click", "click", "leave"} << 0.4 << clear << "control_w";
}

void tst_ShortcutPalette::rowLooks()
{
    QFETCH(QStringList, steps);
    QFETCH(double, background);
    QFETCH(QColor, border);
    QFETCH(QString, textImage);

    makePalette("KX-QR300B");
    ShortcutRadioView *row = m_palette->radioView(ShortCutType::Control);
    for (const QString &step : steps) {
        if (step == "enter")
            sendEnter(row, QPointF(10, 12));
        else if (step == "leave")
            sendLeave(row);
        else
            click(row, QPointF(10, 12));
    }
    QCOMPARE(row->backgroundColor(), QColor::fromRgbF(background, background, background));
    QCOMPARE(row->borderColor(), border);
    QCOMPARE(row->textImage(), textImage);
}

void tst_ShortcutPalette::rowClickClosesTheProfileList()
{
    makePalette("KX-QR300B");
    run("row Shift");
    run("R Shift");
    QCOMPARE(m_page->log, QStringList({"list hidden", "list hidden"}));
}

void tst_ShortcutPalette::baseKeyRows_data()
{
    QTest::addColumn<QString>("typeNumber");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QList<int>>("rowCounts");
    QTest::addColumn<double>("anyKeyRow");

    QTest::newRow("English") << "KX-QR300B"
                             << "en_US" << QList<int>{22, 22, 22, 22, 22, 21, 1} << 66.0;
    QTest::newRow("English, Japanese locale")
        << "KX-QR300B"
        << "ja_JP" << QList<int>{22, 22, 22, 22, 22, 22, 2, 1} << 30.0;
    QTest::newRow("Japanese") << "KX-QR320B"
                              << "en_US" << QList<int>{22, 22, 22, 22, 22, 22, 2, 1} << 30.0;
}

// The base keys stand in rows from (170, 288) down, 36 apart, starting at the left; the one-key
// "any key" row is the last and stands 6 lower than the pitch.
void tst_ShortcutPalette::baseKeyRows()
{
    QFETCH(QString, typeNumber);
    QFETCH(QString, locale);
    QFETCH(QList<int>, rowCounts);
    QFETCH(double, anyKeyRow);

    QLocale::setDefault(QLocale(locale));
    makePalette(typeNumber);
    const BottomLeftSpace space(ThemeGeometry::shortcutPaletteSize.height());
    QList<int> counts;
    QList<double> rowBottoms;
    const QRectF bounds(QPointF(), ThemeGeometry::shortcutPaletteSize);
    for (const AssignKeyViewController *key : m_palette->keyViewControllers()) {
        const QRectF frame = space.toQt(QRectF(key->assignKeyView()->geometry()));
        QVERIFY(bounds.contains(frame));
        QVERIFY(key->isShortcut());
        if (rowBottoms.isEmpty() || rowBottoms.last() != frame.y()) {
            rowBottoms.append(frame.y());
            counts.append(0);
        }
        QCOMPARE(frame.x(), 170.0 + 36 * counts.last()++);
    }
    QCOMPARE(counts, rowCounts);
    for (int row = 0; row + 1 < rowBottoms.size(); ++row)
        QCOMPARE(rowBottoms.at(row), 288.0 - 36 * row);
    QCOMPARE(rowBottoms.last(), anyKeyRow);
    QCOMPARE(m_palette->keyViewControllers().last()->usageId(), 0);
    // The rows stay clear of the keys.
    for (const QString &name : rowNames)
        QVERIFY(m_palette->radioView(shortcutType(name))->geometry().right() < 170);
}

void tst_ShortcutPalette::reviewImages_data()
{
    QTest::addColumn<QString>("typeNumber");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("steps");

    QTest::newRow("English black right-hand")
        << "KX-QR300B"
        << "en" << QStringList{"row Control", "row Shift", "R Shift", "key 4"};
    QTest::newRow("English white") << "KX-QR300Y"
                                   << "en" << QStringList{"row Alt", "key 0"};
    QTest::newRow("Japanese black") << "KX-QR320B"
                                    << "ja" << QStringList{"row Cmd", "key 1e"};
    QTest::newRow("Japanese white right-hand")
        << "KX-QR320Y"
        << "ja" << QStringList{"row Control", "row Alt", "R Alt", "row Cmd", "key 28"};
}

// The palette with a combination chosen, the pointer over the last row clicked, for review by
// eye.
void tst_ShortcutPalette::reviewImages()
{
    QFETCH(QString, typeNumber);
    QFETCH(QString, language);
    QFETCH(QStringList, steps);
    LocalizedStrings::setLanguage(language);
    QLocale::setDefault(QLocale(language));
    const KeyboardColorType color =
        typeNumber.endsWith('Y') ? KeyboardColorType::White : KeyboardColorType::Black;
    KeyBoardConfig::shared().assignKey.setKeyboardColorType(color);

    makePalette(typeNumber);
    for (const QString &step : steps)
        run(step);
    QVERIFY(m_page->saveReviewImage("shortcut-palette"));
    KeyBoardConfig::shared().assignKey.setKeyboardColorType(KeyboardColorType::Black);
    LocalizedStrings::setLanguage(QStringLiteral("en"));
}

QTEST_MAIN(tst_ShortcutPalette)
#include "tst_shortcutpalette.moc"
