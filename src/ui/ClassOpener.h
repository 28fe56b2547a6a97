#pragma once

#include "ui/ClassChooser.h"
#include "ui/Program.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

// Opens a class in the main window: the one the command line names, one chosen from a folder of
// classes, or another one the teacher opens with Ctrl+O. Each class starts as a fresh start in
// its folder would, with its own checks.
class ClassOpener final : public QObject
{
    Q_OBJECT

public:
    using Quit = MessageBoxErrorDialog::Quit;
    // The folder the teacher picks, empty when the dialog was cancelled.
    using AskFolder = std::function<QString(QWidget *parent, const QString &startFolder)>;

    // quit ends the program, by default leaving the event loop; askFolder defaults to the
    // platform's folder dialog.
    explicit ClassOpener(Quit quit = {}, AskFolder askFolder = {});
    ~ClassOpener() override;

    // Opens the class of the command line, or shows the chooser. Returns the exit status when
    // the program ends before the event loop runs: a wrong argument or a failed start-up.
    std::optional<int> start(const QStringList &arguments);

    // The class open or being chosen from; never null after start().
    Program *program() const { return m_program.get(); }
    // The chooser while it shows, else null.
    ClassChooser *chooser() const { return m_chooser; }

private:
    std::unique_ptr<Program> makeProgram();
    void showWindow(Program &program, int zoomPercent, bool fullScreen);
    void showChooser(const QString &folder, const QStringList &classes);
    void closeChooser();
    void openChosen(const QString &folder);
    void openAnother();
    void reopen(const QString &folder);
    void programEnded(int status);

    Quit m_quit;
    AskFolder m_askFolder;
    std::unique_ptr<Program> m_program;
    // Replaced programs, deleted once the event that replaced them has returned.
    std::vector<std::unique_ptr<Program>> m_retired;
    ClassChooser *m_chooser = nullptr;
    int m_startZoom = 100;
    bool m_startFullScreen = false;
    // No window shows yet: the chooser of the command line's folder is the program.
    bool m_startingUp = true;
    // A class opened with Ctrl+O is on trial: a failed check leaves the open class running.
    bool m_onTrial = false;
};
