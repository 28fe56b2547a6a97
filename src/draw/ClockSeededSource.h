#pragma once

#include "draw/UniformSource.h"

#include <cstdint>

// The production source: a generator whose state takes in the clock at every reseed, so a
// clock that has not moved never makes a draw repeat the previous one.
class ClockSeededSource final : public UniformSource
{
public:
    ClockSeededSource();
    void reseed() override;
    float next() override;

private:
    std::uint64_t m_state;
};
