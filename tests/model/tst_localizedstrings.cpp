#include "localizedstrings.h"
#include "resourcefixture.h"

#include <QDirIterator>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>
#include <QUrl>

namespace {

// Every localized-string key the program uses, one a line.
QStringList keyList()
{
    QFile file(QStringLiteral(KEYMAP_SOURCE_DIR "/resources/strings/keys.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

QJsonObject table(const QString &language)
{
    QFile file(":/strings/" + language + ".json");
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

// Whether the text of key can be shown as it stands.
bool usable(const QString &key, const QString &text)
{
    // Only these texts are formats, filled with QString::arg.
    static const QStringList formats{"Message1017_Text", "Menu_About", "About_Version"};
    const int placeholders = formats.contains(key) ? 1 : 0;
    const QUrl link(text, QUrl::StrictMode);
    return !text.trimmed().isEmpty() &&
           text.count(QRegularExpression(QStringLiteral("%\\d+"))) == placeholders &&
           (!key.endsWith("Url") || (link.scheme() == "https" && !link.host().isEmpty()));
}

// A call of LocalizedStrings::text with a literal key. The literal must close the call:
// "Message" + number + "_Text" is no key.
const QRegularExpression literalKey(QStringLiteral(
    "LocalizedStrings::text\\(\\s*(?:\\w+\\(\\s*)?u?\"([^\"\\\\]*)\"(?:_s)?\\s*\\)?\\s*\\)"));

} // namespace

// Both string tables hold a usable text for every key the program uses, in the language chosen.
class tst_LocalizedStrings : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { LocalizedStrings::setLanguage(QStringLiteral("en")); }

    void tableHoldsExactlyTheListedKeys_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "en";
        QTest::newRow("Japanese") << "ja";
    }

    void tableHoldsExactlyTheListedKeys()
    {
        QFETCH(QString, language);
        QJsonObject table = ::table(language);
        QStringList faults;
        for (const QString &key : keyList()) {
            if (!usable(key, table.take(key).toString()))
                faults << key;
        }
        QVERIFY2(faults.isEmpty(), qPrintable("missing or unusable: " + faults.join(", ")));
        QVERIFY2(table.isEmpty(), qPrintable("not in keys.txt: " + table.keys().join(", ")));
    }

    void text_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");

        const auto row = [](const char *name, const char *code, const char *key,
                            const QString &text) { QTest::newRow(name) << code << key << text; };
        row("Japanese", "ja", "Message_Cancel", "キャンセル");
        row("another language is English", "fr", "Message_Cancel", "Cancel");
        row("missing key answers itself", "ja", "NoSuchKey_Text", "NoSuchKey_Text");
        row("keys are case-sensitive", "ja", "message_cancel", "message_cancel");
    }

    void text()
    {
        QFETCH(QString, code);
        QFETCH(QString, key);
        QFETCH(QString, text);
        // Start from the other language, so that a switch that does nothing is caught.
        LocalizedStrings::setLanguage(code == "ja" ? "en" : "ja");
        LocalizedStrings::setLanguage(code);
        QCOMPARE(LocalizedStrings::text(key), text);
        QCOMPARE(LocalizedStrings::language(), code == "ja" ? "ja" : "en");
    }

    // Every key the program names as a literal is listed, and so in both tables. Keys built at
    // run time (the numbered messages) are covered by the tables' own test.
    void sourcesUseOnlyListedKeys()
    {
        const QStringList listed = keyList();
        QStringList found, unknown;
        QDirIterator it(KEYMAP_SOURCE_DIR "/src", {"*.cpp", "*.h"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
            for (const QRegularExpressionMatch &match :
                 literalKey.globalMatch(QString::fromUtf8(file.readAll()))) {
                found << match.captured(1);
                if (!listed.contains(found.last()))
                    unknown << it.fileName() + ": " + found.last();
            }
        }
        QVERIFY2(!found.isEmpty(), "the scan found no key at all");
        QVERIFY2(unknown.isEmpty(),
                 qPrintable("keys missing from keys.txt: " + unknown.join(", ")));
    }

private:
    // A broken table would be logged; the fixture keeps that away from the user's log folder.
    const ResourceFixture m_fixture;
};

QTEST_GUILESS_MAIN(tst_LocalizedStrings)
#include "tst_localizedstrings.moc"
