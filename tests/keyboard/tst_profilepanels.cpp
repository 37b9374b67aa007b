#include "drawinginfo.h"
#include "imageview.h"
#include "keyboardconfig.h"
#include "panelpage.h"
#include "profileitem.h"
#include "profilelistview.h"
#include "profilelistviewcontroller.h"
#include "profileselectedview.h"
#include "profileselectedviewcontroller.h"
#include "profiletilestate.h"

#include <QLabel>
#include <QTest>

Q_DECLARE_METATYPE(KeyboardColorType)

namespace {

bool listIsOpen(PanelPage &page)
{
    ProfileListViewController *list = page.profileListViewController();
    return list && list->profileListView()->parentWidget() == page.view() &&
           list->profileListView()->isVisible();
}

} // namespace

// The profile tile and its drop-down list: names, the tile's looks while the list opens and
// closes, and the choice handed to the page. Writes the open list over black and white
// keyboards into build/screenshots.
class tst_ProfilePanels : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void profileNames_data();
    void profileNames();
    void tileLooks_data();
    void tileLooks();
    void twoClicksOpenAndCloseTheList();
    void tileOffEveryPageOnlyChangesItsLook();
    void entryHandsItsIndexToThePage_data();
    void entryHandsItsIndexToThePage();
    void listOffThePageChoosesNothing();
    void reviewOpenList_data();
    void reviewOpenList();
};

void tst_ProfilePanels::cleanup()
{
    KeyBoardConfig::shared().applyKeyboardColor(KeyboardColorType::Black);
}

void tst_ProfilePanels::profileNames_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");

    QTest::newRow("first") << 0 << "Profile1";
    QTest::newRow("second") << 1 << "Profile2";
    QTest::newRow("third") << 2 << "Profile3";
    QTest::newRow("fourth") << 3 << "Profile4";
    QTest::newRow("beyond the four") << 4 << "Profile1";
    QTest::newRow("seven") << 7 << "Profile1";
    QTest::newRow("negative") << -1 << "Profile1";
}

void tst_ProfilePanels::profileNames()
{
    QFETCH(int, index);
    QFETCH(QString, name);

    ProfileSelectedViewController tile;
    tile.updateTextValue(index);
    QCOMPARE(tile.text()->text(), name);
}

void tst_ProfilePanels::tileLooks_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QString>("arrow");
    QTest::addColumn<bool>("pressedBackground");
    QTest::addColumn<bool>("pressedText");
    QTest::addColumn<bool>("border");

    QTest::newRow("at rest") << QStringList{} << false << "dropdown" << false << false << false;
    QTest::newRow("hovered while closed")
        << QStringList{"enter"} << false << "dropdown" << false << false << true;
    QTest::newRow("hover ends") << QStringList{"enter", "exit"} << false << "dropdown" << false
                                << false << false;
    QTest::newRow("open") << QStringList{"enter", "press"} << true << "dropdown_click" << true
                          << true << false;
    QTest::newRow("no hover border while open")
        << QStringList{"press", "enter"} << true << "dropdown_click" << true << true << false;
    QTest::newRow("pressed again: closed text, pressed tile")
        << QStringList{"press", "press"} << false << "dropdown" << true << false << false;
    QTest::newRow("page closes the list")
        << QStringList{"press", "close"} << false << "dropdown" << false << false << false;
    QTest::newRow("hover border back once closed")
        << QStringList{"press", "close", "enter"} << false << "dropdown" << false << false << true;
}

void tst_ProfilePanels::tileLooks()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, selected);
    QFETCH(QString, arrow);
    QFETCH(bool, pressedBackground);
    QFETCH(bool, pressedText);
    QFETCH(bool, border);

    const ProfileConfig &theme = KeyBoardConfig::shared().profile;
    ProfileTileState tile(theme);
    for (const QString &step : steps) {
        if (step == "enter")
            tile.mouseEntered();
        else if (step == "exit")
            tile.mouseExited();
        else if (step == "press")
            tile.mouseDown();
        else
            tile.updateBackground();
    }
    QCOMPARE(tile.isSelected(), selected);
    QCOMPARE(tile.arrowImage(), arrow);
    QCOMPARE(tile.background(),
             pressedBackground ? theme.selectedBackground() : theme.normalBackground());
    QCOMPARE(tile.textBackground(), pressedBackground ? theme.selectedTextBackgroundColor()
                                                      : theme.normalTextBackgroundColor());
    QCOMPARE(tile.textColor(), pressedText ? theme.selectedTextColor() : theme.normalTextColor());
    QCOMPARE(tile.borderColor(), border ? theme.mouseOverBorderColor() : theme.normalBorderColor());
}

