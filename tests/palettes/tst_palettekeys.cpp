#include "alphabetassignkeyviewcontroller.h"
#include "assignenterkeyviewcontroller.h"
#include "assignkeyface.h"
#include "bottomleftspace.h"
#include "dragdata.h"
#include "drawinginfo.h"
#include "imageprovider.h"
#include "keyboardconfig.h"
#include "keyframeassets.h"
#include "localizedstrings.h"
#include "palettefixture.h"
#include "utility.h"

#include <QDir>
#include <QMimeData>
#include <QTest>

namespace {

// One key of the review row: its usage, width, look and legend alignment.
struct ReviewKey
{
    qint32 usageId;
    double width;
    QStringList looks;
    KeyImageAlignment alignment = KeyImageAlignment::Center;
};

// Puts a look on a key: "not assigned", "hovered", "selected", "shortcut".
void applyLooks(AssignKeyViewController &key, const QStringList &looks)
{
    key.setIsShortcut(looks.contains("shortcut"));
    key.updateKey(!looks.contains("not assigned"));
    if (looks.contains("selected"))
        key.select();
    if (looks.contains("hovered"))
        key.assignKeyView()->mouseEntered();
}

} // namespace

// Palette keys inside a palette on a keymap page, driven by mouse events: which clicks and drags
// reach the page as which reports, the drag each key offers, where legends go, the L-shaped Enter
// key's hover, clicks and drags, and the legend and tooltip each usage gets.
class tst_PaletteKeys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void clickChain_data();
    void clickChain();
    void doubleClickReportsTwice();
    void dragThreshold_data();
    void dragThreshold();
    void dragSelectsTheDraggedKeyBeforeItRuns();
    void dragCarriesOnlyThePrivateType();
    void keyWithoutDragImageStartsNoDrag();
    void legendFit_data();
    void legendFit();

    void enterHover_data();
    void enterHover();
    void enterClickInTheNotchSelects();
    void enterDragFromTheNotchStartsNothing();
    void enterDragImageIsTheL();
    void enterLegendEndsAtTheRightOfTheTopRow();

    void keyFace_data();
    void keyFace();
    void legendIsDrawnAtTheFirstLayoutOnly();

    void reviewImages_data();
    void reviewImages();

private:
    std::unique_ptr<PaletteFixture> m_page;
};

void tst_PaletteKeys::initTestCase()
{
    LocalizedStrings::setLanguage(QStringLiteral("en"));
}

void tst_PaletteKeys::init()
{
    m_page = std::make_unique<PaletteFixture>();
    m_page->view()->show();
}

void tst_PaletteKeys::cleanup()
{
    m_page.reset();
}

void tst_PaletteKeys::clickChain_data()
{
    QTest::addColumn<QString>("press");
    QTest::addColumn<QString>("release");
    QTest::addColumn<QStringList>("log");

    // Key A lies at 10..44 across and 56..90 down the palette; the background elsewhere.
    QTest::newRow("click on a key reports it") << "key"
                                               << "key" << QStringList{"list hidden", "select 4"};
    QTest::newRow("press on the background, release over a key: passed on to the page")
        << "background"
        << "background over the key" << QStringList{"list hidden", "page release"};
    QTest::newRow("press on a key, release away from it: nothing") << "key"
                                                                   << "key, away" << QStringList{};
}

void tst_PaletteKeys::clickChain()
{
    QFETCH(QString, press);
    QFETCH(QString, release);
    QFETCH(QStringList, log);

    RecordingKey *key = m_page->addKey(0x04, 10, 10);
    QWidget *keyView = key->assignKeyView();
    QWidget *palette = m_page->palette;
    // A press stays with the widget it went down on, and so does the release.
    QWidget *target = press == "key" ? keyView : palette;
    sendMouse(target, QEvent::MouseButtonPress, QPointF(5, 5));
    const QPointF releasePoint = release == "key"                       ? QPointF(5, 5)
                                 : release == "background over the key" ? QPointF(20, 70)
                                                                        : QPointF(60, 5);
    sendMouse(target, QEvent::MouseButtonRelease, releasePoint);
    QCOMPARE(m_page->log, log);
    QCOMPARE(m_page->palette->hasSelectedKey(), release == "key");
}

