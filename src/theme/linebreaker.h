#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

// Breaks a text into lines no wider than a width, as a reader expects: English at spaces,
// Japanese at phrase boundaries where the text has one that fits (after a particle, after a
// comma or full stop, before an opening bracket), else where Unicode's line-breaking rules
// allow, and only as a last resort inside a word. Lines of one or two characters are avoided,
// and among the breaks with the fewest lines the most even ones are taken. Explicit line breaks
// stay.
class LineBreaker
{
public:
    // The width of a piece of text, in the unit of the maximum width.
    using Measure = std::function<qreal(const QString &text)>;

    LineBreaker(Measure measure, qreal maximumWidth);

    // The lines of text, without the spaces at their ends.
    QStringList lines(const QString &text) const;

    // Where a Japanese phrase ends inside text: the positions before which a line reads well
    // when it starts there.
    static QList<qsizetype> phraseBoundaries(QStringView text);

private:
    enum class Kind
    {
        phrase,
        unicode,
        anywhere
    };
    struct Opportunity
    {
        qsizetype position = 0;
        Kind kind = Kind::anywhere;
    };

    QStringList paragraphLines(const QString &paragraph) const;
    static QList<Opportunity> opportunities(const QString &paragraph);
    // What a line of the given width and number of characters costs, ending at a break of kind.
    qreal lineCost(qreal width, qsizetype length, Kind endKind, bool isLast,
                   bool isWholeParagraph) const;

    Measure m_measure;
    qreal m_maximumWidth = 0;
};
