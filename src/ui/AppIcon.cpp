#include "AppIcon.h"

QIcon appIcon()
{
    return QIcon(QStringLiteral(":/tombolix/tombolix.png"));
}
