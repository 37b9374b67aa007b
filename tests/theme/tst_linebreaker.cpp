#include "linebreaker.h"

#include <QTest>

namespace {

// The text with a bar at each of its phrase boundaries.
QString marked(const QString &text)
{
    QString result = text;
    const QList<qsizetype> boundaries = LineBreaker::phraseBoundaries(text);
    for (auto position = boundaries.crbegin(); position != boundaries.crend(); ++position)
        result.insert(*position, u'|');
    return result;
}

} // namespace

// Line breaking of the texts the program shows in panels of a given width: Japanese phrases kept
// whole where they fit, no line of one or two characters, English at spaces.
class tst_LineBreaker : public QObject
{
    Q_OBJECT

private slots:
    void phraseBoundaries_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const char *text, const char *expected) {
            QTest::newRow(name) << QString(text) << QString(expected);
        };
        row("particle before a word in kanji", "キーボードを表示できません。",
            "キーボードを|表示できません。");
        row("particle before a word in katakana", "アプリケーションのデータが見つからない",
            "アプリケーションの|データが|見つからない");
        row("particle between words in kanji", "次の画面で更新", "次の|画面で|更新");
        row("kana inside a compound verb", "書き込んでください。", "書き込んでください。");
        row("kana inside a word in kanji", "同じ位置", "同じ位置");
        row("after a comma or full stop", "ため、キーボード。再インストール",
            "ため、|キーボード。|再インストール");
        row("particle stays with the bracketed word", "確認して「再試行」を選ぶか",
            "確認して|「再試行」を|選ぶか");
        row("no boundary before closing punctuation", "ください。」", "ください。」");
        row("Latin words stay with their particle", "Fn1キーは", "Fn1キーは");
    }

    void phraseBoundaries()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(marked(text), expected);
    }

    void lines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const char *text, int width, const char *expected) {
            QTest::newRow(name) << QString(text) << width << QString(expected);
        };
        // Every character is one unit wide; lines are joined with bars.
        row("English at spaces, lines even", "The quick brown fox jumps", 10,
            "The quick|brown fox|jumps");
        row("no English word alone on the last line", "Save the file, then go", 19,
            "Save the file,|then go");
        row("Japanese at a phrase boundary", "キーボードに書き込んでください。", 12,
            "キーボードに|書き込んでください。");
        row("no one-character last line",
            "アプリケーションを終了します。再インストールしてください。", 28,
            "アプリケーションを終了します。|再インストールしてください。");
        row("no two-character last line", "キーボードを取り外さないでください。", 16,
            "キーボードを|取り外さないでください。");
        row("phrase wider than a line, broken where Unicode allows", "工場出荷時設定", 4,
            "工場出荷|時設定");
        row("word wider than a line, cut", "Supercalifragilistic", 8, "Supercal|ifragili|stic");
        row("explicit line breaks stay, short or not", "OK\nfine", 10, "OK|fine");
        row("empty text, one empty line", "", 10, "");
    }

    void lines()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QString, expected);
        const LineBreaker breaker([](const QString &piece) { return qreal(piece.size()); }, width);
        QCOMPARE(breaker.lines(text).join(u'|'), expected);
    }
};

QTEST_GUILESS_MAIN(tst_LineBreaker)
#include "tst_linebreaker.moc"
