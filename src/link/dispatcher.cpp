#include "dispatcher.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>

#include <condition_variable>
#include <memory>
#include <mutex>

#if defined(__SANITIZE_THREAD__)
#define KEYMAP_THREAD_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define KEYMAP_THREAD_SANITIZER 1
#endif
#endif

#ifdef KEYMAP_THREAD_SANITIZER
#include <sanitizer/tsan_interface.h>
#endif

namespace {

// Qt carries an event from thread to thread inside its own library, where ThreadSanitizer does
// not see it: these tell it that whatever the worker did before posting the event happened before
// the GUI thread takes it.
void handOver([[maybe_unused]] const QEvent *event)
{
#ifdef KEYMAP_THREAD_SANITIZER
    __tsan_release(const_cast<QEvent *>(event));
#endif
}

void takeOver([[maybe_unused]] const QEvent *event)
{
#ifdef KEYMAP_THREAD_SANITIZER
    __tsan_acquire(const_cast<QEvent *>(event));
#endif
}

// Lets a worker wait until its work has run on the GUI thread, or has been dropped unrun when the
// application ended first.
class Handover
{
public:
    void finish()
    {
        std::lock_guard locker(m_lock);
        m_finished = true;
        m_wake.notify_one();
    }

    void wait()
    {
        std::unique_lock locker(m_lock);
        m_wake.wait(locker, [this] { return m_finished; });
    }

private:
    std::mutex m_lock;
    std::condition_variable m_wake;
    bool m_finished = false;
};

// One piece of work on its way to the GUI thread.
class WorkEvent final : public QEvent
{
public:
    static Type type()
    {
        static const Type registered = Type(registerEventType());
        return registered;
    }

    WorkEvent(std::function<void()> work, std::shared_ptr<Handover> handover)
        : QEvent(type())
        , m_work(std::move(work))
        , m_handover(std::move(handover))
    {}
    ~WorkEvent() override
    {
        takeOver(this);
        if (m_handover)
            m_handover->finish();
    }

    void run() const { m_work(); }

private:
    std::function<void()> m_work;
    std::shared_ptr<Handover> m_handover;
};

// Runs the work that reaches the GUI thread.
class WorkReceiver final : public QObject
{
public:
    bool event(QEvent *event) override
    {
        takeOver(event);
        if (event->type() != WorkEvent::type())
            return QObject::event(event);
        static_cast<const WorkEvent *>(event)->run();
        return true;
    }
};

// Orders posting against closing: work is either posted before the close takes it away, or
// dropped. Guards isClosed and workReceiver.
std::mutex gate;
bool isClosed = false;
// Made by the first post; lives on the GUI thread for as long as the process.
WorkReceiver *workReceiver = nullptr;

QObject &receiver()
{
    if (!workReceiver) {
        workReceiver = new WorkReceiver;
        workReceiver->moveToThread(QCoreApplication::instance()->thread());
    }
    return *workReceiver;
}

void postEvent(std::function<void()> work, std::shared_ptr<Handover> handover)
{
    auto event = std::make_unique<WorkEvent>(std::move(work), std::move(handover));
    std::lock_guard locker(gate);
    if (isClosed)
        return; // Dropping the event lets a worker waiting for it go on.
    handOver(event.get());
    QCoreApplication::postEvent(&receiver(), event.release());
}

} // namespace

void Dispatcher::post(std::function<void()> work)
{
    postEvent(std::move(work), nullptr);
}

void Dispatcher::postAndWait(std::function<void()> work)
{
    if (isGuiThread()) {
        work();
        return;
    }
    const auto handover = std::make_shared<Handover>();
    postEvent(std::move(work), handover);
    handover->wait();
}

void Dispatcher::close()
{
    QObject *posted = nullptr;
    {
        std::lock_guard locker(gate);
        isClosed = true;
        posted = workReceiver;
    }
    // Deleting the events posted before lets the workers waiting for them go on. Nothing was
    // posted without a receiver, and an application deletes the events left in its queue as it
    // goes.
    if (posted && QCoreApplication::instance())
        QCoreApplication::removePostedEvents(posted, WorkEvent::type());
}

void Dispatcher::reopenForTesting()
{
    std::lock_guard locker(gate);
    isClosed = false;
}

bool Dispatcher::isGuiThread()
{
    const QCoreApplication *application = QCoreApplication::instance();
    return application && QThread::currentThread() == application->thread();
}
