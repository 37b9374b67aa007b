#include "assignkeyview.h"
#include "assignkeyviewcontroller.h"
#include "bottomleftspace.h"
#include "deviceassignkeyviewcontroller.h"
#include "gridassignkeyboardviewcontroller.h"
#include "keyboardconfig.h"
#include "localizedstrings.h"
#include "palettefixture.h"
#include "resourcefixture.h"
#include "themegeometry.h"

#include <QLocale>
#include <QTest>

using Kind = GridAssignKeyboardViewController::Kind;

namespace {

const auto English = KeyboardLayoutType::English;
const auto Japanese = KeyboardLayoutType::Japanese;

// The device palette's keys, left to right, upper row first.
const QList<qint32> deviceUsages{
    0xF4,   0xF5,   0xF6,   0x5FA2, 0x5FA3, 0x5FA4, 0x5FA5, 0x5FA6, 0x5FA7, 0x5F8C, 0x5F8D, 0x5F8E,
    0x5F8F, 0x5101, 0x5102, 0x5103, 0x5F9E, 0x5F9F, 0x5FA0, 0x5FA1, 0x5F80, 0x5F84, 0x5F88, 0x5F81,
    0x5F85, 0x5F89, 0x5F82, 0x5F86, 0x5F8A, 0x5F83, 0x5F87, 0x5F8B, 0x5F90, 0x5F91, 0x5F92};

// A key's frame in the palette, origin at the bottom left.
QRectF frameOf(const AssignKeyViewController *key)
{
    return BottomLeftSpace(ThemeGeometry::gridPaletteSize.height())
        .toQt(QRectF(key->assignKeyView()->geometry()));
}

QList<qint32> usagesOf(const GridAssignKeyboardViewController &palette)
{
    QList<qint32> usages;
    for (const AssignKeyViewController *key : palette.keyViewControllers())
        usages.append(key->usageId());
    return usages;
}

// The bottoms of the rows, top row first, and how many keys each holds.
QList<std::pair<double, int>> rowsOf(const GridAssignKeyboardViewController &palette)
{
    QList<std::pair<double, int>> rows;
    for (const AssignKeyViewController *key : palette.keyViewControllers()) {
        const double y = frameOf(key).y();
        if (rows.isEmpty() || rows.last().first != y)
            rows.append({y, 0});
        ++rows.last().second;
    }
    return rows;
}

} // namespace

// The alphabet and device palettes: where their keys stand, which keys each offers for the
// keyboard's layout and the user's language, their marks, and what a click reports.
class tst_GridPalettes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void deviceKeys();
    void alphabetKeys_data();
    void alphabetKeys();
    void marksAreReplacedNotMerged();
    void deviceKeyReportsItsUsageAlone();

    void reviewImages_data();
    void reviewImages();

private:
    GridAssignKeyboardViewController *makePalette(Kind kind, const QString &typeNumber);

    std::unique_ptr<ResourceFixture> m_resources;
    std::unique_ptr<PaletteFixture> m_page;
};

void tst_GridPalettes::initTestCase()
{
    LocalizedStrings::setLanguage(QStringLiteral("en"));
}

void tst_GridPalettes::init()
{
    m_resources = std::make_unique<ResourceFixture>();
    m_page = std::make_unique<PaletteFixture>();
    m_page->view()->show();
}

void tst_GridPalettes::cleanup()
{
    m_page.reset();
    m_resources.reset();
}

GridAssignKeyboardViewController *tst_GridPalettes::makePalette(Kind kind,
                                                                const QString &typeNumber)
{
    auto *palette = new GridAssignKeyboardViewController(kind, typeNumber);
    m_page->hostPalette(palette);
    return palette;
}

void tst_GridPalettes::deviceKeys()
{
    GridAssignKeyboardViewController *palette = makePalette(Kind::Device, "KX-QR320B");
    QCOMPARE(usagesOf(*palette), deviceUsages);
    QCOMPARE(rowsOf(*palette), (QList<std::pair<double, int>>{{286, 21}, {250, 14}}));
    const auto &keys = palette->keyViewControllers();
    for (int index = 0; index < keys.size(); ++index) {
        QVERIFY(qobject_cast<DeviceAssignKeyViewController *>(keys.at(index)));
        QCOMPARE(frameOf(keys.at(index)).x(), 36.0 * (index < 21 ? index : index - 21));
    }
}

