#include "Workbook.h"

#include "Paths.h"
#include "SheetReading.h"

#include <QFile>
#include <QLocale>

#include <cmath>
#include <limits>

namespace {

QString messageOf(WorkbookFault fault, const QString &path, const QString &sheet)
{
    const QString file = QStringLiteral("人名檔 ") + path;
    switch (fault) {
    case WorkbookFault::Damaged:
        return file
            + QStringLiteral(
                   " 已損壞或不完整！請用 Excel 或 LibreOffice 開啟後，另存為 .xlsx 或 CSV 檔。");
    case WorkbookFault::Encrypted:
        return file + QStringLiteral(" 設有密碼保護！請取消密碼後再儲存，或另存為 CSV 檔。");
    case WorkbookFault::NotAWorkbook:
        return file
            + QStringLiteral(" 不是 .xlsx 或 .ods 活頁簿（可能是舊版 .xls 檔）！請用 Excel 或 "
                             "LibreOffice 另存為 .xlsx 或 CSV 檔。");
    case WorkbookFault::NoSuchSheet:
        return file + QStringLiteral(" 中沒有名為「") + sheet
            + QStringLiteral(
                   "」的工作表！請修改 rand.ini 的 Sheet= 一行，或刪除此行以讀取第一個工作表。");
    case WorkbookFault::TooLarge:
        return file
            + QStringLiteral(" 的內容過大！請把班級名單複製到新的活頁簿，另存為 .xlsx 或 CSV 檔。");
    case WorkbookFault::TooManyRows:
        return file
            + QStringLiteral(" 的 A 欄超過 32767 列！請只保留班級名單，另存為 .xlsx 或 CSV 檔。");
    }
    return file;
}

} // namespace

WorkbookError::WorkbookError(WorkbookFault fault, const QString &path, const QString &sheet)
    : FileProblem(messageOf(fault, path, sheet)), m_fault(fault)
{
}

bool isWorkbookRoster(const QString &path)
{
    for (QStringView extension : {u".xlsx", u".xlsm", u".ods"}) {
        if (path.endsWith(extension, Qt::CaseInsensitive))
            return true;
    }
    if (!path.endsWith(u".xls", Qt::CaseInsensitive))
        return false;
    QFile file(localPath(path));
    return file.open(QIODevice::ReadOnly) && file.read(8) == compoundFileSignature();
}

QList<RosterLine> readWorkbook(const QString &path, const QString &sheet)
{
    try {
        const ZipArchive archive(localPath(path));
        // The format is told by the contents, whatever the extension says.
        if (archive.contains(QStringLiteral("mimetype"))
            || archive.contains(QStringLiteral("content.xml")))
            return readOdsSheet(archive, sheet);
        if (archive.contains(QStringLiteral("_rels/.rels")))
            return readXlsxSheet(archive, sheet);
        throw WorkbookFaultFound{WorkbookFault::NotAWorkbook};
    } catch (const WorkbookFaultFound &found) {
        throw WorkbookError(found.fault, path, sheet);
    }
}

std::optional<qint32> wholeNumber(QStringView text)
{
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double number = c.toDouble(text.trimmed(), &ok);
    if (!ok || !(number >= 0) || number > std::numeric_limits<qint32>::max()
        || number != std::floor(number))
        return std::nullopt;
    return qint32(number);
}

void appendCellText(QString &cellText, QStringView more)
{
    constexpr qsizetype maxCellChars = 32767;
    cellText += more.left(qMax<qsizetype>(0, maxCellChars - cellText.size()));
}

void appendElementText(QXmlStreamReader &xml, QString &cellText)
{
    const auto readThroughChild = [] { return false; };
    const auto takeText = [&](QStringView text) { appendCellText(cellText, text); };
    readThrough(xml, readThroughChild, takeText);
}

void countFilledRow(qsizetype &filledRows)
{
    if (++filledRows > WorkbookLimits::maxLines)
        throw WorkbookFaultFound{WorkbookFault::TooManyRows};
}

void checkParsed(const QXmlStreamReader &xml, const ZipMember &member)
{
    if (xml.hasError())
        throw WorkbookFaultFound{member.fault()};
}
