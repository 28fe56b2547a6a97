#include "Turns.h"

namespace {

bool hadTurn(const DrawState &state, qint16 number)
{
    for (qint16 i = 0; i < state.history.count.value(); ++i) {
        if (state.history.numbers[i] == number)
            return true;
    }
    return false;
}

} // namespace

TurnStatus turnStatus(const DrawState &state, qint16 number)
{
    if (state.absent.contains(number))
        return TurnStatus::Absent;
    return hadTurn(state, number) ? TurnStatus::HadTurn : TurnStatus::Waiting;
}

bool everyPresentHadTurn(const DrawState &state)
{
    qint64 presentTurns = 0;
    for (qint16 i = 0; i < state.history.count.value(); ++i) {
        if (!state.absent.contains(state.history.numbers[i].value()))
            ++presentTurns;
    }
    return presentTurns >= qint64(state.classSize.value()) - state.absent.size();
}

AbsentToggle toggleAbsent(DrawState &state, qint16 number)
{
    if (state.absent.remove(number))
        return AbsentToggle::MarkedPresent;
    if (state.absent.size() + 1 >= state.classSize.value())
        return AbsentToggle::RefusedLastPresent;
    state.absent.insert(number);
    return AbsentToggle::MarkedAbsent;
}

void startNewRound(DrawState &state, bool pickUnderWay)
{
    const bool keepLast = pickUnderWay && state.history.count > 0;
    const Int16 last = keepLast ? state.history.numbers[state.history.count - 1] : Int16();
    state.history = RoundHistory{};
    if (keepLast) {
        state.history.numbers[0] = last;
        state.history.count = 1;
    }
}
