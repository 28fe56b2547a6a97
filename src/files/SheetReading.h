#pragma once

#include "Workbook.h"
#include "ZipArchive.h"

#include <QStringView>
#include <QXmlStreamReader>

#include <optional>

// What the two workbook formats share.

// The class number a cell of column A holds: a whole number from 0 up, written as a number
// (1 and 1.0 alike) or typed as text; nothing for a heading, a fraction or an empty cell.
std::optional<qint32> wholeNumber(QStringView text);

// Counts the rows that hold something in column A, against the largest class there can be.
void countFilledRow(qsizetype &filledRows);

// Throws the fault behind a parse that failed: the member's own, or a damaged part.
void checkParsed(const QXmlStreamReader &xml, const ZipMember &member);

// Moves to the next start element below the current one; false at the end of the current one.
bool readNextChild(QXmlStreamReader &xml, int depth);

QList<RosterLine> readXlsxSheet(const ZipArchive &archive, const QString &sheet);
QList<RosterLine> readOdsSheet(const ZipArchive &archive, const QString &sheet);
