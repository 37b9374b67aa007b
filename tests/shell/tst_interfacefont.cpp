#include "interfacefont.h"
#include "legendprovider.h"

#include <QApplication>
#include <QFontInfo>
#include <QGlyphRun>
#include <QRawFont>
#include <QTest>
#include <QTextLayout>

namespace {

struct FakeFont
{
    QString family;
    bool proportional = true;
    bool japanese = false;
};

InterfaceFont::Fonts installed(const QList<FakeFont> &fonts)
{
    InterfaceFont::Fonts result;
    for (const FakeFont &font : fonts)
        result.families << font.family;
    const auto find = [fonts](const QString &family) {
        return *std::find_if(fonts.cbegin(), fonts.cend(),
                             [&](const FakeFont &font) { return font.family == family; });
    };
    result.isProportional = [find](const QString &family) { return find(family).proportional; };
    result.hasJapanese = [find](const QString &family) { return find(family).japanese; };
    return result;
}

const FakeFont cantarell{"Cantarell", true, false};
const FakeFont dejaVu{"DejaVu Sans", true, false};
const FakeFont dejaVuMono{"DejaVu Sans Mono", false, false};
const FakeFont ipaGothic{"IPAGothic", false, true};
const FakeFont ipaPGothic{"IPAPGothic", true, true};
const FakeFont notoCjk{"Noto Sans CJK JP", true, true};
const FakeFont otherGothic{"Some P Gothic", true, true};

} // namespace

// The interface font: proportional Latin and Japanese text whatever the locale makes the
// desktop's font, and legends still in their own fonts. Runs in a Japanese locale, where the
// desktop's default font resolves to a Japanese font with monospaced Latin letters.
class tst_InterfaceFont : public QObject
{
    Q_OBJECT

private slots:
    void families_data()
    {
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QList<FakeFont>>("fonts");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char *name, const char *desktop, const QList<FakeFont> &fonts,
                            const QStringList &expected) {
            QTest::newRow(name) << QString(desktop) << fonts << expected;
        };
        row("proportional desktop font, proportional Japanese behind it", "Cantarell",
            {cantarell, ipaGothic, ipaPGothic}, {"Cantarell", "IPAPGothic"});
        row("monospaced Japanese desktop font replaced", "IPAGothic",
            {dejaVuMono, ipaGothic, dejaVu, ipaPGothic}, {"DejaVu Sans", "IPAPGothic"});
        row("monospaced desktop font kept when nothing better is installed", "DejaVu Sans Mono",
            {dejaVuMono, ipaGothic}, {"DejaVu Sans Mono"});
        row("preferred Japanese font first", "Cantarell",
            {cantarell, otherGothic, ipaPGothic, notoCjk}, {"Cantarell", "Noto Sans CJK JP"});
        row("any proportional Japanese font when none is preferred", "Cantarell",
            {cantarell, ipaGothic, otherGothic}, {"Cantarell", "Some P Gothic"});
        row("proportional Japanese desktop font alone", "Noto Sans CJK JP",
            {cantarell, ipaPGothic, notoCjk}, {"Noto Sans CJK JP"});
        row("no proportional Japanese font installed", "Cantarell", {cantarell, ipaGothic},
            {"Cantarell"});
    }

    void families()
    {
        QFETCH(QString, desktop);
        QFETCH(QList<FakeFont>, fonts);
        QFETCH(QStringList, expected);
        QCOMPARE(InterfaceFont::families(desktop, installed(fonts)), expected);
    }

    void japaneseLocale()
    {
        if (InterfaceFont::isProportional(QFontInfo(QApplication::font()).family()))
            QSKIP("The default font of this machine's Japanese locale is proportional already.");
        InterfaceFont::apply();
        QTextLayout layout(QStringLiteral("Alt キーボードを表示できません"), QApplication::font());
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        const QList<QGlyphRun> runs = layout.glyphRuns();
        QVERIFY(!runs.isEmpty());
        for (const QGlyphRun &run : runs)
            QVERIFY2(InterfaceFont::isProportional(run.rawFont().familyName()),
                     qPrintable(run.rawFont().familyName()));
        QCOMPARE(LegendProvider::font(12).families().first(), QStringLiteral("Keymap Legend"));
    }
};

int main(int argc, char *argv[])
{
    // Before the first font is looked up: fontconfig takes its language from the locale.
    qputenv("LC_ALL", "ja_JP.UTF-8");
    QApplication application(argc, argv);
    tst_InterfaceFont test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_interfacefont.moc"
