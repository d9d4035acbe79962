#include "player/core/ScriptWatchdog.h"

ScriptWatchdog::ScriptWatchdog(std::atomic<bool> &flag, std::chrono::milliseconds limit)
    : m_flag(flag), m_limit(limit), m_thread([this] { watch(); })
{
}

ScriptWatchdog::~ScriptWatchdog()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void ScriptWatchdog::setLimit(std::chrono::milliseconds limit)
{
    std::lock_guard lock(m_mutex);
    m_limit = limit;
}

std::chrono::milliseconds ScriptWatchdog::limit() const
{
    std::lock_guard lock(m_mutex);
    return m_limit;
}

void ScriptWatchdog::arm()
{
    {
        std::lock_guard lock(m_mutex);
        m_fired = false;
        m_deadline = Clock::now() + m_limit;
    }
    m_changed.notify_all();
}

void ScriptWatchdog::disarm()
{
    {
        std::lock_guard lock(m_mutex);
        m_deadline.reset();
    }
    m_changed.notify_all();
}

void ScriptWatchdog::watch()
{
    std::unique_lock lock(m_mutex);
    while (!m_stopping) {
        if (!m_deadline) {
            m_changed.wait(lock);
        } else if (Clock::now() >= *m_deadline) {
            m_deadline.reset();
            m_fired = true;
            m_flag = true;
        } else {
            m_changed.wait_until(lock, *m_deadline);
        }
    }
}
