#include "linkfixture.h"

#include "constants.h"
#include "localtime.h"
#include "resourceloader.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

namespace {

const QStringList layerKeys{"Normal", "WithFn1", "WithFn2", "WithFn3"};

QJsonObject catalogueEntry(const QString &typeNumber, const QString &postfix)
{
    return {{"typeNumber", typeNumber},
            {"layoutType", 1},
            {"colorType", 0},
            {"series", 0},
            {"layoutTypeName", 1},
            {"postfix", postfix},
            {"isKeymapChangeable", true},
            {"firmTypeNumber", "F300"},
            {"firmDataSize", 1024}};
}

QJsonObject keymapJson(qint32 marker)
{
    QJsonObject keymap;
    for (int profile = 0; profile < 4; ++profile) {
        QJsonObject layers;
        for (int layer = 0; layer < 4; ++layer) {
            QJsonArray codes;
            for (int key = 0; key < 120; ++key)
                codes.append(marker + LinkFixture::usageId(profile, layer, key));
            layers.insert(layerKeys[layer], codes);
        }
        keymap.insert(QStringLiteral("Profile%1").arg(profile + 1), layers);
    }
    return keymap;
}

void writeJson(const QString &path, const QJsonObject &object)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(object).toJson()) < 0)
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace

LinkFixture::LinkFixture(bool withFactoryKeymaps)
{
    const QString root = m_folder.path() + '/';
    writeJson(root + "KeyboardDatalist.json", {{"KX-QR320B", catalogueEntry("KX-QR320B", "B20")},
                                               {"KX-QR300B", catalogueEntry("KX-QR300B", "B00")}});
    if (withFactoryKeymaps)
        writeJson(root + "English00.json", keymapJson(factoryMarker));
    ResourceLoader::sharedInstance().setResourceRootForTesting(root);
    Constants::setLogDirectoryForTesting(root + "logs/");
    LocalTime::setSourceForTesting([] { return QDateTime(QDate(2026, 3, 5), QTime(9, 0)); });
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

EmulatedKeyboardState LinkFixture::keyboardState()
{
    EmulatedKeyboardState state;
    state.setProfiles(*profiles(0));
    return state;
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
    // Woken by the callback's own event rather than by polling, so a table of thousands of
    // rows runs quickly.
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
