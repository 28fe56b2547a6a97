#include "QtDesktop.h"

#include "PlatformShell.h"

#include <QDesktopServices>
#include <QUrl>

void QtDesktop::initialiseControls()
{
    initCommonControls();
}

void QtDesktop::openAddress(const QString &address)
{
    QDesktopServices::openUrl(QUrl(address));
}

void QtDesktop::showAbout(const QString &appName, const QString &extraText)
{
    showStandardAbout(m_owner, appName, extraText);
}
