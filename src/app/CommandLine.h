#pragma once

#include "app/LaunchOptions.h"
#include "app/PickController.h"

#include <QStringList>

#include <optional>

// Takes the program from its command line to PickController::load. arguments are as
// QCoreApplication::arguments() gives them, the program first: never argv, whose bytes on
// Windows are in the ANSI code page and lose a Chinese folder name. --help and --version are
// shown by Qt, which then ends the process. A class folder, or the folder of the rand.ini
// given, becomes the working directory, so that the controller reads there exactly what it would
// read had the program been started there. A wrong argument is reported through form before
// anything is read; the result is then empty, and loading does nothing.
std::optional<LaunchOptions> openClass(const QStringList &arguments, PickController &controller);

// Makes folder, a class's absolute path, the working directory, as a class folder given on the
// command line does; reports through controller and returns false when that cannot be done.
bool enterClassFolder(const QString &folder, PickController &controller);
