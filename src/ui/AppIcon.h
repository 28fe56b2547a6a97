#pragma once

#include <QIcon>

// The program's light-blue gear, compiled into the binary so it is found from any folder.
QIcon appIcon();
