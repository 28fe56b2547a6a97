#include "ClassOpener.h"

#include "app/ClassFolders.h"
#include "app/CommandLine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

QString askWithFolderDialog(QWidget *parent, const QString &startFolder)
{
    // The native dialog on Windows; elsewhere whichever the desktop provides.
    return QFileDialog::getExistingDirectory(parent, u"Open class"_s, startFolder);
}

} // namespace

ClassOpener::ClassOpener(Quit quit, AskFolder askFolder)
    : m_quit(std::move(quit)), m_askFolder(std::move(askFolder))
{
    if (!m_quit)
        m_quit = [](int status) { QCoreApplication::exit(status); };
    if (!m_askFolder)
        m_askFolder = askWithFolderDialog;
}

ClassOpener::~ClassOpener()
{
    delete m_chooser;
}

std::unique_ptr<Program> ClassOpener::makeProgram()
{
    auto program = std::make_unique<Program>([this](int status) { programEnded(status); });
    connect(&program->window, &PickerWindow::openClassRequested, this, &ClassOpener::openAnother);
    return program;
}

void ClassOpener::programEnded(int status)
{
    // A class on trial that fails its checks has shown its report; the class open stays.
    if (!m_onTrial)
        m_quit(status);
}

std::optional<int> ClassOpener::start(const QStringList &arguments)
{
    m_program = makeProgram();
    const std::optional<LaunchOptions> options = openClass(arguments, m_program->controller);
    if (!options)
        return 1;
    m_startZoom = options->zoomPercent;
    m_startFullScreen = options->fullScreen;
    const QStringList classes = classesIn(QDir::currentPath());
    if (!classes.isEmpty()) {
        showChooser(QDir::currentPath(), classes);
        return std::nullopt;
    }
    if (!m_program->start())
        return 1;
    showWindow(*m_program, m_startZoom, m_startFullScreen);
    return std::nullopt;
}

void ClassOpener::showWindow(Program &program, int zoomPercent, bool fullScreen)
{
    m_startingUp = false;
    program.window.setZoom(zoomPercent);
    program.window.setFullScreenView(fullScreen);
    program.window.show();
}

void ClassOpener::showChooser(const QString &folder, const QStringList &classes)
{
    closeChooser();
    m_chooser = new ClassChooser(classes);
    const QDir dir(folder);
    connect(m_chooser, &ClassChooser::chosen, this,
            [this, dir](const QString &name) { openChosen(dir.absoluteFilePath(name)); });
    connect(m_chooser, &ClassChooser::cancelled, this, [this] {
        // Before any class opened, closing the list ends the program, having read no class.
        if (m_startingUp) {
            m_quit(0);
            return;
        }
        closeChooser();
        m_program->window.activateWindow();
        m_program->window.focusChosenNumberField();
    });
    if (m_startingUp) {
        m_chooser->showAt(m_startZoom, m_startFullScreen);
    } else {
        m_chooser->showAt(m_program->window.zoom(), m_program->window.isFullScreenView());
    }
}

void ClassOpener::closeChooser()
{
    if (!m_chooser)
        return;
    // Its own signal may be running: delete it once that has returned.
    m_chooser->hide();
    m_chooser->deleteLater();
    m_chooser = nullptr;
}

void ClassOpener::openChosen(const QString &folder)
{
    if (!m_startingUp) {
        closeChooser();
        reopen(folder);
        return;
    }
    // Exactly as if the program had been started with this folder; a failed check ends it.
    // The chooser stays up meanwhile, so the report never finds the program without a window.
    if (enterClassFolder(folder, m_program->controller) && m_program->start())
        showWindow(*m_program, m_startZoom, m_startFullScreen);
    closeChooser();
}

void ClassOpener::openAnother()
{
    QDir start = QDir::current();
    // Most classes sit side by side in one folder of classes.
    start.cdUp();
    const QString folder = m_askFolder(&m_program->window, start.absolutePath());
    if (folder.isEmpty()) {
        m_program->window.focusChosenNumberField();
        return;
    }
    if (const QStringList classes = classesIn(folder); !classes.isEmpty()) {
        showChooser(folder, classes);
        return;
    }
    reopen(QDir(folder).absolutePath());
}

void ClassOpener::reopen(const QString &folder)
{
    // The class already open stays as it is, turns and all: a second program on it would find
    // the class's lock held and report the class as open elsewhere.
    if (QFileInfo(folder).canonicalFilePath() == QDir::current().canonicalPath()) {
        m_program->window.focusChosenNumberField();
        return;
    }
    const QString previous = QDir::currentPath();
    std::unique_ptr<Program> fresh = makeProgram();
    m_onTrial = true;
    const bool opened = enterClassFolder(folder, fresh->controller) && fresh->start();
    m_onTrial = false;
    if (!opened) {
        // The report has been shown. Ending now would lose the open class's turns in the
        // middle of a lesson, so it stays, reading its roster where it did.
        QDir::setCurrent(previous);
        m_program->window.activateWindow();
        m_program->window.focusChosenNumberField();
        return;
    }
    // The projector's view stays as the teacher set it.
    showWindow(*fresh, m_program->window.zoom(), m_program->window.isFullScreenView());
    // Hidden, not closed: closing the last window would end the program.
    m_program->window.hide();
    m_retired.push_back(std::exchange(m_program, std::move(fresh)));
    const auto retire = [this] { m_retired.clear(); };
    QMetaObject::invokeMethod(this, retire, Qt::QueuedConnection);
}
