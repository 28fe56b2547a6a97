#pragma once

#include "Failures.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QOperatingSystemVersion>
#include <QString>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

// Windows reads a backslash in a file name as a folder separator and has no /dev/zero.
inline bool onWindows()
{
    return QOperatingSystemVersion::currentType() == QOperatingSystemVersion::Windows;
}

// Writes bytes to a file name in dir and returns its path.
inline QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(path));
    return path;
}

// The whole content of a file, to tell that the program left it as it was.
inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read test file %s", qPrintable(path));
    return file.readAll();
}

// Text as a spreadsheet saves "Unicode text": UTF-16 with a byte-order mark.
inline QByteArray utf16WithBom(const QString &text, QStringConverter::Encoding encoding)
{
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    return encoder.encode(text);
}
