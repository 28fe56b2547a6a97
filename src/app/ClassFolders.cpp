#include "ClassFolders.h"

#include "files/Settings.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

QStringList classesIn(const QString &folder)
{
    const QDir dir(folder);
    // A folder that is a class opens as a class, even if it also holds others.
    if (QFileInfo::exists(dir.filePath(settingsFileName())))
        return {};
    QStringList classes;
    for (const QString &name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (QFileInfo(dir.filePath(name + u'/' + settingsFileName())).isFile())
            classes.append(name);
    }
    // 三年2班 before 三年10班, as Explorer and Files list them. Names the collator finds equal
    // keep the plain order, so the list is the same on every start.
    // The C locale, as a bare shell or a service has, sorts by code point and ignores numbers;
    // the program's own language then stands in for the desktop's.
    const QLocale system;
    QCollator collator(
        system.language() == QLocale::C
            ? QLocale(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::Taiwan)
            : system);
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(classes.begin(), classes.end());
    std::stable_sort(classes.begin(), classes.end(), [&](const QString &a, const QString &b) {
        return collator.compare(a, b) < 0;
    });
    return classes;
}
