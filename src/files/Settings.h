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
};

// Reads the roster path and the class size from the settings file at path; nothing when there
// is no such file. Read failures throw RuntimeError.
std::optional<ClassSettings> readSettings(const QString &path);
