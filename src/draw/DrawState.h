#pragma once

#include "errors/Checked.h"

#include <QSet>

// The numbers that have had their turn in this round, oldest first. A round holds at most 99;
// the check for a repeat also reads the entry after the last, so there is room for 100.
struct RoundHistory
{
    Int16 count;
    CheckedArray<Int16, 100> numbers;
};

// The part of the window's state that the draw reads and writes.
struct DrawState
{
    Int16 stepCount;     // ticks of the running count or flash
    Int16 drawnSteps;    // how far the next random count runs past the shown number
    Int32 currentNumber; // the number on show
    Int16 classSize;
    RoundHistory history;
    // Numbers of the class marked absent today; a random pick never lands on them. Never all
    // of the class.
    QSet<qint16> absent;
};
