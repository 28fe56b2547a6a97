#pragma once

#include "draw/DrawState.h"

// Where a number of the class stands in this round.
enum class TurnStatus { HadTurn, Waiting, Absent };

TurnStatus turnStatus(const DrawState &state, qint16 number);

// True when no student present today is still waiting; the round then starts over. Students
// marked absent after their turn do not count.
bool everyPresentHadTurn(const DrawState &state);

enum class AbsentToggle { MarkedAbsent, MarkedPresent, RefusedLastPresent };

// Marks number absent, or present again if it was. The last student present stays present, so
// a random pick always has someone to land on. number must be in the class.
AbsentToggle toggleAbsent(DrawState &state, qint16 number);

// Clears the turns of this round. While a pick is under way its own turn stays recorded, so a
// chosen number can still take it back when the count stops.
void startNewRound(DrawState &state, bool pickUnderWay);
