#pragma once

#include "pick/View.h"

#include <QtGlobal>

#include <array>
#include <functional>
#include <vector>

// Time that only moves when a test asks: jumps to the next due timer, fires it, re-arms it.
// Timers due at the same moment fire in the order they were armed, as Qt's do.
class VirtualClock
{
public:
    struct Tick
    {
        qint64 atMs;
        TimerId timer;
    };

    void connect(TimerId timer, std::function<void()> onTick);
    void setEnabled(TimerId timer, bool enabled);
    bool isEnabled(TimerId timer) const;
    bool anyEnabled() const;
    qint64 nowMs() const { return m_now; }

    // Fires the next due timer; false when none is enabled.
    bool step();
    // Fires timers until none is enabled or maxTicks have fired; returns how many fired.
    int runUntilIdle(int maxTicks = 1'000'000);
    // Fires timers until the condition holds or none is enabled.
    int runUntil(const std::function<bool()> &done, int maxTicks = 1'000'000);

    const std::vector<Tick> &log() const { return m_log; }
    int ticksOf(TimerId timer) const;
    void clearLog() { m_log.clear(); }

private:
    struct Slot
    {
        std::function<void()> onTick;
        bool enabled = false;
        qint64 dueMs = 0;
        quint64 armedAt = 0;
    };
    static std::size_t index(TimerId timer) { return static_cast<std::size_t>(timer); }

    std::array<Slot, 3> m_slots;
    qint64 m_now = 0;
    quint64 m_armCount = 0;
    std::vector<Tick> m_log;
};
