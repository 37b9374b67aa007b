#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

// The thread on which one driver talks to the keyboard: it runs the driver's operations one
// after another, so the GUI thread never waits for the keyboard and two operations of one driver
// never share its connection.
class LinkWorker
{
public:
    LinkWorker();
    // Stops the worker (stop()).
    ~LinkWorker();
    LinkWorker(const LinkWorker &) = delete;
    LinkWorker &operator=(const LinkWorker &) = delete;

    // Queues job behind the operations already queued; returns at once. A stopped worker drops it.
    void run(std::function<void()> job);
    // Waits for the running operation and drops those not yet started. An operation that waits
    // for the GUI thread must not be running when the GUI thread stops its worker. Safe to call
    // again and from several threads at once; called inside the worker's own operation, it
    // returns at once and the worker ends after that operation.
    void stop();
    // Stops every worker of the process, as the program ends.
    static void stopAll();

private:
    void loop();

    std::mutex m_lock;
    std::condition_variable m_wake;
    std::deque<std::function<void()>> m_jobs;
    bool m_stopping = false;
    // One caller at a time waits for the thread to end: std::thread may be joined only once.
    std::mutex m_joinLock;
    std::thread m_thread;
    const std::thread::id m_threadId = m_thread.get_id();
};
