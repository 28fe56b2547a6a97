#include "Program.h"

#include "BuildConfig.h"
#include "ui/AppIcon.h"
#include "ui/Fonts.h"

#include <QApplication>

void prepareApplication()
{
    QApplication::setApplicationName(QStringLiteral("Tombolix"));
    QApplication::setApplicationVersion(QStringLiteral(TOMBOLIX_VERSION));
    QApplication::setWindowIcon(appIcon());
    // The only text cursor is in the number field, which sits out of sight; a blinking one
    // would wake the program twice a second while it waits for the next pick.
    QApplication::setCursorFlashTime(0);
    installFontSubstitutions();
}

Program::Program(MessageBoxErrorDialog::Quit quit)
    : dialog(&window, std::move(quit)), desktop(&window), form(window, source, dialog, desktop)
{
    window.attach(form);
}

bool Program::start(const QString &settingsPath)
{
    form.Form_Initialize();
    form.Form_Load(settingsPath);
    return !form.ended();
}
