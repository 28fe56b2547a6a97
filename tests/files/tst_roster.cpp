#include "FileTesting.h"

#include "files/Roster.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// One line per number in order, as a teacher writes a roster.
QString rosterOf(int count)
{
    QString roster;
    for (int n = 1; n <= count; ++n)
        roster += u"%1\tStudent %1\r\n"_s.arg(n);
    return roster;
}

} // namespace

class TestRoster : public QObject
{
    Q_OBJECT

private slots:
    void looksUpName_data();
    void looksUpName();
    void reportsRemovedFile();
    void findsPathWrittenWithBackslashes();
    void bundledBig5ClassMatchesUtf8Class();

private:
    QTemporaryDir m_dir;
};

void TestRoster::looksUpName_data()
{
    QTest::addColumn<QByteArray>("roster");
    QTest::addColumn<int>("currentNumber");
    QTest::addColumn<QString>("name");
    QTest::addColumn<std::optional<Failure>>("failure");

    const std::optional<Failure> none;
    const auto row = [](const char *name, const QString &roster, int currentNumber) -> QTestData & {
        return QTest::newRow(name) << roster.toUtf8() << currentNumber;
    };

    row("line n gives number n: first", rosterOf(40), 1) << u"Student 1"_s << none;
    row("line n gives number n: middle", rosterOf(40), 17) << u"Student 17"_s << none;
    row("line n gives number n: last", rosterOf(40), 40) << u"Student 40"_s << none;
    row("number standing below its line is not reached",
        u"1\tA\r\n2\tB\r\n3\tC\r\n4\tD\r\n6\tF\r\n7\tG\r\n5\tE\r\n"_s, 5)
        << QString() << none;
    row("later match wins", u"2\tEarly\r\n2\tLate\r\n"_s, 2) << u"Late"_s << none;
    row("extra fields are ignored", u"1\tA\tnote\tmore\r\n"_s, 1) << u"A"_s << none;
    row("leading zero does not match", u"1\tA\r\n02\tB\r\n"_s, 2) << QString() << none;
    row("trailing blank after the number does not match", u"1 \tA\r\n"_s, 1) << QString() << none;
    row("line without tab that does not match is fine", u"heading\r\n2\tB\r\n"_s, 2)
        << u"B"_s << none;
    row("empty line below those read is not reached", u"1\tA\r\n\r\n"_s, 1) << u"A"_s << none;
    row("name keeps its blanks", u"1\t A B \r\n"_s, 1) << u" A B "_s << none;
    row("lone LF line ends", u"1\tA\n2\tB\n"_s, 2) << u"B"_s << none;
    row("class number 0 reads no line", QString(), 0) << QString() << none;
    row("negative class number reads no line", QString(), -3) << QString() << none;
    QTest::newRow("roster saved as Big5 with backslash trail bytes")
        << QByteArray("1\t\xB3\x5C\xA5\x5C\r\n2\t\xF9\xD6\xF9\xD8\r\n") << 2 << u"碁裏"_s << none;
    QTest::newRow("roster saved as UTF-16 spreadsheet text")
        << utf16WithBom(u"1\t陳大文\r\n2\t李小明\r\n"_s, QStringConverter::Utf16LE) << 2
        << u"李小明"_s << none;

    row("CSV: quotes around number and name are taken off", u"\"1\",\"A\"\r\n"_s, 1)
        << u"A"_s << none;
    row("CSV: comma inside a quoted name", u"1,\"Chan, Tai Man\",,\r\n"_s, 1)
        << u"Chan, Tai Man"_s << none;
    row("CSV: doubled quote is one quote", u"1,\"Tai \"\"Rock\"\" Man\"\r\n"_s, 1)
        << u"Tai \"Rock\" Man"_s << none;
    row("tab wins over comma in a name", u"1\tChan, Tai Man\r\n"_s, 1)
        << u"Chan, Tai Man"_s << none;
    QTest::newRow("Excel CSV UTF-8: byte-order mark before the first line")
        << QByteArray("\xEF\xBB\xBF") + u"1,陳大文\r\n2,B\r\n"_s.toUtf8() << 1 << u"陳大文"_s
        << none;
    QTest::newRow("Excel CSV (Comma delimited) in Big5")
        << QByteArray("1,\xB3\x5C\xA5\x5C\r\n2,\"\xF9\xD6,\xF9\xD8\"\r\n") << 2 << u"碁,裏"_s
        << none;
    row("LibreOffice CSV: UTF-8, LF, quotes only where needed",
        u"1,陳大文\n2,\"李,小明\"\n3,張三\n"_s, 2)
        << u"李,小明"_s << none;

    const auto failing = [](Failure kind) { return std::optional(kind); };
    row("fewer lines than the class number", u"1\tA\r\n"_s, 2)
        << QString() << failing(Failure::ReadPastEnd);
    row("empty line among those read", u"1\tA\r\n\r\n3\tC\r\n"_s, 3)
        << QString() << failing(Failure::IndexOutOfRange);
    row("matching line with neither tab nor comma", u"1\tA\r\n2\r\n"_s, 2)
        << QString() << failing(Failure::IndexOutOfRange);
}

void TestRoster::looksUpName()
{
    QFETCH(QByteArray, roster);
    QFETCH(int, currentNumber);
    QFETCH(QString, name);
    QFETCH(std::optional<Failure>, failure);

    const QString path = writeFile(m_dir, u"roster.txt"_s, roster);
    QString found;
    QCOMPARE(failureOf([&] { found = studentName(path, currentNumber); }), failure);
    QCOMPARE(found, name);
}

void TestRoster::reportsRemovedFile()
{
    const QString path = writeFile(m_dir, u"removed.txt"_s, rosterOf(3).toUtf8());
    QCOMPARE(studentName(path, 3), u"Student 3"_s);
    QVERIFY(QFile::remove(path));
    QCOMPARE(failureOf([&] { studentName(path, 3); }), Failure::CannotOpen);
}

void TestRoster::findsPathWrittenWithBackslashes()
{
    QVERIFY(QDir(m_dir.path()).mkpath(u"名單"_s));
    writeFile(m_dir, u"名單/三年甲班.txt"_s, rosterOf(2).toUtf8());
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir.path()));
    const QString name = studentName(u"名單\\三年甲班.txt"_s, 2);
    QDir::setCurrent(previous);
    QCOMPARE(name, u"Student 2"_s);
}

void TestRoster::bundledBig5ClassMatchesUtf8Class()
{
    // The Big5 example is what teachers with older machines copy: it must name the same class.
    const QString examples = QStringLiteral(QT_TESTCASE_SOURCEDIR "/../examples/");
    for (int n = 1; n <= 40; ++n) {
        const QString utf8 = studentName(examples + u"utf8/class.txt"_s, n);
        QVERIFY2(!utf8.isEmpty() && !utf8.contains(QChar::ReplacementCharacter), qPrintable(utf8));
        QCOMPARE(studentName(examples + u"big5/class.txt"_s, n), utf8);
    }
}

QTEST_GUILESS_MAIN(TestRoster)
#include "tst_roster.moc"
