#pragma once

#include "errors/Checked.h"

#include <QString>

#include <optional>

// The settings file that every class folder holds.
inline QString settingsFileName()
{
    return QStringLiteral("rand.ini");
}

// What a class's settings file says. A key that is missing or misspelt leaves its value
// empty or 0, which the start-up checks then refuse.
struct ClassSettings
{
    QString rosterPath;
    Int16 classSize;
    // Keep the round's turns and the day's absent marks in the class folder between runs.
    bool remember = false;
    // The sheet of a workbook roster; empty for its first.
    QString sheet;
};

// Reads the roster path and the class size from the first two lines of the settings file at
// path, and Remember and Sheet lines from the lines after them; nothing when there is no such file.
// Read failures of the first two lines throw RuntimeError.
std::optional<ClassSettings> readSettings(const QString &path);
