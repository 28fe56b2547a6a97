#include "PlatformShell.h"

#include "AppIcon.h"

#include <QImage>
#include <QWidget>

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

void initCommonControls()
{
    InitCommonControls();
}

void showStandardAbout(QWidget *owner, const QString &appName, const QString &extraText)
{
    const HWND window = owner ? reinterpret_cast<HWND>(owner->window()->winId()) : nullptr;
    const HICON icon = appIcon().pixmap(32, 32).toImage().toHICON();
    ShellAboutW(window, reinterpret_cast<const wchar_t *>(appName.utf16()),
                reinterpret_cast<const wchar_t *>(extraText.utf16()), icon);
    if (icon)
        DestroyIcon(icon);
}
