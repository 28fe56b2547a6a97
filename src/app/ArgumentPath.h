#pragma once

#include <QString>

// How a path given on the command line reads on this platform.

// The path that a command-line argument names.
QString pathOfArgument(const QString &argument);

// True when fileName names the settings file that PickController::load opens in the same folder:
// in any letter case where the file system ignores case, else exactly.
bool namesSettingsFile(const QString &fileName);
