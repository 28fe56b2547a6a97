#include "FileTesting.h"
#include "Rig.h"

#include "app/CommandLine.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString classA = u"三年甲班 二組"_s;

QString canonical(const QString &path)
{
    return QFileInfo(path).canonicalFilePath();
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void opensClassOrRefuses_data();
    void opensClassOrRefuses();

private:
    QTemporaryDir m_root;
    QString m_previousDir;
};

void TestCommandLine::initTestCase()
{
    // Each class names its roster relative to its folder, as a class copied around does.
    for (const QString &folder : {classA, u"start"_s, u"caps"_s}) {
        QVERIFY(QDir(m_root.path()).mkpath(folder));
        const QString settings = folder == u"caps" ? u"RAND.INI"_s : u"rand.ini"_s;
        writeFile(m_root, folder + u'/' + settings, "File=名單.txt\r\nMaxClassNo=2\r\n");
        writeFile(m_root, folder + u"/名單.txt"_s, "1\tA\r\n2\tB\r\n");
    }
    m_previousDir = QDir::currentPath();
}

void TestCommandLine::cleanupTestCase()
{
    QDir::setCurrent(m_previousDir);
}

void TestCommandLine::opensClassOrRefuses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message"); // empty when the class opens
    QTest::addColumn<QString>("folder");  // the working directory after, under the root
    QTest::addColumn<bool>("fullScreen");
    QTest::addColumn<int>("zoom");

    const QString a = m_root.filePath(classA);
    const auto opens = [](const char *name, const QStringList &arguments,
                          const QString &folder) -> QTestData & {
        return QTest::newRow(name) << arguments << QString() << folder;
    };
    const auto refuses = [](const char *name, const QStringList &arguments, const QString &message) {
        QTest::newRow(name) << arguments << message << u"start"_s << false << 100;
    };

    opens("no argument stays where it started", {}, u"start"_s) << false << 100;
    opens("Chinese folder name with a blank", {a}, classA) << false << 100;
    opens("rand.ini given opens its folder", {a + u"/rand.ini"_s}, classA) << false << 100;
    opens("options before the class, zoom at its top",
          {u"--full-screen"_s, u"--zoom"_s, u"400"_s, a}, classA)
        << true << 400;

    const QString caps = m_root.filePath(u"caps/RAND.INI"_s);
    if (onWindows()) {
        opens("Windows: rand.ini in capitals", {caps}, u"caps"_s) << false << 100;
        opens("Windows: quote left by a last backslash", {a + u'"'}, classA) << false << 100;
    } else {
        refuses("Debian: RAND.INI is not the rand.ini read", {caps},
                u"參數錯誤！應為班級資料夾或其中的設定檔 rand.ini，不是 "_s + caps);
    }

    const QString missing = m_root.filePath(u"四年乙班"_s);
    refuses("path that does not exist", {missing},
            u"參數錯誤！找不到班級資料夾或設定檔 "_s + missing);
    refuses("the roster instead of rand.ini", {a + u"/名單.txt"_s},
            u"參數錯誤！應為班級資料夾或其中的設定檔 rand.ini，不是 "_s + a + u"/名單.txt"_s);
    refuses("two paths", {a, missing},
            u"參數錯誤！只能指定一個班級資料夾或設定檔，不是 「%1」、「%2」"_s.arg(a, missing));
    const QString options = u"參數錯誤！選項應為 --full-screen、--zoom、--help 或 --version，不是 "_s;
    refuses("unknown option", {u"--fullscreen"_s, a}, options + u"--fullscreen"_s);
    refuses("flag given a value", {u"--full-screen=yes"_s}, options + u"--full-screen=yes"_s);
    const QString zoom = u"參數錯誤！--zoom 應為 100 到 400 的整數，不是 "_s;
    refuses("zoom below 100 with a good class", {a, u"--zoom"_s, u"99"_s}, zoom + u"99"_s);
    refuses("zoom above 400", {u"--zoom=401"_s}, zoom + u"401"_s);
    refuses("zoom without its value", {u"--zoom"_s}, zoom);
}

void TestCommandLine::opensClassOrRefuses()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    QFETCH(QString, folder);
    QFETCH(bool, fullScreen);
    QFETCH(int, zoom);

    QVERIFY(QDir::setCurrent(m_root.filePath(u"start"_s)));
    Rig rig;
    const std::optional<LaunchOptions> options = openClass(QStringList{u"tombolix"_s} + arguments,
                                                           rig.controller);
    QCOMPARE(canonical(QDir::currentPath()), canonical(m_root.filePath(folder)));
    // Loading then reads rand.ini and its relative roster where a good start left it.
    rig.controller.load();

    if (!message.isEmpty()) {
        QVERIFY(!options);
        QCOMPARE(rig.dialog.texts, QStringList{errorDialogText(message)});
        QCOMPARE(rig.dialog.lastStatus, 1);
        QCOMPARE(rig.controller.state().classSize.value(), 0); // nothing was read
        return;
    }
    QVERIFY(options);
    QCOMPARE(options->fullScreen, fullScreen);
    QCOMPARE(options->zoomPercent, zoom);
    QCOMPARE(rig.dialog.texts, QStringList());
    QCOMPARE(rig.controller.state().rosterPath, u"名單.txt"_s);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
