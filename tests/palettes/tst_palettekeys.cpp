#include "alphabetassignkeyviewcontroller.h"
#include "assignenterkeyviewcontroller.h"
#include "assignkeyface.h"
#include "bottomleftspace.h"
#include "dragdata.h"
#include "drawinginfo.h"
#include "keyboardconfig.h"
#include "keyframeassets.h"
#include "palettefixture.h"
#include "utility.h"

#include <QTest>

// Palette keys inside a palette on a keymap page, driven by mouse events: which clicks and drags
// reach the page as which reports, the drag each key offers, the L-shaped Enter key's hover,
// clicks, drags and legend, and the legend and tooltip each usage gets.
class tst_PaletteKeys : public QObject
{
    Q_OBJECT

    std::unique_ptr<PaletteFixture> m_page;

private slots:
    void init() { m_page = std::make_unique<PaletteFixture>(); }
    void cleanup() { m_page.reset(); }

    void mouse_data()
    {
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QStringList>("log");
        // Events at points of key A (usage 4, 10..44 across and 56..90 down the palette), key
        // Space (0x2C) beside it, the Enter key (its notch 0..8 across and 34..70 down) or the
        // palette; "wait" puts the page in the mode where a drawn key waits for its new usage.
        const QString hide = QStringLiteral("list hidden");
        const auto row = [](const char *name, const QStringList &events, const QStringList &log) {
            QTest::newRow(name) << events << log;
        };
        row("a click on a key reports it", {"press A 5 5", "release A 5 5"}, {hide, "select 4"});
        row("a press on the background, released over a key, goes on to the page",
            {"press palette 5 5", "release palette 20 70"}, {hide, "page release"});
        row("a press on a key released away from it: nothing", {"press A 5 5", "release A 60 5"},
            {});
        row("a double click while a drawn key waits decides twice",
            {"wait", "press A 5 5", "release A 5 5", "double A 5 5", "release A 5 5"},
            {hide, "decide 4", hide, "decide 4"});
        row("a drag selects the dragged key before it runs",
            {"press A 5 5", "release A 5 5", "press Space 5 5", "move Space 9 5"},
            {hide, "select 4", "drag 2c", "drag runs"});
        row("later moves start no second drag",
            {"press A 10 10", "move A 11 11", "move A 12 10", "move A 30 30"},
            {"drag 4", "drag runs"});
        row("Enter: a click in the notch selects", {"press Enter 4 50", "release Enter 4 50"},
            {hide, "select 28"});
        row("Enter: a drag from the notch starts nothing, from the L it does",
            {"press Enter 4 50", "move Enter 20 50", "move Enter 30 60", "press Enter 30 60",
             "move Enter 30 50"},
            {"drag 28", "drag runs"});
    }

    // A press stays with the widget it went down on, and so does the release.
    void mouse()
    {
        QFETCH(QStringList, events);
        QFETCH(QStringList, log);
        const QHash<QString, QWidget *> widgets{{"A", m_page->addKey(0x04, 10, 10)->view()},
                                                {"Space", m_page->addKey(0x2C, 50, 10)->view()},
                                                {"Enter", m_page->addEnterKey(150, 10)->view()},
                                                {"palette", m_page->palette}};
        const QHash<QString, QEvent::Type> types{{"press", QEvent::MouseButtonPress},
                                                 {"release", QEvent::MouseButtonRelease},
                                                 {"double", QEvent::MouseButtonDblClick},
                                                 {"move", QEvent::MouseMove}};
        for (const QString &event : events) {
            const QStringList words = event.split(' ');
            if (event == "wait")
                m_page->palette->updateKeyboardStatus(false, 7);
            else
                sendMouse(widgets.value(words.at(1)), types.value(words.at(0)),
                          QPointF(words.at(2).toDouble(), words.at(3).toDouble()));
        }
        QCOMPARE(m_page->log, log);
    }

