#pragma once

// Uniform random values in [0, 1), re-seeded from the clock before each draw.
class UniformSource
{
public:
    virtual ~UniformSource() = default;
    virtual void reseed() = 0;
    virtual float next() = 0;
};
