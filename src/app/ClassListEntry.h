#pragma once

#include "draw/Turns.h"

#include <QString>

// One line of the class list: a number of the class, its name from the roster and where it
// stands in this round.
struct ClassListEntry
{
    qint16 number = 0;
    QString name;
    TurnStatus status = TurnStatus::Waiting;
};
