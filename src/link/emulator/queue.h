#pragma once

#include <QList>
#include <QMutex>
#include <QMutexLocker>

#include <optional>

// A first-in-first-out list of received reports. One side fills it while another empties it,
// so both ends take its lock.
template<typename T>
class Queue
{
public:
    void enqueue(T element)
    {
        QMutexLocker locker(&m_lock);
        m_array.append(std::move(element));
    }

    // Removes and answers the oldest element; nothing when the queue is empty.
    std::optional<T> dequeue()
    {
        QMutexLocker locker(&m_lock);
        if (m_array.isEmpty())
            return std::nullopt;
        return m_array.takeFirst();
    }

    // The oldest element, left in place; nothing when the queue is empty.
    std::optional<T> front() const
    {
        QMutexLocker locker(&m_lock);
        if (m_array.isEmpty())
            return std::nullopt;
        return m_array.first();
    }

private:
    mutable QMutex m_lock;
    QList<T> m_array;
};
