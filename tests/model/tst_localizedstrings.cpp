#include "constants.h"
#include "localizedstrings.h"

#include <QDirIterator>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <atomic>
#include <thread>
#include <vector>

namespace {

const QString keyListPath = QStringLiteral(KEYMAP_SOURCE_DIR "/resources/strings/keys.txt");
const QString sourceDir = QStringLiteral(KEYMAP_SOURCE_DIR "/src");

// Keys whose texts are formats filled with QString::arg, and the placeholders they carry.
const QHash<QString, QString> formatKeys = {{QStringLiteral("Message1017_Text"), "%1"}};

QStringList readKeyList()
{
    QFile file(keyListPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList keys = QString::fromUtf8(file.readAll()).split('\n');
    if (!keys.isEmpty() && keys.last().isEmpty())
        keys.removeLast();
    return keys;
}

QJsonObject readTable(const QString &language)
{
    QFile file(":/strings/" + language + ".json");
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

// The placeholders of a text, sorted and joined: "%1 %2".
QString placeholders(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%\\d+"));
    QStringList found;
    for (const QRegularExpressionMatch &match : placeholder.globalMatch(text))
        found << match.captured();
    found.sort();
    return found.join(' ');
}

// The keys that a source text passes to LocalizedStrings::text as one whole string literal.
// A key computed at run time ("Message" + number + "_Text") is not a literal and is skipped.
QStringList literalKeys(const QString &source)
{
    static const QRegularExpression call(
        QStringLiteral("LocalizedStrings::text\\(\\s*(?:(?:QStringLiteral|QLatin1String|"
                       "QLatin1StringView)\\(\\s*)?"
                       "(?:u8|u|L)?\"((?:[^\"\\\\]|\\\\.)*)\"(?:_s|_L1)?\\s*\\)"));
    QStringList keys;
    for (const QRegularExpressionMatch &match : call.globalMatch(source))
        keys << match.captured(1);
    return keys;
}

} // namespace

class tst_LocalizedStrings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void keyListIsSortedAndUnique();
    void tableHoldsExactlyTheListedKeys_data();
    void tableHoldsExactlyTheListedKeys();
    void placeholdersAgree_data();
    void placeholdersAgree();
    void updateLinksAreHttpsOnOneHost_data();
    void updateLinksAreHttpsOnOneHost();
    void missingKeyAnswersItself_data();
    void missingKeyAnswersItself();
    void languageSwitch_data();
    void languageSwitch();
    void languageForLocale_data();
    void languageForLocale();
    void lookupsFromWorkerThreads();
    void keyScanner_data();
    void keyScanner();
    void sourcesUseOnlyListedKeys();

private:
    QTemporaryDir m_logFolder;
};

void tst_LocalizedStrings::initTestCase()
{
    // A broken table would be logged; keep that away from the user's log folder.
    Constants::setLogDirectoryForTesting(m_logFolder.path() + "/logs/");
    QVERIFY2(!readKeyList().isEmpty(), qPrintable("cannot read " + keyListPath));
}

void tst_LocalizedStrings::cleanup()
{
    LocalizedStrings::setLanguage(QStringLiteral("en"));
}

void tst_LocalizedStrings::keyListIsSortedAndUnique()
{
    const QStringList keys = readKeyList();
    for (qsizetype i = 0; i < keys.size(); ++i) {
        QVERIFY2(!keys[i].trimmed().isEmpty() && keys[i] == keys[i].trimmed(),
                 qPrintable(QString("line %1 is blank or padded").arg(i + 1)));
        if (i > 0) {
            QVERIFY2(keys[i - 1] < keys[i],
                     qPrintable(keys[i - 1] + " and " + keys[i] + " are out of order or repeated"));
        }
    }
}

void tst_LocalizedStrings::tableHoldsExactlyTheListedKeys_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "en";
    QTest::newRow("Japanese") << "ja";
}

