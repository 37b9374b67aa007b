#pragma once

#include "notificationcenter.h"

// A notification centre that answers the request for leave as told and keeps what is posted.
class FakeNotificationCenter final : public NotificationCenter
{
public:
    bool granted = true;
    QString error;
    QList<Request> requests;

    void requestAuthorization(std::function<void(bool, const QString &)> completion) override
    {
        completion(granted, error);
    }
    void add(const Request &request) override { requests << request; }
    // The user clicks the notification of identifier.
    void respond(const QString &identifier) { emit didReceiveResponse(identifier); }
};
