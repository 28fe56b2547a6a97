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

QStringList rosterNames(const QString &rosterPath, qint16 classSize)
{
    TextLineReader file(localPath(rosterPath));
    QStringList names(qMax<qsizetype>(classSize, 0));
    // studentName for n reads the first n lines, so line i counts for numbers above i only.
    for (qsizetype i = 0; i < names.size(); ++i) {
        QStringList fields;
        try {
            fields = fieldsOf(file.readLine());
        } catch (const RuntimeError &) {
            break;
        }
        if (fields.size() < 2)
            continue;
        bool isNumber = false;
        const int number = fields[0].toInt(&isNumber);
        if (isNumber && number > i && number <= names.size() && fields[0] == QString::number(number))
            names[number - 1] = fields[1];
    }
    return names;
}