void tst_LocalizedStrings::tableHoldsExactlyTheListedKeys()
{
    QFETCH(QString, language);
    const QJsonObject table = readTable(language);
    const QStringList listed = readKeyList();
    QVERIFY2(!table.isEmpty(), "the table is missing or not a JSON object");

    QStringList missing;
    QStringList emptyOrNotText;
    for (const QString &key : listed) {
        if (!table.contains(key))
            missing << key;
        else if (table.value(key).toString().trimmed().isEmpty())
            emptyOrNotText << key;
    }
    const QSet<QString> listedSet(listed.cbegin(), listed.cend());
    QStringList unlisted;
    for (const QString &key : table.keys()) {
        if (!listedSet.contains(key))
            unlisted << key;
    }
    QVERIFY2(missing.isEmpty(), qPrintable("missing: " + missing.join(", ")));
    QVERIFY2(emptyOrNotText.isEmpty(),
             qPrintable("empty or not text: " + emptyOrNotText.join(", ")));
    QVERIFY2(unlisted.isEmpty(), qPrintable("not in keys.txt: " + unlisted.join(", ")));
}

void tst_LocalizedStrings::placeholdersAgree_data()
{
    QTest::addColumn<QString>("key");
    for (const QString &key : readKeyList())
        QTest::newRow(qPrintable(key)) << key;
}

void tst_LocalizedStrings::placeholdersAgree()
{
    QFETCH(QString, key);
    const QString expected = formatKeys.value(key);
    QCOMPARE(placeholders(readTable("en").value(key).toString()), expected);
    QCOMPARE(placeholders(readTable("ja").value(key).toString()), expected);
}

void tst_LocalizedStrings::updateLinksAreHttpsOnOneHost_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("key");
    QTest::newRow("program link, English") << "en"
                                           << "KeymapUpdateUrl";
    QTest::newRow("firmware link, English") << "en"
                                            << "FirmUpdateUrl";
    QTest::newRow("program link, Japanese") << "ja"
                                            << "KeymapUpdateUrl";
    QTest::newRow("firmware link, Japanese") << "ja"
                                             << "FirmUpdateUrl";
}

void tst_LocalizedStrings::updateLinksAreHttpsOnOneHost()
{
    QFETCH(QString, language);
    QFETCH(QString, key);
    const QUrl reference(readTable("en").value("KeymapUpdateUrl").toString(), QUrl::StrictMode);
    const QUrl link(readTable(language).value(key).toString(), QUrl::StrictMode);
    QVERIFY2(link.isValid(), qPrintable(link.errorString()));
    QCOMPARE(link.scheme(), QStringLiteral("https"));
    QVERIFY(!link.host().isEmpty());
    QCOMPARE(link.host(), reference.host());
}

void tst_LocalizedStrings::missingKeyAnswersItself_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("key");
    QTest::newRow("unknown key, English") << "en"
                                          << "NoSuchKey_Text";
    QTest::newRow("unknown key, Japanese") << "ja"
                                           << "NoSuchKey_Text";
    QTest::newRow("the layout message has no plain key") << "en"
                                                         << "Message9005_Text";
    QTest::newRow("keys are case-sensitive") << "ja"
                                             << "message_ok";
    QTest::newRow("empty key") << "en"
                               << "";
}

void tst_LocalizedStrings::missingKeyAnswersItself()
{
    QFETCH(QString, language);
    QFETCH(QString, key);
    LocalizedStrings::setLanguage(language);
    QCOMPARE(LocalizedStrings::text(key), key);
}

void tst_LocalizedStrings::languageSwitch_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("cancel");
    QTest::newRow("Japanese") << "ja"
                              << "ja" << QString::fromUtf8("キャンセル");
    QTest::newRow("English") << "en"
                             << "en"
                             << "Cancel";
    QTest::newRow("another language falls back to English") << "fr"
                                                            << "en"
                                                            << "Cancel";
    QTest::newRow("a code with territory is not Japanese") << "ja_JP"
                                                           << "en"
                                                           << "Cancel";
    QTest::newRow("empty code is English") << ""
                                           << "en"
                                           << "Cancel";
}

void tst_LocalizedStrings::languageSwitch()
{
    QFETCH(QString, code);
    QFETCH(QString, language);
    QFETCH(QString, cancel);
    // Start from the other language, so that a switch that does nothing is caught.
    LocalizedStrings::setLanguage(language == "ja" ? "en" : "ja");
    LocalizedStrings::setLanguage(code);
    QCOMPARE(LocalizedStrings::language(), language);
    QCOMPARE(LocalizedStrings::text("Message_Cancel"), cancel);
}

