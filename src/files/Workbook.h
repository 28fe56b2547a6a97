#pragma once

#include "errors/FileProblem.h"

#include <QList>
#include <QString>

// One line of a roster as a workbook gives it: the class number in plain decimal and the name.
struct RosterLine
{
    QString number;
    QString name;
};

// True where the roster is read as a workbook: an .xlsx, .xlsm or .ods in any letter case, or an
// .xls that holds an old binary workbook, which is then refused with a message instead of read as
// text. An .xls that holds text, as some school systems export, stays a text roster.
bool isWorkbookRoster(const QString &path);

// What keeps a broken or hostile workbook from taking the machine's memory and time.
namespace WorkbookLimits {
constexpr qint64 maxPartBytes = 32 * 1024 * 1024; // one XML part, inflated
constexpr qsizetype maxLines = 32767;             // the largest class there can be
} // namespace WorkbookLimits

enum class WorkbookFault {
    Damaged, // truncated, or a part that does not inflate or parse
    Encrypted,
    NotAWorkbook, // an old binary .xls, or anything else behind the extension
    NoSuchSheet,
    TooLarge,    // a part that inflates past WorkbookLimits::maxPartBytes
    TooManyRows, // more rows with something in column A than WorkbookLimits::maxLines
};

// A workbook the roster cannot be read from; its message names the file and says what to do.
class WorkbookError : public FileProblem
{
public:
    WorkbookError(WorkbookFault fault, const QString &path, const QString &sheet);

    WorkbookFault fault() const noexcept { return m_fault; }

private:
    WorkbookFault m_fault;
};

// The rows of the sheet called sheet (the first sheet when empty) whose column A holds a whole
// number, in order: the lines a text roster would have. Column B is the name; an empty one is an
// empty name. Throws RuntimeError(CannotOpen) when the file cannot be opened for reading and
// WorkbookError when it is no workbook this can read.
QList<RosterLine> readWorkbook(const QString &path, const QString &sheet = {});
