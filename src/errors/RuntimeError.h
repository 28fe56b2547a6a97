#pragma once

#include <QString>

#include <exception>

// The kinds of run-time failure the program can meet. Each has one fixed number and
// description, so a user's report tells us exactly what happened.
enum class Failure {
    Overflow,
    IndexOutOfRange,
    ReadPastEnd,
    CannotOpen,
    NotANumber,
};

class RuntimeError : public std::exception
{
public:
    explicit RuntimeError(Failure kind) noexcept : m_kind(kind) {}

    Failure kind() const noexcept { return m_kind; }
    int number() const noexcept;
    QString description() const;
    const char *what() const noexcept override;

private:
    Failure m_kind;
};
