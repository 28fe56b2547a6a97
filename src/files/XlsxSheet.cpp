// Reads the rows of one sheet of an Office Open XML workbook (.xlsx, .xlsm).
#include "SheetReading.h"

#include <QDir>
#include <QHash>
#include <QLocale>
#include <QSet>

namespace {

struct Relationship
{
    QString type;
    QString target;
};

// A cell as the sheet holds it; text from the shared strings is looked up once the sheet is read.
struct Cell
{
    QString text;
    qint64 sharedIndex = -1;
    bool isNumber = false;
};

struct Row
{
    Cell a;
    Cell b;
};

QString folderOf(const QString &part)
{
    return part.left(part.lastIndexOf(u'/') + 1);
}

// A relationship's target is relative to the folder of the part it belongs to.
QString partNamed(const QString &fromPart, const QString &target)
{
    if (target.startsWith(u'/'))
        return QDir::cleanPath(target.mid(1));
    return QDir::cleanPath(folderOf(fromPart) + target);
}

QHash<QString, Relationship> relationshipsOf(const ZipArchive &archive, const QString &part)
{
    const QString folder = folderOf(part);
    const QString rels = folder + QStringLiteral("_rels/") + part.mid(folder.size())
        + QStringLiteral(".rels");
    QHash<QString, Relationship> found;
    const std::unique_ptr<ZipMember> member = archive.open(rels);
    if (!member)
        return found;
    QXmlStreamReader xml(member.get());
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"Relationship") {
            const QXmlStreamAttributes attributes = xml.attributes();
            found.insert(attributes.value(QLatin1String("Id")).toString(),
                         {attributes.value(QLatin1String("Type")).toString(),
                          partNamed(part, attributes.value(QLatin1String("Target")).toString())});
        }
    }
    checkParsed(xml, *member);
    return found;
}

QString targetOfType(const QHash<QString, Relationship> &relationships, QStringView type)
{
    for (const Relationship &relationship : relationships) {
        if (relationship.type.endsWith(type))
            return relationship.target;
    }
    return {};
}

// The relationship id of a sheet element; its namespace differs between the transitional and
// the strict form, so it is the one attribute called id that has a namespace.
QString relationshipId(const QXmlStreamAttributes &attributes)
{
    for (const QXmlStreamAttribute &attribute : attributes) {
        if (attribute.name() == u"id" && !attribute.namespaceUri().isEmpty())
            return attribute.value().toString();
    }
    return {};
}

// The part of the sheet called name, or of the first sheet when name is empty.
QString sheetPart(const ZipArchive &archive, const QString &workbook,
                  const QHash<QString, Relationship> &relationships, const QString &name)
{
    const std::unique_ptr<ZipMember> member = archive.open(workbook);
    if (!member)
        throw WorkbookFaultFound{WorkbookFault::NotAWorkbook};
    QXmlStreamReader xml(member.get());
    if (!xml.readNextStartElement() || xml.name() != u"workbook") {
        checkParsed(xml, *member);
        throw WorkbookFaultFound{WorkbookFault::NotAWorkbook};
    }
    QString id;
    while (id.isEmpty() && !xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"sheet"
            && (name.isEmpty() || xml.attributes().value(QLatin1String("name")) == name))
            id = relationshipId(xml.attributes());
    }
    checkParsed(xml, *member);
    if (id.isEmpty())
        throw WorkbookFaultFound{name.isEmpty() ? WorkbookFault::NotAWorkbook
                                                : WorkbookFault::NoSuchSheet};
    const QString part = relationships.value(id).target;
    if (part.isEmpty())
        throw WorkbookFaultFound{WorkbookFault::Damaged};
    return part;
}

// The text of a string item or an inline string: its runs joined, without the phonetic guides.
QString richText(QXmlStreamReader &xml)
{
    QString text;
    const auto takeChild = [&] {
        if (xml.name() == u"rPh")
            xml.skipCurrentElement();
        else if (xml.name() == u"t")
            appendElementText(xml, text);
        else
            return false;
        return true;
    };
    // Only the t elements hold text; anything between them is layout.
    const auto skipText = [](QStringView) {};
    readThrough(xml, takeChild, skipText);
    return text;
}

// The column of a reference such as "B7", counted from 0; -1 when it names none.
qint64 columnOf(QStringView reference)
{
    qint64 column = 0;
    qsizetype i = 0;
    for (; i < reference.size() && reference[i] >= u'A' && reference[i] <= u'Z' && i < 4; ++i)
        column = column * 26 + (reference[i].unicode() - u'A' + 1);
    return i == 0 ? -1 : column - 1;
}

