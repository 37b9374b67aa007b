#include "dipswitchview.h"
#include "dipswitchviewcontroller.h"
#include "drawinginfo.h"
#include "gesturepadbutton.h"
#include "imageview.h"
#include "keyboardconfig.h"
#include "panelpage.h"
#include "pointingsticklayer.h"
#include "pointingstickview.h"
#include "pointingstickviewcontroller.h"

#include <QTest>

Q_DECLARE_METATYPE(KeyboardColorType)
Q_DECLARE_METATYPE(KeyboardLayoutType)

namespace {

// The centre of a frame given in page coordinates with y upwards, in the page's own.
QPoint pageCentre(const QWidget &page, const QRectF &frame)
{
    return QPoint(int(frame.center().x()), page.height() - int(frame.center().y()));
}

} // namespace

// The pointing-stick panel: its switch picture on each page, its toggle and what the toggle
// reports, and the leader line that shows while the pointer rests on the panel or the stick's
// mark. Writes the panel with its line over black and white keyboards into build/screenshots.
class tst_PointingStick : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void pictureByPage_data();
    void pictureByPage();
    void toggleReportsStateBeforeIt();
    void leaderLineFollowsPointer_data();
    void leaderLineFollowsPointer();
    void panelOffEveryPageIgnoresPointer();
    void leaderLineLiesOverThePageAndLetsClicksThrough();
    void reviewPanel_data();
    void reviewPanel();
};

void tst_PointingStick::cleanup()
{
    KeyBoardConfig::shared().applyKeyboardColor(KeyboardColorType::Black);
}

void tst_PointingStick::pictureByPage_data()
{
    QTest::addColumn<bool>("keymapPage");
    QTest::addColumn<bool>("on");
    QTest::addColumn<QString>("image");

    QTest::newRow("start or firmware page, on") << false << true << "switch_start_on";
    QTest::newRow("start or firmware page, off") << false << false << "switch_start_off";
    QTest::newRow("keymap page, on") << true << true << "switch_on";
    QTest::newRow("keymap page, off") << true << false << "switch_off";
}

// As made, and after the page writes the other state and back.
void tst_PointingStick::pictureByPage()
{
    QFETCH(bool, keymapPage);
    QFETCH(bool, on);
    QFETCH(QString, image);

    PointingStickViewController panel(keymapPage, true, on);
    QCOMPARE(panel.image()->imageName(), image);
    QCOMPARE(panel.isPointStickOn(), on);

    PointingStickViewController written(keymapPage, true, !on);
    written.setIsPointStickOn(on);
    written.updatePointingStick();
    QCOMPARE(written.image()->imageName(), image);
}

// The page sets its callback after the panel was made; a click still reaches it.
void tst_PointingStick::toggleReportsStateBeforeIt()
{
    PointingStickViewController panel(true, true, false);
    QList<std::tuple<CheckButtonType, GesturePadType, bool>> reports;
    panel.setAfterGesturePadModify([&reports](CheckButtonType type, GesturePadType pad, bool on) {
        reports.append({type, pad, on});
    });

    QTest::mousePress(panel.image(), Qt::LeftButton);
    QCOMPARE(reports.size(), 1);
    QCOMPARE(reports.first(),
             std::make_tuple(CheckButtonType::PointingStick, GesturePadType::None, false));
    QVERIFY(panel.isPointStickOn());

    QTest::mousePress(panel.image(), Qt::LeftButton);
    QCOMPARE(std::get<2>(reports.last()), true);
    QVERIFY(!panel.isPointStickOn());
}

void tst_PointingStick::leaderLineFollowsPointer_data()
{
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<bool>("lineShown");

    QTest::newRow("pointer on the panel") << QStringList{"panel in"} << true;
    QTest::newRow("pointer on the switch inside the panel")
        << QStringList{"panel in", "switch in"} << true;
    QTest::newRow("pointer on the mark") << QStringList{"mark in"} << true;
    QTest::newRow("panel, then out") << QStringList{"panel in", "panel out"} << false;
    QTest::newRow("panel, then mark, then out")
        << QStringList{"panel in", "panel out", "mark in", "mark out"} << false;
    QTest::newRow("mark, then panel") << QStringList{"mark in", "mark out", "panel in"} << true;
    QTest::newRow("last event wins") << QStringList{"panel in", "mark in", "panel out"} << false;
}

