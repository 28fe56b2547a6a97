#include "ClassFolder.h"
#include "FileTesting.h"
#include "Rig.h"
#include "SeededSource.h"
#include "Workbooks.h"

#include "pick/Texts.h"

#include <QFileInfo>
#include <QTest>

using namespace Qt::StringLiterals;

class TestPickController : public QObject
{
    Q_OBJECT

private slots:
    void startUpRefusal_data();
    void startUpRefusal();
    void goodStartWaitsWithEverythingClear();
    void workbookRefusedAtStartUp_data();
    void workbookRefusedAtStartUp();
    void workbookClassPicksUntilItGoesBad();
    void shellActions();
    void closedWindowRunsNothingMore();
    void failureInATimerWithoutHandlerIsReportedOnce();
};

void TestPickController::startUpRefusal_data()
{
    QTest::addColumn<QByteArray>("settings"); // "-" for no settings file
    QTest::addColumn<bool>("rosterExists");
    QTest::addColumn<QString>("message"); // %1 is the roster path

    const QString classSize = QStringLiteral("設定錯誤！未設定最大號數！");
    QTest::newRow("no settings file")
        << QByteArray("-") << true << QStringLiteral("找不到設定檔 rand.ini");
    QTest::newRow("roster missing names its path")
        << QByteArray("File=%1\r\nMaxClassNo=40\r\n") << false << QStringLiteral("找不到人名檔 %1");
    QTest::newRow("lines swapped leave the roster path empty")
        << QByteArray("MaxClassNo=40\r\nFile=%1\r\n") << true << QStringLiteral("找不到人名檔 ");
    QTest::newRow("class size 0") << QByteArray("File=%1\r\nMaxClassNo=0\r\n") << true << classSize;
    QTest::newRow("class size key misspelt")
        << QByteArray("File=%1\r\nMaxClass=40\r\n") << true << classSize;
    QTest::newRow("negative class size would overflow the first pick")
        << QByteArray("File=%1\r\nMaxClassNo=-5\r\n") << true << classSize;
    QTest::newRow("class size not a number")
        << QByteArray("File=%1\r\nMaxClassNo=forty\r\n") << true
        << QStringLiteral("13: Type mismatch(Sub Form_Load)");
    QTest::newRow("class size beyond 16 bits")
        << QByteArray("File=%1\r\nMaxClassNo=40000\r\n") << true
        << QStringLiteral("6: Overflow(Sub Form_Load)");
    QTest::newRow("only one line") << QByteArray("File=%1\r\n") << true
                                   << QStringLiteral("62: Input past end of file(Sub Form_Load)");
}

void TestPickController::startUpRefusal()
{
    QFETCH(QByteArray, settings);
    QFETCH(bool, rosterExists);
    QFETCH(QString, message);

    ClassFolder folder(40);
    if (settings == "-")
        QVERIFY(QFile::remove(folder.settingsPath()));
    else
        folder.writeSettings(QString::fromUtf8(settings).arg(folder.rosterPath()).toUtf8());
    if (!rosterExists)
        QVERIFY(folder.removeRoster());

    Rig rig;
    rig.controller.initialize();
    rig.controller.load(folder.settingsPath());

    QVERIFY(rig.controller.ended());
    QCOMPARE(rig.dialog.titles, QStringList{QStringLiteral("Tombolix 執行期錯誤")});
    QCOMPARE(rig.dialog.texts, QStringList{errorDialogText(message.arg(folder.rosterPath()))});
    QCOMPARE(rig.dialog.endRequests, 1);
    QCOMPARE(rig.dialog.lastStatus, 1);
}

void TestPickController::goodStartWaitsWithEverythingClear()
{
    ClassFolder folder(40);
    Rig rig;
    rig.controller.initialize();
    rig.controller.load(folder.settingsPath());

    QVERIFY(!rig.controller.ended());
    QCOMPARE(rig.dialog.texts, QStringList());
    const PickState &state = rig.controller.state();
    QCOMPARE(state.rosterPath, folder.rosterPath());
    QCOMPARE(state.classSize.value(), 40);
    QCOMPARE(state.currentNumber.value(), 0);
    QCOMPARE(state.history.count.value(), 0);
    QVERIFY(!rig.clock.anyEnabled());
}

namespace {

// A class folder whose roster is a workbook of the class's names under a heading row.
QString writeWorkbookClass(const ClassFolder &folder, const QByteArray &settingsTail)
{
    QByteArray rows = "<row><c t=\"str\"><v>座號</v></c><c t=\"str\"><v>姓名</v></c></row>";
    for (int n = 1; n <= 5; ++n) {
        rows += "<row><c><v>" + QByteArray::number(n) + "</v></c><c t=\"str\"><v>"
            + ClassFolder::nameOf(n).toUtf8() + "</v></c></row>";
    }
    const QString path = QFileInfo(folder.settingsPath()).dir().filePath(u"名單.xlsx"_s);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(zipOf(xlsxMembers(rows, {}, "名單"))) < 0)
        qFatal("cannot write the workbook");
    folder.writeSettings("File=" + path.toUtf8() + "\r\nMaxClassNo=5\r\n" + settingsTail);
    return path;
}

} // namespace

