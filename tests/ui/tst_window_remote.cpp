// A presenter remote in the teacher's hand: its "next" keys pick as Enter does, F5 starts the
// show.
#include "TestProgram.h"

#include "pick/Texts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QStringList names{u"王小明"_s, u"李美玲"_s, u"陳志豪"_s, u"林雅婷"_s, u"張家豪"_s};
constexpr int pickTimeoutMs = 10000;

} // namespace

class TestRemote : public ShownClassTest
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void nextKeyPicks_data();
    void nextKeyPicks();
    void f5StartsTheShow();
};

void TestRemote::init()
{
    QVERIFY(startShown(names));
}

void TestRemote::cleanup()
{
    stopShown();
}

void TestRemote::nextKeyPicks_data()
{
    QTest::addColumn<QKeyCombination>("key");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("duringPick");
    QTest::addColumn<int>("picks"); // 0 when the key must not pick

    const QKeyCombination pageDown(Qt::Key_PageDown);
    const QKeyCombination right(Qt::Key_Right);
    QTest::newRow("Page Down picks") << pageDown << QString() << false << 1;
    QTest::newRow("Right, which the field would take as a cursor move, picks")
        << right << QString() << false << 1;
    QTest::newRow("Page Down on the keypad with Num Lock off picks")
        << QKeyCombination(Qt::KeypadModifier, Qt::Key_PageDown) << QString() << false << 1;
    QTest::newRow("Page Down with typed digits stops on them") << pageDown << u"4"_s << false << 1;
    QTest::newRow("Right with typed digits stops on them, the digits kept")
        << right << u"3"_s << false << 1;
    QTest::newRow("Page Down during a pick starts no second one")
        << pageDown << QString() << true << 1;
    QTest::newRow("Right during a pick starts no second one") << right << QString() << true << 1;
    QTest::newRow("Shift + Right is no remote key")
        << QKeyCombination(Qt::ShiftModifier, Qt::Key_Right) << QString() << false << 0;
}

void TestRemote::nextKeyPicks()
{
    QFETCH(QKeyCombination, key);
    QFETCH(QString, typed);
    QFETCH(bool, duringPick);
    QFETCH(int, picks);

    QTest::keyClicks(m_field, typed);
    if (duringPick)
        QTest::keyClick(m_field, Qt::Key_Return);
    QTest::keyClick(m_field, key.key(), key.keyboardModifiers());
    if (picks == 0) {
        QVERIFY(m_button->isVisible());
        QCOMPARE(shown("headingLabel"), Texts::heading());
        return;
    }
    QVERIFY(!m_button->isVisible());
    QCOMPARE(shown("headingLabel"), Texts::luckyNumber());
    if (duringPick)
        QTest::keyClick(m_field, key.key(), key.keyboardModifiers());
    QTRY_VERIFY_WITH_TIMEOUT(pickShown(*m_program), pickTimeoutMs);
    const PickState &state = m_program->controller.state();
    if (typed.isEmpty()) {
        QCOMPARE(state.history.count, picks);
    } else {
        // Designated: the typed number, kept out of the history, the field cleared.
        QCOMPARE(shown("numberLabel"), typed);
        QCOMPARE(state.history.count, 0);
    }
    QCOMPARE(m_field->text(), QString());
    QCOMPARE(shown("nameLabel"), names[shown("numberLabel").toInt() - 1]);
    QVERIFY(m_field->hasFocus());
}

void TestRemote::f5StartsTheShow()
{
    PickerWindow &window = m_program->window;
    QTest::keyClick(m_field, Qt::Key_F5);
    QVERIFY(window.isFullScreenView());
    // Pressed again it stays: a remote's F5 is "start", never "stop".
    QTest::keyClick(m_field, Qt::Key_F5);
    QVERIFY(window.isFullScreenView());
    QTest::keyClick(m_field, Qt::Key_Escape);
    QVERIFY(!window.isFullScreenView());
    QVERIFY(m_field->hasFocus());
}

QTEST_MAIN(TestRemote)
#include "tst_window_remote.moc"
