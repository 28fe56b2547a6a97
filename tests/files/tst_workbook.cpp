#include "FileTesting.h"
#include "Workbooks.h"

#include "files/Roster.h"
#include "files/Workbook.h"

#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

// The lines as "number=name", one string, so a row shows the whole outcome at once.
QString shown(const QList<RosterLine> &lines)
{
    QStringList parts;
    for (const RosterLine &line : lines)
        parts.append(line.number + u'=' + line.name);
    return parts.join(u' ');
}

// The lines a workbook gives, or the fault it is refused for, as one string.
QString outcomeOf(const QString &path, const QString &sheet = {})
{
    try {
        return shown(readWorkbook(path, sheet));
    } catch (const WorkbookError &error) {
        return u"fault "_s + QString::number(int(error.fault()));
    }
}

QString fault(WorkbookFault kind)
{
    return u"fault "_s + QString::number(int(kind));
}

QByteArray numberedRows(int count)
{
    QByteArray rows;
    for (int n = 1; n <= count; ++n)
        rows += "<row><c><v>" + QByteArray::number(n) + "</v></c></row>";
    return rows;
}

} // namespace

class TestWorkbook : public QObject
{
    Q_OBJECT

private slots:
    void xlsxLines_data();
    void xlsxLines();
    void odsLines_data();
    void odsLines();
    void writtenBySpreadsheets_data();
    void writtenBySpreadsheets();
    void refusedWorkbooks_data();
    void refusedWorkbooks();
    void lookupAsInATextRoster();

private:
    QString write(const QString &name, const QByteArray &bytes)
    {
        return writeFile(m_dir, name, bytes);
    }

    QTemporaryDir m_dir;
};

void TestWorkbook::xlsxLines_data()
{
    QTest::addColumn<QByteArray>("rows");
    QTest::addColumn<QByteArray>("sharedStrings");
    QTest::addColumn<QString>("lines");

    const QByteArray none;
    QTest::newRow("heading row skipped, shared strings looked up")
        << QByteArray("<row><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v></c></row>"
                      "<row><c r=\"A2\"><v>1</v></c><c r=\"B2\" t=\"s\"><v>2</v></c></row>")
        << QByteArray("<si><t>座號</t></si><si><t>姓名</t></si><si><t>王小明</t></si>")
        << u"1=王小明"_s;
    QTest::newRow("1.0 and 1E1 are whole numbers, 2.5 is none")
        << QByteArray("<row><c><v>1.0</v></c><c t=\"str\"><v>a</v></c></row>"
                      "<row><c><v>2.5</v></c><c t=\"str\"><v>b</v></c></row>"
                      "<row><c><v>1E1</v></c><c t=\"str\"><v>c</v></c></row>")
        << none << u"1=a 10=c"_s;
    QTest::newRow("numbers typed as text, with blanks or a leading zero")
        << QByteArray("<row><c t=\"inlineStr\"><is><t> 7 </t></is></c><c t=\"inlineStr\"><is>"
                      "<t>x</t></is></c></row><row><c t=\"s\"><v>0</v></c><c/></row>")
        << QByteArray("<si><t>08</t></si>") << u"7=x 8="_s;
    QTest::newRow("rich-text runs joined, phonetic guide left out")
        << QByteArray("<row><c><v>1</v></c><c t=\"s\"><v>0</v></c></row>")
        << QByteArray("<si><r><rPr><b/></rPr><t>周</t></r><r><t xml:space=\"preserve\">杰 倫</t>"
                      "</r><rPh sb=\"0\" eb=\"1\"><t>ㄓㄡ</t></rPh></si>")
        << u"1=周杰 倫"_s;
    QTest::newRow("formulas by their cached values")
        << QByteArray("<row><c><f>1+1</f><v>2</v></c><c t=\"str\"><f>\"吳\"&amp;\"淑芬\"</f>"
                      "<v>吳淑芬</v></c></row>")
        << none << u"2=吳淑芬"_s;
    QTest::newRow("cells without references follow one another, column C ignored")
        << QByteArray("<row><c><v>3</v></c><c t=\"str\"><v>name</v></c><c t=\"str\"><v>C</v></c>"
                      "</row><row><c r=\"B9\" t=\"str\"><v>no number</v></c></row>")
        << none << u"3=name"_s;
    QTest::newRow("a number as the name shows as a spreadsheet shows it")
        << QByteArray("<row><c><v>4</v></c><c><v>12.50</v></c></row>") << none << u"4=12.5"_s;
    QTest::newRow("negative and huge numbers are no class numbers")
        << QByteArray("<row><c><v>-1</v></c></row><row><c><v>1e300</v></c></row>") << none
        << QString();
}