void tst_PointingStick::leaderLineFollowsPointer()
{
    QFETCH(QStringList, events);
    QFETCH(bool, lineShown);

    PanelPage page;
    PointingStickViewController panel(true, true, true);
    page.place(panel.pointingView(), DrawingInfo::startKeymap().pointingStickOrigin);
    page.view()->show();
    QVERIFY(page.pointLayer()->isHidden());

    for (const QString &event : events) {
        const bool inside = event.endsWith(" in");
        if (event.startsWith("panel"))
            PanelPage::sendHover(panel.pointingView(), inside);
        else if (event.startsWith("switch"))
            PanelPage::sendHover(panel.image(), inside);
        else
            PointingStickLayer::pointerOver(page.stickMark(), inside);
    }
    QCOMPARE(page.pointLayer()->isHidden(), !lineShown);
}

// A panel not on a page, or on a page without a keyboard, changes nothing.
void tst_PointingStick::panelOffEveryPageIgnoresPointer()
{
    PanelPage page;
    PointingStickViewController loose(true, true, false);
    PanelPage::sendHover(loose.pointingView(), true);

    QWidget elsewhere;
    PointingStickViewController other(true, true, false);
    other.pointingView()->setParent(&elsewhere);
    PanelPage::sendHover(other.pointingView(), true);
    QVERIFY(page.pointLayer()->isHidden());
}

// Shown, the line lies above everything on the page, also what was added after it, and a click
// on the line reaches what lies beneath.
void tst_PointingStick::leaderLineLiesOverThePageAndLetsClicksThrough()
{
    PanelPage page;
    QWidget *pageView = page.view();
    auto *later = new QWidget(pageView);
    later->setGeometry(pageView->rect());
    later->setAutoFillBackground(true);
    pageView->show();
    QVERIFY(QTest::qWaitForWindowExposed(pageView));
    page.setPointLayerHidden(false);

    const DrawingInfo::PointingStickAnimation &frames = DrawingInfo::pointingStickAnimation();
    const QPoint line = pageCentre(*pageView, QRectF(frames.lineFrameOrigin, frames.lineSize));
    const QPoint dot = pageCentre(*pageView, QRectF(frames.pointFrameOrigin, frames.pointSize));
    const QImage picture = pageView->grab().toImage();
    const QColor grey = KeyBoardConfig::shared().virtualKey.pointStick.lineColor();
    QCOMPARE(picture.pixelColor(line), grey);
    QCOMPARE(picture.pixelColor(dot), grey);
    QCOMPARE(pageView->childAt(line), later);

    // The page shrinks by a scroller's height: the layer follows, and the page moves the line.
    pageView->resize(pageView->width(), pageView->height() - 15);
    QCOMPARE(page.pointLayer()->geometry(), pageView->rect());
    page.pointLayer()->setLineFrame(
        QRectF(frames.lineFrameOrigin - QPointF(0, 15), frames.lineSize));
    QCOMPARE(pageView->grab().toImage().pixelColor(line), grey);
}

void tst_PointingStick::reviewPanel_data()
{
    QTest::addColumn<KeyboardColorType>("colorType");
    QTest::addColumn<KeyboardLayoutType>("layoutType");
    QTest::newRow("black-en") << KeyboardColorType::Black << KeyboardLayoutType::English;
    QTest::newRow("white-ja") << KeyboardColorType::White << KeyboardLayoutType::Japanese;
}

// The start page's panels beside the drawn keyboard, with the pointer on the stick panel.
void tst_PointingStick::reviewPanel()
{
    QFETCH(KeyboardColorType, colorType);
    QFETCH(KeyboardLayoutType, layoutType);
    KeyBoardConfig::shared().applyKeyboardColor(colorType);

    PanelPage page(false);
    page.showKeyboard(layoutType);
    DipSwitchViewController dipSwitches({true, false, false, false, true, false});
    PointingStickViewController panel(false, true, true);
    page.place(dipSwitches.view(), DrawingInfo::startKeymap().dipSWFrameOrigin);
    page.place(panel.pointingView(), DrawingInfo::startKeymap().pointingStickOrigin);
    PanelPage::sendHover(panel.pointingView(), true);
    QVERIFY(!page.pointLayer()->isHidden());
    page.save(QStringLiteral("pointing-stick-%1.png").arg(QTest::currentDataTag()));
}

QTEST_MAIN(tst_PointingStick)
#include "tst_pointingstick.moc"