    // Only the private type, without data, the copy action alone, and an image of the key lying
    // under the pointer as the key did; a key without its image offers none.
    void theDragAKeyOffers()
    {
        auto *key = m_page->addKey(0x04, 10, 10);
        sendMouse(key->view(), QEvent::MouseButtonPress, QPointF(6, 8));
        sendMouse(key->view(), QEvent::MouseMove, QPointF(20, 8));
        QCOMPARE(key->view()->sessions.size(), 1);
        const auto &session = key->view()->sessions.first();
        QCOMPARE(session.formats, QStringList{DragData::mimeType()});
        QVERIFY(session.data.isEmpty());
        QCOMPARE(session.supportedActions, Qt::DropActions(Qt::CopyAction));
        QCOMPARE(session.pixmap.deviceIndependentSize(), QSizeF(34, 34));
        QCOMPARE(session.hotSpot, QPoint(6, 8));
        QCOMPARE(session.pixmap.toImage().pixelColor(17, 17).alpha(), qRound(0.3 * 255));

        auto *undrawn = new RecordingKey<>(0x05);
        undrawn->view()->log = &m_page->log;
        m_page->palette->addKey(undrawn);
        undrawn->view()->setGeometry(60, 10, 34, 34);
        sendMouse(undrawn->view(), QEvent::MouseButtonPress, QPointF(5, 5));
        sendMouse(undrawn->view(), QEvent::MouseMove, QPointF(20, 20));
        QVERIFY(undrawn->view()->sessions.isEmpty());
        QCOMPARE(m_page->log.size(), 2);
    }

    void enterHover_data()
    {
        QTest::addColumn<QList<QPointF>>("path");
        QTest::addColumn<bool>("highlight");
        // In the key's own coordinates: upper arm 0..50 x 0..34, lower arm 8..50 x 30..70.
        QTest::newRow("on the lower arm's edge") << QList<QPointF>{{8, 60}} << false;
        QTest::newRow("from the arm into the notch") << QList<QPointF>{{20, 10}, {4, 50}} << false;
        QTest::newRow("from the notch onto the arm") << QList<QPointF>{{4, 50}, {20, 60}} << true;
        QTest::newRow("arm to arm keeps the highlight")
            << QList<QPointF>{{20, 10}, {20, 32}, {20, 60}} << true;
    }

    // Moving across the overlap of the arms never drops the highlight; leaving drops it.
    void enterHover()
    {
        QFETCH(QList<QPointF>, path);
        QFETCH(bool, highlight);
        auto *enter = m_page->addEnterKey(150, 10);
        AssignEnterKeyView *view = enter->view();
        enter->displayCharacterInKeyView(0x28, true);
        sendEnter(view, path.first());
        for (const QPointF &point : path) {
            sendHover(view, point);
            QVERIFY(path.size() != 3 || view->showsMouseOver());
        }
        QCOMPARE(view->showsMouseOver(), highlight);
        QCOMPARE(view->mouseIsInside(), highlight);
        sendLeave(view);
        QVERIFY(!view->showsMouseOver());
    }

    // Its drag image is the L, and a square legend in its band 34 high stands at the right edge
    // of the 50-wide box.
    void theEnterKeysImageAndLegend()
    {
        auto *enter = m_page->addEnterKey(150, 10);
        const QImage image = enter->view()->dragImage().toImage();
        QCOMPARE(enter->view()->dragImage().deviceIndependentSize(), QSizeF(50, 70));
        const int alpha = KeyBoardConfig::shared().assignKey.dragKey().alpha();
        QVERIFY(image.pixelColor(20, 10).alpha() == alpha &&
                image.pixelColor(30, 60).alpha() == alpha);
        QCOMPARE(image.pixelColor(3, 55).alpha(), 0);
        enter->view()->setAlignment(KeyImageAlignment::Right);
        QCOMPARE(enter->view()->charLayerFrame(QSizeF(1, 1)), QRectF(16, 0, 34, 34));
    }

    void keyFace_data()
    {
        QTest::addColumn<KeyboardColorType>("color");
        QTest::addColumn<KeyboardLayoutType>("layout");
        QTest::addColumn<qint32>("usageId");
        QTest::addColumn<bool>("shortcut");
        QTest::addColumn<QString>("legend");
        QTest::addColumn<QString>("tooltip");
        const auto black = KeyboardColorType::Black, white = KeyboardColorType::White;
        const auto en = KeyboardLayoutType::English, ja = KeyboardLayoutType::Japanese;
        const QString a = Utility().getDescriptionForTooltip(0x04, en, 34);
        // Palette keys of a black keyboard are light, so their legends are dark, and the other way.
        QTest::newRow("letter, white keyboard") << white << en << 0x04 << false << "4WES" << a;
        QTest::newRow("Japanese layout") << black << ja << 0x1F << false << "31BJS"
                                         << Utility().getDescriptionForTooltip(0x1F, ja, 34);
        QTest::newRow("shortcut base key") << black << en << 0x04 << true << "4BES_SC" << a;
        QTest::newRow("shortcut key without a legend: the plain blank key")
            << black << en << 0x03 << true << "0BES"
            << "";
        QTest::newRow("any key of the shortcut palette") << black << en << 0x00 << true << "0BES_SC"
                                                         << "(AnyKey)";
    }

