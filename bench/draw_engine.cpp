// Time per pick of the draw: drawSteps for the count's length, then redrawUntilNew redrawing until
// the number is new, over whole cycles of a 99-student class, with the production source.
//
//   bench_draw_engine [cycles] [rounds]
//
// Each round runs the given number of whole cycles (99 picks each) from an empty history; the
// count then lands where the draw said, as a real pick does. The median round is reported.
// Prints: picks_per_round=N median_ns_per_pick=... redraws_per_pick=... last_pick_ns=...
#include "draw/ClockSeededSource.h"
#include "draw/Draw.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr qint16 classSize = 99;

} // namespace

int main(int argc, char **argv)
{
    const int cycles = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const int picks = cycles * classSize;

    ClockSeededSource source;
    std::vector<double> nsPerPick;
    long long redraws = 0;
    long long lastPickNs = 0;
    qint64 checksum = 0;
    for (int round = 0; round < rounds; ++round) {
        DrawState state{Int16(0), Int16(0), Int32(0), Int16(classSize), Int16(0), {}, {}};
        long long draws = 0;
        const auto getRand = [&] {
            ++draws;
            return drawSteps(state.classSize, source);
        };

        QElapsedTimer clock;
        QElapsedTimer lastPick;
        clock.start();
        for (int pick = 0; pick < picks; ++pick) {
            const bool last = pick % classSize == classSize - 1;
            if (last)
                lastPick.start();
            state.drawnSteps = toInt16(getRand());
            redrawUntilNew(state, getRand);
            // The count stops on the number just recorded.
            state.currentNumber = state.history.numbers[state.history.count.value() - 1].value();
            if (last)
                lastPickNs += lastPick.nsecsElapsed();
        }
        nsPerPick.push_back(double(clock.nsecsElapsed()) / picks);
        redraws += draws - picks;
        checksum += state.currentNumber.value();
    }

    std::sort(nsPerPick.begin(), nsPerPick.end());
    std::printf("picks_per_round=%d rounds=%d median_ns_per_pick=%.0f redraws_per_pick=%.2f "
                "last_pick_ns=%.0f checksum=%lld\n",
                picks, rounds, nsPerPick[nsPerPick.size() / 2], double(redraws) / picks / rounds,
                double(lastPickNs) / cycles / rounds, static_cast<long long>(checksum));
    return 0;
}
