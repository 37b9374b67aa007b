#include "keyface.h"
#include "legendname.h"
#include "localizedstrings.h"

#include <QTest>

// What a key shows for its usage: the plain key under its modifiers, the tooltip that spells
// them out, the modified test on the full usage and the legend, blank where there is none.
class tst_KeyFace : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void usageOnAKey_data();
    void usageOnAKey();
    void modifiedLegendTakesTheOtherInk();
};

void tst_KeyFace::initTestCase()
{
    LocalizedStrings::setLanguage(QStringLiteral("en"));
}

void tst_KeyFace::usageOnAKey_data()
{
    QTest::addColumn<KeyboardLayoutType>("layout");
    QTest::addColumn<qint32>("usageId");
    QTest::addColumn<qint32>("defaultUsageId");
    QTest::addColumn<qint32>("legendUsage");
    QTest::addColumn<bool>("shortcutLegend");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<bool>("modified");

    const auto en = KeyboardLayoutType::English;
    const auto ja = KeyboardLayoutType::Japanese;
    QTest::newRow("plain key") << en << 0x0004 << 0x0004 << 4 << false << "" << false;
    QTest::newRow("Fn1 key: a device usage, never a shortcut")
        << en << 0x5101 << 0x0004 << 0x5101 << false << "" << true;
    QTest::newRow("all four left-hand modifiers, in tooltip order")
        << en << 0x0F04 << 0x0F04 << 4 << true << "Control+Shift+Alt/Opt+Win⌘+A" << false;
    QTest::newRow("right Control") << en << 0x1104 << 0x0004 << 4 << true << "Control R+A" << true;
    QTest::newRow("right Cmd and Control")
        << en << 0x1904 << 0x1904 << 4 << true << "Control R+Win⌘ R+A" << false;
    QTest::newRow("left Shift") << en << 0x0204 << 0x0004 << 4 << true << "Shift+A" << true;
    QTest::newRow("right Shift and Alt")
        << en << 0x1604 << 0x1604 << 4 << true << "Shift R+Alt/Opt R+A" << false;
    QTest::newRow("right Shift and Cmd")
        << en << 0x1A04 << 0x1A04 << 4 << true << "Shift R+Win⌘ R+A" << false;
    QTest::newRow("right-hand mark alone: the plain key, yet modified")
        << en << 0x1004 << 0x0004 << 4 << false << "" << true;
    QTest::newRow("Control and Cmd with an arrow")
        << en << 0x094F << 0x094F << 0x4F << true << "Control+Win⌘+→" << false;
    QTest::newRow("key named per layout")
        << ja << 0x021F << 0x021F << 0x1F << true << "Shift+2(\")" << false;
    QTest::newRow("usage without legend: the blank key")
        << en << 3 << 3 << 0 << false << "" << false;
    QTest::newRow("shortcut on a key without legend: blank key, no shortcut legend")
        << en << 0x0203 << 0x0203 << 0 << false << "Shift+" << false;
    QTest::newRow("nothing assigned") << en << 0 << 0x0004 << 0 << false << "" << true;
}

void tst_KeyFace::usageOnAKey()
{
    QFETCH(KeyboardLayoutType, layout);
    QFETCH(qint32, usageId);
    QFETCH(qint32, defaultUsageId);
    QFETCH(qint32, legendUsage);
    QFETCH(bool, shortcutLegend);
    QFETCH(QString, tooltip);
    QFETCH(bool, modified);

    const KeyFace face(KeyboardColorType::Black, layout);
    const KeyFace::Display display = face.display(usageId, defaultUsageId, 40);
    QCOMPARE(display.tooltip, tooltip);
    QCOMPARE(display.isModified, modified);
    for (const QString &name : {display.charImage, display.unmodifiedCharImage}) {
        const std::optional<LegendName> legend = LegendName::parse(name);
        QVERIFY2(legend, qPrintable(name));
        QCOMPARE(legend->usageId, legendUsage);
        QCOMPARE(legend->shortcut, shortcutLegend);
        QCOMPARE(legend->layoutType, layout);
    }
    QCOMPARE(ShortCutInfo::decode(usageId).isShortcut(), !tooltip.isEmpty());
}

void tst_KeyFace::modifiedLegendTakesTheOtherInk()
{
    for (const KeyboardColorType color : {KeyboardColorType::Black, KeyboardColorType::White}) {
        const KeyFace face(color, KeyboardLayoutType::English);
        const KeyFace::Display modified = face.display(0x0005, 0x0004, 40);
        const KeyFace::Display unmodified = face.display(0x0005, 0x0005, 40);
        QCOMPARE(modified.unmodifiedCharImage, unmodified.charImage);
        QCOMPARE(unmodified.unmodifiedCharImage, unmodified.charImage);
        QCOMPARE(LegendName::parse(modified.charImage)->whiteLegend,
                 !LegendName::parse(unmodified.charImage)->whiteLegend);
    }
}

QTEST_MAIN(tst_KeyFace)
#include "tst_keyface.moc"
