#pragma once

#include "errors/Checked.h"

#include <QString>

// The name that the roster's first `number` lines give for number (the last match wins), or
// empty. Lines are tab-separated, or comma-separated where they hold no tab.
// Failures throw RuntimeError.
QString studentName(const QString &rosterPath, Int32 number);
