#include "Roster.h"

QString GetStudentInfo(const QString &, Int32)
{
    return QString(); // placeholder until the reader lands
}
