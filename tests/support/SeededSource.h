#pragma once

#include "draw/UniformSource.h"

#include <QRandomGenerator>

// A reproducible stand-in for the clock-seeded source, for runs too long to script by hand.
class SeededSource final : public UniformSource
{
public:
    explicit SeededSource(quint32 seed = 20261207) : m_random(seed) {}
    void reseed() override {}
    float next() override { return float(m_random.bounded(1 << 24)) * 0x1p-24f; }

private:
    QRandomGenerator m_random;
};