    void keyFace()
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

    // The legend's name depends on the key's width, so it is drawn once the key is shown, and a
    // key hidden and shown again keeps what it shows.
    void legendIsDrawnAtTheFirstLayoutOnly()
    {
        auto *key = new AlphabetAssignKeyViewController(0x04, KeyboardLayoutType::English,
                                                        KeyboardColorType::Black, false);
        m_page->palette->addKey(key);
        AssignKeyView *view = key->assignKeyView();
        view->drawKey(QRectF(10, 10, 34, 34), 3.0, m_page->palette->paletteSpace());
        QVERIFY(view->charImage().isEmpty());
        view->show();
        QCOMPARE(view->charImage(), QStringLiteral("4BES"));
        QVERIFY(view->showsNotAssignedIcon() && key->hasLayouted());
        key->updateKey(true);
        QVERIFY(!view->showsNotAssignedIcon());
        view->displayCharacter(QStringLiteral("5BES"), true, QString());
        view->hide();
        view->show();
        QCOMPARE(view->charImage(), QStringLiteral("5BES"));
    }

    void reviewImages_data()
    {
        QTest::addColumn<KeyboardColorType>("color");
        QTest::addColumn<KeyboardLayoutType>("layout");
        QTest::newRow("black English") << KeyboardColorType::Black << KeyboardLayoutType::English;
        QTest::newRow("white Japanese") << KeyboardColorType::White << KeyboardLayoutType::Japanese;
    }

    // A row of keys in every look (not assigned, hovered, selected, shortcut) and two Enter keys
    // for review by eye.
    void reviewImages()
    {
        QFETCH(KeyboardColorType, color);
        QFETCH(KeyboardLayoutType, layout);
        KeyBoardConfig::shared().assignKey.setKeyboardColorType(color);
        auto *palette = new AssignKeyboardViewController;
        palette->resize(640, 110);
        const QList<std::tuple<qint32, double, QString>> row{
            {0x04, 34, ""},  {0x05, 34, "n"}, {0x06, 34, "h"},  {0x07, 34, "s"},  {0x08, 34, "hsn"},
            {0x1F, 34, "c"}, {0x00, 34, "c"}, {0x5101, 34, ""}, {0xF4, 34, ""},   {0x2B, 54, "<"},
            {0x2A, 54, ">"}, {0x87, 34, ""},  {0x28, 0, ">"},   {0x28, 0, ">hsn"}};
        // The qwerty palette's L-shaped Enter key as the Japanese key frames give it.
        const QList<QList<double>> frames =
            KeyFrameAssets(QStringLiteral(":/data/"))
                .load(DrawingInfo::assignKeyboard().layout.japanese);
        EnterKeyDataEntity enterKey = EnterKeyDataEntity::arrayToEnterKeyDataEntity(
            frames.at(41), DrawingInfo::assignKeyboard().cornerRadius);
        double x = 10;
        for (const auto &[usageId, width, looks] : row) {
            auto *key = width == 0
                            ? new AssignEnterKeyViewController(44, usageId, layout, color, true)
                            : new QwertyAssignKeyViewController(-1, usageId, layout, color, true);
            palette->addKey(key);
            key->assignKeyView()->setAlignment(looks.contains('<')   ? KeyImageAlignment::Left
                                               : looks.contains('>') ? KeyImageAlignment::Right
                                                                     : KeyImageAlignment::Center);
            if (width == 0) {
                enterKey.frame.moveTo(x, 18);
                static_cast<AssignEnterKeyViewController *>(key)->assignEnterKeyView()->drawKey(
                    enterKey, frames.at(42).at(3), palette->paletteSpace());
            } else {
                key->assignKeyView()->drawKey(QRectF(x, 54, width, 34), 3.0,
                                              palette->paletteSpace());
            }
            x += key->assignKeyView()->width() + 2;
            key->setIsShortcut(looks.contains('c'));
            key->updateKey(!looks.contains('n'));
            if (looks.contains('s'))
                key->select();
            if (looks.contains('h'))
                key->assignKeyView()->mouseEntered();
        }
        m_page->hostPalette(palette);
        QVERIFY(m_page->saveReviewImage("palette-keys"));
        KeyBoardConfig::shared().assignKey.setKeyboardColorType(KeyboardColorType::Black);
    }
};

QTEST_MAIN(tst_PaletteKeys)
#include "tst_palettekeys.moc"
