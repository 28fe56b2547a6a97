#include "app/CommandLine.h"
#include "ui/Program.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    prepareApplication();

    Program program;
    // The class folder becomes the working directory before the controller reads rand.ini there.
    // A wrong argument or a failed start-up has shown its report; the window is never shown.
    const std::optional<LaunchOptions> options = openClass(QApplication::arguments(),
                                                           program.controller);
    if (!options || !program.start())
        return 1;

    program.window.setZoom(options->zoomPercent);
    program.window.setFullScreenView(options->fullScreen);
    program.window.show();
    return QApplication::exec();
}
