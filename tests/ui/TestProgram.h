#pragma once

#include "ClassFolder.h"

#include "ui/Program.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

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
