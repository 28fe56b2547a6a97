#include "LegacyCodePage.h"

#include <windows.h>

namespace {

// One character of the ANSI code page, or -1 when the bytes are no character of it.
int toUtf16(const char *bytes, int size, wchar_t out[2])
{
    const int written = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes, size, out, 2);
    return written > 0 ? written : -1;
}

} // namespace

QString decodeLegacyCodePage(QByteArrayView line)
{
    // Windows' own conversion of a whole line would turn invalid bytes into '?' or private-use
    // characters; converting one character at a time lets them show as U+FFFD, as elsewhere.
    QString text;
    text.reserve(line.size());
    const char *bytes = line.data();
    const qsizetype size = line.size();
    for (qsizetype i = 0; i < size;) {
        const bool lead = IsDBCSLeadByteEx(CP_ACP, BYTE(bytes[i]));
        int length = lead ? 2 : 1;
        if (i + length > size) {
            text += QChar::ReplacementCharacter; // lead byte cut off by the line end
            break;
        }
        wchar_t utf16[2];
        const int units = toUtf16(bytes + i, length, utf16);
        if (units < 0) {
            text += QChar::ReplacementCharacter;
            // An ASCII byte after a lead byte is read again: a tab or digit must not vanish.
            if (length == 2 && BYTE(bytes[i + 1]) < 0x80)
                length = 1;
        } else {
            text.append(reinterpret_cast<const QChar *>(utf16), units);
        }
        i += length;
    }
    return text;
}
