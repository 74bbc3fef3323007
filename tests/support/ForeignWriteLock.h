#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

// Another program's write lock on a database file, as a backup or a database
// browser takes it (BEGIN IMMEDIATE: others may read, nobody else may
// write), held on a connection and a thread of its own from construction
// until release(). So that a test never hangs on it, it lets go by itself
// after the time limit; released() says whether it has let go, and it has
// said so before any other connection can write.
class ForeignWriteLock {
public:
    explicit ForeignWriteLock(const QString& file, std::chrono::seconds limit = std::chrono::seconds(10))
        : m_thread([this, file, limit] { hold(file, limit); })
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_ready; });
    }
    ~ForeignWriteLock() { release(); }
    ForeignWriteLock(const ForeignWriteLock&) = delete;
    ForeignWriteLock& operator=(const ForeignWriteLock&) = delete;

    bool locked() const { return m_locked; }
    bool released()
    {
        const std::lock_guard lock(m_mutex);
        return m_released;
    }
    // Lets go, and returns once the lock is gone.
    void release()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_changed.notify_all();
        if (m_thread.joinable())
            m_thread.join();
    }

private:
    void hold(const QString& file, std::chrono::seconds limit)
    {
        const QString name = QStringLiteral("foreign-write-lock-%1").arg(quintptr(this));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(file);
            const bool locked = db.open() && QSqlQuery(db).exec(QStringLiteral("BEGIN IMMEDIATE"));
            std::unique_lock lock(m_mutex);
            m_locked = locked;
            m_ready = true;
            m_changed.notify_all();
            if (locked) {
                m_changed.wait_for(lock, limit, [this] { return m_stop; });
                m_released = true;
                lock.unlock();
                QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }

    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_ready = false;
    bool m_locked = false;
    bool m_stop = false;
    bool m_released = false;
    std::thread m_thread; // last: it starts once the rest is made
};
