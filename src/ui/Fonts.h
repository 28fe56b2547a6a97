#pragma once

#include <QFont>
#include <QString>

// Maps the Windows families the window is designed with onto fonts a Linux desktop has.
// A machine that has the real families keeps them: substitutes are used only when missing.
void installFontSubstitutions();

// A font as the design gives it: family, point size, weight and underline. Arial Black is
// heavy by design, so where it is missing its substitute is asked for its heaviest weight.
QFont designFont(const QString &family, qreal pointSize, int weight, bool underline = false);
