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

// Appends text, up to the most a cell can hold in Excel: a longer one is no name, and keeping
// it whole would double what a huge text costs the reader.
void appendCellText(QString &cellText, QStringView more);

// Reads to the end of the current element. Each child element's start goes to takeChild, which
// either reads the child whole and returns true, or returns false to have it read through; text
// goes to takeText.
template<typename TakeChild, typename TakeText>
void readThrough(QXmlStreamReader &xml, TakeChild &&takeChild, TakeText &&takeText)
{
    for (int depth = 1; depth > 0 && !xml.atEnd();) {
        switch (xml.readNext()) {
        case QXmlStreamReader::Characters:
            takeText(xml.text());
            break;
        case QXmlStreamReader::StartElement:
            if (!takeChild())
                ++depth;
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
}

// Appends the text of the current element, up to its end, as appendCellText does.
void appendElementText(QXmlStreamReader &xml, QString &cellText);

// Counts the rows that hold something in column A, against the largest class there can be.
void countFilledRow(qsizetype &filledRows);

// Throws the fault behind a parse that failed: the member's own, or a damaged part.
void checkParsed(const QXmlStreamReader &xml, const ZipMember &member);

QList<RosterLine> readXlsxSheet(const ZipArchive &archive, const QString &sheet);
QList<RosterLine> readOdsSheet(const ZipArchive &archive, const QString &sheet);
