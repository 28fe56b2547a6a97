#include "ClassFolder.h"
#include "Rig.h"

#include "pick/Texts.h"

#include <QTest>

class TestForm1 : public QObject
{
    Q_OBJECT

private slots:
    void startUpRefusal_data();
    void startUpRefusal();
    void goodStartWaitsWithEverythingClear();
    void shellActions();
    void closedWindowRunsNothingMore();
    void failureInATimerWithoutHandlerIsReportedOnce();
};

void TestForm1::startUpRefusal_data()
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

void TestForm1::startUpRefusal()
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
    rig.form.Form_Initialize();
    rig.form.Form_Load(folder.settingsPath());

    QVERIFY(rig.form.ended());
    QCOMPARE(rig.dialog.titles, QStringList{QStringLiteral("Tombolix 執行期錯誤")});
    QCOMPARE(rig.dialog.texts, QStringList{errorDialogText(message.arg(folder.rosterPath()))});
    QCOMPARE(rig.dialog.endRequests, 1);
    QCOMPARE(rig.dialog.lastStatus, 1);
}

void TestForm1::goodStartWaitsWithEverythingClear()
{
    ClassFolder folder(40);
    Rig rig;
    rig.form.Form_Initialize();
    rig.form.Form_Load(folder.settingsPath());

    QVERIFY(!rig.form.ended());
    QCOMPARE(rig.dialog.texts, QStringList());
    const Form1State &state = rig.form.state();
    QCOMPARE(state.StudentFile, folder.rosterPath());
    QCOMPARE(state.MaxClassNo.value(), 40);
    QCOMPARE(state.CurNo.value(), 0);
    QCOMPARE(state.PickedCount.value(), 0);
    QVERIFY(!rig.clock.anyEnabled());
}

void TestForm1::shellActions()
{
    ClassFolder folder(40);
    Rig rig;
    rig.form.Form_Load(folder.settingsPath());

    rig.form.Label2_Click();
    QCOMPARE(rig.desktop.opened, QStringList{Texts::webAddress()});
    rig.form.Label3_DblClick();
    QCOMPARE(rig.desktop.aboutShown, QStringList{QStringLiteral("Tombolix|Programmed by: Orvanel")});
    QVERIFY(!rig.clock.anyEnabled());
    QCOMPARE(rig.form.state().PickedCount.value(), 0);
}

void TestForm1::closedWindowRunsNothingMore()
{
    ClassFolder folder(40);
    Rig rig;
    rig.form.Form_Load(folder.settingsPath());
    rig.form.Form_Unload();
    rig.form.CmdRandom_Click();
    rig.form.Label2_Click();
    QVERIFY(rig.view.cmdRandomVisible);
    QCOMPARE(rig.desktop.opened, QStringList());
    QCOMPARE(rig.dialog.texts, QStringList());
}

void TestForm1::failureInATimerWithoutHandlerIsReportedOnce()
{
    ClassFolder folder(40);
    Rig rig;
    rig.form.Form_Load(folder.settingsPath());
    rig.view.backColorFails = Failure::Overflow;

    rig.form.tmrBgColor_Timer(); // must not throw into the event loop
    QCOMPARE(rig.dialog.texts.size(), 1);
    QVERIFY(rig.dialog.texts[0].contains(u"\r\n6: Overflow(Sub tmrBgColor_Timer)\r\n"));
    QCOMPARE(rig.dialog.endRequests, 1);
    QVERIFY(rig.form.ended());
    QVERIFY(!rig.clock.anyEnabled());
}

QTEST_GUILESS_MAIN(TestForm1)
#include "tst_form1.moc"
