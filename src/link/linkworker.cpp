#include "linkworker.h"

#include <algorithm>
#include <vector>

namespace {

// Every worker alive in the process. Made once and never destroyed: exit() may stop the workers,
// and a worker may be destroyed, while the process's static objects are going.
struct Registry
{
    std::mutex lock;
    std::vector<LinkWorker *> workers;
};

Registry &registry()
{
    static Registry *const instance = new Registry;
    return *instance;
}

} // namespace

LinkWorker::LinkWorker()
    : m_thread([this] { loop(); })
{
    Registry &workers = registry();
    std::lock_guard locker(workers.lock);
    workers.workers.push_back(this);
}

LinkWorker::~LinkWorker()
{
    {
        // Waits for stopAll() to be done with this worker.
        Registry &workers = registry();
        std::lock_guard locker(workers.lock);
        workers.workers.erase(std::find(workers.workers.begin(), workers.workers.end(), this));
    }
    stop();
}

void LinkWorker::stop()
{
    {
        std::lock_guard locker(m_lock);
        m_stopping = true;
    }
    m_wake.notify_one();
    // A thread cannot wait for its own end.
    if (std::this_thread::get_id() == m_threadId)
        return;
    std::lock_guard locker(m_joinLock);
    if (m_thread.joinable())
        m_thread.join();
}

void LinkWorker::stopAll()
{
    Registry &workers = registry();
    std::lock_guard locker(workers.lock);
    for (LinkWorker *worker : workers.workers)
        worker->stop();
}

void LinkWorker::run(std::function<void()> job)
{
    {
        std::lock_guard locker(m_lock);
        if (m_stopping)
            return;
        m_jobs.push_back(std::move(job));
    }
    m_wake.notify_one();
}

void LinkWorker::loop()
{
    for (;;) {
        std::function<void()> job;
        {
            std::unique_lock locker(m_lock);
            m_wake.wait(locker, [this] { return m_stopping || !m_jobs.empty(); });
            if (m_stopping)
                return;
            job = std::move(m_jobs.front());
            m_jobs.pop_front();
        }
        job();
    }
}
