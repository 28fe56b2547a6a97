#include "ArgumentPath.h"

#include "files/Settings.h"

QString pathOfArgument(const QString &argument)
{
    // "D:\三年甲班\" arrives as D:\三年甲班" because Windows reads the backslash as escaping
    // the closing quote. No Windows file name holds a quote, so a last one can only be that.
    return argument.endsWith(u'"') ? argument.chopped(1) : argument;
}

bool namesSettingsFile(const QString &fileName)
{
    return fileName.compare(settingsFileName(), Qt::CaseInsensitive) == 0;
}
