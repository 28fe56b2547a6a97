#pragma once

#include "draw/DrawState.h"

#include <QList>
#include <QStringList>

// The captions a count shows from one number to another.
inline QStringList numbers(int from, int to)
{
    QStringList list;
    for (int n = from; n <= to; ++n)
        list.append(QString::number(n));
    return list;
}

// The entries of the pick history in use, oldest first.
inline QList<int> historyOf(const DrawState &state)
{
    QList<int> entries;
    for (int i = 0; i < state.history.count.value(); ++i)
        entries.append(state.history.numbers[i].value());
    return entries;
}
