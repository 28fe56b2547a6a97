#include "TextLineReader.h"

#include "errors/RuntimeError.h"

namespace {

// Enough of the file to tell UTF-8 from the code page, small enough to hold for any file.
constexpr qsizetype prefixBytes = 64 * 1024;
constexpr qsizetype chunkBytes = 16 * 1024;

} // namespace

TextLineReader::TextLineReader(const QString &path) : m_file(path)
{
    if (!m_file.open(QIODevice::ReadOnly))
        throw RuntimeError(Failure::CannotOpen);

    while (m_pending.size() < prefixBytes && readMore()) {
    }
    const DetectedEncoding detected = detectEncoding(m_pending, m_atEnd);
    m_start = m_searchFrom = detected.bomLength;
    m_bigEndian = detected.encoding == TextEncoding::Utf16BE;
    m_unitBytes = detected.encoding == TextEncoding::Utf16LE || m_bigEndian ? 2 : 1;
    m_decoder = LineDecoder(detected.encoding);
}

QString TextLineReader::readLine()
{
    for (;;) {
        const qsizetype lineFeed = findLineFeed();
        if (lineFeed >= 0)
            return takeLine(lineFeed, m_unitBytes);
        // Room for a CR of a line end that has not arrived yet, but no more.
        if (m_pending.size() - m_start > maxLineBytes + m_unitBytes)
            throw RuntimeError(Failure::ReadPastEnd);
        if (!readMore())
            break;
    }
    if (m_start == m_pending.size())
        throw RuntimeError(Failure::ReadPastEnd);
    return takeLine(m_pending.size(), 0);
}

// Appends the next chunk of the file to m_pending; false at the end of the file.
bool TextLineReader::readMore()
{
    if (m_atEnd)
        return false;
    m_pending.remove(0, m_start);
    m_searchFrom -= m_start;
    m_start = 0;

    const qsizetype kept = m_pending.size();
    m_pending.resize(kept + chunkBytes);
    const qint64 got = m_file.read(m_pending.data() + kept, chunkBytes);
    m_pending.resize(kept + qMax<qint64>(got, 0));
    if (got < 0)
        throw RuntimeError(Failure::ReadPastEnd);
    m_atEnd = got == 0;
    return !m_atEnd;
}

// The code unit at offset: a byte, or for UTF-16 two bytes in the file's byte order.
char16_t TextLineReader::unitAt(QByteArrayView bytes, qsizetype offset) const
{
    const auto byteAt = [&](qsizetype i) { return char16_t(quint8(bytes[offset + i])); };
    if (m_unitBytes == 1)
        return byteAt(0);
    return m_bigEndian ? char16_t(byteAt(0) << 8 | byteAt(1))
                       : char16_t(byteAt(1) << 8 | byteAt(0));
}

// The offset of the next line feed in m_pending, or -1. UTF-16 is searched by code unit so
// that a byte 0x0A inside another character is not taken for a line end.
qsizetype TextLineReader::findLineFeed()
{
    if (m_unitBytes == 1) {
        const qsizetype found = m_pending.indexOf('\n', m_searchFrom);
        m_searchFrom = found >= 0 ? found : m_pending.size();
        return found;
    }
    for (; m_searchFrom + 1 < m_pending.size(); m_searchFrom += 2) {
        if (unitAt(m_pending, m_searchFrom) == u'\n')
            return m_searchFrom;
    }
    return -1;
}

// Decodes the line from m_start to end and moves past its line end of lineEndBytes.
QString TextLineReader::takeLine(qsizetype end, qsizetype lineEndBytes)
{
    QByteArrayView line(m_pending.constData() + m_start, end - m_start);
    m_start = m_searchFrom = end + lineEndBytes;

    // Only a whole code unit can be the carriage return. After an odd byte at the end of a
    // UTF-16 file, the last two bytes are halves of two different units.
    if (line.size() >= m_unitBytes && line.size() % m_unitBytes == 0
        && unitAt(line, line.size() - m_unitBytes) == u'\r')
        line.chop(m_unitBytes);
    if (line.size() > maxLineBytes)
        throw RuntimeError(Failure::ReadPastEnd);
    return m_decoder.decode(line);
}
