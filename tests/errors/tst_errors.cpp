#include "Failures.h"

#include "BuildConfig.h"
#include "errors/Checked.h"
#include "errors/ReportError.h"

#include <QSet>
#include <QTest>

#include <cmath>
#include <functional>
#include <limits>

namespace {

class RecordingReporter final : public ErrorReporter
{
public:
    QStringList reports;

protected:
    void endWithReport(const QString &message) override { reports.append(message); }
};

} // namespace

class TestErrors : public QObject
{
    Q_OBJECT

private slots:
    void conversionTo16Bits_data();
    void conversionTo16Bits();
    void checkedArithmetic_data();
    void checkedArithmetic();
    void everyFailureHasItsOwnNumberAndText();
    void reportLineJoinsNumberDescriptionAndSuffix();
    void dialogTextIsExact();
    void handlerReportsOnceAndStopsTheBody();
};

void TestErrors::conversionTo16Bits_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected"); // -1000000 marks an overflow

    const int overflow = -1000000;
    QTest::newRow("half rounds down to even") << 2.5 << 2;
    QTest::newRow("half rounds up to even") << 3.5 << 4;
    QTest::newRow("negative half to even") << -2.5 << -2;
    QTest::newRow("class size 40.5 gives 40") << 40.5 << 40;
    QTest::newRow("class size 41.5 gives 42") << 41.5 << 42;
    QTest::newRow("just below the top rounds in") << 32767.4 << 32767;
    QTest::newRow("top half rounds out to 32768") << 32767.5 << overflow;
    QTest::newRow("bottom half rounds in to even") << -32768.5 << -32768;
    QTest::newRow("one past the bottom") << -32769.0 << overflow;
    QTest::newRow("not a number is no number") << std::nan("") << overflow;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << overflow;
}

void TestErrors::conversionTo16Bits()
{
    QFETCH(double, value);
    QFETCH(int, expected);

    if (expected == -1000000) {
        QCOMPARE(failureOf([&] { toInt16(value); }), Failure::Overflow);
    } else {
        QCOMPARE(toInt16(value).value(), expected);
    }
}

void TestErrors::checkedArithmetic_data()
{
    QTest::addColumn<std::function<void()>>("work");
    QTest::addColumn<std::optional<Failure>>("failure");

    QTest::newRow("16-bit increment past the top")
        << std::function<void()>([] { Int16(32767) + 1; }) << std::optional(Failure::Overflow);
    QTest::newRow("16-bit decrement past the bottom")
        << std::function<void()>([] { Int16(-32768) - 1; }) << std::optional(Failure::Overflow);
    QTest::newRow("32-bit increment past the top")
        << std::function<void()>([] { Int32(std::numeric_limits<qint32>::max()) + 1; })
        << std::optional(Failure::Overflow);
    QTest::newRow("32-bit holds what 16 bits cannot")
        << std::function<void()>([] { Int32(32767) + 1; }) << std::optional<Failure>();
    QTest::newRow("history index below 0") << std::function<void()>([] {
        CheckedArray<Int16, 100> a;
        a[-1] = 1;
    }) << std::optional(Failure::IndexOutOfRange);
    QTest::newRow("history index 100") << std::function<void()>([] {
        CheckedArray<Int16, 100> a;
        a[Int16(100)] = 1;
    }) << std::optional(Failure::IndexOutOfRange);
    QTest::newRow("history index 99 is the last entry") << std::function<void()>([] {
        CheckedArray<Int16, 100> a;
        a[99] = 1;
    }) << std::optional<Failure>();
}

void TestErrors::checkedArithmetic()
{
    QFETCH(std::function<void()>, work);
    QFETCH(std::optional<Failure>, failure);
    QCOMPARE(failureOf(work), failure);
}

void TestErrors::everyFailureHasItsOwnNumberAndText()
{
    QSet<int> numbers;
    QSet<QString> texts;
    for (Failure kind : {Failure::Overflow, Failure::IndexOutOfRange, Failure::ReadPastEnd,
                         Failure::CannotOpen, Failure::NotANumber}) {
        const RuntimeError error(kind);
        QVERIFY(!error.description().isEmpty());
        numbers.insert(error.number());
        texts.insert(error.description());
    }
    QCOMPARE(numbers.size(), 5);
    QCOMPARE(texts.size(), 5);
}

void TestErrors::reportLineJoinsNumberDescriptionAndSuffix()
{
    QCOMPARE(reportLine(RuntimeError(Failure::Overflow), u"(Sub Rand1)"),
             QStringLiteral("6: Overflow(Sub Rand1)"));
}

void TestErrors::dialogTextIsExact()
{
    const QString expected = QStringLiteral("錯誤 ERROR：\r\nmessage\r\n\r\n"
                                            "如果你認為此錯誤並不尋常，又或者你不清楚發生了什麼事，"
                                            "請按 Ctrl + C 複製此訊息，\r\n並電郵至 ")
        + QStringLiteral(TOMBOLIX_MAINTAINER_EMAIL)
        + QStringLiteral(" ，謝謝！因為我很需要你的錯誤報告來改進此程式！");
    QCOMPARE(errorDialogText(QStringLiteral("message")), expected);
    QCOMPARE(errorDialogTitle(), QStringLiteral("Tombolix 執行期錯誤"));
}

void TestErrors::handlerReportsOnceAndStopsTheBody()
{
    RecordingReporter reporter;
    bool ranPastFailure = false;
    bool ended = false;
    try {
        runHandled(reporter, u"(Function GetRand)", [&] {
            Int16(32767) + 1;
            ranPastFailure = true;
        });
    } catch (const ProgramEnded &) {
        ended = true;
    }
    QVERIFY(ended);
    QVERIFY(!ranPastFailure);
    QCOMPARE(reporter.reports, QStringList{QStringLiteral("6: Overflow(Function GetRand)")});
}

QTEST_APPLESS_MAIN(TestErrors)
#include "tst_errors.moc"
