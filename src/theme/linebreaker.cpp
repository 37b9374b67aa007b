#include "linebreaker.h"

#include <QTextBoundaryFinder>

#include <limits>

namespace {

// Costs of a way to break a paragraph; the cheapest way is taken. Each line costs, so that the
// fewest lines win; a break that is no phrase boundary costs more than a line, so that a phrase
// is worth a line more; a line that is too short or too wide costs more than anything else.
constexpr qreal lineCostBase = 1000;
constexpr qreal unicodeBreakCost = 2000;
constexpr qreal anywhereBreakCost = 100000;
constexpr qreal shortLineCost = 1000000;
constexpr qreal overflowCost = 100000000;
// Lines keep at least this many characters where the text allows.
constexpr int shortestLine = 3;

enum class CharClass
{
    hiragana,
    katakana,
    ideograph,
    opening,
    closing,
    clauseEnd,
    space,
    other
};

CharClass classOf(QChar c)
{
    const char16_t u = c.unicode();
    if (c.isSpace())
        return CharClass::space;
    if (u == u'、' || u == u'。' || u == u'，' || u == u'．' || u == u'！' || u == u'？')
        return CharClass::clauseEnd;
    if (u == u'「' || u == u'『' || u == u'（' || u == u'【' || u == u'〈' || u == u'《' ||
        u == u'(' || u == u'[')
        return CharClass::opening;
    if (u == u'」' || u == u'』' || u == u'）' || u == u'】' || u == u'〉' || u == u'》' ||
        u == u')' || u == u']' || u == u'…' || u == u'：')
        return CharClass::closing;
    if (u >= 0x3041 && u <= 0x309F)
        return CharClass::hiragana;
    if ((u >= 0x30A0 && u <= 0x30FF) || (u >= 0xFF66 && u <= 0xFF9F))
        return CharClass::katakana;
    if ((u >= 0x4E00 && u <= 0x9FFF) || (u >= 0x3400 && u <= 0x4DBF) || u == u'々')
        return CharClass::ideograph;
    return CharClass::other;
}

// Particles that may stand alone between two words written in kanji ("数を選ぶ"); any other
// single kana there belongs to the word ("書き込む", "取り外す").
bool isParticle(QChar c)
{
    return QStringView(u"をがはにでともへのやか").contains(c);
}

bool isPhraseBoundary(QStringView text, qsizetype position)
{
    const CharClass before = classOf(text[position - 1]);
    const CharClass after = classOf(text[position]);
    if (after == CharClass::closing || after == CharClass::clauseEnd ||
        before == CharClass::opening)
        return false;
    if (before == CharClass::space || before == CharClass::clauseEnd || after == CharClass::opening)
        return true;
    // A particle stays with the bracketed word before it.
    if (before == CharClass::closing)
        return after != CharClass::hiragana && after != CharClass::katakana;
    if (before != CharClass::hiragana || after == CharClass::hiragana)
        return false;
    qsizetype runStart = position - 1;
    while (runStart > 0 && classOf(text[runStart - 1]) == CharClass::hiragana)
        --runStart;
    const bool isOkurigana = position - runStart == 1 && runStart > 0 &&
                             classOf(text[runStart - 1]) == CharClass::ideograph &&
                             !isParticle(text[runStart]);
    return !isOkurigana;
}

bool isJapanese(QChar c)
{
    const CharClass charClass = classOf(c);
    return charClass != CharClass::space && charClass != CharClass::other;
}

qsizetype visibleLength(const QString &line)
{
    qsizetype length = 0;
    for (const QChar c : line)
        length += c.isSpace() || c.isLowSurrogate() ? 0 : 1;
    return length;
}

} // namespace

LineBreaker::LineBreaker(Measure measure, qreal maximumWidth)
    : m_measure(std::move(measure))
    , m_maximumWidth(maximumWidth)
{}

