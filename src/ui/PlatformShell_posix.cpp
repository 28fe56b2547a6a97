#include "PlatformShell.h"

#include "AboutDialog.h"

void initCommonControls()
{
    // Qt's widgets need no set-up from the desktop here.
}

void showStandardAbout(QWidget *owner, const QString &appName, const QString &extraText)
{
    AboutDialog dialog(appName, extraText, owner);
    dialog.exec();
}
