// Absent students in the draw: never landed on, their turn kept, and a round that starts over
// once everyone present has had a turn.
#include "Listing.h"
#include "ScriptedSource.h"
#include "SeededSource.h"

#include "draw/Draw.h"
#include "draw/Turns.h"

#include <QSet>
#include <QTest>

namespace {

DrawState classOf(int size, const QList<int> &history, const QList<int> &absent)
{
    DrawState state;
    state.classSize = Int16::from(size);
    for (int number : history) {
        state.history.numbers[state.history.count] = Int16::from(number);
        state.history.count += 1;
    }
    for (int number : absent)
        state.absent.insert(qint16(number));
    return state;
}

// Scripts a draw of exactly these steps: factor 1.5 from the table, then the share of its spread.
void scriptSteps(ScriptedSource &source, int classSize, int steps)
{
    const double spread = roundHalfEven(classSize * 1.5);
    const double base = roundHalfEven(classSize * 0.25);
    source.push({0.75f, float((steps - base + 0.5) / spread)});
}

// One random pick as the button and the count make it; returns the landing number.
int pick(DrawState &state, UniformSource &source)
{
    int redraws = 0;
    state.drawnSteps = toInt16(drawSteps(state.classSize, source));
    redrawUntilNew(state, [&] {
        if (++redraws > 1'000'000)
            qFatal("redrawing never ends");
        return drawSteps(state.classSize, source);
    });
    int landing = state.currentNumber.value();
    for (int i = 0; i <= state.drawnSteps.value(); ++i)
        landing = landing == state.classSize.value() ? 1 : landing + 1;
    state.currentNumber = landing;
    return landing;
}

} // namespace

class TestAbsent : public QObject
{
    Q_OBJECT

private slots:
    void exactDraws_data();
    void exactDraws();
    void neverDrawnOverManyPicks_data();
    void neverDrawnOverManyPicks();
    void toggle_data();
    void toggle();
    void newRoundKeepsThePickUnderWay();
};

void TestAbsent::exactDraws_data()
{
    QTest::addColumn<int>("classSize");
    QTest::addColumn<QList<int>>("history");
    QTest::addColumn<QList<int>>("absent");
    QTest::addColumn<QList<int>>("steps"); // each draw's steps, from number 0
    QTest::addColumn<QList<int>>("historyAfter");

    using L = QList<int>;
    QTest::newRow("absent landing drawn over and not recorded")
        << 5 << L{} << L{3} << L{2, 3} << L{4};
    QTest::newRow("absent and repeat in one pick") << 5 << L{4} << L{3} << L{2, 3, 4} << L{4, 5};
    QTest::newRow("everyone present had a turn: round starts over")
        << 5 << L{1, 2, 4, 5} << L{3} << L{1} << L{2};
    QTest::newRow("absent after their turn does not hold the round open")
        << 5 << L{1, 2, 3, 4, 5} << L{2} << L{2} << L{3};
    QTest::newRow("absent after their turn still counts as one in the history")
        << 5 << L{1, 2, 3} << L{2} << L{2, 3} << L{1, 2, 3, 4};
    QTest::newRow("round wiped, then an absent landing drawn over")
        << 3 << L{1, 3} << L{2} << L{1, 2} << L{3};
    QTest::newRow("absent student's turn kept for the next round")
        << 4 << L{1, 2, 4} << L{3} << L{2, 3} << L{4};
}

void TestAbsent::exactDraws()
{
    QFETCH(int, classSize);
    QFETCH(QList<int>, history);
    QFETCH(QList<int>, absent);
    QFETCH(QList<int>, steps);
    QFETCH(QList<int>, historyAfter);

    DrawState state = classOf(classSize, history, absent);
    ScriptedSource source;
    for (int s : steps)
        scriptSteps(source, classSize, s);
    pick(state, source);

    QCOMPARE(historyOf(state), historyAfter);
    QCOMPARE(state.currentNumber.value(), historyAfter.last());
    QCOMPARE(source.remaining(), 0);
    QCOMPARE(source.underruns, 0);
}

