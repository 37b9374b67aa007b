#include "linkfixture.h"

#include "constants.h"
#include "localtime.h"
#include "resourceloader.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray catalogue()
{
    const char *entry = R"("%1": {"typeNumber": "%1", "layoutType": 1, "colorType": 0,
        "series": 0, "layoutTypeName": 1, "postfix": "%2", "isKeymapChangeable": true,
        "firmTypeNumber": "F300", "firmDataSize": 1024})";
    return ('{' + QString(entry).arg("KX-QR320B", "B20") + ',' +
            QString(entry).arg("KX-QR300B", "B00") + '}')
        .toUtf8();
}

QByteArray factoryKeymaps()
{
    const auto profiles = LinkFixture::profiles(LinkFixture::factoryMarker);
    QJsonObject keymaps;
    for (int profile = 0; profile < 4; ++profile) {
        QJsonObject layers;
        const auto dictionary = profiles->profile(profile).convertToDictionary();
        for (auto layer = dictionary.cbegin(); layer != dictionary.cend(); ++layer) {
            QJsonArray codes;
            for (qint32 code : *layer)
                codes.append(code);
            layers.insert(layer.key(), codes);
        }
        keymaps.insert(QString("Profile%1").arg(profile + 1), layers);
    }
    return QJsonDocument(keymaps).toJson();
}

} // namespace

LinkFixture::LinkFixture(bool withFactoryKeymaps)
{
    const QString root = m_folder.path() + '/';
    writeFile(root + "KeyboardDatalist.json", catalogue());
    if (withFactoryKeymaps)
        writeFile(root + "English00.json", factoryKeymaps());
    ResourceLoader::sharedInstance().setResourceRootForTesting(root);
    Constants::setLogDirectoryForTesting(root + "logs/");
    LocalTime::setSourceForTesting([] { return QDateTime(QDate(2026, 3, 5), QTime(9, 0)); });
    changeKeyboard([](EmulatedKeyboardState &state) { state.setProfiles(*profiles(0)); });
}

LinkFixture::~LinkFixture()
{
    driver.reset();
    ResourceLoader::sharedInstance().setResourceRootForTesting({});
    Constants::setLogDirectoryForTesting({});
    LocalTime::setSourceForTesting({});
}

qint32 LinkFixture::usageId(int profile, int layer, int key)
{
    return (profile + 1) * 1000 + layer * 120 + key;
}

std::shared_ptr<ProfileListDataEntity> LinkFixture::profiles(qint32 marker)
{
    auto list = std::make_shared<ProfileListDataEntity>();
    for (int profile = 0; profile < 4; ++profile)
        for (int layer = 0; layer < 4; ++layer)
            for (int key = 0; key < 120; ++key)
                list->profile(profile).layer(FnMode(layer))[key] =
                    marker + usageId(profile, layer, key);
    return list;
}

std::shared_ptr<LinkFixture::Outcome> LinkFixture::read(ReadSequence sequence,
                                                        const TAVODriver::KeyboardCallback &inside)
{
    auto outcome = std::make_shared<Outcome>();
    (driver.get()->*sequence)(
        [outcome, inside](const std::shared_ptr<KeyboardDataEntity> &keyboard) {
            ++outcome->successes;
            outcome->keyboard = keyboard;
            if (inside)
                inside(keyboard);
        },
        [outcome](const QString &message) {
            ++outcome->errors;
            outcome->message = message;
        });
    waitFor(outcome);
    return outcome;
}

std::shared_ptr<LinkFixture::Outcome>
LinkFixture::write(const std::shared_ptr<ProfileListDataEntity> &profilesData,
                   const std::shared_ptr<KeyboardDataEntity> &keyboardData, bool isInitProfiles)
{
    auto outcome = std::make_shared<Outcome>();
    driver->writeAllKeymaps(
        profilesData, keyboardData, 2, isInitProfiles,
        [outcome](WriteToTAVOResult result) {
            ++outcome->successes;
            outcome->result = result;
        },
        [outcome](WriteToTAVOResult result, const QString &message) {
            ++outcome->errors;
            outcome->result = result;
            outcome->message = message;
        });
    waitFor(outcome);
    return outcome;
}

void LinkFixture::waitFor(const std::shared_ptr<Outcome> &outcome) const
{
    // Woken by the callback's own event rather than by polling, so that tables of thousands of
    // rows run quickly.
    QDeadlineTimer deadline(20000);
    while (outcome->successes + outcome->errors == 0 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    QVERIFY2(outcome->successes + outcome->errors > 0, "the driver never called back");
}

void LinkFixture::finish()
{
    driver.reset();
    QCoreApplication::sendPostedEvents();
}

void LinkFixture::changeKeyboard(const std::function<void(EmulatedKeyboardState &)> &change)
{
    EmulatedKeyboardState state = keyboard.state();
    change(state);
    keyboard.setState(state);
}

QStringList LinkFixture::logLines() const
{
    QFile file(m_folder.path() + "/logs/20260305.log");
    if (!file.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression record(R"(^\S+ \S+ \| (\[\w+\]) \S+ \[\d+\] (.*)$)");
    QStringList lines;
    for (const QString &line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch match = record.match(line);
        if (match.hasMatch())
            lines.append(match.captured(1) + ' ' + match.captured(2));
        else if (!lines.isEmpty())
            lines.last() += '\n' + line;
    }
    return lines;
}
