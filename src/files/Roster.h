#pragma once

#include "errors/Checked.h"

#include <QString>

// The name that the first CurNo lines of the roster give for CurNo (the last match wins),
// or empty. Lines are tab-separated, or comma-separated where they hold no tab.
// Failures throw RuntimeError.
QString GetStudentInfo(const QString &StudentFile, Int32 CurNo);
