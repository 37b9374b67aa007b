#include "linkfixture.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QRegularExpression>

namespace {

using Outcome = LinkFixture::Outcome;

// Notes what a callback is given in the field of its type.
template<typename Value>
void note(Outcome &outcome, const Value &value)
{
    if constexpr (std::is_same_v<Value, WriteToTAVOResult>)
        outcome.result = value;
    else if constexpr (std::is_same_v<Value, QString>)
        outcome.message = value;
    else if constexpr (std::is_same_v<Value, bool>)
        outcome.rescued = value;
    else
        outcome.keyboard = value;
}

// A callback that counts one result and notes what it is given.
auto result(const LinkFixture::OutcomePointer &outcome, bool success)
{
    return [outcome, success](const auto &...values) {
        outcome->lateReports += outcome->successes + outcome->errors;
        ++(success ? outcome->successes : outcome->errors);
        (note(*outcome, values), ...);
    };
}

// A callback that adds each figure to figures.
auto figures(const LinkFixture::OutcomePointer &outcome, QList<int> Outcome::*figures)
{
    return [outcome, figures](int figure) {
        outcome->lateReports += outcome->successes + outcome->errors;
        ((*outcome).*figures).append(figure);
    };
}

} // namespace

LinkFixture::LinkFixture()
{
    resources.writeJson("KeyboardDatalist.json", ResourceFixture::catalogue(),
                        R"(KX-QR320B.postfix="B20";KX-QR300B.postfix="B00")");
    changeKeyboard([](EmulatedKeyboardState &state) { state.setProfiles(*profiles(0)); });
    keyboardData->typeNumber = keyboard.state().typeNumber;
}

std::shared_ptr<ProfileListDataEntity> LinkFixture::profiles(qint32 marker)
{
    auto list = std::make_shared<ProfileListDataEntity>();
    for (int profile = 0; profile < 4; ++profile)
        for (int layer = 0; layer < 4; ++layer)
            for (int key = 0; key < 120; ++key)
                list->profile(profile).layer(FnMode(layer))[key] =
                    ResourceFixture::factoryUsageId(marker, profile, layer, key);
    return list;
}

LinkFixture::OutcomePointer LinkFixture::start()
{
    driver = std::make_unique<TAVODriver>(backend, clock);
    auto outcome = std::make_shared<Outcome>();
    outcome->startedAt = clock.now();
    return outcome;
}

LinkFixture::OutcomePointer LinkFixture::read(ReadSequence sequence)
{
    const OutcomePointer outcome = start();
    (driver.get()->*sequence)(result(outcome, true), result(outcome, false));
    return finish(outcome);
}

LinkFixture::OutcomePointer
LinkFixture::write(const std::shared_ptr<ProfileListDataEntity> &profilesData, bool isInitProfiles,
                   bool waiting)
{
    const OutcomePointer outcome = start();
    driver->writeAllKeymaps(profilesData, keyboardData, 2, isInitProfiles, result(outcome, true),
                            result(outcome, false));
    return waiting ? finish(outcome) : outcome;
}

LinkFixture::OutcomePointer LinkFixture::firmup(const FirmDataEntity &firmData, bool waiting)
{
    const OutcomePointer outcome = start();
    driver->Firmup(keyboardData, firmData, result(outcome, true),
                   figures(outcome, &Outcome::progress), figures(outcome, &Outcome::btProgress),
                   result(outcome, false));
    return waiting ? finish(outcome) : outcome;
}

LinkFixture::OutcomePointer LinkFixture::bootVersion()
{
    const OutcomePointer outcome = start();
    KeyboardConnections &connections = driver->connections();
    const auto onError = result(outcome, false);
    connections.open(
        KeyboardConnections::Kind::bootIdentification, keyboard.state().productId,
        [&] {
            if (const std::optional<QString> version =
                    connections.firmwareCommands().commandGetBootFirmVersion())
                result(outcome, true)(*version);
            else
                onError(QString());
        },
        onError);
    return finish(outcome);
}

LinkFixture::OutcomePointer LinkFixture::finish(const OutcomePointer &outcome)
{
    // Woken by the callback's own event rather than by polling, so that tables of thousands of
    // operations run quickly.
    const QDeadlineTimer deadline(20000);
    while (outcome->successes + outcome->errors == 0 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    if (outcome->successes + outcome->errors == 0)
        qWarning("The driver never called back.");
    outcome->elapsed = clock.now() - outcome->startedAt;
    driver.reset();
    QCoreApplication::sendPostedEvents();
    return outcome;
}

void LinkFixture::changeKeyboard(const std::function<void(EmulatedKeyboardState &)> &change)
{
    EmulatedKeyboardState state = keyboard.state();
    change(state);
    keyboard.setState(state);
}

int LinkFixture::shownUsagePage()
{
    // The keyboard's own interface, when it shows one, is last.
    const QList<HidDeviceInfo> interfaces = keyboard.interfaces();
    return interfaces.isEmpty() ? 0 : interfaces.last().usagePage;
}

QStringList LinkFixture::logLines() const
{
    static const QRegularExpression record(R"(^\S+ \S+ \| (\[\w+\]) \S+ \[\d+\] (.*)$)");
    QStringList lines;
    for (const QString &line : resources.logText().split('\n', Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch match = record.match(line);
        if (match.hasMatch())
            lines.append(match.captured(1) + ' ' + match.captured(2));
        else if (!lines.isEmpty())
            lines.last() += '\n' + line;
    }
    return lines;
}
