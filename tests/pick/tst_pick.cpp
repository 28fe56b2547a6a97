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
    driver.rig.controller.pickButtonClicked();

    const FakeView &view = driver.rig.view;
    QCOMPARE(view.pickButtonVisible, false);
    QCOMPARE(view.pickButtonEnabled, false);
    QCOMPARE(view.numberLeftTwips, 1900);
    QCOMPARE(view.numberColour, Colours::countingGrey);
    QCOMPARE(view.headingCaption, QStringLiteral("The Lucky Number is:"));
    QCOMPARE(view.nameCaption, QString());
    QVERIFY(driver.rig.clock.isEnabled(TimerId::Count));
    QCOMPARE(driver.history(), QList<int>{11});
}

void TestPick::randomPickRunsItsTicksAndReveals()
{
    PickDriver driver(40);
    driver.pickWithSteps(10);

    const VirtualClock &clock = driver.rig.clock;
    const FakeView &view = driver.rig.view;
    // drawnSteps + 1 advances, the finish on the next tick; 27 slide ticks; 7 flash ticks.
    QCOMPARE(clock.ticksOf(TimerId::Count), 12);
    QCOMPARE(view.numberCaptions, numbers(1, 11));
    QCOMPARE(clock.ticksOf(TimerId::Slide), 27);
    QCOMPARE(clock.ticksOf(TimerId::Flash), 7);
    QCOMPARE(view.backgroundHistory,
             (QList<Colour>{Colours::black, Colours::white, Colours::black, Colours::white,
                            Colours::black, Colours::white}));
    QVERIFY(!clock.anyEnabled());

    QCOMPARE(view.backgroundColour, Colours::white);
    QCOMPARE(view.numberColour, Colours::resultRed);
    QCOMPARE(view.numberLeftTwips, 600);
    QCOMPARE(view.numberCaption, QStringLiteral("11"));
    QCOMPARE(view.headingCaption, QStringLiteral("The Lucky Student is:"));
    QCOMPARE(view.nameCaption, ClassFolder::nameOf(11));
    QVERIFY(view.pickButtonVisible);
    QVERIFY(view.pickButtonEnabled);
    QCOMPARE(driver.rig.controller.state().blackBackground, false);
    QCOMPARE(driver.rig.dialog.texts, QStringList());
}

void TestPick::nameIsOnScreenBeforeTheButtonReturns()
{
    PickDriver driver(40);
    driver.scriptSteps(49);
    driver.rig.controller.pickButtonClicked();
    driver.rig.clock.runUntil([&] { return driver.rig.view.pickButtonVisible; });
    // The tick that brought the button back found the name already there.
    QCOMPARE(driver.rig.view.nameCaption, ClassFolder::nameOf(10));
    QVERIFY(!driver.rig.clock.anyEnabled());
}

void TestPick::countContinuesFromTheLastNumberAndWraps()
{
    PickDriver driver(5);
    driver.pickWithSteps(4);
    QCOMPARE(driver.rig.view.numberCaptions, numbers(1, 5));

    driver.rig.view.numberCaptions.clear();
    driver.pickWithSteps(2);
    QCOMPARE(driver.rig.view.numberCaptions, (QStringList{"1", "2", "3"}));
    QCOMPARE(driver.rig.view.nameCaption, ClassFolder::nameOf(3));
    QCOMPARE(driver.history(), (QList<int>{5, 3}));
}

void TestPick::classOfOneAlwaysShowsOne()
{
    PickDriver driver(1);
    for (int steps : {1, 0, 1}) {
        driver.rig.view.numberCaptions.clear();
        driver.rig.clock.clearLog();
        driver.pickWithSteps(steps);
        QCOMPARE(driver.rig.view.numberCaptions, QStringList(steps + 1, QStringLiteral("1")));
        QCOMPARE(driver.rig.clock.ticksOf(TimerId::Count), steps + 2);
        QCOMPARE(driver.rig.view.nameCaption, ClassFolder::nameOf(1));
        QCOMPARE(driver.history(), QList<int>{1});
    }
}

void TestPick::missingRosterLineShowsAnEmptyName()
{
    QStringList roster = ClassFolder::namesFor(40);
    roster[10] = QStringLiteral("12\t錯位");
    PickDriver driver(40, roster);
    driver.rig.view.nameCaption = QStringLiteral("earlier name");
    driver.pickWithSteps(10);

    QCOMPARE(driver.rig.view.numberCaption, QStringLiteral("11"));
    QCOMPARE(driver.rig.view.nameCaption, QString());
    QCOMPARE(driver.rig.view.headingCaption, QStringLiteral("The Lucky Student is:"));
    QVERIFY(driver.rig.view.pickButtonVisible);
}

void TestPick::wholeClassComesUpOnceEach()
{
    ClassFolder folder(40);
    Rig<SeededSource> rig;
    rig.controller.load(folder.settingsPath());

    QSet<QString> shown;
    for (int i = 0; i < 40; ++i) {
        rig.controller.pickButtonClicked();
        rig.clock.runUntil([&] { return rig.view.pickButtonVisible; });
        QCOMPARE(rig.view.nameCaption, ClassFolder::nameOf(rig.view.numberCaption.toInt()));
        shown.insert(rig.view.numberCaption);
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
    QVERIFY(rig.controller.ended());
    QVERIFY(!rig.clock.anyEnabled());

    // Nothing runs after the end: not the button, not a stray tick.
    rig.controller.pickButtonClicked();
    rig.controller.timerTicked(TimerId::Flash);
    QVERIFY(!rig.view.pickButtonVisible);
    QCOMPARE(rig.dialog.texts.size(), 1);
}

QTEST_GUILESS_MAIN(TestPick)
#include "tst_pick.moc"
