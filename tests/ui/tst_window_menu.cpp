// The right-click menu: each item does what its key does, the keyboard works it, and the hidden
// field has the focus again after it.
#include "TestProgram.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

class TestWindowMenu : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void itemDoesWhatItsKeyDoes_data();
    void itemDoesWhatItsKeyDoes();
    void keyboardWorksTheMenu();
    void menuKeyInHiddenFieldShowsThisMenu();
    void noOpenClassDuringPick();

private:
    // What the items change, in one line that a failure prints.
    QString effects() const;
    QMenu *menu() const { return m_program->find<QMenu>("windowMenu"); }
    void rightClick(QWidget *widget);

    std::unique_ptr<ClassFolder> m_folder;
    std::unique_ptr<TestProgram> m_program;
    std::unique_ptr<QSignalSpy> m_classList;
    std::unique_ptr<QSignalSpy> m_openClass;
    QLineEdit *m_field = nullptr;
};

void TestWindowMenu::init()
{
    m_folder = std::make_unique<ClassFolder>(QStringList{u"王小明"_s, u"李美玲"_s});
    m_program = std::make_unique<TestProgram>();
    QVERIFY(m_program->start(m_folder->settingsPath()));
    m_field = m_program->find<QLineEdit>("chosenNumberField");
    m_classList = std::make_unique<QSignalSpy>(&m_program->window,
                                               &PickerWindow::classListRequested);
    m_openClass = std::make_unique<QSignalSpy>(&m_program->window,
                                               &PickerWindow::openClassRequested);
    m_program->window.setZoom(150);
    m_program->window.show();
    QVERIFY(QTest::qWaitForWindowActive(&m_program->window));
}

void TestWindowMenu::cleanup()
{
    m_classList.reset();
    m_openClass.reset();
    m_program.reset();
    m_folder.reset();
}

QString TestWindowMenu::effects() const
{
    const PickerWindow &window = m_program->window;
    return u"zoom %1, full screen %2, class list %3, open class %4"_s.arg(window.zoom())
        .arg(window.isFullScreenView())
        .arg(m_classList->count())
        .arg(m_openClass->count());
}

void TestWindowMenu::rightClick(QWidget *widget)
{
    const QPoint pos = widget->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, widget->mapToGlobal(pos));
    QApplication::sendEvent(widget, &event);
    QTRY_VERIFY(menu()->isVisible());
}

void TestWindowMenu::itemDoesWhatItsKeyDoes_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shownKey");
    QTest::addColumn<QKeyCombination>("typedKey");
    QTest::addColumn<QString>("effects");

    // From 150 %: one step either way is 125 or 175.
    QTest::newRow("full screen, first item, F11")
        << u"fullScreenItem"_s << u"Full screen"_s << u"F11"_s << QKeyCombination(Qt::Key_F11)
        << u"zoom 150, full screen 1, class list 0, open class 0"_s;
    QTest::newRow("zoom in, Ctrl++ typed with Shift")
        << u"zoomInItem"_s << u"Zoom in"_s << u"Ctrl++"_s
        << QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Plus)
        << u"zoom 175, full screen 0, class list 0, open class 0"_s;
    QTest::newRow("zoom out, Ctrl+-") << u"zoomOutItem"_s << u"Zoom out"_s << u"Ctrl+-"_s
                                      << QKeyCombination(Qt::ControlModifier, Qt::Key_Minus)
                                      << u"zoom 125, full screen 0, class list 0, open class 0"_s;
    QTest::newRow("actual size, Ctrl+0")
        << u"actualSizeItem"_s << u"Actual size"_s << u"Ctrl+0"_s
        << QKeyCombination(Qt::ControlModifier, Qt::Key_0)
        << u"zoom 100, full screen 0, class list 0, open class 0"_s;
    QTest::newRow("class list, F2")
        << u"classListItem"_s << u"Class list"_s << u"F2"_s << QKeyCombination(Qt::Key_F2)
        << u"zoom 150, full screen 0, class list 1, open class 0"_s;
    QTest::newRow("open class, Ctrl+O") << u"openClassItem"_s << u"Open class…"_s << u"Ctrl+O"_s
                                        << QKeyCombination(Qt::ControlModifier, Qt::Key_O)
                                        << u"zoom 150, full screen 0, class list 0, open class 1"_s;
}