void tst_GridPalettes::alphabetKeys_data()
{
    QTest::addColumn<QString>("typeNumber");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("lastRow");
    QTest::addColumn<QList<qint32>>("lastKeys");

    QTest::newRow("Japanese") << "KX-QR320B"
                              << "en_US" << 175 << 21 << QList<qint32>{0x5F90, 0x5F91, 0x5F92};
    QTest::newRow("Japanese, Japanese locale")
        << "KX-QR320Y"
        << "ja_JP" << 175 << 21 << QList<qint32>{0x5F90, 0x5F91, 0x5F92};
    QTest::newRow("English") << "KX-QR300B"
                             << "en_US" << 172 << 18 << QList<qint32>{0x5F90, 0x5F91, 0x5F92};
    QTest::newRow("English, Japanese locale: kana keys at the end")
        << "KX-QR300Y"
        << "ja_JP" << 175 << 21 << QList<qint32>{0x88, 0x90, 0x91};
}

// Eight rows, the first at y 286 and each 36 lower, every one starting at the left edge and
// inside the palette; the last row is the short one.
void tst_GridPalettes::alphabetKeys()
{
    QFETCH(QString, typeNumber);
    QFETCH(QString, locale);
    QFETCH(int, count);
    QFETCH(int, lastRow);
    QFETCH(QList<qint32>, lastKeys);

    QLocale::setDefault(QLocale(locale));
    GridAssignKeyboardViewController *palette = makePalette(Kind::Alphabet, typeNumber);
    QCOMPARE(palette->keyViewControllers().size(), count);
    QCOMPARE(usagesOf(*palette).last(3), lastKeys);
    const QList<std::pair<double, int>> rows = rowsOf(*palette);
    QCOMPARE(rows.size(), 8);
    for (int row = 0; row < rows.size(); ++row) {
        QCOMPARE(rows.at(row).first, 286.0 - 36 * row);
        QCOMPARE(rows.at(row).second, row < 7 ? 22 : lastRow);
    }
    const QRectF bounds(QPointF(), ThemeGeometry::gridPaletteSize);
    int index = 0;
    for (const AssignKeyViewController *key : palette->keyViewControllers()) {
        QVERIFY(bounds.contains(frameOf(key)));
        QCOMPARE(frameOf(key).x(), 36.0 * (index++ % 22));
    }
}

void tst_GridPalettes::marksAreReplacedNotMerged()
{
    GridAssignKeyboardViewController *palette = makePalette(Kind::Alphabet, "KX-QR320B");
    const auto marked = [palette] {
        QList<qint32> usages;
        for (const AssignKeyViewController *key : palette->keyViewControllers()) {
            if (key->assignKeyView()->showsNotAssignedIcon())
                usages.append(key->usageId());
        }
        return usages;
    };
    palette->updateKeyboard({0x04, 0x5101});
    QCOMPARE(marked(), (QList<qint32>{0x04, 0x5101}));
    palette->updateKeyboard({0x05});
    QCOMPARE(marked(), QList<qint32>{0x05});
}

void tst_GridPalettes::deviceKeyReportsItsUsageAlone()
{
    GridAssignKeyboardViewController *palette = makePalette(Kind::Device, "KX-QR300B");
    AssignKeyView *fn1 =
        palette->keyViewControllers().at(deviceUsages.indexOf(0x5101))->assignKeyView();
    for (const bool keyWillBeSelected : {true, false}) {
        palette->updateKeyboardStatus(keyWillBeSelected, std::nullopt);
        sendMouse(fn1, QEvent::MouseButtonPress, QPointF(10, 10));
        sendMouse(fn1, QEvent::MouseButtonRelease, QPointF(10, 10));
    }
    QCOMPARE(m_page->log,
             QStringList({"list hidden", "select 5101", "list hidden", "decide 5101"}));
}

void tst_GridPalettes::reviewImages_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("typeNumber");

    QTest::newRow("alphabet English black") << Kind::Alphabet << "KX-QR300B";
    QTest::newRow("alphabet English white") << Kind::Alphabet << "KX-QR300Y";
    QTest::newRow("alphabet Japanese black") << Kind::Alphabet << "KX-QR320B";
    QTest::newRow("alphabet Japanese white") << Kind::Alphabet << "KX-QR320Y";
    QTest::newRow("device black") << Kind::Device << "KX-QR320B";
    QTest::newRow("device white") << Kind::Device << "KX-QR300Y";
}

// Each palette with two keys marked and one selected, for review by eye.
void tst_GridPalettes::reviewImages()
{
    QFETCH(Kind, kind);
    QFETCH(QString, typeNumber);
    const KeyboardColorType color =
        typeNumber.endsWith('Y') ? KeyboardColorType::White : KeyboardColorType::Black;
    KeyBoardConfig::shared().assignKey.setKeyboardColorType(color);
    GridAssignKeyboardViewController *palette = makePalette(kind, typeNumber);
    palette->updateKeyboard({0x04, 0x5F80});
    palette->selectKey(*palette->keyViewControllers().at(3));
    QVERIFY(m_page->saveReviewImage("palette"));
    KeyBoardConfig::shared().assignKey.setKeyboardColorType(KeyboardColorType::Black);
}

QTEST_MAIN(tst_GridPalettes)
#include "tst_gridpalettes.moc"
