#include "Texts.h"

#include "BuildConfig.h"

QString Texts::webAddress()
{
    return QStringLiteral(TOMBOLIX_WEB_ADDRESS);
}
