#include "FileTesting.h"

#include "files/TextLineReader.h"

#include <QFileInfo>
#include <QTest>

using namespace Qt::StringLiterals;

class TestTextReading : public QObject
{
    Q_OBJECT

private slots:
    void readsLinesInEachEncoding_data();
    void readsLinesInEachEncoding();
    void refusesOverlongLines_data();
    void refusesOverlongLines();
    void refusesDeviceWithoutLineEnds();
    void reportsFilesThatCannotBeOpened();

private:
    QTemporaryDir m_dir;
};

void TestTextReading::readsLinesInEachEncoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");

    const QString roster = u"1\t陳大文\r\n2\t李小明\r\n"_s;
    const QStringList rosterLines{u"1\t陳大文"_s, u"2\t李小明"_s};

    QTest::newRow("UTF-8 without byte-order mark") << roster.toUtf8() << rosterLines;
    QTest::newRow("UTF-8 byte-order mark is not part of the first line")
        << "\xEF\xBB\xBF" + roster.toUtf8() << rosterLines;
    QTest::newRow("UTF-16LE with byte-order mark")
        << utf16WithBom(roster, QStringConverter::Utf16LE) << rosterLines;
    QTest::newRow("UTF-16BE with byte-order mark")
        << utf16WithBom(roster, QStringConverter::Utf16BE) << rosterLines;
    // 上 is U+4E0A and 不 is U+4E0D: one of their bytes looks like LF or CR.
    QTest::newRow("UTF-16LE character holding byte 0A is no line end")
        << utf16WithBom(u"上\t下\n不\n"_s, QStringConverter::Utf16LE)
        << QStringList{u"上\t下"_s, u"不"_s};
    QTest::newRow("UTF-16BE character holding byte 0A is no line end")
        << utf16WithBom(u"上\t下\n不\n"_s, QStringConverter::Utf16BE)
        << QStringList{u"上\t下"_s, u"不"_s};
    QTest::newRow("UTF-16 odd byte at the end shows as U+FFFD")
        << utf16WithBom(u"A"_s, QStringConverter::Utf16LE) + 'B' << QStringList{u"A\uFFFD"_s};
    // U+0D41 is stored 41 0D: with the odd 00 after it, its high byte looked like a CR.
    QTest::newRow("UTF-16LE odd byte at the end makes no CR of the bytes before it")
        << utf16WithBom(u"A\u0D41"_s, QStringConverter::Utf16LE) + '\0'
        << QStringList{u"A\u0D41\uFFFD"_s};
    QTest::newRow("UTF-16BE odd byte at the end makes no CR of the bytes before it")
        << utf16WithBom(u"A一"_s, QStringConverter::Utf16BE) + '\r' << QStringList{u"A一\uFFFD"_s};

    QTest::newRow("Big5 trail byte is a backslash")
        << QByteArray("1\t\xB3\x5C\xA5\x5C\r\n") << QStringList{u"1\t許功"_s};
    // IBM's table, which Qt calls "cp950", has neither.
    QTest::newRow("code page 950 read with IBM table loses 碁 and 裏")
        << QByteArray("\xF9\xD6\xF9\xD8\r\n") << QStringList{u"碁裏"_s};
    QTest::newRow("byte valid in no encoding shows as U+FFFD")
        << QByteArray("A\xA4\x30\r\n") << QStringList{u"A\uFFFD0"_s};
    QTest::newRow("Big5 lead byte cut off by the line end shows as U+FFFD")
        << QByteArray("A\xB3\r\n\xB3\x5C") << QStringList{u"A\uFFFD"_s, u"許"_s};
    QTest::newRow("invalid byte in a UTF-8 file with byte-order mark shows as U+FFFD")
        << QByteArray("\xEF\xBB\xBF\xE9\x99\xB3\xFF") << QStringList{u"陳\uFFFD"_s};

    QTest::newRow("lone LF ends a line") << QByteArray("a\nb\n") << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("last line without line end is still a line")
        << QByteArray("a\r\nb") << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("empty lines are lines")
        << QByteArray("\r\n\nc") << QStringList{QString(), QString(), u"c"_s};
    QTest::newRow("empty file has no line") << QByteArray() << QStringList();

    // Lines of 100 bytes, then a character whose bytes straddle the first 64 KiB.
    QByteArray straddling = QByteArray(99, 'x').append('\n').repeated(655);
    straddling += QByteArray(35, 'x') + u"中"_s.toUtf8() + "\xE6\x96\x87\n";
    QStringList straddlingLines(655, QString(99, u'x'));
    straddlingLines.append(QString(35, u'x') + u"中文"_s);
    QTest::newRow("UTF-8 character across the inspected start stays UTF-8")
        << straddling << straddlingLines;
}

void TestTextReading::readsLinesInEachEncoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);

    TextLineReader reader(writeFile(m_dir, u"text.txt"_s, bytes));
    for (const QString &line : lines)
        QCOMPARE(reader.readLine(), line);
    QCOMPARE(failureOf([&] { reader.readLine(); }), Failure::ReadPastEnd);
}

void TestTextReading::refusesOverlongLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<std::optional<Failure>>("failure");

    constexpr qsizetype limit = TextLineReader::maxLineBytes;
    const std::optional<Failure> none;
    QTest::newRow("line of exactly 64 KiB is read") << QByteArray(limit, 'x') + "\r\nnext" << none;
    QTest::newRow("line one byte over 64 KiB")
        << QByteArray(limit + 1, 'x') + "\r\nnext" << std::optional(Failure::ReadPastEnd);
    QTest::newRow("last line over 64 KiB without line end")
        << QByteArray(limit + 1, 'x') << std::optional(Failure::ReadPastEnd);
    QTest::newRow("UTF-16 line over 64 KiB")
        << utf16WithBom(QString(limit / 2 + 1, u'x') + u"\r\n"_s, QStringConverter::Utf16LE)
        << std::optional(Failure::ReadPastEnd);
    QTest::newRow("large file without line ends is not held whole")
        << QByteArray(8 * 1024 * 1024, 'x') << std::optional(Failure::ReadPastEnd);
}

void TestTextReading::refusesOverlongLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(std::optional<Failure>, failure);

    TextLineReader reader(writeFile(m_dir, u"long.txt"_s, bytes));
    QCOMPARE(failureOf([&] { reader.readLine(); }), failure);
}

void TestTextReading::refusesDeviceWithoutLineEnds()
{
    const QString zeros = u"/dev/zero"_s;
    if (onWindows() || !QFileInfo::exists(zeros))
        QSKIP("no /dev/zero here");
    TextLineReader reader(zeros);
    QCOMPARE(failureOf([&] { reader.readLine(); }), Failure::ReadPastEnd);
}

void TestTextReading::reportsFilesThatCannotBeOpened()
{
    QCOMPARE(failureOf([&] { TextLineReader(m_dir.filePath(u"missing.txt"_s)); }),
             Failure::CannotOpen);
    QCOMPARE(failureOf([&] { TextLineReader(m_dir.path()); }), Failure::CannotOpen);
}

QTEST_GUILESS_MAIN(TestTextReading)
#include "tst_text_reading.moc"
