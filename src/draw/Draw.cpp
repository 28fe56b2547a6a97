#include "Draw.h"

#include "Turns.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Spread factors by index 1..11: the count runs about a quarter of the class plus a
// random share of a spread that is itself drawn from these sizes.
constexpr std::array<double, 11> spreadFactors{1.1, 0.9, 1.2, 0.8, 1.3, 0.7,
                                               1.4, 0.6, 1.5, 0.5, 1.0};

} // namespace

double drawSteps(Int16 classSize, UniformSource &source)
{
    source.reseed();
    const float u1 = source.next();
    const float scaled = u1 * 11.0f;
    // A source outside [0, 1) is a broken source; keep the index in the table regardless.
    const int k = std::clamp(static_cast<int>(std::floor(scaled)) + 1, 1, 11);
    const double factor = spreadFactors[static_cast<std::size_t>(k - 1)];

    source.reseed();
    const float u2 = source.next();

    const double spread = roundHalfEven(classSize.value() * factor);
    const double base = roundHalfEven(classSize.value() * 0.25);
    return std::floor(spread * u2) + base;
}

void redrawUntilNew(DrawState &state, const std::function<double()> &getRand)
{
    // A loop with the same sequence of draws as redrawing by recursion.
    for (;;) {
        Int16 landing = Int16::from(qint64(state.drawnSteps.value()) + state.currentNumber.value()
                                    + 1);
        while (landing > state.classSize)
            landing -= state.classSize.value();

        const bool full = state.history.count > state.classSize.value() - 1
            || state.history.count > 98 || (!state.absent.isEmpty() && everyPresentHadTurn(state));
        bool repeat = false;
        const Int16 last = state.history.count;
        for (state.stepCount = 0; state.stepCount <= last; state.stepCount += 1) {
            if (full)
                state.history.numbers[state.stepCount] = 0;
            if (landing == state.history.numbers[state.stepCount]) {
                repeat = true;
                break;
            }
        }
        if (full)
            state.history.count = 0;
        // An absent student is drawn over like a repeat but not recorded: they keep their turn.
        if (!repeat && state.absent.contains(landing.value()))
            repeat = true;

        if (!repeat) {
            state.history.numbers[state.history.count] = landing;
            state.history.count += 1;
            return;
        }
        state.drawnSteps = toInt16(getRand());
    }
}
