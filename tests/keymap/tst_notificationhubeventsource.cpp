#include "editmenuevent.h"
#include "generalevent.h"
#include "notificationhub.h"
#include "notificationhubeventsource.h"

#include <QTest>

Q_DECLARE_METATYPE(KeymapPageEvent)

// The application's commands that reach the keymap page through the notification hub: each of
// its commands once while subscribed, none of the others.
class tst_NotificationHubEventSource : public QObject
{
    Q_OBJECT

private slots:
    void deliversWhileSubscribed_data()
    {
        QTest::addColumn<QString>("name");
        // The page's event, or none for a command the page does not handle.
        QTest::addColumn<std::optional<KeymapPageEvent>>("event");
        const auto row = [](QLatin1StringView name, std::optional<KeymapPageEvent> event) {
            QTest::newRow(name.data()) << QString(name) << event;
        };

        using E = KeymapPageEvent;
        row(EditMenuEvent::clickUndoMenuEvent, E::clickUndoMenuEvent);
        row(EditMenuEvent::clickOpenConfigFileMenuEvent, E::clickOpenConfigFileMenuEvent);
        row(EditMenuEvent::clickSaveAllConfigFileMenuEvent, E::clickSaveAllConfigFileMenuEvent);
        row(EditMenuEvent::clickSaveCurrentConfigFileMenuEvent,
            E::clickSaveCurrentConfigFileMenuEvent);
        row(EditMenuEvent::clickRollbackMenuEvent, E::clickRollbackMenuEvent);
        row(EditMenuEvent::clickedCurrentProfileToFactoryMenuEvent,
            E::clickedCurrentProfileToFactoryMenuEvent);
        row(EditMenuEvent::clickedAllProfilesToFactoryMenuEvent,
            E::clickedAllProfilesToFactoryMenuEvent);
        row(GeneralEvent::clickCloseCompareWindowEvent, E::clickCloseCompareWindowEvent);
        row(EditMenuEvent::clickCloseMenuEvent, std::nullopt);
    }

    void deliversWhileSubscribed()
    {
        QFETCH(QString, name);
        QFETCH(std::optional<KeymapPageEvent>, event);
        NotificationHub &hub = NotificationHub::sharedInstance();
        NotificationHubEventSource source;
        QList<KeymapPageEvent> received;
        const auto receiver = [&received](KeymapPageEvent got) { received << got; };

        source.subscribe(receiver);
        QVERIFY(hub.post(name));
        source.unsubscribe();
        QVERIFY(hub.post(name));
        source.subscribe(receiver);
        QVERIFY(hub.post(name));

        const QList<KeymapPageEvent> once = event ? QList{*event} : QList<KeymapPageEvent>();
        QCOMPARE(received, once + once);
    }
};

QTEST_MAIN(tst_NotificationHubEventSource)
#include "tst_notificationhubeventsource.moc"
