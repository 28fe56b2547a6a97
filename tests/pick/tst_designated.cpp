#include "PickDriver.h"

#include "pick/NumberKeys.h"

#include <QTest>

class TestDesignated : public QObject
{
    Q_OBJECT

private slots:
    void stopsOnTheTypedNumber_data();
    void stopsOnTheTypedNumber();
    void pressThatWipedAFullHistoryLeavesItEmpty();
    void clearingMidCountHandsBackToTheRandomLanding();
    void unreachableNumberKeepsCountingWithoutEnding_data();
    void unreachableNumberKeepsCountingWithoutEnding();
    void keyPressKeepsDigitsBackspaceAndReturn_data();
    void keyPressKeepsDigitsBackspaceAndReturn();
    void otherRoutesKeepDigitsOnly();
};

void TestDesignated::stopsOnTheTypedNumber_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("lastSteps"); // the random pick before lands on lastSteps - 39
    QTest::addColumn<QStringList>("counted");

    QTest::newRow("5 to 7 shows 6 and 7") << "7" << 44 << QStringList{"6", "7"};
    QTest::newRow("7 to 7 runs once round the class")
        << "7" << 46 << numbers(8, 40) + numbers(1, 7);
    QTest::newRow("leading zeros 007 stop on 7") << "007" << 44 << QStringList{"6", "7"};
    QTest::newRow("next number stops after one tick") << "6" << 44 << QStringList{"6"};
}

void TestDesignated::stopsOnTheTypedNumber()
{
    QFETCH(QString, typed);
    QFETCH(int, lastSteps);
    QFETCH(QStringList, counted);

    PickDriver driver(40);
    driver.pickWithSteps(lastSteps);
    const QList<int> historyBefore = driver.history();

    auto &rig = driver.rig;
    rig.view.numberCaptions.clear();
    rig.clock.clearLog();
    rig.view.chosenNumber = typed;
    driver.pickWithSteps(30);

    QCOMPARE(rig.view.numberCaptions, counted);
    QCOMPARE(rig.clock.ticksOf(TimerId::Count), counted.size());
    QCOMPARE(rig.view.numberColour, Colours::resultRed);
    QCOMPARE(rig.view.nameCaption, ClassFolder::nameOf(counted.last().toInt()));
    QCOMPARE(rig.view.chosenNumber, QString());
    QCOMPARE(driver.history(), historyBefore);
    QCOMPARE(rig.controller.state().history.numbers[historyBefore.size()].value(), 0);
}

void TestDesignated::pressThatWipedAFullHistoryLeavesItEmpty()
{
    PickDriver driver(3);
    for (int steps : {1, 1, 1})
        driver.pickWithSteps(steps);
    QCOMPARE(driver.history(), (QList<int>{2, 1, 3}));

    driver.rig.view.chosenNumber = QStringLiteral("2");
    driver.pickWithSteps(2);
    QCOMPARE(driver.rig.view.numberCaption, QStringLiteral("2"));
    QCOMPARE(driver.history(), QList<int>{});
}

void TestDesignated::clearingMidCountHandsBackToTheRandomLanding()
{
    PickDriver driver(40);
    driver.pickWithSteps(44); // lands on 5
    auto &rig = driver.rig;
    rig.view.numberCaptions.clear();
    rig.view.chosenNumber = QStringLiteral("30");
    driver.scriptSteps(10);
    rig.controller.pickButtonClicked();
    for (int tick = 0; tick < 3; ++tick)
        rig.clock.step();
    rig.view.chosenNumber.clear(); // backspace

    rig.clock.runUntil([&] { return rig.view.pickButtonVisible; });
    // The count makes the random pick's eleven advances in all and lands where it was drawn.
    QCOMPARE(rig.view.numberCaptions, numbers(6, 16));
    QCOMPARE(driver.history(), (QList<int>{5, 16}));
}

void TestDesignated::unreachableNumberKeepsCountingWithoutEnding_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("zero is never shown") << "0";
    QTest::newRow("beyond the class size") << "41";
    QTest::newRow("too many digits to convert") << QString(400, u'9');
}

void TestDesignated::unreachableNumberKeepsCountingWithoutEnding()
{
    QFETCH(QString, typed);

    PickDriver driver(40);
    auto &rig = driver.rig;
    rig.view.chosenNumber = typed;
    driver.scriptSteps(10);
    rig.controller.pickButtonClicked();
    // Well past the 32767 ticks after which a 16-bit tick counter would overflow.
    QCOMPARE(rig.clock.runUntil([] { return false; }, 40'000), 40'000);
    QVERIFY(!rig.controller.ended());
    QCOMPARE(rig.dialog.texts, QStringList());
    QVERIFY(rig.clock.isEnabled(TimerId::Count));

    rig.view.chosenNumber.clear();
    const QString shown = rig.view.numberCaption;
    rig.clock.step();
    QCOMPARE(rig.view.numberCaption, shown);
    QVERIFY(!rig.clock.isEnabled(TimerId::Count));
    QVERIFY(rig.clock.isEnabled(TimerId::Flash));
}

void TestDesignated::keyPressKeepsDigitsBackspaceAndReturn_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("kept");

    QTest::newRow("digit 0") << int('0') << true;
    QTest::newRow("digit 9") << int('9') << true;
    QTest::newRow("backspace edits the number") << 8 << true;
    QTest::newRow("carriage return starts the pick") << 13 << true;
    QTest::newRow("letter") << int('a') << false;
    QTest::newRow("blank") << int(' ') << false;
    QTest::newRow("minus sign") << int('-') << false;
    QTest::newRow("decimal point") << int('.') << false;
    QTest::newRow("slash just below 0") << int('/') << false;
    QTest::newRow("colon just above 9") << int(':') << false;
    QTest::newRow("full-width digit") << 0xFF11 - 0x10000 << false;
}

void TestDesignated::keyPressKeepsDigitsBackspaceAndReturn()
{
    QFETCH(int, code);
    QFETCH(bool, kept);

    Int16 key{qint16(code)};
    filterNumberKey(key);
    QCOMPARE(key.value(), kept ? code : 0);
}

void TestDesignated::otherRoutesKeepDigitsOnly()
{
    QCOMPARE(keepDigits(u"1a2 ３-4"), QStringLiteral("124"));
    QCOMPARE(keepDigits(u"七"), QString());
}

QTEST_GUILESS_MAIN(TestDesignated)
#include "tst_designated.moc"
