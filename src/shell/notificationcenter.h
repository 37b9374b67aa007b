#pragma once

#include <QObject>
#include <QString>

#include <functional>

// Where local notifications go: the desktop's notification service, or a fake in tests.
class NotificationCenter : public QObject
{
    Q_OBJECT

public:
    // One notification; a later one with the same identifier replaces it.
    struct Request
    {
        QString identifier;
        QString title;
        QString subtitle;
        QString body;
        bool playsSound = true;
    };

    using QObject::QObject;

    // Answers later whether notifications may be posted, with the reason when they may not.
    virtual void
    requestAuthorization(std::function<void(bool granted, const QString &error)> completion) = 0;
    // Posts a notification; failures are dropped.
    virtual void add(const Request &request) = 0;

signals:
    // The user clicked the notification with this identifier.
    void didReceiveResponse(const QString &identifier);
};
