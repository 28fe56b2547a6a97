#include "Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace {
const QString arialBlack = QStringLiteral("Arial Black");
}

void installFontSubstitutions()
{
    const QStringList kai{QStringLiteral("AR PL UKai TW"), QStringLiteral("AR PL UKai HK"),
                          QStringLiteral("AR PL UKai CN")};
    const QStringList ming{QStringLiteral("AR PL UMing TW"), QStringLiteral("AR PL UMing HK"),
                           QStringLiteral("AR PL UMing CN")};
    QFont::insertSubstitutions(QStringLiteral("標楷體"), kai);
    QFont::insertSubstitutions(QStringLiteral("DFKai-SB"), kai);
    QFont::insertSubstitutions(QStringLiteral("新細明體"), ming);
    QFont::insertSubstitutions(QStringLiteral("PMingLiU"), ming);
    // Narrow sans serifs first: the credit line is sized for this one.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                                QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                                QStringLiteral("DejaVu Sans")});
    // Families with a bold or black face, heaviest first.
    QFont::insertSubstitutions(arialBlack,
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                                QStringLiteral("FreeSans"), QStringLiteral("Noto Sans")});
}

QFont designFont(const QString &family, qreal pointSize, int weight, bool underline)
{
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Weight(weight));
    if (family == arialBlack && !QFontDatabase::hasFamily(arialBlack))
        font.setWeight(QFont::Black);
    font.setUnderline(underline);
    return font;
}
