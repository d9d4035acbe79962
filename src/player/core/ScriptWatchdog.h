#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

// Raises an interrupt flag when a script has run longer than the limit, so an endless
// loop cannot freeze the menu. One thread for the whole life of the player.
class ScriptWatchdog
{
public:
    using Clock = std::chrono::steady_clock;

    ScriptWatchdog(std::atomic<bool> &flag, std::chrono::milliseconds limit);
    ~ScriptWatchdog();
    ScriptWatchdog(const ScriptWatchdog &) = delete;
    ScriptWatchdog &operator=(const ScriptWatchdog &) = delete;

    void setLimit(std::chrono::milliseconds limit);
    std::chrono::milliseconds limit() const;
    // Starts the count from now; clears an earlier firing.
    void arm();
    // Stops the count, for instance while a dialog waits for the user.
    void disarm();
    bool fired() const { return m_fired.load(); }

private:
    void watch();

    std::atomic<bool> &m_flag;
    std::atomic<bool> m_fired{false};
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::chrono::milliseconds m_limit;
    std::optional<Clock::time_point> m_deadline;
    bool m_stopping = false;
    std::thread m_thread;
};
