// Turns kept in the class folder between runs: the round goes on after a restart, damaged or
// unwritable files stop the start, and two windows never share a class.
#include "ClassFolder.h"
#include "Listing.h"
#include "Rig.h"
#include "SeededSource.h"

#include "files/TurnsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using SeededRig = Rig<SeededSource>;

const QByteArray header = "Tombolix turns: the numbers picked in this round, oldest first. "
                          "Delete this file to start a new round.\r\n";
const QDate monday(2026, 3, 9);

// A class of 40 whose rand.ini asks for its turns to be kept (or says remember as given).
struct RememberedClass
{
    explicit RememberedClass(const QByteArray &remember = "Remember=1\r\n", int size = 40)
        : folder(size)
    {
        folder.writeSettings("File=" + folder.rosterPath().toUtf8()
                             + "\r\nMaxClassNo=" + QByteArray::number(size) + "\r\n" + remember);
    }
    QString dir() const { return QFileInfo(folder.settingsPath()).absolutePath(); }
    QString turnsPath() const { return QDir(dir()).filePath(turnsFileName()); }
    QByteArray turnsBytes() const
    {
        QFile file(turnsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("-");
    }
    void writeTurns(const QByteArray &bytes) const
    {
        QFile file(turnsPath());
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write the turns file");
    }
    QStringList files() const { return QDir(dir()).entryList(QDir::Files | QDir::Hidden); }

    ClassFolder folder;
};

template<typename R>
void start(R &rig, const RememberedClass &cls, QDate today = monday)
{
    rig.controller.setToday([today] { return today; });
    rig.controller.initialize();
    rig.controller.load(cls.folder.settingsPath());
}

template<typename R>
void pick(R &rig)
{
    rig.controller.pickButtonClicked();
    rig.clock.runUntil([&] { return rig.view.pickButtonVisible || rig.controller.ended(); });
}

QList<int> savedTurns(const RememberedClass &cls)
{
    const std::optional<SavedTurns> saved = parseTurns(cls.turnsBytes());
    if (!saved)
        return {-1};
    return QList<int>(saved->turns.begin(), saved->turns.end());
}

} // namespace

class TestRememberedTurns : public QObject
{
    Q_OBJECT

private slots:
    void roundGoesOnAfterARestart();
    void savedAsSoonAsThePickIsRecorded();
    void withoutRememberNothingIsWritten_data();
    void withoutRememberNothingIsWritten();
    void damagedFileStopsTheStartUntouched_data();
    void damagedFileStopsTheStartUntouched();
    void smallerClassDropsLeavers();
    void designatedPickLeavesTheSavedTurns();
    void absentMarksKeptForTheirDay();
    void newRoundClearsTheSavedTurns();
    void secondWindowOnTheClassRefused();
    void crashedRunsLockTakenOver();
    void unwritableFolderStopsTheStart();
    void failedSaveEndsThePick();
};

// Five picks, a restart, then the rest of the class: everyone once before anyone twice.
void TestRememberedTurns::roundGoesOnAfterARestart()
{
    RememberedClass cls;
    QList<int> firstRun;
    {
        SeededRig rig(1u);
        start(rig, cls);
        for (int i = 0; i < 5; ++i)
            pick(rig);
        firstRun = historyOf(rig.controller.state());
        QCOMPARE(savedTurns(cls), firstRun);
    }
    QVERIFY(!cls.files().contains(u"turns.lock"_s));

    SeededRig rig(2u);
    start(rig, cls);
    QVERIFY(!rig.controller.ended());
    QCOMPARE(historyOf(rig.controller.state()), firstRun);
    QSet<int> picked(firstRun.begin(), firstRun.end());
    for (int i = 0; i < 35; ++i) {
        pick(rig);
        picked.insert(rig.controller.state().currentNumber.value());
    }
    QCOMPARE(picked.size(), 40);
    QCOMPARE(savedTurns(cls).size(), 40);
}

