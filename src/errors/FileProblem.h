#pragma once

#include <QString>

#include <exception>
#include <utility>

// A file the program cannot use, with a message that tells the user what to do about it.
class FileProblem : public std::exception
{
public:
    explicit FileProblem(QString message) : m_message(std::move(message)) {}

    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return "the file cannot be used"; }

private:
    QString m_message;
};
