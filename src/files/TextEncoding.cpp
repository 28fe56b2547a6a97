#include "TextEncoding.h"

#include "LegacyCodePage.h"

namespace {

QStringDecoder decoderFor(TextEncoding encoding)
{
    // We strip the byte-order mark ourselves; a U+FEFF at the start of a line is text.
    constexpr auto flags = QStringConverter::Flag::Stateless
        | QStringConverter::Flag::ConvertInitialBom;
    switch (encoding) {
    case TextEncoding::Utf8:
        return QStringDecoder(QStringConverter::Utf8, flags);
    case TextEncoding::Utf16LE:
        return QStringDecoder(QStringConverter::Utf16LE, flags);
    case TextEncoding::Utf16BE:
        return QStringDecoder(QStringConverter::Utf16BE, flags);
    case TextEncoding::CodePage:
        break;
    }
    return {}; // decodeLegacyCodePage() reads the code page
}

} // namespace

DetectedEncoding detectEncoding(QByteArrayView prefix, bool complete)
{
    if (prefix.startsWith("\xEF\xBB\xBF"))
        return {TextEncoding::Utf8, 3};
    if (prefix.startsWith("\xFF\xFE"))
        return {TextEncoding::Utf16LE, 2};
    if (prefix.startsWith("\xFE\xFF"))
        return {TextEncoding::Utf16BE, 2};

    // A prefix may end inside a character; only a whole file must end on a whole one.
    QStringDecoder utf8(QStringConverter::Utf8,
                        complete ? QStringConverter::Flag::Stateless
                                 : QStringConverter::Flag::Default);
    const QString decoded = utf8.decode(prefix); // decoding is what sets hasError()
    return {utf8.hasError() ? TextEncoding::CodePage : TextEncoding::Utf8, 0};
}

LineDecoder::LineDecoder(TextEncoding encoding)
    : m_encoding(encoding), m_decoder(decoderFor(encoding))
{
}

QString LineDecoder::decode(QByteArrayView line)
{
    if (m_encoding == TextEncoding::CodePage)
        return decodeLegacyCodePage(line);
    m_decoder.resetState();
    return m_decoder.decode(line);
}