Cell readCell(QXmlStreamReader &xml)
{
    const QString type = xml.attributes().value(QLatin1String("t")).toString();
    QString value;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"v")
            appendElementText(xml, value);
        else if (xml.name() == u"is")
            value = richText(xml);
        else
            xml.skipCurrentElement(); // the formula: its cached value is in v
    }
    Cell cell;
    if (type == u"s") {
        bool ok = false;
        cell.sharedIndex = value.toLongLong(&ok);
        if (!ok || cell.sharedIndex < 0)
            throw WorkbookFaultFound{WorkbookFault::Damaged};
    } else if (type == u"b") {
        cell.text = value.isEmpty() ? QString()
            : value == u"1"         ? QStringLiteral("TRUE")
                                    : QStringLiteral("FALSE");
    } else {
        cell.text = value;
        cell.isNumber = type.isEmpty() || type == u"n";
    }
    return cell;
}

QList<Row> readRows(const ZipArchive &archive, const QString &part)
{
    const std::unique_ptr<ZipMember> member = archive.open(part);
    if (!member)
        throw WorkbookFaultFound{WorkbookFault::Damaged};
    QXmlStreamReader xml(member.get());
    QList<Row> rows;
    qsizetype filledRows = 0;
    Row row;
    qint64 nextColumn = 0;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement && xml.name() == u"row") {
            row = {};
            nextColumn = 0;
        } else if (token == QXmlStreamReader::StartElement && xml.name() == u"c") {
            const QXmlStreamAttributes attributes = xml.attributes();
            const QStringView reference = attributes.value(QLatin1String("r"));
            const qint64 column = reference.isEmpty() ? nextColumn : columnOf(reference);
            nextColumn = column + 1;
            const Cell cell = readCell(xml);
            if (column == 0)
                row.a = cell;
            else if (column == 1)
                row.b = cell;
        } else if (token == QXmlStreamReader::EndElement && xml.name() == u"row") {
            if (row.a.sharedIndex >= 0 || !row.a.text.isEmpty()) {
                countFilledRow(filledRows);
                rows.append(row);
            }
        }
    }
    checkParsed(xml, *member);
    return rows;
}

// The shared strings that the rows use, and only those, so a large table costs no memory.
QHash<qint64, QString> sharedStrings(const ZipArchive &archive, const QString &part,
                                     const QSet<qint64> &used)
{
    QHash<qint64, QString> strings;
    const std::unique_ptr<ZipMember> member = used.isEmpty() ? nullptr : archive.open(part);
    if (!member)
        return strings;
    QXmlStreamReader xml(member.get());
    qint64 index = -1;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"si")
            continue;
        if (used.contains(++index))
            strings.insert(index, richText(xml));
        else
            xml.skipCurrentElement();
    }
    checkParsed(xml, *member);
    return strings;
}

QString textOf(const Cell &cell, const QHash<qint64, QString> &strings)
{
    if (cell.sharedIndex < 0)
        return cell.text;
    const auto found = strings.constFind(cell.sharedIndex);
    if (found == strings.cend())
        throw WorkbookFaultFound{WorkbookFault::Damaged};
    return *found;
}

// A number in a name's column, shown as a spreadsheet shows it by default.
QString shownNumber(const QString &value)
{
    bool ok = false;
    const double number = QLocale::c().toDouble(value, &ok);
    return ok ? QLocale::c().toString(number, 'g', 15) : value;
}

} // namespace

QList<RosterLine> readXlsxSheet(const ZipArchive &archive, const QString &sheet)
{
    const QString workbook = targetOfType(relationshipsOf(archive, {}), u"/officeDocument");
    if (workbook.isEmpty())
        throw WorkbookFaultFound{WorkbookFault::NotAWorkbook};
    const QHash<QString, Relationship> relationships = relationshipsOf(archive, workbook);
    const QList<Row> rows = readRows(archive, sheetPart(archive, workbook, relationships, sheet));

    QSet<qint64> used;
    for (const Row &row : rows) {
        for (const Cell *cell : {&row.a, &row.b}) {
            if (cell->sharedIndex >= 0)
                used.insert(cell->sharedIndex);
        }
    }
    const QString stringsPart = targetOfType(relationships, u"/sharedStrings");
    const QHash<qint64, QString> strings = sharedStrings(archive, stringsPart, used);

    QList<RosterLine> lines;
    for (const Row &row : rows) {
        const std::optional<qint32> number = wholeNumber(textOf(row.a, strings));
        if (!number)
            continue;
        const QString name = textOf(row.b, strings);
        lines.append({QString::number(*number), row.b.isNumber ? shownNumber(name) : name});
    }
    return lines;
}
