#pragma once

#include "errors/Checked.h"

#include <QString>
#include <QStringView>

// What the hidden number field takes: ASCII digits, and the two editing keys that typing needs.
inline constexpr qint16 backspaceKey = 8;
inline constexpr qint16 carriageReturnKey = 13;

// Only the ASCII digits: a full-width or Chinese digit is no class number.
constexpr bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// Keeps a typed character only if it is a digit, a backspace or a carriage return;
// otherwise sets keyCode to 0.
void filterNumberKey(Int16 &keyCode);

// What the hidden field keeps of text that arrives by any other route (paste, drop, input
// method): the same characters that typing keeps.
QString keepDigits(QStringView text);
