#include "Paths.h"

#include <QFileInfo>

QString localPath(const QString &path)
{
    return path;
}

bool fileExists(const QString &path)
{
    return QFileInfo(localPath(path)).isFile();
}
