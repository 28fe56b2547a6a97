// One PC, several classes: the chooser of a folder of classes, and Ctrl+O for another class,
// through the real windows and dialogs.
#include "TestProgram.h"

#include "FileTesting.h"
#include "ui/ClassOpener.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int pickTimeoutMs = 10000;
const QString class2 = u"三年2班"_s;
const QString class10 = u"三年10班"_s;
const QString noClass = u"照片"_s;

QString canonical(const QString &path)
{
    return QFileInfo(path).canonicalFilePath();
}

// The report texts of the dialogs that come up while it lives.
struct Reports
{
    QStringList texts;
    ModalCloser closer{
        [this](QDialog *dialog) { texts.append(static_cast<QMessageBox *>(dialog)->text()); }};
};

QString report(const QString &message)
{
    return errorDialogText(message);
}

} // namespace

class TestClassOpener : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void chooserOpensClass_data();
    void chooserOpensClass();
    void chooserFollowsView_data();
    void chooserFollowsView();
    void escEndsWithoutReadingAClass();
    void noClassInFolderAsBefore();
    void chosenClassFailsItsChecks();
    void openAnotherClass_data();
    void openAnotherClass();
    void failedOpenKeepsClassAndTurns_data();
    void failedOpenKeepsClassAndTurns();
    void openFolderOfClassesThenEsc();
    void noOpenDuringPick();

private:
    std::optional<int> start(const QStringList &arguments);
    void pickDesignated(const QString &number);
    Program &program() const { return *m_opener->program(); }
    QString shown(const char *label) const
    {
        return program().window.findChild<QLabel *>(QString::fromLatin1(label))->text();
    }

    QTemporaryDir m_root;
    QString m_previousDir;
    std::unique_ptr<ClassOpener> m_opener;
    QList<int> m_ends;
    QString m_askedFrom;
    QString m_answer; // what the folder dialog returns
    int m_asked = 0;
};

void TestClassOpener::initTestCase()
{
    // Each class names its roster relative to its folder, with its own first student.
    for (const QString &name : {class10, class2, u"四年 甲班"_s}) {
        QVERIFY(QDir(m_root.path()).mkpath(u"班級/"_s + name));
        writeFile(m_root, u"班級/%1/rand.ini"_s.arg(name), "File=名單.txt\r\nMaxClassNo=2\r\n");
        writeFile(m_root, u"班級/%1/名單.txt"_s.arg(name),
                  (u"1\t"_s + name + u"的學生\r\n2\tB\r\n"_s).toUtf8());
    }
    QVERIFY(QDir(m_root.path()).mkpath(u"班級/"_s + noClass));
    QVERIFY(QDir(m_root.path()).mkpath(u"壞班級/缺名單"_s));
    writeFile(m_root, u"壞班級/缺名單/rand.ini"_s, "File=不在.txt\r\nMaxClassNo=2\r\n");
    m_previousDir = QDir::currentPath();
}

void TestClassOpener::init()
{
    QVERIFY(QDir::setCurrent(m_root.path()));
    m_ends.clear();
    m_asked = 0;
    m_answer.clear();
    m_opener = std::make_unique<ClassOpener>([this](int status) { m_ends.append(status); },
                                             [this](QWidget *, const QString &from) {
                                                 ++m_asked;
                                                 m_askedFrom = from;
                                                 return m_answer;
                                             });
}

void TestClassOpener::cleanup()
{
    m_opener.reset();
    QDir::setCurrent(m_previousDir);
}

std::optional<int> TestClassOpener::start(const QStringList &arguments)
{
    return m_opener->start(QStringList{u"tombolix"_s} + arguments);
}

void TestClassOpener::pickDesignated(const QString &number)
{
    auto *field = program().window.findChild<QLineEdit *>(u"chosenNumberField"_s);
    QTest::keyClicks(field, number);
    QTest::keyClick(field, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(pickShown(program()), pickTimeoutMs);
}

void TestClassOpener::chooserOpensClass_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("downs");
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<QString>("opened");

    const QString folder = m_root.filePath(u"班級"_s);
    QTest::newRow("Enter opens the first, 三年2班 before 三年10班")
        << QStringList{folder} << 0 << false << class2;
    QTest::newRow("Down and Enter open the second") << QStringList{folder} << 1 << false << class10;
    QTest::newRow("double-click opens the one clicked, a name with a blank")
        << QStringList{folder} << 2 << true << u"四年 甲班"_s;
    QTest::newRow("no argument: the folder the program starts in")
        << QStringList() << 0 << false << class2;
}