void tst_ProfilePanels::twoClicksOpenAndCloseTheList()
{
    PanelPage page;
    ProfileSelectedView *tile = page.profileViewController().profileview();
    page.view()->show();
    QCOMPARE(tile->image()->imageName(), "dropdown");

    QTest::mouseClick(tile, Qt::LeftButton);
    QCOMPARE(tile->image()->imageName(), "dropdown_click");
    QVERIFY(listIsOpen(page));
    QVERIFY(page.isProfileMouseDown());
    // The list lies below the tile, over everything else on the page.
    const QRect list = page.profileListViewController()->profileListView()->geometry();
    QCOMPARE(list.top(), tile->geometry().bottom() + 1);
    QCOMPARE(page.view()->children().last(), page.profileListViewController()->profileListView());

    QTest::mouseClick(tile, Qt::LeftButton);
    QCOMPARE(tile->image()->imageName(), "dropdown");
    QVERIFY(!listIsOpen(page));
    QVERIFY(page.isProfileMouseDown());

    // Closing again, as many page actions do, changes nothing.
    page.hideProfileList();
    page.hideProfileList();
    QVERIFY(!listIsOpen(page));
    QVERIFY(!page.isProfileMouseDown());
}

void tst_ProfilePanels::tileOffEveryPageOnlyChangesItsLook()
{
    ProfileSelectedViewController tile;
    QTest::mouseClick(tile.profileview(), Qt::LeftButton);
    QVERIFY(tile.profileview()->isSelected());
    tile.updateBackground();
    QCOMPARE(tile.profileview()->image()->imageName(), "dropdown");
}

void tst_ProfilePanels::entryHandsItsIndexToThePage_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("name");

    QTest::newRow("first entry") << 0 << "Profile1";
    QTest::newRow("second entry") << 1 << "Profile2";
    QTest::newRow("third entry") << 2 << "Profile3";
    QTest::newRow("fourth entry") << 3 << "Profile4";
}

void tst_ProfilePanels::entryHandsItsIndexToThePage()
{
    QFETCH(int, entry);
    QFETCH(QString, name);

    PanelPage page;
    page.view()->show();
    QTest::mouseClick(page.profileViewController().profileview(), Qt::LeftButton);
    ProfileItem *item = page.profileListViewController()->profileListView()->profileButton(entry);
    QCOMPARE(item->text(), name);
    QTest::mouseClick(item, Qt::LeftButton);

    QCOMPARE(page.chosenProfiles(), QList<int>{entry});
    QCOMPARE(page.profileViewController().text()->text(), name);
    QVERIFY(!listIsOpen(page));
    QCOMPARE(page.profileViewController().profileview()->image()->imageName(), "dropdown");
}

void tst_ProfilePanels::listOffThePageChoosesNothing()
{
    PanelPage page;
    page.view()->show();
    page.showProfileList();
    ProfileListViewController *list = page.profileListViewController();
    list->removeFromPage();
    list->removeFromPage();
    list->profileListView()->show();
    QTest::mouseClick(list->profileListView()->profileButton(2), Qt::LeftButton);
    QCOMPARE(page.chosenProfiles(), QList<int>{});
}

void tst_ProfilePanels::reviewOpenList_data()
{
    QTest::addColumn<KeyboardColorType>("colorType");
    QTest::newRow("black") << KeyboardColorType::Black;
    QTest::newRow("white") << KeyboardColorType::White;
}

// The list open over the drawn keyboard, the pointer on the second entry.
void tst_ProfilePanels::reviewOpenList()
{
    QFETCH(KeyboardColorType, colorType);
    KeyBoardConfig::shared().applyKeyboardColor(colorType);

    PanelPage page;
    page.showKeyboard(KeyboardLayoutType::Japanese);
    page.profileViewController().updateTextValue(2);
    page.view()->show();
    QTest::mouseClick(page.profileViewController().profileview(), Qt::LeftButton);
    PanelPage::sendHover(page.profileListViewController()->profileListView()->profileButton(1),
                         true);
    page.save(QStringLiteral("profile-list-%1.png").arg(QTest::currentDataTag()));
}

QTEST_MAIN(tst_ProfilePanels)
#include "tst_profilepanels.moc"
