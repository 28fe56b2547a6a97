#include "Settings.h"

bool ReadSettings(const QString &, QString &, Int16 &)
{
    return false; // placeholder until the reader lands
}
