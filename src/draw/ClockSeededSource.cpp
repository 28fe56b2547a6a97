#include "ClockSeededSource.h"

#include <chrono>

namespace {

// SplitMix64: a small generator whose every output is well mixed, so folding the clock into
// the state gives a fresh sequence without ever stepping back to an earlier one.
std::uint64_t splitMix(std::uint64_t &state)
{
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint64_t clockReading()
{
    return static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

} // namespace

ClockSeededSource::ClockSeededSource() : m_state(clockReading()) {}

void ClockSeededSource::reseed()
{
    // Mixed in, never replacing the state: an unchanged clock still moves the sequence on.
    const std::uint64_t mixed = splitMix(m_state);
    m_state = mixed ^ clockReading();
}

float ClockSeededSource::next()
{
    // The top 24 bits make every float in [0, 1) on a 2^-24 grid equally likely.
    return static_cast<float>(splitMix(m_state) >> 40) * 0x1p-24f;
}
