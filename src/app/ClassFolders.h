#pragma once

#include <QString>
#include <QStringList>

// One PC, several classes: a folder that is no class itself may hold a folder per class.

// The names of folder's subfolders that hold a settings file, in the order a file manager shows
// them (numbers by value, letter case ignored), when folder holds no settings file of its own;
// otherwise, or when none does, empty. Only one level deep.
QStringList classesIn(const QString &folder);