void TestWindowMenu::itemDoesWhatItsKeyDoes()
{
    QFETCH(QString, item);
    QFETCH(QString, text);
    QFETCH(QString, shownKey);
    QFETCH(QKeyCombination, typedKey);
    QFETCH(QString, effects);

    QStringList items;
    for (QAction *action : menu()->actions()) {
        if (!action->isSeparator())
            items.append(action->objectName());
    }
    QCOMPARE(items,
             (QStringList{u"fullScreenItem"_s, u"zoomInItem"_s, u"zoomOutItem"_s,
                          u"actualSizeItem"_s, u"classListItem"_s, u"openClassItem"_s}));
    auto *action = m_program->window.findChild<QAction *>(item);
    QCOMPARE(action->text(), text);
    QCOMPARE(action->shortcut().toString(QKeySequence::PortableText), shownKey);

    // The key shown does it, pressed where the focus sits: the hidden field.
    QTest::keyClick(m_field, typedKey.key(), typedKey.keyboardModifiers());
    QCOMPARE(this->effects(), effects);

    // The item does the same, once, from a fresh window.
    cleanup();
    init();
    rightClick(m_program->find("headingLabel"));
    // As a click does it: the menu closes, then its item acts.
    menu()->hide();
    m_program->window.findChild<QAction *>(item)->trigger();
    QCOMPARE(this->effects(), effects);
    // The class list takes the keyboard itself; everything else leaves it with the digits.
    if (item == u"classListItem"_s)
        QTRY_VERIFY(m_program->classList->isActiveWindow());
    else
        QTRY_VERIFY(m_field->hasFocus());
}

void TestWindowMenu::keyboardWorksTheMenu()
{
    rightClick(m_program->find("nameLabel"));
    // Down to the second item, Zoom in, and Enter.
    QTest::keyClick(menu(), Qt::Key_Down);
    QTest::keyClick(menu(), Qt::Key_Down);
    QTest::keyClick(menu(), Qt::Key_Return);
    QTRY_VERIFY(!menu()->isVisible());
    QCOMPARE(effects(), u"zoom 175, full screen 0, class list 0, open class 0"_s);
    QTRY_VERIFY(m_field->hasFocus());

    // Esc closes it doing nothing; digits typed after reach the hidden field.
    rightClick(m_program->find("pickButton"));
    QTest::keyClick(menu(), Qt::Key_Escape);
    QTRY_VERIFY(!menu()->isVisible());
    QTRY_VERIFY(m_field->hasFocus());
    QTest::keyClicks(QApplication::focusWidget(), u"2"_s);
    QCOMPARE(m_field->text(), u"2"_s);
    QCOMPARE(effects(), u"zoom 175, full screen 0, class list 0, open class 0"_s);
}

void TestWindowMenu::menuKeyInHiddenFieldShowsThisMenu()
{
    // The field's own Cut and Paste would edit a number no one sees.
    QContextMenuEvent event(QContextMenuEvent::Keyboard, m_field->rect().center(),
                            m_field->mapToGlobal(m_field->rect().center()));
    QApplication::sendEvent(m_field, &event);
    QTRY_VERIFY(menu()->isVisible());
    QCOMPARE(QApplication::activePopupWidget(), menu());
    // Opened over the picture, not below it where the field lies.
    QVERIFY(m_program->window.frameGeometry().contains(menu()->pos()));
    menu()->hide();
    QTRY_VERIFY(m_field->hasFocus());
}

void TestWindowMenu::noOpenClassDuringPick()
{
    QTest::keyClick(m_field, Qt::Key_Return);
    QVERIFY(m_program->window.isPicking());
    QTest::keyClick(m_field, Qt::Key_O, Qt::ControlModifier);
    rightClick(m_program->find("numberLabel"));
    auto *openClass = m_program->window.findChild<QAction *>(u"openClassItem"_s);
    QVERIFY(!openClass->isEnabled());
    menu()->hide();
    QCOMPARE(m_openClass->count(), 0);
    auto *button = m_program->find<QPushButton>("pickButton");
    QTRY_VERIFY_WITH_TIMEOUT(button->isVisible(), 10000);
    QTest::keyClick(m_field, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(m_openClass->count(), 1);
}

QTEST_MAIN(TestWindowMenu)
#include "tst_window_menu.moc"
