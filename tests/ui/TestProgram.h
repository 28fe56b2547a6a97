#pragma once

#include "ClassFolder.h"

#include "pick/Texts.h"
#include "ui/Program.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

// The program as main wires it, except that ending it is recorded instead of leaving the
// event loop.
struct TestProgram : Program
{
    TestProgram() : Program([this](int status) { endRequests.append(status); }) {}

    template<typename T = QWidget>
    T *find(const char *name) const
    {
        return window.findChild<T *>(QString::fromLatin1(name));
    }

    QList<int> endRequests;
};

// True once a pick has ended as a user sees it: the button back, and the number at rest under its
// name. The button comes back when the flashing ends, which on a loaded machine can come before
// the end of the number's slide.
inline bool pickShown(const Program &program)
{
    return program.window.findChild<QWidget *>(QStringLiteral("pickButton"))->isVisible()
        && program.window.findChild<QLabel *>(QStringLiteral("headingLabel"))->text()
        == Texts::luckyStudent();
}

// A test of a class shown in an active window, with the controls a pick uses at hand.
class ShownClassTest : public QObject
{
protected:
    // Starts a class of these names and shows its window; false if either fails.
    bool startShown(const QStringList &names)
    {
        m_folder = std::make_unique<ClassFolder>(names);
        m_program = std::make_unique<TestProgram>();
        if (!m_program->start(m_folder->settingsPath()))
            return false;
        m_field = m_program->find<QLineEdit>("chosenNumberField");
        m_button = m_program->find<QPushButton>("pickButton");
        m_program->window.show();
        return QTest::qWaitForWindowActive(&m_program->window);
    }

    void stopShown()
    {
        m_program.reset();
        m_folder.reset();
    }

    QString shown(const char *label) const { return m_program->find<QLabel>(label)->text(); }

    std::unique_ptr<ClassFolder> m_folder;
    std::unique_ptr<TestProgram> m_program;
    QLineEdit *m_field = nullptr;
    QPushButton *m_button = nullptr;
};

// Calls inspect with every modal dialog that comes up while it lives, then closes it.
class ModalCloser
{
public:
    explicit ModalCloser(std::function<void(QDialog *)> inspect) : m_inspect(std::move(inspect))
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                ++seen;
                m_inspect(dialog);
                dialog->done(QDialog::Accepted);
            }
        });
        m_timer.start();
    }

    int seen = 0;

private:
    std::function<void(QDialog *)> m_inspect;
    QTimer m_timer;
};