// The window closed (or the power gone) during the count loses nothing: the turn is on disk.
void TestRememberedTurns::savedAsSoonAsThePickIsRecorded()
{
    RememberedClass cls;
    SeededRig rig;
    start(rig, cls);
    rig.controller.pickButtonClicked();
    QVERIFY(!rig.view.pickButtonVisible);
    QCOMPARE(savedTurns(cls), historyOf(rig.controller.state()));
    QCOMPARE(savedTurns(cls).size(), 1);
}

void TestRememberedTurns::withoutRememberNothingIsWritten_data()
{
    QTest::addColumn<QByteArray>("remember");
    QTest::newRow("no Remember line") << QByteArray();
    QTest::newRow("Remember=0") << QByteArray("Remember=0\r\n");
    QTest::newRow("Remember after the roster and class size only")
        << QByteArray("; Remember=1 is not a key\r\n");
}

void TestRememberedTurns::withoutRememberNothingIsWritten()
{
    QFETCH(QByteArray, remember);
    RememberedClass cls(remember);
    const QStringList before = cls.files();
    SeededRig rig;
    start(rig, cls);
    for (int i = 0; i < 3; ++i)
        pick(rig);
    rig.controller.toggleAbsent(4);
    QVERIFY(!rig.controller.ended());
    QVERIFY(!rig.controller.remembersTurns());
    QCOMPARE(cls.files(), before);
}

void TestRememberedTurns::damagedFileStopsTheStartUntouched_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("roster saved over it") << QByteArray("1\t王小明\r\n2\t李美玲\r\n");
    QTest::newRow("a number twice") << header + "3\r\n3\r\n";
    QTest::newRow("a word among the numbers") << header + "3\r\nseven\r\n";
    QTest::newRow("empty file") << QByteArray();
}

void TestRememberedTurns::damagedFileStopsTheStartUntouched()
{
    QFETCH(QByteArray, bytes);
    RememberedClass cls;
    cls.writeTurns(bytes);
    {
        SeededRig rig;
        start(rig, cls);
        QVERIFY(rig.controller.ended());
        QCOMPARE(rig.dialog.texts,
                 QStringList{errorDialogText(u"無法讀取輪次檔 "_s
                                             + QDir::toNativeSeparators(cls.turnsPath())
                                             + u"！刪除此檔即可開始新的一輪。"_s)});
        QCOMPARE(rig.dialog.lastStatus, 1);
    }
    QCOMPARE(cls.turnsBytes(), bytes);
    QVERIFY(!cls.files().contains(u"turns.lock"_s));
}

// A student who left: MaxClassNo lowered, their number dropped without a word.
void TestRememberedTurns::smallerClassDropsLeavers()
{
    RememberedClass cls;
    cls.writeTurns(header + "Absent on 2026-03-09: 7 41\r\n3\r\n45\r\n12\r\n40\r\n");
    SeededRig rig;
    start(rig, cls);
    QVERIFY(!rig.controller.ended());
    QCOMPARE(historyOf(rig.controller.state()), (QList<int>{3, 12, 40}));
    QCOMPARE(rig.controller.state().absent, QSet<qint16>{7});
}

void TestRememberedTurns::designatedPickLeavesTheSavedTurns()
{
    RememberedClass cls;
    SeededRig rig;
    start(rig, cls);
    pick(rig);
    pick(rig);
    const QList<int> before = savedTurns(cls);
    rig.view.chosenNumber = u"7"_s;
    pick(rig);
    QCOMPARE(rig.controller.state().currentNumber.value(), 7);
    QCOMPARE(savedTurns(cls), before);
}

