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
    : dialog(&window, std::move(quit)),
      desktop(&window),
      controller(window, source, dialog, desktop)
{
    window.attach(controller);
}

bool Program::start(const QString &settingsPath)
{
    controller.initialize();
    controller.load(settingsPath);
    return !controller.ended();
}
