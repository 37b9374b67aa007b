#pragma once

#include <QObject>

#include <atomic>
#include <memory>

class NotificationCenter;

// Tells the user by a local notification that a newer version of the program or of the keyboard
// firmware exists; once the user has clicked one, nothing more is posted in this run.
class UserNotification : public QObject
{
    Q_OBJECT

public:
    // Posts to the given centre; the shared instance posts to the desktop's service.
    explicit UserNotification(std::unique_ptr<NotificationCenter> center,
                              QObject *parent = nullptr);
    ~UserNotification() override;

    static UserNotification &sharedInstance();

    static constexpr const char *identifier = "DARAVivuzaKeymapTool";
    bool isDeliver() const { return m_isDeliver; }

    // Asks the centre for leave to post; only with leave are the user's clicks listened to.
    void registerNotificationCategories();
    // Posts the update notification 0.1 s later, unless the user has clicked one already.
    // May be called from any thread.
    void deliverLocalNotification();

private:
    void userNotificationCenterDidReceive();
    void post();

    std::unique_ptr<NotificationCenter> m_center;
    std::atomic_bool m_isDeliver = true;
};
