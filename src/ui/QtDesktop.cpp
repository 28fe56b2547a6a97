#include "QtDesktop.h"

#include "AboutDialog.h"

#include <QDesktopServices>
#include <QUrl>

void QtDesktop::openAddress(const QString &address)
{
    QDesktopServices::openUrl(QUrl(address));
}

void QtDesktop::showAbout(const QString &appName, const QString &extraText)
{
    AboutDialog dialog(appName, extraText, m_owner);
    dialog.exec();
}
