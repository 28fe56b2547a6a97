#include "Draw.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Spread factors by index 1..11: the count runs about a quarter of the class plus a
// random share of a spread that is itself drawn from these sizes.
constexpr std::array<double, 11> spreadFactors{1.1, 0.9, 1.2, 0.8, 1.3, 0.7,
                                               1.4, 0.6, 1.5, 0.5, 1.0};

} // namespace

double GetRand(Int16 MaxClassNo, UniformSource &source)
{
    source.reseed();
    const float u1 = source.next();
    const float scaled = u1 * 11.0f;
    // A source outside [0, 1) is a broken source; keep the index in the table regardless.
    const int k = std::clamp(static_cast<int>(std::floor(scaled)) + 1, 1, 11);
    const double factor = spreadFactors[static_cast<std::size_t>(k - 1)];

    source.reseed();
    const float u2 = source.next();

    const double spread = roundHalfEven(MaxClassNo.value() * factor);
    const double base = roundHalfEven(MaxClassNo.value() * 0.25);
    return std::floor(spread * u2) + base;
}

void CheckRepeat(DrawState &state, const std::function<double()> &getRand)
{
    // A loop with the same sequence of draws as redrawing by recursion.
    for (;;) {
        Int16 landing = Int16::from(qint64(state.RandSteps.value()) + state.CurNo.value() + 1);
        while (landing > state.MaxClassNo)
            landing -= state.MaxClassNo.value();

        const bool full = state.PickedCount > state.MaxClassNo.value() - 1
            || state.PickedCount > 98;
        bool repeat = false;
        const Int16 last = state.PickedCount;
        for (state.StepCount = 0; state.StepCount <= last; state.StepCount += 1) {
            if (full)
                state.PickedNo[state.StepCount] = 0;
            if (landing == state.PickedNo[state.StepCount]) {
                repeat = true;
                break;
            }
        }
        if (full)
            state.PickedCount = 0;

        if (!repeat) {
            state.PickedNo[state.PickedCount] = landing;
            state.PickedCount += 1;
            return;
        }
        state.RandSteps = toInt16(getRand());
    }
}
