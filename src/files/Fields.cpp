#include "Fields.h"

#include "errors/RuntimeError.h"

#include <utility>

QStringList splitFields(const QString &line, QChar separator)
{
    if (line.isEmpty())
        return {};
    return line.split(separator, Qt::KeepEmptyParts, Qt::CaseSensitive);
}

QStringList splitCsvFields(const QString &line)
{
    QStringList fields;
    if (line.isEmpty())
        return fields;
    QString field;
    bool quoted = false;
    bool fieldStart = true;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted && c == u'"') {
            // A doubled quote is one quote of the text; a single one closes the field.
            quoted = i + 1 < line.size() && line[i + 1] == u'"';
            if (quoted)
                field += line[++i];
        } else if (quoted) {
            field += c;
        } else if (c == u',') {
            fields.append(std::exchange(field, QString()));
            fieldStart = true;
            continue;
        } else if (c == u'"' && fieldStart) {
            quoted = true;
        } else {
            // Text after a closing quote, or a quote inside a field, is kept as it stands.
            field += c;
        }
        fieldStart = false;
    }
    // The last field; a quote that never closes has taken the rest of the line.
    fields.append(field);
    return fields;
}

const QString &fieldAt(const QStringList &fields, qsizetype index)
{
    if (index < 0 || index >= fields.size())
        throw RuntimeError(Failure::IndexOutOfRange);
    return fields[index];
}
