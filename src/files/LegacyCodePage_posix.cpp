#include "LegacyCodePage.h"

#include <QStringDecoder>

QString decodeLegacyCodePage(QByteArrayView line)
{
    // Microsoft's table: "cp950" names IBM's, which lacks characters such as 碁 and 裏.
    QStringDecoder decoder("windows-950");
    QString text = decoder.decode(line);
    // The decoder silently holds back a lead byte cut off by the line end; the line feed
    // flushes it out as U+FFFD.
    text += decoder.decode(QByteArrayView("\n"));
    text.chop(1);
    return text;
}
