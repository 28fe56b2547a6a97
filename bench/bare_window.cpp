// The reference for start-up: a bare Qt Widgets window of the main window's size, built with
// the same compiler, flags and Qt as the program. It draws only its background; with --label
// it also shows one line of text in the default font, which is what any window with text pays
// for the font system on top of a bare one.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    // The main window's fixed size (4785 x 2640 twips).
    window.setFixedSize(319, 176);
    if (argc > 1 && std::strcmp(argv[1], "--label") == 0)
        new QLabel(QStringLiteral("Random!"), &window);
    window.show();
    return QApplication::exec();
}
