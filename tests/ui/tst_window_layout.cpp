// The window against its design: geometry, fonts, colours and the state it opens in.
#include "TestProgram.h"

#include "pick/Texts.h"
#include "ui/FittingLabel.h"
#include "ui/Fonts.h"

#include <QAccessible>
#include <QFontDatabase>
#include <QFontInfo>
#include <QInputMethodQueryEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void geometry_data();
    void geometry();
    void labels_data();
    void labels();
    void window();
    void captionShownWhole_data();
    void captionShownWhole();
    void numberFieldRefusesInputMethods();
};

void TestLayout::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");
    // Twips divided by 15; each row catches a control misplaced or sized from the wrong column.
    QTest::newRow("hidden field lies just below the client area")
        << u"chosenNumberField"_s << QRect(8, 176, 49, 18);
    QTest::newRow("pickButton") << u"pickButton"_s << QRect(104, 120, 105, 33);
    QTest::newRow("nameLabel") << u"nameLabel"_s << QRect(104, 40, 201, 65);
    QTest::newRow("credit line reaches past the bottom")
        << u"creditLabel"_s << QRect(8, 160, 193, 17);
    QTest::newRow("address reaches past the bottom") << u"webLink"_s << QRect(200, 160, 113, 17);
    QTest::newRow("numberCaption at its design place") << u"numberLabel"_s << QRect(40, 32, 65, 73);
    QTest::newRow("headingLabel") << u"headingLabel"_s << QRect(8, 8, 305, 33);
}

void TestLayout::geometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    PickerWindow window;
    auto *control = window.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), pixels);
}

void TestLayout::labels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("substitute");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<int>("weight");
    QTest::addColumn<bool>("underline");

    const int centred = Qt::AlignHCenter | Qt::AlignTop;
    const int left = Qt::AlignLeft | Qt::AlignTop;
    QTest::newRow("name: bold Kai, red, centred")
        << u"nameLabel"_s << QString() << QColor(255, 0, 0) << centred << u"標楷體"_s
        << u"AR PL UKai TW"_s << 36.0 << 700 << false;
    QTest::newRow("address: underlined Ming shows the address")
        << u"webLink"_s << Texts::webAddress() << QColor(0, 0, 0) << left << u"新細明體"_s
        << u"AR PL UMing TW"_s << 9.0 << 400 << true;
    QTest::newRow("numberCaption: Arial Black, grey, centred")
        << u"numberLabel"_s << QString() << QColor(192, 192, 192) << centred << u"Arial Black"_s
        << u"DejaVu Sans"_s << 36.0 << 400 << false;
    QTest::newRow("heading: Arial Black at a fractional size, light blue")
        << u"headingLabel"_s << Texts::heading() << QColor(0x80, 0x80, 0xFF) << centred
        << u"Arial Black"_s << u"DejaVu Sans"_s << 15.75 << 400 << false;
    QTest::newRow("credit line: window font, black")
        << u"creditLabel"_s << Texts::credit() << QColor(0, 0, 0) << left << QString() << QString()
        << 8.0 << 400 << false;
}

void TestLayout::labels()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QColor, colour);
    QFETCH(int, alignment);
    QFETCH(QString, family);
    QFETCH(QString, substitute);
    QFETCH(qreal, points);
    QFETCH(int, weight);
    QFETCH(bool, underline);

    PickerWindow window;
    auto *label = window.findChild<QLabel *>(name);
    QVERIFY(label);
    QCOMPARE(label->text(), caption);
    QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    QCOMPARE(int(label->alignment()), alignment);
    // The window's colour, and its flashing, must show through.
    QVERIFY(!label->autoFillBackground());
    // Screen readers read what the label shows.
    QCOMPARE(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name), caption);

    // The design; what a caption too wide for it is shown in is checked by captionShownWhole.
    auto *fitting = qobject_cast<FittingLabel *>(label);
    const QFont font = fitting ? fitting->designFont() : label->font();
    QCOMPARE(font.pointSizeF(), points);
    QCOMPARE(font.underline(), underline);
    if (family.isEmpty())
        return;
    QCOMPARE(font.family(), family);
    const bool real = QFontDatabase::hasFamily(family);
    const QFontInfo shown(font);
    QCOMPARE(shown.family(), real ? family : substitute);
    if (family == u"Arial Black" && !real)
        QCOMPARE_GE(shown.weight(), int(QFont::Bold)); // its substitute must still look black
    else
        QCOMPARE(font.weight(), weight);
    // Names and the address are drawn from the font itself, never as empty boxes.
    if (substitute.startsWith(u"AR PL")) {
        const QFontMetrics metrics(font);
        for (QChar c : u"陳志豪林雅婷"_s)
            QVERIFY2(metrics.inFont(c), qPrintable(QString(c)));
    }
}