void TestClassOpener::chooserOpensClass()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, downs);
    QFETCH(bool, doubleClick);
    QFETCH(QString, opened);

    if (arguments.isEmpty())
        QVERIFY(QDir::setCurrent(m_root.filePath(u"班級"_s)));
    QCOMPARE(start(arguments), std::nullopt);
    ClassChooser *chooser = m_opener->chooser();
    QVERIFY(chooser);
    QVERIFY(QTest::qWaitForWindowActive(chooser));
    QCOMPARE(chooser->windowTitle(), u"Tombolix"_s);
    auto *list = chooser->findChild<QListWidget *>(u"classList"_s);
    QStringList names;
    for (int row = 0; row < list->count(); ++row)
        names.append(list->item(row)->text());
    QCOMPARE(names, (QStringList{class2, class10, u"四年 甲班"_s}));
    QCOMPARE(list->currentRow(), 0);
    QVERIFY(!program().window.isVisible());

    for (int i = 0; i < downs; ++i)
        QTest::keyClick(list, Qt::Key_Down);
    if (doubleClick) {
        const QPoint where = list->visualItemRect(list->currentItem()).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, where);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, where);
    } else {
        QTest::keyClick(list, Qt::Key_Return);
    }
    QVERIFY(program().window.isVisible());
    QCOMPARE(m_opener->chooser(), nullptr);
    QCOMPARE(canonical(QDir::currentPath()), canonical(m_root.filePath(u"班級/"_s + opened)));
    pickDesignated(u"1"_s);
    QCOMPARE(shown("nameLabel"), opened + u"的學生"_s);
    QCOMPARE(m_ends, QList<int>());
}

void TestClassOpener::chooserFollowsView_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<bool>("fullScreen");
    QTest::newRow("--zoom 200 doubles the chooser too")
        << QStringList{u"--zoom"_s, u"200"_s} << 200 << false;
    QTest::newRow("--full-screen fills the screen with it")
        << QStringList{u"--full-screen"_s} << 100 << true;
}

void TestClassOpener::chooserFollowsView()
{
    QFETCH(QStringList, options);
    QFETCH(int, zoom);
    QFETCH(bool, fullScreen);

    QCOMPARE(start(options + QStringList{m_root.filePath(u"班級"_s)}), std::nullopt);
    ClassChooser *chooser = m_opener->chooser();
    QVERIFY(QTest::qWaitForWindowExposed(chooser));
    QCOMPARE(chooser->isFullScreen(), fullScreen);
    if (!fullScreen)
        QCOMPARE(chooser->width(), 320 * zoom / 100);
    QTest::keyClick(chooser->findChild<QListWidget *>(u"classList"_s), Qt::Key_Return);
    // The class opens as the options ask.
    QCOMPARE(program().window.zoom(), zoom);
    QCOMPARE(program().window.isFullScreenView(), fullScreen);
}

void TestClassOpener::escEndsWithoutReadingAClass()
{
    QCOMPARE(start({m_root.filePath(u"班級"_s)}), std::nullopt);
    ClassChooser *chooser = m_opener->chooser();
    QVERIFY(QTest::qWaitForWindowActive(chooser));
    QTest::keyClick(chooser->findChild<QListWidget *>(u"classList"_s), Qt::Key_Escape);
    QCOMPARE(m_ends, QList<int>{0});
    QVERIFY(!program().window.isVisible());
    QCOMPARE(program().controller.state().classSize.value(), 0);
}

void TestClassOpener::noClassInFolderAsBefore()
{
    // Only a folder without rand.ini: the same report as ever, before any window.
    Reports reports;
    QCOMPARE(start({m_root.filePath(u"班級/"_s + noClass)}), 1);
    QCOMPARE(reports.texts, QStringList{report(u"找不到設定檔 rand.ini"_s)});
    QCOMPARE(m_opener->chooser(), nullptr);
    QVERIFY(!program().window.isVisible());
}

void TestClassOpener::chosenClassFailsItsChecks()
{
    Reports reports;
    QCOMPARE(start({m_root.filePath(u"壞班級"_s)}), std::nullopt);
    QTest::keyClick(m_opener->chooser()->findChild<QListWidget *>(u"classList"_s), Qt::Key_Return);
    QTRY_COMPARE(m_ends, QList<int>{1});
    QCOMPARE(reports.texts, QStringList{report(u"找不到人名檔 不在.txt"_s)});
    QVERIFY(!program().window.isVisible());
}

void TestClassOpener::openAnotherClass_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("opened");
    QTest::newRow("a class folder") << u"班級/三年10班"_s << class10;
    QTest::newRow("a folder of classes, the chooser's first") << u"班級"_s << class2;
}

