#pragma once

#include "draw/DrawState.h"
#include "draw/UniformSource.h"

#include <functional>

// How many extra counting steps the next pick takes; a whole number.
double drawSteps(Int16 classSize, UniformSource &source);

// Works out where the count will land, redraws state.drawnSteps through getRand until that
// number is new this round, and records it in the history (wiping a full history first).
void redrawUntilNew(DrawState &state, const std::function<double()> &getRand);
