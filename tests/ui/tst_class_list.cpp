// The class list through the real windows: F2 opens it on number 1, Space marks absent (never the
// last student present), Esc or F2 closes it and digits reach the hidden field again.
#include "TestProgram.h"

#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

using namespace Qt::StringLiterals;

class TestClassList : public QObject
{
    Q_OBJECT

private slots:
    void keyboardAlone_data();
    void keyboardAlone();
};

void TestClassList::keyboardAlone_data()
{
    QTest::addColumn<Qt::Key>("closeKey");
    QTest::newRow("closed with Esc") << Qt::Key_Escape;
    QTest::newRow("closed with F2 again") << Qt::Key_F2;
}

void TestClassList::keyboardAlone()
{
    QFETCH(Qt::Key, closeKey);

    ClassFolder folder(QStringList{u"王小明"_s, u"李美玲"_s});
    TestProgram program;
    QVERIFY(program.start(folder.settingsPath()));
    program.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&program.window));
    auto *field = program.find<QLineEdit>("chosenNumberField");
    QCOMPARE(QApplication::focusWidget(), field);

    // F2 reaches the window through the focused hidden field.
    QTest::keyClick(field, Qt::Key_F2);
    ClassListWindow *list = program.classList;
    QTRY_VERIFY(list->isActiveWindow());
    auto *table = list->findChild<QTableWidget *>(u"classList"_s);
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->currentRow(), 0);
    QCOMPARE(table->item(1, 1)->text(), u"李美玲"_s);
    QCOMPARE(table->item(0, 2)->text(), u"Waiting"_s);

    QTest::keyClick(table, Qt::Key_Space);
    QCOMPARE(program.controller.state().absent, QSet<qint16>{1});
    QCOMPARE(table->item(0, 2)->text(), u"Absent today"_s);

    // Number 2 is now the only one present: the mark is refused and the list says why.
    QTest::keyClick(table, Qt::Key_Down);
    QCOMPARE(table->currentRow(), 1);
    QTest::keyClick(table, Qt::Key_Space);
    QCOMPARE(program.controller.state().absent, QSet<qint16>{1});
    QCOMPARE(table->item(1, 2)->text(), u"Waiting"_s);
    QVERIFY(!list->findChild<QLabel *>(u"classListNote"_s)->text().isEmpty());
    QVERIFY(program.endRequests.isEmpty());

    // Page Up and Down move in the list; as the remote's "next" they would start a pick behind it.
    QTest::keyClick(table, Qt::Key_PageUp);
    QCOMPARE(table->currentRow(), 0);
    QTest::keyClick(table, Qt::Key_PageDown);
    QCOMPARE(table->currentRow(), 1);
    QVERIFY(!program.window.isPicking());

    QTest::keyClick(table, closeKey);
    QVERIFY(!list->isVisible());
    QTRY_COMPARE(QApplication::focusWidget(), field);
    QTest::keyClicks(field, u"2"_s);
    QCOMPARE(field->text(), u"2"_s);
}

QTEST_MAIN(TestClassList)
#include "tst_class_list.moc"
