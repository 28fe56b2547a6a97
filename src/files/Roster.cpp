#include "Roster.h"

#include "Fields.h"
#include "Paths.h"
#include "TextLineReader.h"

namespace {

// A line with a tab is tab-separated text; one without is a spreadsheet's CSV.
QStringList fieldsOf(const QString &line)
{
    return line.contains(u'\t') ? splitFields(line, u'\t') : splitCsvFields(line);
}

} // namespace

QString studentName(const QString &rosterPath, Int32 currentNumber)
{
    TextLineReader file(localPath(rosterPath));
    const QString number = QString::number(currentNumber.value());
    QString name;
    // Always exactly currentNumber lines, so a later line for the same number replaces an earlier one.
    for (Int32 i = 0; i < currentNumber; i += 1) {
        const QStringList fields = fieldsOf(file.readLine());
        if (fieldAt(fields, 0).compare(number, Qt::CaseInsensitive) == 0)
            name = fieldAt(fields, 1);
    }
    return name;
}
