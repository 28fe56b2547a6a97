#pragma once

#include "TextEncoding.h"

#include <QByteArray>
#include <QFile>
#include <QString>

// Reads a text file line by line, as the settings and roster files are read. The encoding is
// decided once, from the start of the file. Lines end in CR LF or a lone LF; a last line
// without a line end is still a line.
class TextLineReader
{
public:
    // Longer lines come from devices, binary files or files without line ends; they are a
    // read failure rather than a reason to hold the whole file in memory.
    static constexpr qsizetype maxLineBytes = 64 * 1024;

    // Throws RuntimeError(CannotOpen) when the file cannot be opened.
    explicit TextLineReader(const QString &path);

    // The next line without its line end. Throws RuntimeError(ReadPastEnd) after the last
    // line, for a line longer than maxLineBytes, and when reading fails.
    QString readLine();

private:
    bool readMore();
    char16_t unitAt(QByteArrayView bytes, qsizetype offset) const;
    qsizetype findLineFeed();
    QString takeLine(qsizetype end, qsizetype lineEndBytes);

    QFile m_file;
    QByteArray m_pending; // bytes read but not yet returned, from m_start on
    qsizetype m_start = 0;
    qsizetype m_searchFrom = 0;
    bool m_atEnd = false;
    bool m_bigEndian = false;
    qsizetype m_unitBytes = 1; // 2 for UTF-16, whose lines are split on code units
    LineDecoder m_decoder{TextEncoding::Utf8};
};
