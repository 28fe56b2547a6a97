#pragma once

#include "draw/DrawState.h"

#include <QString>

// Everything the main window keeps for the whole run; zero and empty at creation.
struct PickState : DrawState
{
    bool blackBackground = false;
    QString rosterPath;
    QString rosterSheet; // of a workbook roster; empty for its first
};
