#pragma once

#include <QString>

// The path to open for a path from the settings file. Windows users write relative paths
// with backslashes; where the path as written names no file, the slash form is tried.
QString localPath(const QString &path);

// True for an existing file (not a directory) at the local form of path.
bool fileExists(const QString &path);
