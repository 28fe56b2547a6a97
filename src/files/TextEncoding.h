#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

// How a settings or roster file is written. Windows editors save them as UTF-8, as "Unicode
// text" (UTF-16 with a byte-order mark), or in the Traditional Chinese code page.
enum class TextEncoding {
    Utf8,
    Utf16LE,
    Utf16BE,
    Big5,
};

struct DetectedEncoding
{
    TextEncoding encoding;
    qsizetype bomLength;
};

// Decides from the first bytes of a file; complete says whether they are the whole file.
// A byte-order mark decides; otherwise valid UTF-8 is UTF-8 and anything else is Big5.
DetectedEncoding detectEncoding(QByteArrayView prefix, bool complete);

// Decodes single lines; bytes that are invalid in the encoding become U+FFFD.
class LineDecoder
{
public:
    explicit LineDecoder(TextEncoding encoding);

    // line: the bytes of one line without its line end.
    QString decode(QByteArrayView line);

private:
    TextEncoding m_encoding;
    QStringDecoder m_decoder;
};
