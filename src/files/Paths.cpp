#include "Paths.h"

#include <QFileInfo>

QString localPath(const QString &path)
{
    if (QFileInfo(path).isFile() || !path.contains(u'\\'))
        return path;
    QString slashed = path;
    slashed.replace(u'\\', u'/');
    return QFileInfo(slashed).isFile() ? slashed : path;
}

bool fileExists(const QString &path)
{
    return QFileInfo(localPath(path)).isFile();
}
