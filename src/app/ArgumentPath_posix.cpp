#include "ArgumentPath.h"

QString pathOfArgument(const QString &argument)
{
    return argument;
}

bool namesSettingsFile(const QString &fileName)
{
    return fileName == u"rand.ini";
}
