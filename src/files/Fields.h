#pragma once

#include <QString>
#include <QStringList>

// Splits a line at every occurrence of separator into fields numbered from 0. An empty line
// has no fields at all.
QStringList splitFields(const QString &line, QChar separator);

// Splits a line at commas as spreadsheet programs write CSV: a field that starts with a double
// quote runs to the closing one and may hold commas, and "" in it is one quote. An empty line
// has no fields at all.
QStringList splitCsvFields(const QString &line);

// Field index of fields; a field that is not there is an index failure (RuntimeError).
const QString &fieldAt(const QStringList &fields, qsizetype index);