void TestWorkbook::xlsxLines()
{
    QFETCH(QByteArray, rows);
    QFETCH(QByteArray, sharedStrings);
    QFETCH(QString, lines);

    QCOMPARE(outcomeOf(write(u"class.xlsx"_s, zipOf(xlsxMembers(rows, sharedStrings)))), lines);
}

void TestWorkbook::odsLines_data()
{
    QTest::addColumn<QByteArray>("tables");
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("lines");

    const QByteArray first = "<table:table table:name=\"甲\"><table:table-row><table:table-cell "
                             "office:value-type=\"float\" office:value=\"1\"><text:p>1.0</text:p>"
                             "</table:table-cell><table:table-cell><text:p>甲一</text:p>"
                             "</table:table-cell></table:table-row></table:table>";
    const QByteArray second
        = "<table:table table:name=\"乙 = 2\"><table:table-row><table:table-cell "
          "office:value-type=\"string\"><text:p>1</text:p></table:table-cell>"
          "<table:table-cell><text:p>乙一</text:p></table:table-cell>"
          "</table:table-row></table:table>";
    QTest::newRow("first sheet by default") << first + second << QString() << u"1=甲一"_s;
    QTest::newRow("sheet by its exact name") << first + second << u"乙 = 2"_s << u"1=乙一"_s;
    QTest::newRow("repeated rows and cells, spaces, notes, paragraphs")
        << QByteArray("<table:table><table:table-header-rows><table:table-row><table:table-cell>"
                      "<text:p>座號</text:p></table:table-cell></table:table-row>"
                      "</table:table-header-rows><table:table-row table:number-rows-repeated=\"2\">"
                      "<table:table-cell table:number-columns-repeated=\"2\" office:value-type="
                      "\"float\" office:value=\"2\"><office:annotation><text:p>note</text:p>"
                      "</office:annotation><text:p>A<text:s text:c=\"2\"/><text:span>B</text:span>"
                      "</text:p><text:p>C</text:p></table:table-cell></table:table-row>"
                      "<table:table-row table:number-rows-repeated=\"1000000\"><table:table-cell/>"
                      "</table:table-row></table:table>")
        << QString() << u"2=A  B\nC 2=A  B\nC"_s;
}

void TestWorkbook::odsLines()
{
    QFETCH(QByteArray, tables);
    QFETCH(QString, sheet);
    QFETCH(QString, lines);

    QCOMPARE(outcomeOf(write(u"class.ods"_s, zipOf(odsMembers(tables))), sheet), lines);
}

void TestWorkbook::writtenBySpreadsheets_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("outcome");

    // A heading, an empty row, a number typed as text, two formulas and a name in two runs.
    const QString firstSheet
        = u"1=王小明 2=李大華 3=陳美玲 4=林志強 5=張雅婷 6=黃建國 7=吳淑芬 8=周杰倫"_s;
    for (const QString &file : {u"class.xlsx"_s, u"class.ods"_s}) {
        const QByteArray name = file.toUtf8();
        QTest::addRow("%s, first sheet", name.constData()) << file << QString() << firstSheet;
        QTest::addRow("%s, sheet by name", name.constData())
            << file << u"二年三班"_s << u"1=Alice 2=Bob 3=Carol"_s;
    }
    QTest::newRow("Excel's encryption")
        << u"encrypted.xlsx"_s << QString() << fault(WorkbookFault::Encrypted);
    QTest::newRow("OpenDocument's encryption")
        << u"encrypted.ods"_s << QString() << fault(WorkbookFault::Encrypted);
    QTest::newRow("Excel 97 under an .xlsx name")
        << u"old.xlsx"_s << QString() << fault(WorkbookFault::NotAWorkbook);
}

void TestWorkbook::writtenBySpreadsheets()
{
    QFETCH(QString, file);
    QFETCH(QString, sheet);
    QFETCH(QString, outcome);

    QCOMPARE(outcomeOf(QStringLiteral(QT_TESTCASE_SOURCEDIR "/files/workbooks/") + file, sheet),
             outcome);
}

