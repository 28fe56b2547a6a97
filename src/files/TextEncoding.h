#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

// How a settings or roster file is written. Windows editors save them as UTF-8, as "Unicode
// text" (UTF-16 with a byte-order mark), or in the system's 8-bit code page (LegacyCodePage.h).
enum class TextEncoding {
    Utf8,
    Utf16LE,
    Utf16BE,
    CodePage,
};

struct DetectedEncoding
{
    TextEncoding encoding;
    qsizetype bomLength;
};

// Decides from the first bytes of a file; complete says whether they are the whole file.
// A byte-order mark decides; otherwise valid UTF-8 is UTF-8 and anything else is the
// code page.
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
