#pragma once

#include "files/Settings.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A class folder on disk: rand.ini naming an absolute roster path, and the roster.
class ClassFolder
{
public:
    explicit ClassFolder(int maxClassNo) : ClassFolder(maxClassNo, namesFor(maxClassNo)) {}
    // A class of these names, numbered from 1 in order.
    explicit ClassFolder(const QStringList &names)
        : ClassFolder(int(names.size()), rosterLinesOf(names))
    {
    }

    ClassFolder(int maxClassNo, const QStringList &rosterLines)
    {
        writeRoster(rosterLines);
        writeSettings(QStringLiteral("File=%1\r\nMaxClassNo=%2\r\n")
                          .arg(rosterPath())
                          .arg(maxClassNo)
                          .toUtf8());
    }

    // The roster lines of a class of maxClassNo generated names.
    static QStringList namesFor(int maxClassNo)
    {
        QStringList names;
        for (int n = 1; n <= maxClassNo; ++n)
            names.append(nameOf(n));
        return rosterLinesOf(names);
    }
    static QStringList rosterLinesOf(const QStringList &names)
    {
        QStringList lines;
        for (qsizetype i = 0; i < names.size(); ++i)
            lines.append(QString::number(i + 1) + u'\t' + names[i]);
        return lines;
    }
    static QString nameOf(int n) { return QStringLiteral("學生%1號").arg(n); }

    QString settingsPath() const { return m_dir.filePath(settingsFileName()); }
    QString rosterPath() const { return m_dir.filePath(QStringLiteral("class.txt")); }

    void writeSettings(const QByteArray &bytes) const { write(settingsPath(), bytes); }
    void writeRoster(const QStringList &lines) const
    {
        write(rosterPath(), lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n");
    }
    bool removeRoster() const { return QFile::remove(rosterPath()); }

private:
    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
    }

    QTemporaryDir m_dir;
};
