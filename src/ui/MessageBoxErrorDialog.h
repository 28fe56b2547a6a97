#pragma once

#include "errors/ReportError.h"

#include <functional>

class QWidget;

// The error report as a Qt message box: critical icon, one OK button, modal to the whole
// application. Ctrl+C copies the text, as the text itself tells the user to do.
class MessageBoxErrorDialog final : public ErrorDialog
{
public:
    using Quit = std::function<void(int exitStatus)>;

    // quit ends the program; by default it leaves the running event loop with the status.
    // Before the loop runs, main sees the ended logic and returns the status itself.
    explicit MessageBoxErrorDialog(QWidget *owner = nullptr, Quit quit = {});

    void showError(const QString &title, const QString &text) override;
    void endProgram(int exitStatus) override;

private:
    QWidget *m_owner;
    Quit m_quit;
    bool m_ended = false;
};
