#include "ui/ClassOpener.h"
#include "ui/Program.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    prepareApplication();

    // A wrong argument or a failed start-up has shown its report; no window is ever shown.
    ClassOpener opener;
    if (const std::optional<int> status = opener.start(QApplication::arguments()))
        return *status;
    return QApplication::exec();
}
