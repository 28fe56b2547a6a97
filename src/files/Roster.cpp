#include "Roster.h"

#include "Fields.h"
#include "Paths.h"
#include "TextLineReader.h"
#include "Workbook.h"

#include <optional>

namespace {

// The roster's lines as fields, from a text file or from a workbook's numbered rows.
class RosterLines
{
public:
    RosterLines(const QString &rosterPath, const QString &sheet)
    {
        if (isWorkbookRoster(rosterPath))
            m_workbook = readWorkbook(rosterPath, sheet);
        else
            m_text.emplace(localPath(rosterPath));
    }

    // Throws RuntimeError(ReadPastEnd) after the last line, as a text file does.
    QStringList next()
    {
        if (m_text) {
            const QString line = m_text->readLine();
            // A line with a tab is tab-separated text; one without is a spreadsheet's CSV.
            return line.contains(u'\t') ? splitFields(line, u'\t') : splitCsvFields(line);
        }
        if (m_next >= m_workbook.size())
            throw RuntimeError(Failure::ReadPastEnd);
        const RosterLine &line = m_workbook[m_next++];
        return {line.number, line.name};
    }

private:
    std::optional<TextLineReader> m_text;
    QList<RosterLine> m_workbook;
    qsizetype m_next = 0;
};

} // namespace

QString studentName(const QString &rosterPath, Int32 number, const QString &sheet)
{
    RosterLines lines(rosterPath, sheet);
    const QString key = QString::number(number.value());
    QString name;
    // Always exactly `number` lines, so a later line for the same number replaces an earlier one.
    for (Int32 i = 0; i < number; i += 1) {
        const QStringList fields = lines.next();
        if (fieldAt(fields, 0).compare(key, Qt::CaseInsensitive) == 0)
            name = fieldAt(fields, 1);
    }
    return name;
}

QStringList rosterNames(const QString &rosterPath, qint16 classSize, const QString &sheet)
{
    RosterLines lines(rosterPath, sheet);
    QStringList names(qMax<qsizetype>(classSize, 0));
    // studentName for n reads the first n lines, so line i counts for numbers above i only.
    for (qsizetype i = 0; i < names.size(); ++i) {
        QStringList fields;
        try {
            fields = lines.next();
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
