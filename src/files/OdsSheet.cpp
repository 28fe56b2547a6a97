// Reads the rows of one table of an OpenDocument spreadsheet (.ods).
#include "SheetReading.h"

namespace {

constexpr QLatin1String officeNamespace("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
constexpr QLatin1String tableNamespace("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
constexpr QLatin1String textNamespace("urn:oasis:names:tc:opendocument:xmlns:text:1.0");

struct Cell
{
    QString value; // a number's own value, which the shown text may round or decorate
    QString text;  // what the cell shows
};

bool isSpreadsheet(const ZipArchive &archive)
{
    const std::unique_ptr<ZipMember> mimetype = archive.open(QStringLiteral("mimetype"));
    if (!mimetype)
        return archive.contains(QStringLiteral("content.xml"));
    return mimetype->read(100).startsWith("application/vnd.oasis.opendocument.spreadsheet");
}

// An encrypted document keeps its manifest readable and says there which parts it encrypted.
bool isEncrypted(const ZipArchive &archive)
{
    const std::unique_ptr<ZipMember> manifest = archive.open(
        QStringLiteral("META-INF/manifest.xml"));
    if (!manifest)
        return false;
    QXmlStreamReader xml(manifest.get());
    bool encrypted = false;
    while (!encrypted && !xml.atEnd()) {
        encrypted = xml.readNext() == QXmlStreamReader::StartElement
            && xml.name() == u"encryption-data";
    }
    if (!encrypted)
        checkParsed(xml, *manifest);
    return encrypted;
}

qint64 repeatCount(const QXmlStreamReader &xml, QLatin1String ns, QLatin1String attribute)
{
    bool ok = false;
    const qint64 count = xml.attributes().value(ns, attribute).toLongLong(&ok);
    return ok && count > 0 ? count : 1;
}

// The text of one paragraph, with its spaces, tabs and line breaks; notes are not shown.
void appendParagraph(QXmlStreamReader &xml, QString &text)
{
    const auto takeChild = [&] {
        if (xml.name() == u"s") {
            const qint64 spaces = repeatCount(xml, textNamespace, QLatin1String("c"));
            appendCellText(text, QString(qMin<qint64>(spaces, 1000), u' '));
        } else if (xml.name() == u"tab") {
            appendCellText(text, u"\t");
        } else if (xml.name() == u"line-break") {
            appendCellText(text, u"\n");
        } else if (xml.name() != u"annotation" && xml.name() != u"note") {
            return false; // a span or a link: its text is the paragraph's
        }
        xml.skipCurrentElement();
        return true;
    };
    const auto takeText = [&](QStringView more) { appendCellText(text, more); };
    readThrough(xml, takeChild, takeText);
}

Cell readCell(QXmlStreamReader &xml)
{
    Cell cell;
    const QXmlStreamAttributes attributes = xml.attributes();
    const QStringView type = attributes.value(officeNamespace, QLatin1String("value-type"));
    if (type == u"float" || type == u"percentage" || type == u"currency")
        cell.value = attributes.value(officeNamespace, QLatin1String("value")).toString();
    bool firstParagraph = true;
    while (xml.readNextStartElement()) {
        if (xml.name() != u"p") {
            xml.skipCurrentElement(); // comments, drawings
            continue;
        }
        if (!std::exchange(firstParagraph, false))
            appendCellText(cell.text, u"\n");
        appendParagraph(xml, cell.text);
    }
    return cell;
}

// Reads one row, the current element, and appends it as often as it repeats.
void readRow(QXmlStreamReader &xml, QList<RosterLine> &lines, qsizetype &filledRows)
{
    const qint64 repeats = repeatCount(xml, tableNamespace, QLatin1String("number-rows-repeated"));
    Cell a;
    Cell b;
    qint64 column = 0;
    while (xml.readNextStartElement()) {
        if (column > 1 || (xml.name() != u"table-cell" && xml.name() != u"covered-table-cell")) {
            xml.skipCurrentElement();
            continue;
        }
        const qint64 columns = repeatCount(xml, tableNamespace,
                                           QLatin1String("number-columns-repeated"));
        const Cell cell = readCell(xml);
        if (column == 0)
            a = cell;
        if (column <= 1 && column + columns > 1)
            b = cell;
        column += columns;
    }
    const QString &numberText = a.value.isEmpty() ? a.text : a.value;
    if (numberText.isEmpty())
        return;
    const std::optional<qint32> number = wholeNumber(numberText);
    for (qint64 i = 0; i < repeats; ++i) {
        countFilledRow(filledRows);
        if (number)
            lines.append({QString::number(*number), b.text});
    }
}

QList<RosterLine> readTable(QXmlStreamReader &xml)
{
    QList<RosterLine> lines;
    qsizetype filledRows = 0;
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            --depth;
        } else if (token != QXmlStreamReader::StartElement) {
            continue;
        } else if (xml.name() == u"table-row") {
            readRow(xml, lines, filledRows);
        } else if (xml.name() == u"table-header-rows" || xml.name() == u"table-row-group"
                   || xml.name() == u"table-rows") {
            ++depth;
        } else {
            xml.skipCurrentElement();
        }
    }
    return lines;
}

} // namespace

QList<RosterLine> readOdsSheet(const ZipArchive &archive, const QString &sheet)
{
    if (!isSpreadsheet(archive))
        throw WorkbookFaultFound{WorkbookFault::NotAWorkbook};
    if (isEncrypted(archive))
        throw WorkbookFaultFound{WorkbookFault::Encrypted};
    const std::unique_ptr<ZipMember> content = archive.open(QStringLiteral("content.xml"));
    if (!content)
        throw WorkbookFaultFound{WorkbookFault::Damaged};
    QXmlStreamReader xml(content.get());
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"table")
            continue;
        if (sheet.isEmpty()
            || xml.attributes().value(tableNamespace, QLatin1String("name")) == sheet) {
            QList<RosterLine> lines = readTable(xml);
            checkParsed(xml, *content);
            return lines;
        }
        xml.skipCurrentElement();
    }
    checkParsed(xml, *content);
    throw WorkbookFaultFound{sheet.isEmpty() ? WorkbookFault::NotAWorkbook
                                             : WorkbookFault::NoSuchSheet};
}
