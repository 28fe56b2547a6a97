#include "Fields.h"

#include "errors/RuntimeError.h"

QStringList splitFields(const QString &line, QChar separator)
{
    if (line.isEmpty())
        return {};
    return line.split(separator, Qt::KeepEmptyParts, Qt::CaseSensitive);
}

const QString &fieldAt(const QStringList &fields, qsizetype index)
{
    if (index < 0 || index >= fields.size())
        throw RuntimeError(Failure::IndexOutOfRange);
    return fields[index];
}
