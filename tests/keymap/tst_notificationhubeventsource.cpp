#include "editmenuevent.h"
#include "generalevent.h"
#include "notificationhub.h"
#include "notificationhubeventsource.h"

#include <QTest>

Q_DECLARE_METATYPE(KeymapPageEvent)

// The application's commands that reach the keymap page through the notification hub.
class tst_NotificationHubEventSource : public QObject
{
    Q_OBJECT

private slots:
    void deliversWhileSubscribed_data();
    void deliversWhileSubscribed();
};

void tst_NotificationHubEventSource::deliversWhileSubscribed_data()
{
    QTest::addColumn<QString>("name");
    // The page's event, or none for a command the page does not handle.
    QTest::addColumn<std::optional<KeymapPageEvent>>("event");

    using E = KeymapPageEvent;
    QTest::newRow("undo") << QString(EditMenuEvent::clickUndoMenuEvent)
                          << std::optional(E::clickUndoMenuEvent);
    QTest::newRow("open") << QString(EditMenuEvent::clickOpenConfigFileMenuEvent)
                          << std::optional(E::clickOpenConfigFileMenuEvent);
    QTest::newRow("save all") << QString(EditMenuEvent::clickSaveAllConfigFileMenuEvent)
                              << std::optional(E::clickSaveAllConfigFileMenuEvent);
    QTest::newRow("save current") << QString(EditMenuEvent::clickSaveCurrentConfigFileMenuEvent)
                                  << std::optional(E::clickSaveCurrentConfigFileMenuEvent);
    QTest::newRow("roll back") << QString(EditMenuEvent::clickRollbackMenuEvent)
                               << std::optional(E::clickRollbackMenuEvent);
    QTest::newRow("current profile to factory")
        << QString(EditMenuEvent::clickedCurrentProfileToFactoryMenuEvent)
        << std::optional(E::clickedCurrentProfileToFactoryMenuEvent);
    QTest::newRow("all profiles to factory")
        << QString(EditMenuEvent::clickedAllProfilesToFactoryMenuEvent)
        << std::optional(E::clickedAllProfilesToFactoryMenuEvent);
    QTest::newRow("compare window closed") << QString(GeneralEvent::clickCloseCompareWindowEvent)
                                           << std::optional(E::clickCloseCompareWindowEvent);
    QTest::newRow("check for updates")
        << QString(EditMenuEvent::clickCheckUpdatesMenuEvent) << std::optional<E>();
    QTest::newRow("close") << QString(EditMenuEvent::clickCloseMenuEvent) << std::optional<E>();
}

void tst_NotificationHubEventSource::deliversWhileSubscribed()
{
    QFETCH(QString, name);
    QFETCH(std::optional<KeymapPageEvent>, event);
    NotificationHub &hub = NotificationHub::sharedInstance();
    NotificationHubEventSource source;
    QList<KeymapPageEvent> received;
    const KeymapEventSource::Receiver receiver = [&received](KeymapPageEvent got) {
        received << got;
    };

    source.subscribe(receiver);
    QVERIFY(hub.post(name));
    source.unsubscribe();
    QVERIFY(hub.post(name));
    source.subscribe(receiver);
    QVERIFY(hub.post(name));

    const QList<KeymapPageEvent> once = event ? QList{*event} : QList<KeymapPageEvent>();
    QCOMPARE(received, once + once);
}

QTEST_MAIN(tst_NotificationHubEventSource)
#include "tst_notificationhubeventsource.moc"
