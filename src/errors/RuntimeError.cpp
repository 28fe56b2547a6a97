#include "RuntimeError.h"

#include <array>

namespace {

struct FailureText
{
    Failure kind;
    int number;
    const char *description;
};

// Numbers follow the long-standing BASIC run-time error codes that users may already know.
constexpr std::array<FailureText, 5> failureTable{{
    {Failure::Overflow, 6, "Overflow"},
    {Failure::IndexOutOfRange, 9, "Subscript out of range"},
    {Failure::ReadPastEnd, 62, "Input past end of file"},
    {Failure::CannotOpen, 53, "File cannot be opened"},
    {Failure::NotANumber, 13, "Type mismatch"},
}};

const FailureText &textOf(Failure kind) noexcept
{
    for (const FailureText &entry : failureTable) {
        if (entry.kind == kind)
            return entry;
    }
    return failureTable.front();
}

} // namespace

int RuntimeError::number() const noexcept
{
    return textOf(m_kind).number;
}

QString RuntimeError::description() const
{
    return QString::fromLatin1(textOf(m_kind).description);
}

const char *RuntimeError::what() const noexcept
{
    return textOf(m_kind).description;
}