void TestLayout::window()
{
    PickerWindow window;
    QCOMPARE(window.windowTitle(), u"Class Number Tombolix"_s);
    QCOMPARE(window.minimumSize(), QSize(319, 176));
    QCOMPARE(window.maximumSize(), QSize(319, 176));
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!window.windowIcon().pixmap(32, 32).isNull());
    QCOMPARE(window.palette().color(QPalette::Window), QColor(Qt::white));
    QVERIFY(window.autoFillBackground());

    auto *button = window.findChild<QPushButton *>(u"pickButton"_s);
    QCOMPARE(button->text(), u"Random!"_s);
    QCOMPARE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name), u"Random!"_s);
    auto *field = window.findChild<QLineEdit *>(u"chosenNumberField"_s);
    QCOMPARE(field->text(), QString());
    QCOMPARE(field->nextInFocusChain(), button);
    QCOMPARE(window.numberLeft(), 600);
    const QList<std::pair<QString, int>> timers{{u"slideTimer"_s, 10},
                                                {u"countTimer"_s, 50},
                                                {u"flashTimer"_s, 75}};
    for (const auto &[name, interval] : timers) {
        auto *timer = window.findChild<QTimer *>(name);
        QVERIFY(timer && !timer->isActive());
        QCOMPARE(timer->interval(), interval);
        QCOMPARE(timer->timerType(), Qt::PreciseTimer);
    }

    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // Out of sight but visible and enabled, with the focus, so digits typed at once reach it.
    QVERIFY(field->isVisible());
    QVERIFY(field->isEnabled());
    QCOMPARE(QApplication::focusWidget(), field);
    QVERIFY(button->isVisible());
}

void TestLayout::captionShownWhole_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("captions"); // set in turn, the last one checked
    QTest::addColumn<bool>("designSize");
    QTest::addColumn<bool>("elided");

    const QString nameCaption = u"nameLabel"_s;
    const QString numberCaption = u"numberLabel"_s;
    QTest::newRow("long name: five Chinese characters")
        << nameCaption << QStringList{u"歐陽娜娜子"_s} << false << false;
    QTest::newRow("long name: Latin")
        << nameCaption << QStringList{u"Christopher Lee"_s} << false << false;
    QTest::newRow("long name: longer Latin")
        << nameCaption << QStringList{u"Alexandria Montgomery"_s} << false << false;
    QTest::newRow("long name: too long for one line even small")
        << nameCaption << QStringList{u"Maximiliane Alexandra von Hohenberg"_s} << false << false;
    QTest::newRow("long name: one word wider than the label")
        << nameCaption << QStringList{u"Wolfeschlegelsteinhausenbergerdorff"_s} << false << false;
    QTest::newRow("long name: too long for two lines")
        << nameCaption << QStringList{u"歐陽娜娜子歐陽娜娜子歐陽娜娜子歐陽娜娜子歐陽娜娜子歐陽"_s}
        << false << true;
    QTest::newRow("short name keeps the design size")
        << nameCaption << QStringList{u"王小明"_s} << true << false;
    QTest::newRow("short name after a long one gets the design size back")
        << nameCaption << QStringList{u"Alexandria Montgomery"_s, u"王小明"_s} << true << false;
    QTest::newRow("long number: three digits")
        << numberCaption << QStringList{u"117"_s} << false << false;
    QTest::newRow("long number: the largest class allowed")
        << numberCaption << QStringList{u"32767"_s} << false << false;
    QTest::newRow("one digit keeps the design size")
        << numberCaption << QStringList{u"7"_s} << true << false;
    QTest::newRow("one digit after a count past 99 gets the design size back")
        << numberCaption << QStringList{u"998"_s, u"999"_s, u"1"_s} << true << false;
    QTest::newRow("credit line in whichever font stands in for the design's")
        << u"creditLabel"_s << QStringList{} << false << false;
}

