// The workbook reader, fed arbitrary bytes as an .xlsx file: the zip container, the XML of its
// parts (or of an .ods's), and finding a sheet by name. Every input is read twice: the first
// sheet, and the sheet that the seeds' second sheet is called.
#include "FuzzInput.h"

#include "files/Workbook.h"

#include <QList>
#include <QString>

namespace {

void readSheet(const QString &path, const QString &sheet)
{
    try {
        const QList<RosterLine> lines = readWorkbook(path, sheet);
        if (lines.size() > WorkbookLimits::maxLines)
            finding("more rows than the reader allows");
        // The lookup compares numbers as text, so each must be in its one plain spelling.
        for (const RosterLine &line : lines) {
            bool whole = false;
            const int number = line.number.toInt(&whole);
            if (!whole || number < 0 || QString::number(number) != line.number)
                finding("a class number that is not a plain whole number");
        }
    } catch (const WorkbookError &) {
        // A workbook that cannot be used is reported to the teacher; so is a RuntimeError.
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = writeInput(data, size, QStringLiteral("input.xlsx"));
    valueOrRuntimeError([&] { readSheet(path, {}); });
    valueOrRuntimeError([&] { readSheet(path, QStringLiteral("二年三班")); });
    return 0;
}
