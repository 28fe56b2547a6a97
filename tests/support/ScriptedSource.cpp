#include "ScriptedSource.h"

float ScriptedSource::next()
{
    ++draws;
    if (m_values.isEmpty()) {
        ++underruns;
        return 0.0f;
    }
    return m_values.takeFirst();
}
