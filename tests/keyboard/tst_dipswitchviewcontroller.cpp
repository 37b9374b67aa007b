#include "dipswitchview.h"
#include "dipswitchviewcontroller.h"
#include "drawinginfo.h"
#include "imageview.h"
#include "localizedstrings.h"
#include "panelpage.h"

#include <QLabel>
#include <QTest>

using Switches = QList<bool>;

namespace {

// Which switches of a panel show their on picture, their off picture and their difference mark
// with its icon, as 0/1 strings, switch 1 first.
QString shown(const DipSwitchView &view, ImageView *(DipSwitchView::*picture)(int) const)
{
    QString flags;
    for (int index = 0; index < DipSwitchView::switchCount; ++index)
        flags += (view.*picture)(index)->isHidden() ? u'0' : u'1';
    return flags;
}

QString marks(const DipSwitchView &view)
{
    const QString errors = shown(view, &DipSwitchView::switchError);
    return errors == shown(view, &DipSwitchView::switchErrorIcon) ? errors
                                                                  : QStringLiteral("mismatch");
}

} // namespace

// The DIP-switch panel in its three forms: captions, the switches' pictures, the difference
// marks of the compare window and the explaining tooltip. Writes the forms in English and
// Japanese into build/screenshots.
class tst_DipSwitchViewController : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void forms_data();
    void forms();
    void switchCountIsAlwaysSix_data();
    void switchCountIsAlwaysSix();
    void compareWindowMarksOnlyDifferences_data();
    void compareWindowMarksOnlyDifferences();
    void hiddenMarksStayHidden();
    void tooltipExplainsAllSwitches_data();
    void tooltipExplainsAllSwitches();
    void reviewForms_data();
    void reviewForms();
};

void tst_DipSwitchViewController::cleanup()
{
    LocalizedStrings::setLanguage(QStringLiteral("en"));
}

void tst_DipSwitchViewController::forms_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("messageWindow");

    // Form 0: the pages' panel; 1: the compare window's keyboard side; 2 and 3: its file side,
    // as a message window or not.
    QTest::newRow("page panel") << 0 << "en"
                                << "DIP switches" << false;
    QTest::newRow("page panel, Japanese") << 0 << "ja"
                                          << "DIPスイッチ" << false;
    QTest::newRow("keyboard side") << 1 << "en"
                                   << "Keyboard" << true;
    QTest::newRow("keyboard side, Japanese") << 1 << "ja"
                                             << "キーボード" << true;
    QTest::newRow("file side") << 2 << "en"
                               << "Setting file" << true;
    QTest::newRow("file side, Japanese") << 2 << "ja"
                                         << "設定ファイル" << true;
    QTest::newRow("no caption") << 3 << "en"
                                << "" << false;
}

// Switches 1 and 5 on in every form: their on pictures, the others' off pictures, no marks.
void tst_DipSwitchViewController::forms()
{
    QFETCH(int, form);
    QFETCH(QString, language);
    QFETCH(QString, caption);
    QFETCH(bool, messageWindow);

    LocalizedStrings::setLanguage(language);
    const Switches switches{true, false, false, false, true, false};
    std::unique_ptr<DipSwitchViewController> panel;
    if (form == 0)
        panel = std::make_unique<DipSwitchViewController>(switches);
    else if (form == 1)
        panel = std::make_unique<DipSwitchViewController>(switches, Switches(6, false));
    else
        panel = std::make_unique<DipSwitchViewController>(switches, form == 2);

    QCOMPARE(panel->view()->caption()->text(), caption);
    QCOMPARE(panel->dipSwitchValue(), caption);
    QCOMPARE(panel->isMessageWindow(), messageWindow);
    QCOMPARE(shown(*panel->view(), &DipSwitchView::switchOn), "100010");
    QCOMPARE(shown(*panel->view(), &DipSwitchView::switchOff), "011101");
    QCOMPARE(marks(*panel->view()), "000000");
    QCOMPARE(panel->view()->findChild<ImageView *>("backgroundImageView")->imageName(),
             DrawingInfo::dipImage().startpage);
}

void tst_DipSwitchViewController::switchCountIsAlwaysSix_data()
{
    QTest::addColumn<Switches>("given");
    QTest::addColumn<QString>("on");

    QTest::newRow("six") << Switches{false, true, false, false, true, true} << "010011";
    QTest::newRow("seven are cut to six")
        << Switches{true, false, false, false, false, true, true} << "100001";
    QTest::newRow("three count the rest as off") << Switches{true, true, true} << "111000";
    QTest::newRow("none are all off") << Switches{} << "000000";
}

