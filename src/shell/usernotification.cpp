#include "usernotification.h"

#include "freedesktopnotificationcenter.h"
#include "localizedstrings.h"
#include "logger.h"

#include <QCoreApplication>
#include <QTimer>

UserNotification::UserNotification(std::unique_ptr<NotificationCenter> center, QObject *parent)
    : QObject(parent)
    , m_center(std::move(center))
{}

UserNotification::~UserNotification() = default;

UserNotification &UserNotification::sharedInstance()
{
    // Made on first use and owned by the application, so that its bus connection goes before
    // the application does.
    static auto *notification =
        new UserNotification(std::make_unique<FreedesktopNotificationCenter>(), qApp);
    return *notification;
}

void UserNotification::registerNotificationCategories()
{
    m_center->requestAuthorization([this](bool granted, const QString &error) {
        if (granted) {
            connect(m_center.get(), &NotificationCenter::didReceiveResponse, this,
                    &UserNotification::userNotificationCenterDidReceive, Qt::UniqueConnection);
        } else if (!error.isEmpty()) {
            Logger::sharedInstance().info(__FILE__, "registerNotificationCategories()", __LINE__,
                                          error);
        }
    });
}

void UserNotification::deliverLocalNotification()
{
    if (!m_isDeliver)
        return;
    // The request goes out 0.1 s after the call, on the thread this object lives on.
    QMetaObject::invokeMethod(this,
                              [this] { QTimer::singleShot(100, this, &UserNotification::post); });
}

void UserNotification::userNotificationCenterDidReceive()
{
    m_isDeliver = false;
}

void UserNotification::post()
{
    NotificationCenter::Request request;
    request.identifier = QLatin1String(identifier);
    request.subtitle = LocalizedStrings::text(QStringLiteral("NotificationSubtitle"));
    request.body = LocalizedStrings::text(QStringLiteral("NotificationBody"));
    m_center->add(request);
}
