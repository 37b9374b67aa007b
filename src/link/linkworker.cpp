#include "linkworker.h"

LinkWorker::LinkWorker()
    : m_thread([this] { loop(); })
{}

LinkWorker::~LinkWorker()
{
    stop();
}

void LinkWorker::stop()
{
    {
        std::lock_guard locker(m_lock);
        m_stopping = true;
    }
    m_wake.notify_one();
    if (m_thread.joinable())
        m_thread.join();
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
