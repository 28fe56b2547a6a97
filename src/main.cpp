#include "ui/Program.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    prepareApplication();

    Program program;
    // A failed start-up has shown its report; the window is never shown in that run.
    if (!program.start())
        return 1;

    program.window.show();
    return QApplication::exec();
}
