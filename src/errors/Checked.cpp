#include "Checked.h"

#include <cmath>

double roundHalfEven(double value)
{
    // The default floating-point environment rounds to nearest, ties to even.
    return std::nearbyint(value);
}

Int16 toInt16(double value)
{
    const double rounded = roundHalfEven(value);
    if (!std::isfinite(rounded) || rounded < -32768.0 || rounded > 32767.0)
        throw RuntimeError(Failure::Overflow);
    return Int16(static_cast<qint16>(rounded));
}
