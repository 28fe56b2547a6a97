// The window drawn larger for a projector, at a zoom or in full screen: the same picture, the
// same pick, the hidden field still hidden and focused.
#include "TestProgram.h"

#include "ui/FittingLabel.h"
#include "ui/Zoom.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Number 4 needs two lines at the design's size.
const QStringList names{u"王小明"_s, u"李美玲"_s, u"陳志豪"_s,
                        u"Maximiliane Alexandra von Hohenberg"_s, u"張家豪"_s};
constexpr int pickTimeoutMs = 10000;
// Plus as most keyboards type it, with Shift.
constexpr QKeyCombination ctrlPlus(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Plus);
constexpr QKeyCombination ctrlMinus(Qt::ControlModifier, Qt::Key_Minus);
constexpr QKeyCombination f11(Qt::Key_F11);
using Keys = QList<QKeyCombination>;

// How much red a label draws on white.
double inkOf(QWidget *label)
{
    QImage image(label->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    label->render(&image);
    double ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ink += 1 - qGreen(image.pixel(x, y)) / 255.0;
    }
    return ink;
}

} // namespace

class TestZoom : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void layoutScaled_data();
    void layoutScaled();
    void keysWhileFieldHasFocus_data();
    void keysWhileFieldHasFocus();
    void boldNameStaysBold();
    void fitsScreen_data();
    void fitsScreen();

private:
    void show(int zoom, bool fullScreen);

    std::unique_ptr<ClassFolder> m_folder;
    std::unique_ptr<TestProgram> m_program;
};

void TestZoom::init()
{
    m_folder = std::make_unique<ClassFolder>(names);
    m_program = std::make_unique<TestProgram>();
    QVERIFY(m_program->start(m_folder->settingsPath()));
}

void TestZoom::show(int zoom, bool fullScreen)
{
    PickerWindow &window = m_program->window;
    window.setZoom(zoom);
    window.setFullScreenView(fullScreen);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    if (fullScreen)
        QTRY_COMPARE(window.size(), QSize(1920, 1080));
}

void TestZoom::layoutScaled_data()
{
    QTest::addColumn<bool>("fullScreen");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<qreal>("points");

    QTest::newRow("200 %: hidden field starts at the picture's bottom edge, else it shows")
        << false << u"chosenNumberField"_s << QRect(16, 352, 98, 36) << 16.0;
    QTest::newRow("200 %: name fitted from the doubled design font")
        << false << u"nameLabel"_s << QRect(208, 80, 402, 130) << 72.0;
    QTest::newRow("200 %: heading's fractional size doubles")
        << false << u"headingLabel"_s << QRect(16, 16, 610, 66) << 31.5;
    QTest::newRow("200 %: address keeps its own font, doubled")
        << false << u"webLink"_s << QRect(400, 320, 226, 34) << 18.0;
    // 1920 / 319 pixels of design: every twip is 1920 / 4785 pixels.
    QTest::newRow("full screen: hidden field starts at the picture's bottom edge")
        << true << u"chosenNumberField"_s << QRect(48, 1059, 295, 108) << 8 * 1920 / 319.0;
    QTest::newRow("full screen: number scaled alike across and down")
        << true << u"numberLabel"_s << QRect(241, 193, 391, 439) << 36 * 1920 / 319.0;
    QTest::newRow("full screen: address reaches past the picture as designed")
        << true << u"webLink"_s << QRect(1204, 963, 680, 102) << 9 * 1920 / 319.0;
}

void TestZoom::layoutScaled()
{
    QFETCH(bool, fullScreen);
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    QFETCH(qreal, points);

    show(200, fullScreen);
    auto *client = m_program->find("client");
    // In full screen the largest that fits, centred down the screen.
    QCOMPARE(client->geometry(), fullScreen ? QRect(0, 10, 1920, 1059) : QRect(0, 0, 638, 352));
    auto *control = m_program->find(name.toLatin1());
    QCOMPARE(control->geometry(), pixels);
    auto *fitting = qobject_cast<FittingLabel *>(control);
    QCOMPARE(fitting ? fitting->designFont().pointSizeF() : control->font().pointSizeF(), points);
}

void TestZoom::keysWhileFieldHasFocus_data()
{
    QTest::addColumn<QList<QKeyCombination>>("keys");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<bool>("fullScreen");
    QTest::addColumn<int>("numberX"); // where the number rests after the pick

    const QKeyCombination ctrlEquals(Qt::ControlModifier, Qt::Key_Equal);
    const QKeyCombination keypadPlus(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Plus);
    const QKeyCombination keypadMinus(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Minus);
    const QKeyCombination ctrl0(Qt::ControlModifier, Qt::Key_0);
    QTest::newRow("no key: the design's size, as before") << Keys{} << 100 << false << 40;
    QTest::newRow("Ctrl + = zooms in too, as browsers take it")
        << QList{ctrlEquals} << 125 << false << 50;
    QTest::newRow("Ctrl + plus with Shift: four steps to 200 %")
        << Keys(4, ctrlPlus) << 200 << false << 80;
    QTest::newRow("Ctrl + keypad plus and minus, which the field takes as typing")
        << QList{keypadPlus, keypadPlus, keypadMinus} << 125 << false << 50;
    QTest::newRow("steps end at 400 %, not past") << Keys(9, ctrlPlus) << 400 << false << 160;
    QTest::newRow("Ctrl + minus stops at 100 %, never smaller")
        << QList{ctrlPlus, ctrlMinus, ctrlMinus} << 100 << false << 40;
    QTest::newRow("Ctrl + 0 goes back to 100 % from any step")
        << Keys(6, ctrlPlus) + QList{ctrl0} << 100 << false << 40;
    QTest::newRow("F11: full screen, where the field shows unless clipped")
        << QList{f11} << 100 << true << 241;
    QTest::newRow("zoom keys change nothing in full screen")
        << QList{f11, ctrlPlus} << 100 << true << 241;
    QTest::newRow("Esc leaves full screen at the zoom before")
        << Keys(4, ctrlPlus) + QList{f11, QKeyCombination(Qt::Key_Escape)} << 200 << false << 80;
    QTest::newRow("F11 again leaves full screen") << QList{f11, f11} << 100 << false << 40;
}

