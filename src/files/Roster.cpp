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

QString studentName(const QString &rosterPath, Int32 number)
{
    TextLineReader file(localPath(rosterPath));
    const QString key = QString::number(number.value());
    QString name;
    // Always exactly `number` lines, so a later line for the same number replaces an earlier one.
    for (Int32 i = 0; i < number; i += 1) {
        const QStringList fields = fieldsOf(file.readLine());
        if (fieldAt(fields, 0).compare(key, Qt::CaseInsensitive) == 0)
            name = fieldAt(fields, 1);
    }
    return name;
}