// Also for values written after loading and for the compare window's flags.
void tst_DipSwitchViewController::switchCountIsAlwaysSix()
{
    QFETCH(Switches, given);
    QFETCH(QString, on);

    DipSwitchViewController panel(given, given);
    QCOMPARE(panel.dipSwitch().size(), 6);
    QCOMPARE(panel.errorStatus().size(), 6);
    QCOMPARE(shown(*panel.view(), &DipSwitchView::switchOn), on);
    QCOMPARE(marks(*panel.view()), on);

    DipSwitchViewController page(Switches(6, false));
    page.setDipSwitch(given);
    page.loadDipSwitch();
    QCOMPARE(page.dipSwitch().size(), 6);
    QCOMPARE(shown(*page.view(), &DipSwitchView::switchOn), on);
}

void tst_DipSwitchViewController::compareWindowMarksOnlyDifferences_data()
{
    QTest::addColumn<Switches>("keyboard");
    QTest::addColumn<Switches>("file");
    QTest::addColumn<QString>("marked");

    QTest::newRow("switch 1 on at the keyboard only")
        << Switches{true, false, false, false, false, false} << Switches(6, false) << "100000";
    QTest::newRow("switch 5 on in the file only")
        << Switches(6, false) << Switches{false, false, false, false, true, false} << "000010";
    QTest::newRow("same switches") << Switches{true, true, false, false, true, false}
                                   << Switches{true, true, false, false, true, false} << "000000";
    QTest::newRow("all differ") << Switches(6, true) << Switches(6, false) << "111111";
    QTest::newRow("short file counts as off")
        << Switches{true, false, true, false, false, false} << Switches{true} << "001000";
}

void tst_DipSwitchViewController::compareWindowMarksOnlyDifferences()
{
    QFETCH(Switches, keyboard);
    QFETCH(Switches, file);
    QFETCH(QString, marked);

    DipSwitchViewController keyboardSide(
        keyboard, DipSwitchViewController::differingSwitches(keyboard, file));
    DipSwitchViewController fileSide(file, true);
    QCOMPARE(marks(*keyboardSide.view()), marked);
    QCOMPARE(marks(*fileSide.view()), "000000");
}

// Marks are shown only where the panel was made with them, and once hidden never come back.
void tst_DipSwitchViewController::hiddenMarksStayHidden()
{
    DipSwitchViewController panel(Switches(6, false), Switches{true, false, false, false, false});
    panel.setDipSwitch(Switches(6, true));
    panel.loadDipSwitch();
    panel.loadDipSwitch();
    QCOMPARE(marks(*panel.view()), "100000");
    QCOMPARE(shown(*panel.view(), &DipSwitchView::switchOn), "111111");
}

void tst_DipSwitchViewController::tooltipExplainsAllSwitches_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "en";
    QTest::newRow("Japanese") << "ja";
}

void tst_DipSwitchViewController::tooltipExplainsAllSwitches()
{
    QFETCH(QString, language);
    LocalizedStrings::setLanguage(language);

    QString expected;
    for (int number = 1; number <= 6; ++number) {
        expected += LocalizedStrings::text(QStringLiteral("DIPSWTooltip%1_No").arg(number));
        expected += LocalizedStrings::text(QStringLiteral("DIPSWTooltip%1_Content").arg(number));
    }
    QVERIFY(expected.contains(language == "ja" ? "SW5：" : "SW5"));

    DipSwitchViewController panel(Switches(6, false));
    DipSwitchView &view = *panel.view();
    QCOMPARE(view.toolTip(), QString());
    PanelPage::sendHover(&view, true);
    QCOMPARE(view.toolTip(), expected);
    PanelPage::sendHover(&view, false);
    QCOMPARE(view.toolTip(), QString());
}

void tst_DipSwitchViewController::reviewForms_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << "en";
    QTest::newRow("ja") << "ja";
}

// The pages' panel where the stick panel's neighbour sits, and the compare window's two sides
// below it, the keyboard's with switches 1 and 5 marked.
void tst_DipSwitchViewController::reviewForms()
{
    QFETCH(QString, language);
    LocalizedStrings::setLanguage(language);

    const Switches keyboard{true, false, true, false, false, true};
    const Switches file{false, false, true, false, true, true};
    DipSwitchViewController pagePanel(keyboard);
    DipSwitchViewController keyboardSide(
        keyboard, DipSwitchViewController::differingSwitches(keyboard, file));
    DipSwitchViewController fileSide(file, true);
    PanelPage page;
    page.place(pagePanel.view(), DrawingInfo::startKeymap().dipSWFrameOrigin);
    page.place(keyboardSide.view(), {54, 540});
    page.place(fileSide.view(), {224, 540});
    page.save(QStringLiteral("dip-switches-%1.png").arg(language));
}

QTEST_MAIN(tst_DipSwitchViewController)
#include "tst_dipswitchviewcontroller.moc"
