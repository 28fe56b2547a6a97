// A folder of classes on the classroom PC: which of its folders the chooser lists, in which order.
#include "FileTesting.h"

#include "app/ClassFolders.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestClassFolders : public QObject
{
    Q_OBJECT

private slots:
    void listsClassesInFileManagerOrder_data();
    void listsClassesInFileManagerOrder();
};

void TestClassFolders::listsClassesInFileManagerOrder_data()
{
    QTest::addColumn<QStringList>("classes");    // subfolders with rand.ini
    QTest::addColumn<QStringList>("notClasses"); // subfolders without, or files
    QTest::addColumn<bool>("ownSettings");       // rand.ini in the folder itself
    QTest::addColumn<QStringList>("listed");

    QTest::newRow("numbers by value: 三年2班 before 三年10班")
        << QStringList{u"三年10班"_s, u"三年2班"_s, u"三年1班"_s} << QStringList() << false
        << QStringList{u"三年1班"_s, u"三年2班"_s, u"三年10班"_s};
    QTest::newRow("plain digits by value, not 10 before 9")
        << QStringList{u"10"_s, u"9"_s, u"100"_s} << QStringList() << false
        << QStringList{u"9"_s, u"10"_s, u"100"_s};
    QTest::newRow("letter case ignored, as file managers do")
        << QStringList{u"b class"_s, u"A class"_s, u"c class"_s} << QStringList() << false
        << QStringList{u"A class"_s, u"b class"_s, u"c class"_s};
    QTest::newRow("names with blanks kept whole, numbers between blanks by value")
        << QStringList{u"三年 10 班"_s, u"三年 9 班"_s} << QStringList() << false
        << QStringList{u"三年 9 班"_s, u"三年 10 班"_s};
    QTest::newRow("a subfolder without rand.ini is no class")
        << QStringList{u"三年1班"_s} << QStringList{u"照片"_s, u"舊名單"_s} << false
        << QStringList{u"三年1班"_s};
    QTest::newRow("no subfolder with rand.ini: nothing to choose")
        << QStringList() << QStringList{u"照片"_s} << false << QStringList();
    QTest::newRow("empty folder: nothing to choose")
        << QStringList() << QStringList() << false << QStringList();
    QTest::newRow("a class that also holds classes opens as a class")
        << QStringList{u"三年1班"_s} << QStringList() << true << QStringList();
}

void TestClassFolders::listsClassesInFileManagerOrder()
{
    QFETCH(QStringList, classes);
    QFETCH(QStringList, notClasses);
    QFETCH(bool, ownSettings);
    QFETCH(QStringList, listed);

    QTemporaryDir root;
    const QDir dir(root.path());
    for (const QString &name : classes) {
        QVERIFY(dir.mkpath(name));
        writeFile(root, name + u"/rand.ini"_s, "File=a.txt\r\nMaxClassNo=1\r\n");
    }
    for (const QString &name : notClasses) {
        QVERIFY(dir.mkpath(name));
        writeFile(root, name + u"/名單.txt"_s, "1\tA\r\n");
    }
    // Neither a rand.ini two levels down nor a folder named rand.ini makes a class.
    QVERIFY(dir.mkpath(u"學年/三年5班"_s));
    writeFile(root, u"學年/三年5班/rand.ini"_s, "File=a.txt\r\nMaxClassNo=1\r\n");
    QVERIFY(dir.mkpath(u"空的/rand.ini"_s));
    writeFile(root, u"說明.txt"_s, "");
    if (ownSettings)
        writeFile(root, u"rand.ini"_s, "File=a.txt\r\nMaxClassNo=1\r\n");

    QCOMPARE(classesIn(root.path()), listed);
}

QTEST_GUILESS_MAIN(TestClassFolders)
#include "tst_class_folders.moc"