// A double click arrives as two presses and two releases: the key is reported each time.
void tst_PaletteKeys::doubleClickReportsTwice()
{
    RecordingKey *key = m_page->addKey(0x04, 10, 10);
    m_page->palette->updateKeyboardStatus(false, 7);
    QWidget *keyView = key->assignKeyView();
    for (QEvent::Type press : {QEvent::MouseButtonPress, QEvent::MouseButtonDblClick}) {
        sendMouse(keyView, press, QPointF(5, 5));
        sendMouse(keyView, QEvent::MouseButtonRelease, QPointF(5, 5));
    }
    QCOMPARE(m_page->log, QStringList({"list hidden", "decide 4", "list hidden", "decide 4"}));
}

void tst_PaletteKeys::dragThreshold_data()
{
    QTest::addColumn<QList<QPointF>>("moves");
    QTest::addColumn<int>("drags");

    QTest::newRow("1.0 on both axes") << QList<QPointF>{{11, 11}} << 0;
    QTest::newRow("1.01 across") << QList<QPointF>{{11.01, 10}} << 1;
    QTest::newRow("1.01 down after a short move") << QList<QPointF>{{10.5, 10.5}, {10, 11.01}} << 1;
    QTest::newRow("later moves start no second drag")
        << QList<QPointF>{{12, 10}, {20, 10}, {30, 30}} << 1;
}

void tst_PaletteKeys::dragThreshold()
{
    QFETCH(QList<QPointF>, moves);
    QFETCH(int, drags);

    RecordingKey *key = m_page->addKey(0x04, 10, 10);
    sendMouse(key->view(), QEvent::MouseButtonPress, QPointF(10, 10));
    for (const QPointF &move : moves)
        sendMouse(key->view(), QEvent::MouseMove, move);
    QCOMPARE(key->view()->sessions.size(), drags);
    QCOMPARE(m_page->log.count(QStringLiteral("drag 4")), drags);
}

// The usage reaches the page before the drag holds the event loop, so that the drop knows it.
void tst_PaletteKeys::dragSelectsTheDraggedKeyBeforeItRuns()
{
    RecordingKey *first = m_page->addKey(0x04, 10, 10);
    RecordingKey *dragged = m_page->addKey(0x2C, 50, 10);
    sendMouse(first->view(), QEvent::MouseButtonPress, QPointF(5, 5));
    sendMouse(first->view(), QEvent::MouseButtonRelease, QPointF(5, 5));
    m_page->log.clear();

    sendMouse(dragged->view(), QEvent::MouseButtonPress, QPointF(5, 5));
    sendMouse(dragged->view(), QEvent::MouseMove, QPointF(9, 5));
    QCOMPARE(m_page->log, QStringList({"drag 2c", "drag runs"}));
    QVERIFY(!first->view()->showsSelectedBorder());
    QVERIFY(dragged->view()->showsSelectedBorder());
    QCOMPARE(m_page->palette->selectedKey(), dragged);
}

void tst_PaletteKeys::dragCarriesOnlyThePrivateType()
{
    RecordingKey *key = m_page->addKey(0x04, 10, 10);
    sendMouse(key->view(), QEvent::MouseButtonPress, QPointF(6, 8));
    sendMouse(key->view(), QEvent::MouseMove, QPointF(20, 8));
    QCOMPARE(key->view()->sessions.size(), 1);
    const auto &session = key->view()->sessions.first();
    QCOMPARE(session.formats, QStringList{DragData::mimeType()});
    QVERIFY(session.data.isEmpty());
    QCOMPARE(session.supportedActions, Qt::DropActions(Qt::CopyAction));
    // The image covers the key as the key lies under the pointer.
    QCOMPARE(session.pixmap.deviceIndependentSize(), QSizeF(34, 34));
    QCOMPARE(session.hotSpot, QPoint(6, 8));
    const QColor fill = session.pixmap.toImage().pixelColor(17, 17);
    QCOMPARE(fill.alpha(), qRound(0.3 * 255));
}

void tst_PaletteKeys::keyWithoutDragImageStartsNoDrag()
{
    auto *key = new RecordingKey(0x04);
    m_page->palette->addKey(key);
    key->view()->setGeometry(10, 10, 34, 34);
    sendMouse(key->view(), QEvent::MouseButtonPress, QPointF(5, 5));
    sendMouse(key->view(), QEvent::MouseMove, QPointF(20, 20));
    QVERIFY(key->view()->sessions.isEmpty());
    QVERIFY(m_page->log.isEmpty());
}

