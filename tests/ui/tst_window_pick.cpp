// Whole picks through the real window with real timers: the keyboard, the mouse, the hidden
// field and a roster that goes missing.
#include "TestProgram.h"

#include "pick/Texts.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QStringList names{u"王小明"_s, u"李美玲"_s, u"陳志豪"_s, u"林雅婷"_s, u"張家豪"_s};
constexpr int pickTimeoutMs = 10000;

enum class Press { EnterInField, EnterOnButton, MouseClick };

} // namespace

class TestPick : public ShownClassTest
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void randomPick_data();
    void randomPick();
    void enterDuringPickIgnored();
    void designatedNumberTyped();
    void textArrivingOtherwiseKeepsDigits_data();
    void textArrivingOtherwiseKeepsDigits();
    void rosterGoneBetweenPicks();

private:
    void finishPick();
};

void TestPick::init()
{
    QVERIFY(startShown(names));
}

void TestPick::cleanup()
{
    stopShown();
}

// Waits for the button to come back and checks the window as every pick leaves it.
void TestPick::finishPick()
{
    QTRY_VERIFY_WITH_TIMEOUT(pickShown(*m_program), pickTimeoutMs);
    QVERIFY(m_button->isEnabled());
    const int number = shown("numberLabel").toInt();
    QVERIFY(number >= 1 && number <= names.size());
    QCOMPARE(shown("nameLabel"), names[number - 1]);
    QCOMPARE(m_program->window.numberLeft(), 600);
    QCOMPARE(m_program->find("numberLabel")->x(), 40);
    QCOMPARE(m_program->find("numberLabel")->palette().color(QPalette::WindowText), QColor(Qt::red));
    QCOMPARE(m_program->window.palette().color(QPalette::Window), QColor(Qt::white));
}

void TestPick::randomPick_data()
{
    QTest::addColumn<Press>("press");
    QTest::newRow("Enter in the hidden field presses the default button") << Press::EnterInField;
    QTest::newRow("Enter with the button focused") << Press::EnterOnButton;
    QTest::newRow("mouse click") << Press::MouseClick;
}

void TestPick::randomPick()
{
    QFETCH(Press, press);
    for (int pick = 1; pick <= 2; ++pick) {
        switch (press) {
        case Press::EnterInField:
            QTest::keyClick(m_field, Qt::Key_Return);
            break;
        case Press::EnterOnButton:
            m_button->setFocus();
            QTest::keyClick(m_button, Qt::Key_Enter, Qt::KeypadModifier);
            break;
        case Press::MouseClick:
            QTest::mouseClick(m_button, Qt::LeftButton);
            break;
        }
        QVERIFY(!m_button->isVisible());
        QCOMPARE(shown("headingLabel"), Texts::luckyNumber());
        finishPick();
        QCOMPARE(m_program->controller.state().history.count, pick);
    }
    // No student twice while the class has not had its turn.
    QVERIFY(m_program->controller.state().history.numbers[0]
            != m_program->controller.state().history.numbers[1]);
}

void TestPick::enterDuringPickIgnored()
{
    QTest::keyClick(m_field, Qt::Key_Return);
    const QPoint where = m_button->geometry().center();
    QTest::keyClick(m_field, Qt::Key_Return);
    QTest::keyClick(&m_program->window, Qt::Key_Return);
    QTest::mouseDClick(&m_program->window, Qt::LeftButton, {}, where);
    finishPick();
    QCOMPARE(m_program->controller.state().history.count, 1);
}

void TestPick::designatedNumberTyped()
{
    // Letters and blanks are discarded; editing keys work as in any field.
    QTest::keyClicks(m_field, u"7a 4"_s);
    QCOMPARE(m_field->text(), u"74"_s);
    QTest::keyClick(m_field, Qt::Key_Home);
    QTest::keyClick(m_field, Qt::Key_Delete);
    QCOMPARE(m_field->text(), u"4"_s);
    QTest::keyClick(m_field, Qt::Key_End);
    QTest::keyClicks(m_field, u"9"_s);
    QTest::keyClick(m_field, Qt::Key_Backspace);
    QCOMPARE(m_field->text(), u"4"_s);

    QTest::keyClick(m_field, Qt::Key_Return);
    finishPick();
    QCOMPARE(shown("numberLabel"), u"4"_s);
    QCOMPARE(shown("nameLabel"), names[3]);
    QCOMPARE(m_field->text(), QString());
    // The designated pick is not kept in the history.
    QCOMPARE(m_program->controller.state().history.count, 0);
}

void TestPick::textArrivingOtherwiseKeepsDigits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("route");
    QTest::newRow("clipboard paste with letters") << u"a2 b"_s << 0;
    QTest::newRow("input method commits other scripts' digits") << u"٣2五"_s << 1;
    QTest::newRow("inserted by the context menu or a drop") << u"x\t2\r"_s << 2;
}

void TestPick::textArrivingOtherwiseKeepsDigits()
{
    QFETCH(QString, text);
    QFETCH(int, route);
    if (route == 0) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(m_field, Qt::Key_V, Qt::ControlModifier);
    } else if (route == 1) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(m_field, &event);
    } else {
        m_field->insert(text);
    }
    QCOMPARE(m_field->text(), u"2"_s);
    // Before, such text made the next count fail to read the number and end the program.
    QTest::keyClick(m_field, Qt::Key_Return);
    finishPick();
    QCOMPARE(shown("numberLabel"), u"2"_s);
    QVERIFY(m_program->endRequests.isEmpty());
}

void TestPick::rosterGoneBetweenPicks()
{
    QTest::keyClick(m_field, Qt::Key_Return);
    finishPick();
    QVERIFY(QFile::remove(m_folder->rosterPath()));

    QStringList texts;
    ModalCloser closer(
        [&](QDialog *dialog) { texts.append(static_cast<QMessageBox *>(dialog)->text()); });
    QTest::keyClick(m_field, Qt::Key_Return);
    QTRY_COMPARE_WITH_TIMEOUT(m_program->endRequests, QList<int>{1}, pickTimeoutMs);
    QCOMPARE(texts.size(), 1);
    QVERIFY2(texts[0].contains(u"(Function GetStudentInfo)\r\n"_s), qPrintable(texts[0]));
    // Nothing ticks behind the dialog, and no event reaches the logic after it.
    QTest::keyClick(m_field, Qt::Key_Return);
    const auto timers = m_program->window.findChildren<QTimer *>();
    QCOMPARE(timers.size(), 3);
    for (auto *timer : timers)
        QVERIFY2(!timer->isActive(), qPrintable(timer->objectName()));
    QCOMPARE(closer.seen, 1);
    QCOMPARE(m_program->endRequests, QList<int>{1});
}

QTEST_MAIN(TestPick)
#include "tst_window_pick.moc"
