#include "FileTesting.h"

#include "files/Paths.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestPaths : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void findsFiles_data();
    void findsFiles();

private:
    QTemporaryDir m_dir;
    QString m_previousDir;
};

void TestPaths::initTestCase()
{
    // Relative paths are relative to the working directory, as for rand.ini.
    QVERIFY(QDir(m_dir.path()).mkpath(u"名單/舊"_s));
    writeFile(m_dir, u"名單/三年甲班.txt"_s, "1\tA\r\n");
    if (!onWindows())
        writeFile(m_dir, u"a\\b.txt"_s, "1\tA\r\n");
    m_previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir.path()));
}

void TestPaths::cleanupTestCase()
{
    QDir::setCurrent(m_previousDir);
}

void TestPaths::findsFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QString>("local");

    // On Windows: a drive letter and backslashes.
    const QString absolute = m_dir.filePath(u"名單/三年甲班.txt"_s);
    QTest::newRow("absolute path as the system writes it")
        << QDir::toNativeSeparators(absolute) << true << absolute;
    QTest::newRow("relative path with slashes")
        << u"名單/三年甲班.txt"_s << true << u"名單/三年甲班.txt"_s;
    QTest::newRow("relative path written with backslashes")
        << u"名單\\三年甲班.txt"_s << true << u"名單/三年甲班.txt"_s;
    QTest::newRow("file whose name holds a backslash is taken as written")
        << u"a\\b.txt"_s << true << u"a\\b.txt"_s;
    QTest::newRow("backslash path to a missing file stays as written")
        << u"名單\\四年乙班.txt"_s << false << u"名單\\四年乙班.txt"_s;
    QTest::newRow("directory is no file") << u"名單"_s << false << u"名單"_s;
    QTest::newRow("directory written with backslashes is no file")
        << u"名單\\舊"_s << false << u"名單\\舊"_s;
    QTest::newRow("empty path is no file") << QString() << false << QString();
}

void TestPaths::findsFiles()
{
    QFETCH(QString, path);
    QFETCH(bool, exists);
    QFETCH(QString, local);

    if (onWindows() && path == u"a\\b.txt")
        QSKIP("a backslash separates folders on Windows; no file name can hold one");
    QCOMPARE(fileExists(path), exists);
    // The same file, whichever separators name it.
    QCOMPARE(QFileInfo(localPath(path)).absoluteFilePath(), QFileInfo(local).absoluteFilePath());
}

QTEST_GUILESS_MAIN(TestPaths)
#include "tst_paths.moc"