void tst_PaletteKeys::legendFit_data()
{
    QTest::addColumn<KeyImageAlignment>("alignment");
    QTest::addColumn<QRectF>("legend");

    // A 2:1 legend on a key 100 wide and 40 high: 80 wide.
    QTest::newRow("left keeps the left edge") << KeyImageAlignment::Left << QRectF(0, 0, 80, 40);
    QTest::newRow("centre") << KeyImageAlignment::Center << QRectF(10, 0, 80, 40);
    QTest::newRow("right keeps the right edge")
        << KeyImageAlignment::Right << QRectF(20, 0, 80, 40);
}

void tst_PaletteKeys::legendFit()
{
    QFETCH(KeyImageAlignment, alignment);
    QFETCH(QRectF, legend);

    AssignKeyView key;
    key.drawKey(QRectF(30, 10, 100, 40), 3.0, BottomLeftSpace(100));
    key.setAlignment(alignment);
    QCOMPARE(key.charLayerFrame(QSizeF(2, 1)), legend);
}

void tst_PaletteKeys::enterHover_data()
{
    QTest::addColumn<QList<QPointF>>("path");
    QTest::addColumn<bool>("highlight");

    // In the key's own coordinates: upper arm 0..50 x 0..34, lower arm 8..50 x 30..70.
    QTest::newRow("upper arm") << QList<QPointF>{{20, 10}} << true;
    QTest::newRow("notch") << QList<QPointF>{{4, 50}} << false;
    QTest::newRow("on the lower arm's edge") << QList<QPointF>{{8, 60}} << false;
    QTest::newRow("from the arm into the notch") << QList<QPointF>{{20, 10}, {4, 50}} << false;
    QTest::newRow("from the notch onto the arm") << QList<QPointF>{{4, 50}, {20, 60}} << true;
    QTest::newRow("arm to arm keeps the highlight")
        << QList<QPointF>{{20, 10}, {20, 32}, {20, 60}} << true;
}

void tst_PaletteKeys::enterHover()
{
    QFETCH(QList<QPointF>, path);
    QFETCH(bool, highlight);

    RecordingEnterKey *enter = m_page->addEnterKey(150, 10);
    AssignEnterKeyView *view = enter->view();
    enter->displayCharacterInKeyView(0x28, true);
    sendEnter(view, path.first());
    for (const QPointF &point : path) {
        sendHover(view, point);
        // Moving across the overlap of the arms never drops the highlight.
        if (path.size() == 3)
            QVERIFY(view->showsMouseOver());
    }
    QCOMPARE(view->showsMouseOver(), highlight);
    QCOMPARE(view->mouseIsInside(), highlight);

    sendLeave(view);
    QVERIFY(!view->showsMouseOver());
}

void tst_PaletteKeys::enterClickInTheNotchSelects()
{
    RecordingEnterKey *enter = m_page->addEnterKey(150, 10);
    sendMouse(enter->view(), QEvent::MouseButtonPress, QPointF(4, 50));
    sendMouse(enter->view(), QEvent::MouseButtonRelease, QPointF(4, 50));
    QCOMPARE(m_page->palette->selectedKey(), enter);
    QCOMPARE(m_page->log, QStringList({"list hidden", "select 28"}));
}

void tst_PaletteKeys::enterDragFromTheNotchStartsNothing()
{
    RecordingEnterKey *enter = m_page->addEnterKey(150, 10);
    sendMouse(enter->view(), QEvent::MouseButtonPress, QPointF(4, 50));
    sendMouse(enter->view(), QEvent::MouseMove, QPointF(20, 50));
    sendMouse(enter->view(), QEvent::MouseMove, QPointF(30, 60));
    QVERIFY(enter->view()->sessions.isEmpty());
    QVERIFY(m_page->log.isEmpty());
    QVERIFY(!m_page->palette->hasSelectedKey());

    // From the L it drags.
    sendMouse(enter->view(), QEvent::MouseButtonPress, QPointF(30, 60));
    sendMouse(enter->view(), QEvent::MouseMove, QPointF(30, 50));
    QCOMPARE(enter->view()->sessions.size(), 1);
    QCOMPARE(m_page->log, QStringList({"drag 28", "drag runs"}));
}