void TestPickController::workbookRefusedAtStartUp_data()
{
    QTest::addColumn<QByteArray>("settingsTail");
    QTest::addColumn<qint64>("keptBytes"); // of the workbook; -1 for all
    QTest::addColumn<QString>("message");  // %1 is the workbook's path

    QTest::newRow("damaged workbook")
        << QByteArray() << qint64(100)
        << u"人名檔 %1 已損壞或不完整！請用 Excel 或 LibreOffice 開啟後，另存為 .xlsx 或 CSV 檔。"_s;
    QTest::newRow("Sheet= names no sheet")
        << QByteArray("Sheet=二年三班\r\n") << qint64(-1)
        << u"人名檔 %1 中沒有名為「二年三班」的工作表！請修改 rand.ini 的 Sheet= 一行，"
           u"或刪除此行以讀取第一個工作表。"_s;
}

void TestPickController::workbookRefusedAtStartUp()
{
    QFETCH(QByteArray, settingsTail);
    QFETCH(qint64, keptBytes);
    QFETCH(QString, message);

    ClassFolder folder(5);
    const QString path = writeWorkbookClass(folder, settingsTail);
    if (keptBytes >= 0)
        QVERIFY(QFile::resize(path, keptBytes));
    const QByteArray before = readAll(path);
    Rig rig;
    rig.controller.load(folder.settingsPath());

    QVERIFY(rig.controller.ended());
    QCOMPARE(rig.dialog.texts, QStringList{errorDialogText(message.arg(path))});
    QCOMPARE(rig.dialog.lastStatus, 1);
    QCOMPARE(readAll(path), before);
}

void TestPickController::workbookClassPicksUntilItGoesBad()
{
    ClassFolder folder(5);
    const QString path = writeWorkbookClass(folder, "Sheet=名單\r\n");
    Rig<SeededSource> rig;
    rig.controller.load(folder.settingsPath());
    QCOMPARE(rig.dialog.texts, QStringList());

    for (int i = 0; i < 5; ++i) {
        rig.controller.pickButtonClicked();
        rig.clock.runUntil([&] { return rig.view.pickButtonVisible; });
        QCOMPARE(rig.view.nameCaption, ClassFolder::nameOf(rig.view.numberCaption.toInt()));
    }

    // Saved over with something that is no workbook in the middle of the lesson.
    QVERIFY(QFile::resize(path, 0));
    rig.controller.pickButtonClicked();
    rig.clock.runUntil([&] { return rig.controller.ended(); });
    QCOMPARE(rig.dialog.texts,
             QStringList{errorDialogText(
                 u"人名檔 %1 不是 .xlsx 或 .ods 活頁簿（可能是舊版 .xls 檔）！請用 Excel 或 "
                 u"LibreOffice 另存為 .xlsx 或 CSV 檔。(Function GetStudentInfo)"_s.arg(path))});
}

void TestPickController::shellActions()
{
    ClassFolder folder(40);
    Rig rig;
    rig.controller.load(folder.settingsPath());

    rig.controller.webLinkClicked();
    QCOMPARE(rig.desktop.opened, QStringList{Texts::webAddress()});
    rig.controller.creditDoubleClicked();
    QCOMPARE(rig.desktop.aboutShown, QStringList{QStringLiteral("Tombolix|Programmed by: Orvanel")});
    QVERIFY(!rig.clock.anyEnabled());
    QCOMPARE(rig.controller.state().history.count.value(), 0);
}

void TestPickController::closedWindowRunsNothingMore()
{
    ClassFolder folder(40);
    Rig rig;
    rig.controller.load(folder.settingsPath());
    rig.controller.unload();
    rig.controller.pickButtonClicked();
    rig.controller.webLinkClicked();
    QVERIFY(rig.view.pickButtonVisible);
    QCOMPARE(rig.desktop.opened, QStringList());
    QCOMPARE(rig.dialog.texts, QStringList());
}

void TestPickController::failureInATimerWithoutHandlerIsReportedOnce()
{
    ClassFolder folder(40);
    Rig rig;
    rig.controller.load(folder.settingsPath());
    rig.view.backgroundFails = Failure::Overflow;

    rig.controller.timerTicked(TimerId::Flash); // must not throw into the event loop
    QCOMPARE(rig.dialog.texts.size(), 1);
    QVERIFY(rig.dialog.texts[0].contains(u"\r\n6: Overflow(Sub tmrBgColor_Timer)\r\n"));
    QCOMPARE(rig.dialog.endRequests, 1);
    QVERIFY(rig.controller.ended());
    QVERIFY(!rig.clock.anyEnabled());
}

QTEST_GUILESS_MAIN(TestPickController)
#include "tst_pick_controller.moc"
