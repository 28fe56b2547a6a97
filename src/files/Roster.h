#pragma once

#include "errors/Checked.h"

#include <QString>
#include <QStringList>

// The name that the roster's first `number` lines give for number (the last match wins), or
// empty. Lines are tab-separated, or comma-separated where they hold no tab; a workbook's lines
// are the numbered rows of its sheet called sheet, or of its first. Failures throw RuntimeError,
// and WorkbookError for a workbook that cannot be read.
QString studentName(const QString &rosterPath, Int32 number, const QString &sheet = {});

// The names of numbers 1 to classSize, as studentName would give each of them: entry n - 1 for
// number n. For the class list, so a roster that studentName would fail on (too short, a line
// without a name) still lists every name it has; only a roster that cannot be opened (or a
// workbook that cannot be read) throws.
QStringList rosterNames(const QString &rosterPath, qint16 classSize, const QString &sheet = {});