void tst_PaletteKeys::enterDragImageIsTheL()
{
    RecordingEnterKey *enter = m_page->addEnterKey(150, 10);
    const QImage image = enter->view()->dragImage().toImage();
    QCOMPARE(enter->view()->dragImage().deviceIndependentSize(), QSizeF(50, 70));
    const QColor dragKey = KeyBoardConfig::shared().assignKey.dragKey();
    QCOMPARE(image.pixelColor(20, 10).alpha(), dragKey.alpha());
    QCOMPARE(image.pixelColor(30, 60).alpha(), dragKey.alpha());
    QCOMPARE(image.pixelColor(3, 55).alpha(), 0);
}

void tst_PaletteKeys::enterLegendEndsAtTheRightOfTheTopRow()
{
    RecordingEnterKey *enter = m_page->addEnterKey(150, 10);
    enter->view()->setAlignment(KeyImageAlignment::Right);
    // A square legend in a band 34 high: 34 wide, at the right edge of the 50-wide box.
    QCOMPARE(enter->view()->charLayerFrame(QSizeF(1, 1)), QRectF(16, 0, 34, 34));
}

void tst_PaletteKeys::keyFace_data()
{
    QTest::addColumn<KeyboardColorType>("color");
    QTest::addColumn<KeyboardLayoutType>("layout");
    QTest::addColumn<qint32>("usageId");
    QTest::addColumn<bool>("shortcut");
    QTest::addColumn<QString>("legend");
    QTest::addColumn<QString>("tooltip");

    const auto black = KeyboardColorType::Black, white = KeyboardColorType::White;
    const auto en = KeyboardLayoutType::English, ja = KeyboardLayoutType::Japanese;
    const Utility utility;
    // Palette keys of a black keyboard are light, so their legends are dark, and the other way.
    QTest::newRow("letter, black keyboard")
        << black << en << 0x04 << false << "4BES" << utility.getDescriptionForTooltip(0x04, en, 34);
    QTest::newRow("letter, white keyboard")
        << white << en << 0x04 << false << "4WES" << utility.getDescriptionForTooltip(0x04, en, 34);
    QTest::newRow("Japanese layout") << black << ja << 0x1F << false << "31BJS"
                                     << utility.getDescriptionForTooltip(0x1F, ja, 34);
    QTest::newRow("shortcut base key") << black << en << 0x04 << true << "4BES_SC"
                                       << utility.getDescriptionForTooltip(0x04, en, 34);
    QTest::newRow("usage without a legend: the blank key") << black << en << 0x03 << false << "0BES"
                                                           << "";
    QTest::newRow("shortcut key without a legend: the plain blank key")
        << black << en << 0x03 << true << "0BES"
        << "";
    QTest::newRow("any key of the shortcut palette") << black << en << 0x00 << true << "0BES_SC"
                                                     << "(AnyKey)";
    QTest::newRow("nothing on another palette")
        << black << en << 0x00 << false << "0BES" << utility.getDescriptionForTooltip(0, en, 34);
}

void tst_PaletteKeys::keyFace()
{
    QFETCH(KeyboardColorType, color);
    QFETCH(KeyboardLayoutType, layout);
    QFETCH(qint32, usageId);
    QFETCH(bool, shortcut);
    QFETCH(QString, legend);
    QFETCH(QString, tooltip);

    const AssignKeyFace face(color, layout);
    QCOMPARE(face.getCharImage(usageId, 34, shortcut), legend);
    QCOMPARE(face.getToolTipString(usageId, 34, shortcut), tooltip);
}

void tst_PaletteKeys::legendIsDrawnAtTheFirstLayoutOnly()
{
    auto *key = new AlphabetAssignKeyViewController(0x04, KeyboardLayoutType::English,
                                                    KeyboardColorType::Black, false);
    m_page->palette->addKey(key);
    AssignKeyView *view = key->assignKeyView();
    view->drawKey(QRectF(10, 10, 34, 34), 3.0, m_page->palette->paletteSpace());
    QVERIFY(view->charImage().isEmpty());
    view->show();
    QCOMPARE(view->charImage(), QStringLiteral("4BES"));
    QVERIFY(view->showsNotAssignedIcon());
    QVERIFY(key->hasLayouted());

    key->updateKey(true);
    QVERIFY(!view->showsNotAssignedIcon());
    // Hidden and shown again, the key keeps what it shows.
    view->displayCharacter(QStringLiteral("5BES"), true, QString());
    view->hide();
    view->show();
    QCOMPARE(view->charImage(), QStringLiteral("5BES"));
}

