#include "ClassFolder.h"
#include "Rig.h"

#include "pick/Texts.h"

#include <QTest>

class TestPickController : public QObject
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
