#include "FileTesting.h"

#include "files/Settings.h"
#include "files/TextLineReader.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// What a settings line leaves when its key does not match, and what a failed read leaves.
const QString untouchedFile;
constexpr qint16 untouchedSize = 0;

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void readsSettingsFile_data();
    void readsSettingsFile();
    void reportsMissingFile_data();
    void reportsMissingFile();
    void readsOptionLines_data();
    void readsOptionLines();

private:
    QTemporaryDir m_dir;
};

void TestSettings::readsSettingsFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("studentFile");
    QTest::addColumn<int>("maxClassNo");
    QTest::addColumn<std::optional<Failure>>("failure");

    const std::optional<Failure> none;
    const auto row = [](const char *name, const QString &content) -> QTestData & {
        return QTest::newRow(name) << content.toUtf8();
    };

    row("well-formed file", u"File=class.txt\r\nMaxClassNo=40\r\n"_s)
        << u"class.txt"_s << 40 << none;
    row("keys in another letter case", u"file=class.txt\r\nMAXCLASSNO=40\r\n"_s)
        << u"class.txt"_s << 40 << none;
    row("swapped lines match neither", u"MaxClassNo=40\r\nFile=class.txt\r\n"_s)
        << untouchedFile << int(untouchedSize) << none;
    row("second equals sign ends the path", u"File=a=b\r\nMaxClassNo=40\r\n"_s)
        << u"a"_s << 40 << none;
    row("blanks around the path are kept", u"File= class.txt \r\nMaxClassNo=40\r\n"_s)
        << u" class.txt "_s << 40 << none;
    row("blank before equals sign does not match", u"File =a\r\nMaxClassNo =40\r\n"_s)
        << untouchedFile << int(untouchedSize) << none;
    row("empty path is still a match", u"File=\r\nMaxClassNo=40\r\n"_s) << QString() << 40 << none;
    row("half rounds down to even", u"File=a\r\nMaxClassNo=40.5\r\n"_s) << u"a"_s << 40 << none;
    row("half rounds up to even", u"File=a\r\nMaxClassNo=41.5\r\n"_s) << u"a"_s << 42 << none;
    row("blanks around the class size", u"File=a\r\nMaxClassNo= 40 \r\n"_s) << u"a"_s << 40 << none;
    row("class size 0 passes reading", u"File=a\r\nMaxClassNo=0\r\n"_s) << u"a"_s << 0 << none;
    row("largest 16-bit class size", u"File=a\r\nMaxClassNo=32767\r\n"_s)
        << u"a"_s << 32767 << none;
    row("lines after the second are ignored", u"File=a\r\nMaxClassNo=40\r\n\r\nnoise"_s)
        << u"a"_s << 40 << none;
    row("lone LF line ends", u"File=a\nMaxClassNo=40"_s) << u"a"_s << 40 << none;
    row("byte-order mark before the first key", u"\uFEFFFile=a\r\nMaxClassNo=40\r\n"_s)
        << u"a"_s << 40 << none;
    QTest::newRow("UTF-16 settings file")
        << utf16WithBom(u"File=名單.txt\r\nMaxClassNo=40\r\n"_s, QStringConverter::Utf16LE)
        << u"名單.txt"_s << 40 << none;
    QTest::newRow("Big5 path whose trail bytes are backslashes")
        << QByteArray("File=\xB3\x5C\xA5\x5C.txt\r\nMaxClassNo=40\r\n") << u"許功.txt"_s << 40
        << none;

    const auto failing = [](Failure kind) { return std::optional(kind); };
    row("empty first line", u"\r\nMaxClassNo=40\r\n"_s)
        << untouchedFile << int(untouchedSize) << failing(Failure::IndexOutOfRange);
    row("empty second line", u"File=a\r\n\r\n"_s)
        << u"a"_s << int(untouchedSize) << failing(Failure::IndexOutOfRange);
    row("path key without equals sign", u"File\r\nMaxClassNo=40\r\n"_s)
        << untouchedFile << int(untouchedSize) << failing(Failure::IndexOutOfRange);
    row("class size key without equals sign", u"File=a\r\nMaxClassNo\r\n"_s)
        << u"a"_s << int(untouchedSize) << failing(Failure::IndexOutOfRange);
    row("class size in words", u"File=a\r\nMaxClassNo=forty\r\n"_s)
        << u"a"_s << int(untouchedSize) << failing(Failure::NotANumber);
    row("empty class size", u"File=a\r\nMaxClassNo=\r\n"_s)
        << u"a"_s << int(untouchedSize) << failing(Failure::NotANumber);
    row("class size followed by a word", u"File=a\r\nMaxClassNo=40 students\r\n"_s)
        << u"a"_s << int(untouchedSize) << failing(Failure::NotANumber);
    row("class size written as infinity", u"File=a\r\nMaxClassNo=inf\r\n"_s)
        << u"a"_s << int(untouchedSize) << failing(Failure::NotANumber);
    row("class size above 16 bits", u"File=a\r\nMaxClassNo=32768\r\n"_s)
        << u"a"_s << int(untouchedSize) << failing(Failure::Overflow);
    row("class size below 16 bits", u"File=a\r\nMaxClassNo=-32769\r\n"_s)
        << u"a"_s << int(untouchedSize) << failing(Failure::Overflow);
    row("half that rounds out of 16 bits", u"File=a\r\nMaxClassNo=32767.5\r\n"_s)
        << u"a"_s << int(untouchedSize) << failing(Failure::Overflow);
    row("exponent beyond any number", u"File=a\r\nMaxClassNo=1e400\r\n"_s)
        << u"a"_s << int(untouchedSize) << failing(Failure::Overflow);
    row("only one line", u"File=a\r\n"_s)
        << u"a"_s << int(untouchedSize) << failing(Failure::ReadPastEnd);
    row("empty file", QString()) << untouchedFile << int(untouchedSize)
                                 << failing(Failure::ReadPastEnd);
}