void tst_PaletteKeys::reviewImages_data()
{
    QTest::addColumn<KeyboardColorType>("color");
    QTest::addColumn<KeyboardLayoutType>("layout");

    QTest::newRow("black English") << KeyboardColorType::Black << KeyboardLayoutType::English;
    QTest::newRow("white English") << KeyboardColorType::White << KeyboardLayoutType::English;
    QTest::newRow("black Japanese") << KeyboardColorType::Black << KeyboardLayoutType::Japanese;
    QTest::newRow("white Japanese") << KeyboardColorType::White << KeyboardLayoutType::Japanese;
}

// A row of keys in every look and two Enter keys, on a grey ground, into the build's screenshots
// folder for review by eye.
void tst_PaletteKeys::reviewImages()
{
    QFETCH(KeyboardColorType, color);
    QFETCH(KeyboardLayoutType, layout);
    KeyBoardConfig::shared().assignKey.setKeyboardColorType(color);

    QWidget ground;
    ground.setAutoFillBackground(true);
    ground.setPalette(QPalette(QColor::fromRgbF(0.5, 0.5, 0.5)));
    ground.resize(640, 110);
    AssignKeyboardViewController palette(&ground);
    palette.setGeometry(10, 10, 620, 90);
    const QList<ReviewKey> row{
        {0x04, 34, {}},
        {0x05, 34, {"not assigned"}},
        {0x06, 34, {"hovered"}},
        {0x07, 34, {"selected"}},
        {0x08, 34, {"hovered", "selected", "not assigned"}},
        {0x1F, 34, {"shortcut"}},
        {0x00, 34, {"shortcut"}},
        {0x5101, 34, {}},
        {0xF4, 34, {}},
        {0x2B, 54, {}, KeyImageAlignment::Left},
        {0x2A, 54, {}, KeyImageAlignment::Right},
        {0x87, 34, {}},
    };
    double x = 0;
    for (const ReviewKey &review : row) {
        auto *key = new QwertyAssignKeyViewController(-1, review.usageId, layout, color, true);
        palette.addKey(key);
        key->assignKeyView()->setAlignment(review.alignment);
        key->assignKeyView()->drawKey(QRectF(x, 44, review.width, 34), 3.0, palette.paletteSpace());
        applyLooks(*key, review.looks);
        x += review.width + 2;
    }
    // The qwerty palette's L-shaped Enter key as the Japanese key frames give it.
    const QList<QList<double>> frames = KeyFrameAssets(QStringLiteral(":/data/"))
                                            .load(DrawingInfo::assignKeyboard().layout.japanese);
    const qsizetype enterIndex = 41;
    EnterKeyDataEntity enterKey = EnterKeyDataEntity::arrayToEnterKeyDataEntity(
        frames.at(enterIndex), DrawingInfo::assignKeyboard().cornerRadius);
    const double legendHeight = frames.at(enterIndex + 1).at(3);
    for (const QStringList &looks :
         {QStringList{}, QStringList{"hovered", "selected", "not assigned"}}) {
        auto *enter = new AssignEnterKeyViewController(44, 0x28, layout, color, true);
        palette.addKey(enter);
        enter->assignKeyView()->setAlignment(KeyImageAlignment::Right);
        enterKey.frame.moveTo(x, 8);
        enter->assignEnterKeyView()->drawKey(enterKey, legendHeight, palette.paletteSpace());
        applyLooks(*enter, looks);
        x += enterKey.frame.width() + 2;
    }

    const QDir folder(QStringLiteral(KEYMAP_SCREENSHOT_DIR));
    QVERIFY(folder.mkpath(QStringLiteral(".")));
    const QString name = QStringLiteral("palette-keys-%1.png")
                             .arg(QString::fromLatin1(QTest::currentDataTag()).replace(' ', '-'));
    QVERIFY(ground.grab().save(folder.filePath(name.toLower())));
    KeyBoardConfig::shared().assignKey.setKeyboardColorType(KeyboardColorType::Black);
}

QTEST_MAIN(tst_PaletteKeys)
#include "tst_palettekeys.moc"
