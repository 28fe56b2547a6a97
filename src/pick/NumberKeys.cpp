#include "NumberKeys.h"

void filterNumberKey(Int16 &keyCode)
{
    const qint16 code = keyCode.value();
    if (!isDigit(char16_t(code)) && code != backspaceKey && code != carriageReturnKey)
        keyCode = 0;
}

QString keepDigits(QStringView text)
{
    QString digits;
    for (QChar c : text) {
        if (isDigit(c.unicode()))
            digits.append(c);
    }
    return digits;
}
