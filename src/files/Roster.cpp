#include "Roster.h"

#include "Fields.h"
#include "Paths.h"
#include "TextLineReader.h"

QString GetStudentInfo(const QString &StudentFile, Int32 CurNo)
{
    TextLineReader file(localPath(StudentFile));
    const QString number = QString::number(CurNo.value());
    QString name;
    // Always exactly CurNo lines, so a later line for the same number replaces an earlier one.
    for (Int32 i = 0; i < CurNo; i += 1) {
        const QStringList fields = splitFields(file.readLine(), u'\t');
        if (fieldAt(fields, 0).compare(number, Qt::CaseInsensitive) == 0)
            name = fieldAt(fields, 1);
    }
    return name;
}
