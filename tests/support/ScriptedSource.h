#pragma once

#include "draw/UniformSource.h"

#include <QList>

// Hands out preset uniform values in order, so tests can assert exact outcomes.
// Running dry is a test fault: it answers 0 and counts the underrun.
class ScriptedSource final : public UniformSource
{
public:
    void push(std::initializer_list<float> values) { m_values.append(values); }
    void reseed() override { ++reseeds; }
    float next() override;
    qsizetype remaining() const { return m_values.size(); }

    int reseeds = 0;
    int draws = 0;
    int underruns = 0;

private:
    QList<float> m_values;
};
