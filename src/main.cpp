#include "app/Form1.h"
#include "draw/ClockSeededSource.h"
#include "ui/AppIcon.h"
#include "ui/Fonts.h"
#include "ui/Form1Window.h"
#include "ui/MessageBoxErrorDialog.h"
#include "ui/QtDesktop.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tombolix"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.0.56"));
    QApplication::setWindowIcon(appIcon());
    // The only text cursor is in the number field, which sits out of sight; a blinking one
    // would wake the program twice a second while it waits for the next pick.
    QApplication::setCursorFlashTime(0);
    installFontSubstitutions();

    Form1Window window;
    MessageBoxErrorDialog dialog(&window);
    QtDesktop desktop(&window);
    ClockSeededSource source;
    Form1 form(window, source, dialog, desktop);
    window.attach(form);

    form.Form_Initialize();
    form.Form_Load();
    // A failed start-up has shown its report; the window is never shown in that run.
    if (form.ended())
        return 1;

    window.show();
    return QApplication::exec();
}
