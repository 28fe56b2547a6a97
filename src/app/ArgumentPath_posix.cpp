#include "ArgumentPath.h"

#include "files/Settings.h"

QString pathOfArgument(const QString &argument)
{
    return argument;
}

bool namesSettingsFile(const QString &fileName)
{
    return fileName == settingsFileName();
}