void TestRememberedTurns::absentMarksKeptForTheirDay()
{
    RememberedClass cls;
    {
        SeededRig rig;
        start(rig, cls);
        QCOMPARE(rig.controller.toggleAbsent(5), AbsentToggle::MarkedAbsent);
        QCOMPARE(rig.controller.toggleAbsent(9), AbsentToggle::MarkedAbsent);
        QVERIFY(cls.turnsBytes().contains("Absent on 2026-03-09: 5 9\r\n"));
    }
    {
        SeededRig rig;
        start(rig, cls, monday);
        QCOMPARE(rig.controller.state().absent, (QSet<qint16>{5, 9}));
        QCOMPARE(rig.controller.classList().at(4).status, TurnStatus::Absent);
    }
    SeededRig rig;
    start(rig, cls, monday.addDays(1));
    QCOMPARE(rig.controller.state().absent, QSet<qint16>{});
}

void TestRememberedTurns::newRoundClearsTheSavedTurns()
{
    RememberedClass cls;
    SeededRig rig;
    start(rig, cls);
    pick(rig);
    pick(rig);
    rig.controller.startNewRound();
    QCOMPARE(historyOf(rig.controller.state()), QList<int>{});
    QCOMPARE(savedTurns(cls), QList<int>{});
}

void TestRememberedTurns::secondWindowOnTheClassRefused()
{
    RememberedClass cls;
    SeededRig first;
    start(first, cls);
    {
        SeededRig second;
        start(second, cls);
        QVERIFY(second.controller.ended());
        QCOMPARE(second.dialog.texts, QStringList{errorDialogText(u"此班級已在另一個視窗開啟！"_s)});
    }
    // The refused start took nothing from the first window, which goes on keeping its turns.
    pick(first);
    QVERIFY(!first.controller.ended());
    QCOMPARE(savedTurns(cls), historyOf(first.controller.state()));
}

void TestRememberedTurns::crashedRunsLockTakenOver()
{
    RememberedClass cls;
    QFile lock(QDir(cls.dir()).filePath(u"turns.lock"_s));
    QVERIFY(lock.open(QIODevice::WriteOnly));
    // The lock of a program that is no longer running on this machine.
    lock.write("2147483646\ntombolix\n\n");
    lock.close();
    SeededRig rig;
    start(rig, cls);
    QVERIFY(!rig.controller.ended());
    QCOMPARE(rig.dialog.texts, QStringList());
}

void TestRememberedTurns::unwritableFolderStopsTheStart()
{
    RememberedClass cls;
    QFile::Permissions readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadUser
        | QFile::ExeUser;
    QVERIFY(QFile::setPermissions(cls.dir(), readOnly));
    QFile probe(QDir(cls.dir()).filePath(u"probe"_s));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        QFile::setPermissions(cls.dir(), readOnly | QFile::WriteOwner | QFile::WriteUser);
        QSKIP("this user writes into read-only folders");
    }
    SeededRig rig;
    start(rig, cls);
    QFile::setPermissions(cls.dir(), readOnly | QFile::WriteOwner | QFile::WriteUser);
    QVERIFY(rig.controller.ended());
    QCOMPARE(rig.dialog.texts,
             QStringList{
                 errorDialogText(u"無法寫入班級資料夾 "_s + QDir::toNativeSeparators(cls.dir()))});
}

// Something in the way of the file once the lesson has begun: the pick is a run-time failure.
void TestRememberedTurns::failedSaveEndsThePick()
{
    RememberedClass cls;
    SeededRig rig;
    start(rig, cls);
    pick(rig);
    QVERIFY(QFile::remove(cls.turnsPath()));
    QVERIFY(QDir(cls.dir()).mkdir(turnsFileName()));
    pick(rig);
    QVERIFY(rig.controller.ended());
    QCOMPARE(rig.dialog.texts,
             QStringList{errorDialogText(u"無法儲存輪次檔 "_s
                                         + QDir::toNativeSeparators(cls.turnsPath()))});
    QCOMPARE(rig.dialog.lastStatus, 1);
    QVERIFY(!rig.clock.anyEnabled());
}

QTEST_GUILESS_MAIN(TestRememberedTurns)
#include "tst_remembered_turns.moc"
