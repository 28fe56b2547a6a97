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
      controller(window, source, dialog, desktop),
      classList(new ClassListWindow(controller, &window))
{
    window.attach(controller);

    QObject::connect(&window, &PickerWindow::classListRequested, classList, [this] {
        if (classList->isVisible()) {
            classList->close();
            return;
        }
        classList->follow(window.pictureScale(), window.isFullScreenView());
        classList->open();
    });
    QObject::connect(&window, &PickerWindow::pictureScaleChanged, classList, [this] {
        classList->follow(window.pictureScale(), window.isFullScreenView());
    });
    // The list had the keyboard: the window takes it back for the digits typed next.
    QObject::connect(classList, &ClassListWindow::closed, &window, [this] {
        window.activateWindow();
        window.focusChosenNumberField();
    });
    // Zoom and full screen work from the list too; the keys that pick stay the list's own.
    classList->setWindowKey([this](QKeyCombination key, bool autoRepeat) {
        return window.zoomController().handleKey(key, autoRepeat);
    });
}

bool Program::start(const QString &settingsPath)
{
    controller.initialize();
    controller.load(settingsPath);
    return !controller.ended();
}