void TestClassOpener::openAnotherClass()
{
    QFETCH(QString, answer);
    QFETCH(QString, opened);

    QCOMPARE(start({u"--zoom"_s, u"150"_s, m_root.filePath(u"班級/四年 甲班"_s)}), std::nullopt);
    Program *before = m_opener->program();
    QVERIFY(QTest::qWaitForWindowActive(&before->window));
    pickDesignated(u"1"_s);
    QCOMPARE(shown("nameLabel"), u"四年 甲班的學生"_s);
    QTest::keyClick(before->window.findChild<QLineEdit *>(u"chosenNumberField"_s), Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(before->window.findChild<QPushButton *>(u"pickButton"_s)->isVisible(),
                             pickTimeoutMs);
    QCOMPARE(before->controller.state().history.count, 1);

    m_answer = m_root.filePath(answer);
    QTest::keyClick(before->window.findChild<QLineEdit *>(u"chosenNumberField"_s), Qt::Key_O,
                    Qt::ControlModifier);
    QCOMPARE(m_asked, 1);
    // The dialog opens where the classes sit side by side.
    QCOMPARE(canonical(m_askedFrom), canonical(m_root.filePath(u"班級"_s)));
    if (ClassChooser *chooser = m_opener->chooser())
        QTest::keyClick(chooser->findChild<QListWidget *>(u"classList"_s), Qt::Key_Return);

    QVERIFY(m_opener->program() != before);
    QVERIFY(program().window.isVisible());
    QCOMPARE(canonical(QDir::currentPath()), canonical(m_root.filePath(u"班級/"_s + opened)));
    // A fresh start: no turns yet, counting from 1; the projector's zoom kept.
    QCOMPARE(program().controller.state().history.count, 0);
    QCOMPARE(program().controller.state().currentNumber.value(), 0);
    QCOMPARE(program().window.zoom(), 150);
    QTRY_VERIFY(program().window.findChild<QLineEdit *>(u"chosenNumberField"_s)->hasFocus());
    pickDesignated(u"1"_s);
    QCOMPARE(shown("nameLabel"), opened + u"的學生"_s);
    QCOMPARE(m_ends, QList<int>());
}

void TestClassOpener::failedOpenKeepsClassAndTurns_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("report"); // empty: cancelled, nothing shown
    QTest::newRow("a folder without rand.ini") << noClass << report(u"找不到設定檔 rand.ini"_s);
    QTest::newRow("cancelled") << QString() << QString();
    QTest::newRow("the class already open, whose turns a second run would lock out")
        << class2 << QString();
}

void TestClassOpener::failedOpenKeepsClassAndTurns()
{
    QFETCH(QString, answer);
    QFETCH(QString, report);

    QCOMPARE(start({m_root.filePath(u"班級/"_s + class2)}), std::nullopt);
    Program *before = m_opener->program();
    QVERIFY(QTest::qWaitForWindowActive(&before->window));
    pickDesignated(u"2"_s);
    auto *field = before->window.findChild<QLineEdit *>(u"chosenNumberField"_s);
    QTest::keyClick(field, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(before->window.findChild<QPushButton *>(u"pickButton"_s)->isVisible(),
                             pickTimeoutMs);
    const PickState turns = before->controller.state();

    m_answer = answer.isEmpty() ? QString() : m_root.filePath(u"班級/"_s + answer);
    Reports reports;
    QTest::keyClick(field, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(reports.texts, report.isEmpty() ? QStringList() : QStringList{report});
    // The class stays open with its turns, reading its roster where it did; nothing ended.
    QCOMPARE(m_opener->program(), before);
    QVERIFY(before->window.isVisible());
    QCOMPARE(before->controller.state().history.count, turns.history.count);
    QCOMPARE(canonical(QDir::currentPath()), canonical(m_root.filePath(u"班級/"_s + class2)));
    QCOMPARE(m_ends, QList<int>());
    QTRY_VERIFY(field->hasFocus());
    pickDesignated(u"1"_s);
    QCOMPARE(shown("nameLabel"), class2 + u"的學生"_s);
}

void TestClassOpener::openFolderOfClassesThenEsc()
{
    QCOMPARE(start({m_root.filePath(u"班級/"_s + class10)}), std::nullopt);
    Program *before = m_opener->program();
    QVERIFY(QTest::qWaitForWindowActive(&before->window));
    m_answer = m_root.filePath(u"班級"_s);
    QTest::keyClick(&before->window, Qt::Key_O, Qt::ControlModifier);
    ClassChooser *chooser = m_opener->chooser();
    QVERIFY(chooser);
    QVERIFY(QTest::qWaitForWindowActive(chooser));
    // Esc here goes back to the class, rather than ending the lesson.
    QTest::keyClick(chooser->findChild<QListWidget *>(u"classList"_s), Qt::Key_Escape);
    QCOMPARE(m_opener->chooser(), nullptr);
    QCOMPARE(m_opener->program(), before);
    QCOMPARE(m_ends, QList<int>());
    QCOMPARE(canonical(QDir::currentPath()), canonical(m_root.filePath(u"班級/"_s + class10)));
}

void TestClassOpener::noOpenDuringPick()
{
    QCOMPARE(start({m_root.filePath(u"班級/"_s + class2)}), std::nullopt);
    QVERIFY(QTest::qWaitForWindowActive(&program().window));
    auto *field = program().window.findChild<QLineEdit *>(u"chosenNumberField"_s);
    QTest::keyClick(field, Qt::Key_Return);
    m_answer = m_root.filePath(u"班級/"_s + class10);
    QTest::keyClick(field, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(m_asked, 0);
    QCOMPARE(canonical(QDir::currentPath()), canonical(m_root.filePath(u"班級/"_s + class2)));
}

QTEST_MAIN(TestClassOpener)
#include "tst_class_opener.moc"
