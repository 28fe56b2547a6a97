#pragma once

#include "errors/Checked.h"

// The fields of the window's state that the draw reads and writes.
struct DrawState
{
    Int16 StepCount;
    Int16 RandSteps;
    Int32 CurNo;
    Int16 MaxClassNo;
    Int16 PickedCount;
    CheckedArray<Int16, 100> PickedNo;
};
