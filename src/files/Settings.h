#pragma once

#include "errors/Checked.h"

#include <QString>

// Reads the roster path and the class size from the settings file at path. Returns false
// when there is no such file; a key that does not match leaves its value as it was.
// Read failures throw RuntimeError.
bool ReadSettings(const QString &path, QString &StudentFile, Int16 &MaxClassNo);