QStringList LineBreaker::lines(const QString &text) const
{
    QStringList lines;
    for (const QString &paragraph : text.split(u'\n'))
        lines += paragraphLines(paragraph);
    return lines;
}

QList<qsizetype> LineBreaker::phraseBoundaries(QStringView text)
{
    QList<qsizetype> boundaries;
    for (qsizetype position = 1; position < text.size(); ++position) {
        if (isPhraseBoundary(text, position))
            boundaries << position;
    }
    return boundaries;
}

QStringList LineBreaker::paragraphLines(const QString &paragraph) const
{
    const QList<Opportunity> breaks = opportunities(paragraph);
    // cost[i]: the cheapest way to set the paragraph up to breaks[i]; from[i]: where its last
    // line starts.
    const qsizetype count = breaks.size();
    QList<qreal> cost(count, std::numeric_limits<qreal>::infinity());
    QList<qsizetype> from(count, 0);
    cost[0] = 0;
    for (qsizetype start = 0; start < count - 1; ++start) {
        for (qsizetype end = start + 1; end < count; ++end) {
            const QString line =
                paragraph
                    .sliced(breaks[start].position, breaks[end].position - breaks[start].position)
                    .trimmed();
            const qreal width = m_measure(line);
            const bool isLast = end == count - 1;
            const qreal total = cost[start] + lineCost(width, visibleLength(line), breaks[end].kind,
                                                       isLast, start == 0 && isLast);
            if (total < cost[end]) {
                cost[end] = total;
                from[end] = start;
            }
            // Longer lines only get wider.
            if (width > m_maximumWidth)
                break;
        }
    }
    QStringList lines;
    for (qsizetype end = count - 1; end > 0; end = from[end]) {
        const Opportunity &start = breaks[from[end]];
        lines.prepend(
            paragraph.sliced(start.position, breaks[end].position - start.position).trimmed());
    }
    return lines.isEmpty() ? QStringList{QString()} : lines;
}

QList<LineBreaker::Opportunity> LineBreaker::opportunities(const QString &paragraph)
{
    QList<Opportunity> breaks{{0, Kind::phrase}};
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, paragraph);
    QTextBoundaryFinder unicode(QTextBoundaryFinder::Line, paragraph);
    for (qsizetype position = graphemes.toNextBoundary(); position > 0;
         position = graphemes.toNextBoundary()) {
        Kind kind = Kind::anywhere;
        unicode.setPosition(position);
        if (position == paragraph.size()) {
            kind = Kind::phrase;
        } else if (unicode.isAtBoundary() &&
                   unicode.boundaryReasons().testFlag(QTextBoundaryFinder::BreakOpportunity)) {
            // Between two Japanese characters Unicode allows nearly every break; elsewhere its
            // breaks are those between words.
            const bool japanese =
                isJapanese(paragraph[position - 1]) && isJapanese(paragraph[position]);
            kind =
                !japanese || isPhraseBoundary(paragraph, position) ? Kind::phrase : Kind::unicode;
        }
        breaks << Opportunity{position, kind};
    }
    return breaks;
}

qreal LineBreaker::lineCost(qreal width, qsizetype length, Kind endKind, bool isLast,
                            bool isWholeParagraph) const
{
    qreal cost = lineCostBase;
    if (width > m_maximumWidth)
        cost += overflowCost * (1 + (width - m_maximumWidth) / qMax<qreal>(m_maximumWidth, 1));
    if (endKind == Kind::unicode)
        cost += unicodeBreakCost;
    else if (endKind == Kind::anywhere)
        cost += anywhereBreakCost;
    if (length < shortestLine && !isWholeParagraph)
        cost += shortLineCost;
    // Even lines read better than a long one over a short one; the last line may be short.
    if (!isLast && m_maximumWidth > 0) {
        const qreal slack = (m_maximumWidth - width) / m_maximumWidth;
        cost += 100 * slack * slack;
    }
    return cost;
}
