#pragma once

#include <QString>

// The window's own texts, shared by the logic and the layout.
namespace Texts {
inline QString windowTitle()
{
    return QStringLiteral("Class Number Tombolix");
}
inline QString heading()
{
    return QStringLiteral("Class Number Tombolix");
}
inline QString luckyNumber()
{
    return QStringLiteral("The Lucky Number is:");
}
inline QString luckyStudent()
{
    return QStringLiteral("The Lucky Student is:");
}
inline QString pickButton()
{
    return QStringLiteral("Random!");
}
inline QString credit()
{
    return QStringLiteral("Class Number Tombolix by Orvanel ,");
}
// The maker's home page, set when the program is built.
QString webAddress();
inline QString aboutName()
{
    return QStringLiteral("Tombolix");
}
inline QString aboutExtra()
{
    return QStringLiteral("Programmed by: Orvanel");
}
} // namespace Texts