void tst_LocalizedStrings::languageForLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("language");
    QTest::newRow("Japanese in Japan") << QLocale(QLocale::Japanese, QLocale::Japan) << "ja";
    QTest::newRow("Japanese without territory") << QLocale(QLocale::Japanese) << "ja";
    QTest::newRow("English in the US") << QLocale(QLocale::English, QLocale::UnitedStates) << "en";
    QTest::newRow("English in Japan") << QLocale(QLocale::English, QLocale::Japan) << "en";
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "en";
    QTest::newRow("C locale") << QLocale::c() << "en";
}

void tst_LocalizedStrings::languageForLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, language);
    QCOMPARE(LocalizedStrings::languageForLocale(locale), language);
}

void tst_LocalizedStrings::lookupsFromWorkerThreads()
{
    struct Expected
    {
        QString key;
        QString english;
        QString japanese;
    };
    const QJsonObject english = readTable("en");
    const QJsonObject japanese = readTable("ja");
    std::vector<Expected> expected;
    for (const QString &key : readKeyList())
        expected.push_back({key, english.value(key).toString(), japanese.value(key).toString()});

    std::atomic<int> wrong = 0;
    std::vector<std::thread> workers;
    for (int worker = 0; worker < 4; ++worker) {
        workers.emplace_back([&] {
            for (int round = 0; round < 20; ++round) {
                for (const Expected &entry : expected) {
                    const QString text = LocalizedStrings::text(entry.key);
                    if (text != entry.english && text != entry.japanese)
                        ++wrong;
                }
            }
        });
    }
    for (int round = 0; round < 200; ++round)
        LocalizedStrings::setLanguage(round % 2 ? "ja" : "en");
    for (std::thread &worker : workers)
        worker.join();
    QCOMPARE(wrong.load(), 0);
}

void tst_LocalizedStrings::keyScanner_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QStringList>("keys");
    QTest::newRow("plain literal")
        << R"(x = LocalizedStrings::text("Message_Ok");)" << QStringList{"Message_Ok"};
    QTest::newRow("QStringLiteral") << R"(LocalizedStrings::text(QStringLiteral("StandardLayer")))"
                                    << QStringList{"StandardLayer"};
    QTest::newRow("QLatin1String")
        << R"(LocalizedStrings::text(QLatin1String("DipswLabel")))" << QStringList{"DipswLabel"};
    QTest::newRow("UTF-16 literal")
        << R"(LocalizedStrings::text(u"Message_NO"_s))" << QStringList{"Message_NO"};
    QTest::newRow("argument on the next line")
        << "LocalizedStrings::text(\n        \"MainView_Writing_SubMessage\")"
        << QStringList{"MainView_Writing_SubMessage"};
    QTest::newRow("two calls in one expression")
        << R"(LocalizedStrings::text("A") + LocalizedStrings::text( "B" ))"
        << QStringList{"A", "B"};
    QTest::newRow("escaped quote stays inside the key")
        << "LocalizedStrings::text(\"A\\\"B\")" << QStringList{"A\\\"B"};
    QTest::newRow("computed key is not a literal")
        << R"(LocalizedStrings::text("Message" + number + "_Text"))" << QStringList{};
    QTest::newRow("variable argument") << "LocalizedStrings::text(key)" << QStringList{};
    QTest::newRow("another class's text") << R"(label->text("Message_Ok"))" << QStringList{};
}

void tst_LocalizedStrings::keyScanner()
{
    QFETCH(QString, source);
    QFETCH(QStringList, keys);
    QCOMPARE(literalKeys(source), keys);
}

// Every key that the program names literally must be in keys.txt, and so in both tables.
// Keys built at run time (the numbered messages) are covered by the tables' own tests.
void tst_LocalizedStrings::sourcesUseOnlyListedKeys()
{
    const QStringList listed = readKeyList();
    const QSet<QString> known(listed.cbegin(), listed.cend());
    QStringList unknown;
    int files = 0;
    QDirIterator it(sourceDir, {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable("cannot read " + file.fileName()));
        ++files;
        for (const QString &key : literalKeys(QString::fromUtf8(file.readAll()))) {
            if (!known.contains(key))
                unknown << file.fileName().mid(sourceDir.size() + 1) + ": " + key;
        }
    }
    QVERIFY2(files > 0, qPrintable("no sources found under " + sourceDir));
    QVERIFY2(unknown.isEmpty(), qPrintable("keys missing from keys.txt: " + unknown.join(", ")));
}

QTEST_GUILESS_MAIN(tst_LocalizedStrings)
#include "tst_localizedstrings.moc"
