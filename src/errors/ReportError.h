#pragma once

#include "FileProblem.h"
#include "RuntimeError.h"

#include <QString>
#include <QStringView>

// The modal error dialog and the program's end, as the platform provides them.
class ErrorDialog
{
public:
    virtual ~ErrorDialog() = default;
    // Returns once the user has pressed OK or closed the dialog.
    virtual void showError(const QString &title, const QString &text) = 0;
    // Asks the platform to end the process with this status; may return to let the stack unwind.
    virtual void endProgram(int exitStatus) = 0;
};

// Thrown by reportError after the dialog so that nothing after the failing statement runs.
// It is deliberately not a RuntimeError: no handler on the way up may catch it.
struct ProgramEnded
{
};

// The owner of the program's state: stops everything, shows the dialog and ends the program.
class ErrorReporter
{
public:
    virtual ~ErrorReporter() = default;

    // Never returns: once the dialog is gone the stack unwinds to the event loop.
    [[noreturn]] void reportError(const QString &message)
    {
        endWithReport(message);
        throw ProgramEnded{};
    }

protected:
    virtual void endWithReport(const QString &message) = 0;
};

QString errorDialogTitle();
// The whole dialog text around one message, lines broken with CR LF.
QString errorDialogText(const QString &message);
// "number: description(Sub Name)" for a run-time failure caught by a procedure's handler.
QString reportLine(const RuntimeError &error, QStringView suffix);

// Runs body under a procedure's handler: a run-time failure, or a file that cannot be used,
// becomes a report with suffix.
template<typename Body>
decltype(auto) runHandled(ErrorReporter &reporter, QStringView suffix, Body &&body)
{
    try {
        return body();
    } catch (const RuntimeError &error) {
        reporter.reportError(reportLine(error, suffix));
    } catch (const FileProblem &problem) {
        reporter.reportError(problem.message() + suffix.toString());
    }
}