void TestAbsent::neverDrawnOverManyPicks_data()
{
    QTest::addColumn<int>("classSize");
    QTest::addColumn<QList<int>>("absent");
    QTest::addColumn<int>("roundLength");

    QTest::newRow("class of 40, three absent") << 40 << QList<int>{5, 17, 33} << 37;
    QTest::newRow("all but one absent") << 6 << QList<int>{1, 2, 3, 5, 6} << 1;
    QList<int> everyOther;
    for (int n = 1; n <= 150; n += 2)
        everyOther.append(n);
    QTest::newRow("class over 99, fewer than 99 present: rounds end when they have had a turn")
        << 150 << everyOther << 75;
    QTest::newRow("class over 99, more than 99 present: the 99 limit still applies")
        << 200 << QList<int>{1, 100, 200} << 99;
}

void TestAbsent::neverDrawnOverManyPicks()
{
    QFETCH(int, classSize);
    QFETCH(QList<int>, absent);
    QFETCH(int, roundLength);

    DrawState state = classOf(classSize, {}, absent);
    SeededSource source;
    QSet<int> round;
    for (int i = 0; i < 10'000; ++i) {
        const int landing = pick(state, source);
        QVERIFY2(!absent.contains(landing), qPrintable(QString::number(landing)));
        QVERIFY2(!round.contains(landing), "a present student came up twice in one round");
        round.insert(landing);
        if (round.size() == roundLength)
            round.clear();
        QCOMPARE(state.history.count.value(), round.isEmpty() ? roundLength : round.size());
    }
}

void TestAbsent::toggle_data()
{
    QTest::addColumn<int>("classSize");
    QTest::addColumn<QList<int>>("absent");
    QTest::addColumn<int>("number");
    QTest::addColumn<AbsentToggle>("result");
    QTest::addColumn<QList<int>>("absentAfter");

    using L = QList<int>;
    QTest::newRow("mark absent") << 5 << L{} << 3 << AbsentToggle::MarkedAbsent << L{3};
    QTest::newRow("mark present again") << 5 << L{3} << 3 << AbsentToggle::MarkedPresent << L{};
    QTest::newRow("the last present student stays: nobody left to pick")
        << 3 << L{1, 3} << 2 << AbsentToggle::RefusedLastPresent << L{1, 3};
    QTest::newRow("class of one") << 1 << L{} << 1 << AbsentToggle::RefusedLastPresent << L{};
    QTest::newRow("the last absent one can come back")
        << 3 << L{1, 3} << 1 << AbsentToggle::MarkedPresent << L{3};
}

void TestAbsent::toggle()
{
    QFETCH(int, classSize);
    QFETCH(QList<int>, absent);
    QFETCH(int, number);
    QFETCH(AbsentToggle, result);
    QFETCH(QList<int>, absentAfter);

    DrawState state = classOf(classSize, {}, absent);
    QCOMPARE(toggleAbsent(state, qint16(number)), result);
    QList<int> after;
    for (qint16 n : state.absent)
        after.append(n);
    std::sort(after.begin(), after.end());
    QCOMPARE(after, absentAfter);
}

// A chosen number takes its pick's entry back when the count stops; a new round started during
// the count must leave that entry, or the take-back would reach before the history.
void TestAbsent::newRoundKeepsThePickUnderWay()
{
    DrawState state = classOf(10, {3, 7, 9}, {});
    startNewRound(state, true);
    QCOMPARE(historyOf(state), QList<int>{9});
    startNewRound(state, false);
    QCOMPARE(historyOf(state), QList<int>{});
    startNewRound(state, true);
    QCOMPARE(historyOf(state), QList<int>{});
}

QTEST_GUILESS_MAIN(TestAbsent)
#include "tst_absent.moc"