void TestWorkbook::refusedWorkbooks_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("outcome");

    const QByteArray good = zipOf(xlsxMembers(numberedRows(3)));
    QTest::newRow("truncated") << good.left(good.size() / 2) << QString()
                               << fault(WorkbookFault::Damaged);
    QByteArray corrupted = good;
    corrupted[corrupted.indexOf("PK\x01\x02") - 20] ^= 0x55; // inside the last member's data
    QTest::newRow("a member whose data no longer matches its checksum")
        << corrupted << QString() << fault(WorkbookFault::Damaged);
    QTest::newRow("text behind the extension")
        << QByteArray("1\t王小明\r\n") << QString() << fault(WorkbookFault::NotAWorkbook);
    const QByteArray compoundFile("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    QTest::newRow("old binary .xls")
        << compoundFile + QByteArray(600, 'W') << QString() << fault(WorkbookFault::NotAWorkbook);
    QTest::newRow("encrypted Office workbook") << compoundFile + QByteArray(2000, '\0')
            + QByteArray("E\0n\0c\0r\0y\0p\0t\0e\0d\0P\0a\0c\0k\0a\0g\0e\0", 32)
                                               << QString() << fault(WorkbookFault::Encrypted);
    QTest::newRow("encrypted OpenDocument")
        << zipOf(odsMembers("<table:table/>",
                            "<manifest><file-entry full-path=\"content.xml\"><encryption-data/>"
                            "</file-entry></manifest>"))
        << QString() << fault(WorkbookFault::Encrypted);
    QTest::newRow("a text document is no workbook")
        << zipOf({{u"mimetype"_s, "application/vnd.oasis.opendocument.text"}}) << QString()
        << fault(WorkbookFault::NotAWorkbook);
    QTest::newRow("Sheet= names no sheet")
        << good << u"Sheet2"_s << fault(WorkbookFault::NoSuchSheet);
    QTest::newRow("Sheet= is an exact name")
        << good << u"sheet1"_s << fault(WorkbookFault::NoSuchSheet);
    QTest::newRow("sheet inflating past the limit")
        << zipOf(xlsxMembers(numberedRows(1) + QByteArray(WorkbookLimits::maxPartBytes, ' ')))
        << QString() << fault(WorkbookFault::TooLarge);
    QTest::newRow("more rows than the largest class")
        << zipOf(xlsxMembers(numberedRows(WorkbookLimits::maxLines + 1))) << QString()
        << fault(WorkbookFault::TooManyRows);
    QTest::newRow("the largest class still reads") << zipOf(xlsxMembers(
        "<row><c t=\"str\"><v>座號</v></c></row>" + numberedRows(WorkbookLimits::maxLines - 1)))
                                                   << QString() << u"ok"_s;
    QTest::newRow("shared string that is not there")
        << zipOf(xlsxMembers("<row><c t=\"s\"><v>5</v></c></row>", "<si><t>1</t></si>"))
        << QString() << fault(WorkbookFault::Damaged);
    QTest::newRow("sheet XML cut short") << zipOf(xlsxMembers("<row><c><v>1</v></c></row><row>"))
                                         << QString() << fault(WorkbookFault::Damaged);
}

void TestWorkbook::refusedWorkbooks()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, sheet);
    QFETCH(QString, outcome);

    const QString path = write(u"class.xlsx"_s, bytes);
    const QString got = outcomeOf(path, sheet);
    QCOMPARE(got.startsWith(u"fault"_s) ? got : u"ok"_s, outcome);
    QCOMPARE(QFile(path).size(), bytes.size()); // never written
}

void TestWorkbook::lookupAsInATextRoster()
{
    // Row n holds number n; the name of 3 is on the fourth numbered row, so 3 finds none.
    const QString path = write(u"CLASS.XLSX"_s,
                               zipOf(xlsxMembers("<row><c><v>1</v></c><c t=\"str\"><v>一</v></c>"
                                                 "</row><row><c><v>2</v></c></row><row><c><v>9"
                                                 "</v></c></row><row><c><v>3</v></c><c t=\"str\">"
                                                 "<v>三</v></c></row>")));
    QCOMPARE(studentName(path, 1), u"一"_s);
    QCOMPARE(studentName(path, 2), QString());
    QCOMPARE(studentName(path, 3), QString());
    QCOMPARE(studentName(path, 4), QString());
    QCOMPARE(failureOf([&] { studentName(path, 5); }), Failure::ReadPastEnd);
    QCOMPARE(rosterNames(path, 5), (QStringList{u"一"_s, {}, {}, {}, {}}));
    QVERIFY_THROWS_EXCEPTION(WorkbookError, studentName(path, 1, u"no such sheet"_s));

    // An .xls is refused only when it is an old binary workbook; exported text stays text.
    const QString oldBinary = write(u"old.XLS"_s, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1 binary");
    QVERIFY_THROWS_EXCEPTION(WorkbookError, studentName(oldBinary, 1));
    QCOMPARE(studentName(write(u"export.xls"_s, "1\t一\r\n"), 1), u"一"_s);
}

QTEST_GUILESS_MAIN(TestWorkbook)
#include "tst_workbook.moc"