void TestLayout::captionShownWhole()
{
    QFETCH(QString, name);
    QFETCH(QStringList, captions);
    QFETCH(bool, designSize);
    QFETCH(bool, elided);

    PickerWindow window;
    auto *label = window.findChild<FittingLabel *>(name);
    QVERIFY(label);
    const QColor colour = label->palette().color(QPalette::WindowText);
    for (const QString &caption : captions)
        window.setCaption(name == u"nameLabel" ? CaptionLabel::Name : CaptionLabel::Number, caption);
    const QString caption = captions.isEmpty() ? Texts::credit() : captions.last();

    const QFont design = label->designFont();
    const QFont shown = label->font();
    QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    QCOMPARE(QFontInfo(shown).family(), QFontInfo(design).family());
    QCOMPARE(shown.weight(), design.weight());
    if (designSize) {
        QCOMPARE(shown.pointSizeF(), design.pointSizeF());
        QCOMPARE(label->text(), caption);
        return;
    }

    // Every line inside the label, one line unless a name is too long for it at a size the
    // back row can still read.
    const QFontMetricsF metrics(shown, label);
    const QStringList lines = label->text().split(u'\n');
    for (const QString &line : lines)
        QVERIFY2(metrics.horizontalAdvance(line) <= label->width(), qPrintable(line));
    QCOMPARE_LE(label->contentsRect().top() + lines.size() * metrics.height(), label->height());
    if (name == u"nameLabel") {
        QCOMPARE_LE(lines.size(), 2);
        QCOMPARE_GE(shown.pointSizeF(), 14.0);
    } else {
        QCOMPARE(lines.size(), 1);
    }
    // No smaller than it needs to be: a shrunk line uses most of the label's width.
    if (lines.size() == 1 && !elided && shown.pointSizeF() < design.pointSizeF())
        QCOMPARE_GE(metrics.horizontalAdvance(caption), 0.8 * label->width());

    // Every character shown, or the end cut off visibly; screen readers get the whole caption.
    QString whole = caption;
    QString text = label->text();
    whole.remove(u' ');
    text.remove(u' ').remove(u'\n');
    // A wider stand-in font may need more than two lines even at the smallest size; only then
    // may a name that would otherwise fit on two lines be cut, and visibly.
    const bool atLimit = lines.size() == 2 && shown.pointSizeF() == 14.0;
    if (elided || (atLimit && text.endsWith(u'…'))) {
        QVERIFY2(text.endsWith(u'…'), qPrintable(text));
        QVERIFY(whole.startsWith(text.chopped(1)));
    } else {
        QCOMPARE(text, whole);
    }
    QCOMPARE(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name), caption);
}

void TestLayout::numberFieldRefusesInputMethods()
{
    // An input method would take digit keys into a composition and Enter to commit it, so
    // the platform is told the field takes none.
    PickerWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *field = window.findChild<QLineEdit *>(u"chosenNumberField"_s);
    QCOMPARE(QGuiApplication::focusObject(), field);
    QInputMethodQueryEvent query(Qt::ImEnabled | Qt::ImHints);
    QApplication::sendEvent(field, &query);
    QCOMPARE(query.value(Qt::ImEnabled), QVariant(false));
    QVERIFY(query.value(Qt::ImHints).toInt() & Qt::ImhDigitsOnly);
    QCOMPARE(QInputMethod::queryFocusObject(Qt::ImEnabled, {}), QVariant(false));
}

QTEST_MAIN(TestLayout)
#include "tst_window_layout.moc"
