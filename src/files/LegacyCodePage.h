#pragma once

#include <QByteArrayView>
#include <QString>

// Decodes one line of 8-bit text in the code page that older editors save in: on Windows the
// system's ANSI code page (950 on a Traditional Chinese system, 936 on a Simplified one), elsewhere
// Big5 as Microsoft's code page 950 defines it. Either way a byte or byte pair that is no
// character, or a lead byte cut off by the line end, becomes one U+FFFD.
QString decodeLegacyCodePage(QByteArrayView line);
