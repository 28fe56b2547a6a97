#include "files/TurnsFile.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QByteArray header = "Tombolix turns: the numbers picked in this round, oldest first. "
                          "Delete this file to start a new round.\r\n";

} // namespace

class TestTurnsFile : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void readsWhatATeacherMayLeave_data();
    void readsWhatATeacherMayLeave();
    void refusesDamagedFiles_data();
    void refusesDamagedFiles();
    void namesNeverBreakALine();
};

void TestTurnsFile::roundTrip_data()
{
    QTest::addColumn<QList<qint16>>("turns");
    QTest::addColumn<QDate>("absentDate");
    QTest::addColumn<QList<qint16>>("absent");

    QTest::newRow("empty round") << QList<qint16>{} << QDate() << QList<qint16>{};
    QTest::newRow("pick order kept, not sorted")
        << QList<qint16>{7, 3, 40, 1} << QDate() << QList<qint16>{};
    QTest::newRow("absent marks with their day")
        << QList<qint16>{2} << QDate(2026, 3, 9) << QList<qint16>{4, 17};
    QTest::newRow("largest class number") << QList<qint16>{32767} << QDate() << QList<qint16>{};
    QList<qint16> full;
    for (qint16 n = 99; n >= 1; --n)
        full.append(n);
    QTest::newRow("a full round of 99") << full << QDate() << QList<qint16>{};
}

void TestTurnsFile::roundTrip()
{
    QFETCH(QList<qint16>, turns);
    QFETCH(QDate, absentDate);
    QFETCH(QList<qint16>, absent);

    const QStringList names{u"王小明"_s, u"Anne-Marie, Jr."_s, QString(), u"李美玲"_s};
    const std::optional<SavedTurns> read = parseTurns(
        formatTurns({turns, absentDate, absent}, names));
    QVERIFY(read);
    QCOMPARE(read->turns, turns);
    QCOMPARE(read->absent, absent);
    if (!absent.isEmpty())
        QCOMPARE(read->absentDate, absentDate);
}

void TestTurnsFile::readsWhatATeacherMayLeave_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<qint16>>("turns");
    QTest::addColumn<QList<qint16>>("absent");

    QTest::newRow("LF line ends from another editor") << QByteArray(header).replace("\r\n", "\n")
            + "5\n9\n" << QList<qint16>{5, 9} << QList<qint16>{};
    QTest::newRow("byte order mark from Notepad") << "\xEF\xBB\xBF" + header + "5\r\n"
                                                  << QList<qint16>{5} << QList<qint16>{};
    QTest::newRow("blank lines and no last line end")
        << header + "\r\n5\r\n\r\n  \r\n9" << QList<qint16>{5, 9} << QList<qint16>{};
    QTest::newRow("name edited, number kept") << header + "5\tsomeone else\t42\r\n"
                                              << QList<qint16>{5} << QList<qint16>{};
    QTest::newRow("absent line in other letter case, numbers unsorted") << header
            + "ABSENT ON 2026-03-09: 9 4 9\r\n1\r\n" << QList<qint16>{1} << QList<qint16>{4, 9};
    QTest::newRow("first line only") << header << QList<qint16>{} << QList<qint16>{};
}

void TestTurnsFile::readsWhatATeacherMayLeave()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<qint16>, turns);
    QFETCH(QList<qint16>, absent);

    const std::optional<SavedTurns> read = parseTurns(bytes);
    QVERIFY(read);
    QCOMPARE(read->turns, turns);
    QCOMPARE(read->absent, absent);
}

void TestTurnsFile::refusesDamagedFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QByteArray hundred = header;
    for (int n = 1; n <= 100; ++n)
        hundred += QByteArray::number(n) + "\r\n";

    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("another file saved over it")
        << QByteArray("File=class.txt\r\nMaxClassNo=40\r\n");
    QTest::newRow("first line deleted") << QByteArray("5\r\n9\r\n");
    QTest::newRow("same number twice would give two turns") << header + "5\r\n5\r\n";
    QTest::newRow("zero is no class number") << header + "0\r\n";
    QTest::newRow("negative number") << header + "-3\r\n";
    QTest::newRow("number with a sign") << header + "+3\r\n";
    QTest::newRow("beyond 16 bits would overflow") << header + "32768\r\n";
    QTest::newRow("digits too many to convert") << header + "99999999999999999999\r\n";
    QTest::newRow("number in words") << header + "seven\r\n";
    QTest::newRow("blank inside a number") << header + "1 2\r\n";
    QTest::newRow("name without its tab") << header + "5 王小明\r\n";
    QTest::newRow("more turns than a round holds") << hundred;
    QTest::newRow("absent date not a day") << header + "Absent on 2026-02-30: 4\r\n";
    QTest::newRow("absent date missing") << header + "Absent on: 4\r\n";
    QTest::newRow("absent number zero") << header + "Absent on 2026-03-09: 0\r\n";
    QTest::newRow("absent number in words") << header + "Absent on 2026-03-09: four\r\n";
    QTest::newRow("two absent lines")
        << header + "Absent on 2026-03-09: 4\r\nAbsent on 2026-03-09: 5\r\n";
    QTest::newRow("not UTF-8 (a Big5 name)") << header + "5\t\xA4\xFD\xA4\x70\xA9\xFA\r\n";
    QTest::newRow("UTF-16 from a Save As") << QByteArray("\xFF\xFET\0o\0m\0", 8);
    QTest::newRow("larger than any turns file") << header + QByteArray(maxTurnsFileBytes, '\n');
}

void TestTurnsFile::refusesDamagedFiles()
{
    QFETCH(QByteArray, bytes);
    QCOMPARE(parseTurns(bytes).has_value(), false);
}

// A name from a CSV roster may hold line breaks or tabs; the file stays one number a line.
void TestTurnsFile::namesNeverBreakALine()
{
    const QStringList names{u"Anne\r\nMarie"_s, u"Tab\there"_s};
    const QByteArray bytes = formatTurns({{1, 2}, QDate(), {}}, names);
    QCOMPARE(bytes, header + "1\tAnne Marie\r\n2\tTab here\r\n");
    const std::optional<SavedTurns> read = parseTurns(bytes);
    QVERIFY(read);
    QCOMPARE(read->turns, (QList<qint16>{1, 2}));
}

QTEST_GUILESS_MAIN(TestTurnsFile)
#include "tst_turns_file.moc"