void TestSettings::readsSettingsFile()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, studentFile);
    QFETCH(int, maxClassNo);
    QFETCH(std::optional<Failure>, failure);

    const QString path = writeFile(m_dir, u"rand.ini"_s, content);
    std::optional<ClassSettings> settings;
    QCOMPARE(failureOf([&] { settings = readSettings(path); }), failure);
    QCOMPARE(settings.has_value(), !failure);
    if (failure)
        return;
    QCOMPARE(settings->rosterPath, studentFile);
    QCOMPARE(settings->classSize.value(), maxClassNo);
}

void TestSettings::reportsMissingFile_data()
{
    QTest::addColumn<bool>("directory");
    QTest::newRow("no settings file") << false;
    QTest::newRow("directory named rand.ini") << true;
}

void TestSettings::reportsMissingFile()
{
    QFETCH(bool, directory);

    QTemporaryDir dir;
    const QString path = dir.filePath(u"rand.ini"_s);
    if (directory)
        QVERIFY(QDir(dir.path()).mkdir(u"rand.ini"_s));
    QVERIFY(!readSettings(path).has_value());
}

void TestSettings::readsOptionLines_data()
{
    QTest::addColumn<QByteArray>("tail"); // the lines after File and MaxClassNo
    QTest::addColumn<bool>("remember");
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<std::optional<Failure>>("failure");

    const std::optional<Failure> none;
    const auto failing = [](Failure kind) { return std::optional(kind); };
    QTest::newRow("no third line: today's behaviour") << QByteArray() << false << QString() << none;
    QTest::newRow("Remember=1") << QByteArray("Remember=1\r\n") << true << QString() << none;
    QTest::newRow("key in any letter case")
        << QByteArray("rEMEMBER=1") << true << QString() << none;
    QTest::newRow("Remember=0") << QByteArray("Remember=0\r\n") << false << QString() << none;
    QTest::newRow("after blank and other lines")
        << QByteArray("\r\n; my class\r\nColour=red\r\nRemember=1\r\n") << true << QString()
        << none;
    QTest::newRow("the first Remember line counts")
        << QByteArray("Remember=0\r\nRemember=1\r\n") << false << QString() << none;
    QTest::newRow("unreadable tail still starts as before")
        << QByteArray(TextLineReader::maxLineBytes + 1, 'x') + "\r\nRemember=1\r\n"
        << false << QString() << none;
    QTest::newRow("Remember=yes is a settings error, not a silent no")
        << QByteArray("Remember=yes\r\n") << false << QString() << failing(Failure::NotANumber);
    QTest::newRow("Remember without a value")
        << QByteArray("Remember\r\n") << false << QString() << failing(Failure::IndexOutOfRange);
    QTest::newRow("a sheet's name keeps its blanks and equals signs")
        << QByteArray("Sheet= 乙 = 2\r\n") << false << u" 乙 = 2"_s << none;
    QTest::newRow("Sheet and Remember in either order")
        << QByteArray("Sheet=名單\r\nRemember=1\r\nSheet=other\r\n") << true << u"名單"_s << none;
}

void TestSettings::readsOptionLines()
{
    QFETCH(QByteArray, tail);
    QFETCH(bool, remember);
    QFETCH(QString, sheet);
    QFETCH(std::optional<Failure>, failure);

    const QString path = writeFile(m_dir, u"rand.ini"_s, "File=a.txt\r\nMaxClassNo=40\r\n" + tail);
    std::optional<ClassSettings> settings;
    QCOMPARE(failureOf([&] { settings = readSettings(path); }), failure);
    if (failure)
        return;
    QCOMPARE(settings->remember, remember);
    QCOMPARE(settings->sheet, sheet);
    QCOMPARE(settings->classSize.value(), 40);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
