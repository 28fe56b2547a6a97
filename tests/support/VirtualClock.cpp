#include "VirtualClock.h"

#include <algorithm>

void VirtualClock::connect(TimerId timer, std::function<void()> onTick)
{
    m_slots[index(timer)].onTick = std::move(onTick);
}

void VirtualClock::setEnabled(TimerId timer, bool enabled)
{
    Slot &slot = m_slots[index(timer)];
    slot.enabled = enabled;
    if (enabled) {
        slot.dueMs = m_now + timerIntervalMs(timer);
        slot.armedAt = ++m_armCount;
    }
}

bool VirtualClock::isEnabled(TimerId timer) const
{
    return m_slots[index(timer)].enabled;
}

bool VirtualClock::anyEnabled() const
{
    return std::any_of(m_slots.begin(), m_slots.end(), [](const Slot &s) { return s.enabled; });
}

bool VirtualClock::step()
{
    Slot *next = nullptr;
    TimerId nextId{};
    for (TimerId id : allTimers) {
        Slot &slot = m_slots[index(id)];
        if (!slot.enabled)
            continue;
        if (!next || slot.dueMs < next->dueMs
            || (slot.dueMs == next->dueMs && slot.armedAt < next->armedAt)) {
            next = &slot;
            nextId = id;
        }
    }
    if (!next)
        return false;
    m_now = next->dueMs;
    // Re-arm before the tick, so that a tick that disables its own timer wins.
    next->dueMs = m_now + timerIntervalMs(nextId);
    next->armedAt = ++m_armCount;
    m_log.push_back({m_now, nextId});
    if (next->onTick)
        next->onTick();
    return true;
}

int VirtualClock::runUntilIdle(int maxTicks)
{
    return runUntil([] { return false; }, maxTicks);
}

int VirtualClock::runUntil(const std::function<bool()> &done, int maxTicks)
{
    int fired = 0;
    while (fired < maxTicks && !done() && step())
        ++fired;
    return fired;
}

int VirtualClock::ticksOf(TimerId timer) const
{
    return int(std::count_if(m_log.begin(), m_log.end(),
                             [timer](const Tick &t) { return t.timer == timer; }));
}
