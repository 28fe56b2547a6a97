#include "PickDriver.h"
#include "SeededSource.h"

#include <QSet>
#include <QTest>

class TestPick : public QObject
{
    Q_OBJECT

private slots:
    void buttonPressSetsUpTheCount();
    void randomPickRunsItsTicksAndReveals();
    void nameIsOnScreenBeforeTheButtonReturns();
    void countContinuesFromTheLastNumberAndWraps();
    void classOfOneAlwaysShowsOne();
    void missingRosterLineShowsAnEmptyName();
    void wholeClassComesUpOnceEach();
    void rosterGoneAtRevealShowsOneDialog();
};

void TestPick::buttonPressSetsUpTheCount()
{
    PickDriver driver(40);
    driver.scriptSteps(10);
    driver.rig.form.CmdRandom_Click();

    const FakeView &view = driver.rig.view;
    QCOMPARE(view.cmdRandomVisible, false);
    QCOMPARE(view.cmdRandomEnabled, false);
    QCOMPARE(view.labNumLeftTwips, 1900);
    QCOMPARE(view.labNumForeColor, Colours::countingGrey);
    QCOMPARE(view.label1, QStringLiteral("The Lucky Number is:"));
    QCOMPARE(view.labName, QString());
    QVERIFY(driver.rig.clock.isEnabled(TimerId::tmrCount));
    QCOMPARE(driver.history(), QList<int>{11});
}

void TestPick::randomPickRunsItsTicksAndReveals()
{
    PickDriver driver(40);
    driver.pickWithSteps(10);

    const VirtualClock &clock = driver.rig.clock;
    const FakeView &view = driver.rig.view;
    // RandSteps + 1 advances, the finish on the next tick; 27 slide ticks; 7 flash ticks.
    QCOMPARE(clock.ticksOf(TimerId::tmrCount), 12);
    QCOMPARE(view.labNumCaptions, numbers(1, 11));
    QCOMPARE(clock.ticksOf(TimerId::TmrTextMove), 27);
    QCOMPARE(clock.ticksOf(TimerId::tmrBgColor), 7);
    QCOMPARE(view.backColorHistory,
             (QList<Colour>{Colours::black, Colours::white, Colours::black, Colours::white,
                            Colours::black, Colours::white}));
    QVERIFY(!clock.anyEnabled());

    QCOMPARE(view.backColor, Colours::white);
    QCOMPARE(view.labNumForeColor, Colours::resultRed);
    QCOMPARE(view.labNumLeftTwips, 600);
    QCOMPARE(view.labNum, QStringLiteral("11"));
    QCOMPARE(view.label1, QStringLiteral("The Lucky Student is:"));
    QCOMPARE(view.labName, ClassFolder::nameOf(11));
    QVERIFY(view.cmdRandomVisible);
    QVERIFY(view.cmdRandomEnabled);
    QCOMPARE(driver.rig.form.state().IsBlack.value(), 0);
    QCOMPARE(driver.rig.dialog.texts, QStringList());
}

void TestPick::nameIsOnScreenBeforeTheButtonReturns()
{
    PickDriver driver(40);
    driver.scriptSteps(49);
    driver.rig.form.CmdRandom_Click();
    driver.rig.clock.runUntil([&] { return driver.rig.view.cmdRandomVisible; });
    // The tick that brought the button back found the name already there.
    QCOMPARE(driver.rig.view.labName, ClassFolder::nameOf(10));
    QVERIFY(!driver.rig.clock.anyEnabled());
}

void TestPick::countContinuesFromTheLastNumberAndWraps()
{
    PickDriver driver(5);
    driver.pickWithSteps(4);
    QCOMPARE(driver.rig.view.labNumCaptions, numbers(1, 5));

    driver.rig.view.labNumCaptions.clear();
    driver.pickWithSteps(2);
    QCOMPARE(driver.rig.view.labNumCaptions, (QStringList{"1", "2", "3"}));
    QCOMPARE(driver.rig.view.labName, ClassFolder::nameOf(3));
    QCOMPARE(driver.history(), (QList<int>{5, 3}));
}

void TestPick::classOfOneAlwaysShowsOne()
{
    PickDriver driver(1);
    for (int steps : {1, 0, 1}) {
        driver.rig.view.labNumCaptions.clear();
        driver.rig.clock.clearLog();
        driver.pickWithSteps(steps);
        QCOMPARE(driver.rig.view.labNumCaptions, QStringList(steps + 1, QStringLiteral("1")));
        QCOMPARE(driver.rig.clock.ticksOf(TimerId::tmrCount), steps + 2);
        QCOMPARE(driver.rig.view.labName, ClassFolder::nameOf(1));
        QCOMPARE(driver.history(), QList<int>{1});
    }
}

void TestPick::missingRosterLineShowsAnEmptyName()
{
    QStringList roster = ClassFolder::namesFor(40);
    roster[10] = QStringLiteral("12\t錯位");
    PickDriver driver(40, roster);
    driver.rig.view.labName = QStringLiteral("earlier name");
    driver.pickWithSteps(10);

    QCOMPARE(driver.rig.view.labNum, QStringLiteral("11"));
    QCOMPARE(driver.rig.view.labName, QString());
    QCOMPARE(driver.rig.view.label1, QStringLiteral("The Lucky Student is:"));
    QVERIFY(driver.rig.view.cmdRandomVisible);
}

void TestPick::wholeClassComesUpOnceEach()
{
    ClassFolder folder(40);
    Rig<SeededSource> rig;
    rig.form.Form_Load(folder.settingsPath());

    QSet<QString> shown;
    for (int i = 0; i < 40; ++i) {
        rig.form.CmdRandom_Click();
        rig.clock.runUntil([&] { return rig.view.cmdRandomVisible; });
        QCOMPARE(rig.view.labName, ClassFolder::nameOf(rig.view.labNum.toInt()));
        shown.insert(rig.view.labNum);
    }
    QCOMPARE(shown.size(), 40);
    QCOMPARE(rig.dialog.texts, QStringList());
}

void TestPick::rosterGoneAtRevealShowsOneDialog()
{
    PickDriver driver(40);
    driver.pickWithSteps(10);
    QVERIFY(driver.folder.removeRoster());

    driver.pickWithSteps(12);
    auto &rig = driver.rig;
    QCOMPARE(rig.dialog.texts.size(), 1);
    QVERIFY(rig.dialog.texts.first().contains(QStringLiteral("(Function GetStudentInfo)")));
    QCOMPARE(rig.dialog.endRequests, 1);
    QCOMPARE(rig.dialog.lastStatus, 1);
    QVERIFY(rig.form.ended());
    QVERIFY(!rig.clock.anyEnabled());

    // Nothing runs after the end: not the button, not a stray tick.
    rig.form.CmdRandom_Click();
    rig.form.tmrBgColor_Timer();
    QVERIFY(!rig.view.cmdRandomVisible);
    QCOMPARE(rig.dialog.texts.size(), 1);
}

QTEST_GUILESS_MAIN(TestPick)
#include "tst_pick.moc"
