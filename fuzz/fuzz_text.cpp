// The text decoding and the line reader, fed arbitrary bytes as a settings or roster file.
#include "FuzzInput.h"

#include "files/TextEncoding.h"
#include "files/TextLineReader.h"

#include <QByteArrayView>
#include <QStringList>

namespace {

constexpr qsizetype maxLine = TextLineReader::maxLineBytes;
// The reader decides the encoding from this much of the start of the file.
constexpr qsizetype decidingBytes = 64 * 1024;

// Each line is decoded on its own: nothing of one line may carry over into the next.
void decodeInEveryEncoding(QByteArrayView bytes)
{
    for (TextEncoding encoding : {TextEncoding::Utf8, TextEncoding::Utf16LE, TextEncoding::Utf16BE,
                                  TextEncoding::CodePage}) {
        LineDecoder decoder(encoding);
        const QString first = decoder.decode(bytes);
        decoder.decode(bytes.first(bytes.size() / 2));
        if (decoder.decode(bytes) != first)
            finding("decoding a line depends on the line before");
    }
}

// The lines of the whole file in memory, read the plain way, up to the first one that is too
// long. The reader, which works in chunks, must return exactly these.
QStringList plainLines(QByteArrayView bytes)
{
    const bool complete = bytes.size() < decidingBytes;
    const DetectedEncoding detected = detectEncoding(bytes.first(qMin(bytes.size(), decidingBytes)),
                                                     complete);
    const bool bigEndian = detected.encoding == TextEncoding::Utf16BE;
    const qsizetype unit = bigEndian || detected.encoding == TextEncoding::Utf16LE ? 2 : 1;
    const auto unitAt = [&](qsizetype i) {
        const auto byte = [&](qsizetype k) { return char16_t(quint8(bytes[i + k])); };
        if (unit == 1)
            return byte(0);
        return bigEndian ? char16_t(byte(0) << 8 | byte(1)) : char16_t(byte(1) << 8 | byte(0));
    };

    LineDecoder decoder(detected.encoding);
    QStringList lines;
    qsizetype start = detected.bomLength;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end + unit <= bytes.size() && unitAt(end) != u'\n')
            end += unit;
        const bool lineFeed = end + unit <= bytes.size();
        if (!lineFeed)
            end = bytes.size();
        QByteArrayView line = bytes.sliced(start, end - start);
        // Only a whole code unit right before the line end is a carriage return.
        if (line.size() >= unit && line.size() % unit == 0 && unitAt(end - unit) == u'\r')
            line.chop(unit);
        if (line.size() > maxLine)
            break;
        lines.append(decoder.decode(line));
        start = lineFeed ? end + unit : end;
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    detectEncoding(bytes, true);
    detectEncoding(bytes, false);
    decodeInEveryEncoding(bytes);

    const QStringList expected = plainLines(bytes);
    const QString path = writeInput(data, size);
    QStringList lines;
    const std::optional<Failure> failure = valueOrRuntimeError([&] {
        TextLineReader reader(path);
        while (lines.size() <= expected.size())
            lines.append(reader.readLine());
    });
    // Reading ends after the last line or at an overlong one, and nowhere else.
    if (failure != Failure::ReadPastEnd)
        finding("reading lines ended without ReadPastEnd");
    if (lines != expected)
        finding("the reader's lines differ from the file's");
    return 0;
}