void TestZoom::keysWhileFieldHasFocus()
{
    QFETCH(Keys, keys);
    QFETCH(int, zoom);
    QFETCH(bool, fullScreen);
    QFETCH(int, numberX);

    show(100, false);
    PickerWindow &window = m_program->window;
    auto *field = m_program->find<QLineEdit>("chosenNumberField");
    auto *client = m_program->find("client");
    for (QKeyCombination key : keys)
        QTest::keyClick(field, key.key(), key.keyboardModifiers());
    QCOMPARE(window.zoom(), zoom);
    QCOMPARE(window.isFullScreenView(), fullScreen);
    if (fullScreen) {
        QTRY_COMPARE(window.size(), QSize(1920, 1080));
    } else {
        QTRY_COMPARE(window.size(), client->size());
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(window.screen()->availableGeometry().contains(window.frameGeometry()));
    }

    // Out of sight and focused; the credit line and the address cut at the picture's edge.
    QCOMPARE(QApplication::focusWidget(), field);
    QVERIFY(field->visibleRegion().isEmpty());
    for (const char *name : {"webLink", "creditLabel"}) {
        auto *label = m_program->find(name);
        QCOMPARE(label->y() + label->visibleRegion().boundingRect().bottom(), client->height() - 1);
    }
    QTest::keyClicks(field, u"4"_s);
    QTest::keyClick(field, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(pickShown(*m_program), pickTimeoutMs);
    QCOMPARE(m_program->find<QLabel>("numberLabel")->text(), u"4"_s);
    // The long name no worse than at the design's size: no more lines, and whole where the
    // design shows it whole. Hinting at other sizes may fit it better, as under Wine.
    PickerWindow design;
    design.setCaption(CaptionLabel::Name, names[3]);
    const QString designText = design.findChild<QLabel *>(u"nameLabel"_s)->text();
    const QString text = m_program->find<QLabel>("nameLabel")->text();
    QCOMPARE_LE(text.count(u'\n'), designText.count(u'\n'));
    if (!designText.endsWith(u'…'))
        QVERIFY2(!text.endsWith(u'…'), qPrintable(text));
    QCOMPARE(m_program->find("numberLabel")->x(), numberX);
    QCOMPARE(field->text(), QString());
    QCOMPARE(QApplication::focusWidget(), field);
}

// Qt draws glyphs this large from their outlines, where some versions leave out the bold made
// up for a family that has none, such as the name's Kai: at 200 % the name has four times the ink.
void TestZoom::boldNameStaysBold()
{
    PickerWindow design;
    design.setCaption(CaptionLabel::Name, names[0]);
    const double designInk = inkOf(design.findChild<QLabel *>(u"nameLabel"_s));
    m_program->window.setZoom(200);
    m_program->window.setCaption(CaptionLabel::Name, names[0]);
    const double ink = inkOf(m_program->find("nameLabel"));
    QCOMPARE_GT(ink / designInk, 4 * 0.85);
    QCOMPARE_LT(ink / designInk, 4 * 1.15);
}

void TestZoom::fitsScreen_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<QRect>("fullScreenClient");

    QTest::newRow("1024 x 768: 400 % capped to the largest whole percent that fits")
        << QSize(1024, 768) << 400 << 321 << QRect(0, 101, 1024, 565);
    QTest::newRow("wide screen: full screen as high as the screen, centred across")
        << QSize(2560, 1056) << 400 << 400 << QRect(323, 0, 1914, 1056);
    QTest::newRow("screen smaller than the design: 100 % all the same")
        << QSize(300, 150) << 200 << 100 << QRect(14, 0, 272, 150);
}

void TestZoom::fitsScreen()
{
    QFETCH(QSize, screen);
    QFETCH(int, asked);
    QFETCH(int, zoom);
    QFETCH(QRect, fullScreenClient);
    QCOMPARE(fittingZoom(asked, screen), zoom);
    QCOMPARE(fullScreenPlacement(screen).client, fullScreenClient);
}

// The suite runs on the offscreen platform; it gets a projector's screen. The platform's options
// are split at colons, so the file is named without a drive letter.
int main(int argc, char **argv)
{
    QTemporaryDir dir;
    const QString folder = QDir::currentPath();
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen") {
        QFile config(dir.filePath(u"screen.json"_s));
        if (!config.open(QIODevice::WriteOnly)
            || config.write(R"({"screens": [{"width": 1920, "height": 1080}]})") < 0)
            return 1;
        config.close();
        QDir::setCurrent(dir.path());
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=screen.json");
    }
    QApplication app(argc, argv);
    QDir::setCurrent(folder);
    prepareApplication();
    TestZoom test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_window_zoom.moc"
