// Zoom and full screen against a fake screen: what the window is asked to do as the screen, the
// window manager's frame and the keys change.
#include "ui/ZoomController.h"

#include <QTest>

namespace {

class FakeSurface final : public ZoomSurface
{
public:
    QSize screenRoom() const override { return room; }
    QMargins frameMargins() const override { return frame; }
    void showAtZoom(int percent) override { shown.append(percent); }
    void showFullScreen(bool on) override { fullScreen.append(on); }
    void keepOnScreen() override { ++keptOnScreen; }

    QSize room{1024, 768};
    QMargins frame;
    QList<int> shown;
    QList<bool> fullScreen;
    int keptOnScreen = 0;
};

// A title bar and thin borders, as most window managers draw them.
const QMargins decorated(4, 30, 4, 4);

} // namespace

class TestZoomController : public QObject
{
    Q_OBJECT

private slots:
    void refitsOnlyWhenScreenOrFrameChange_data();
    void refitsOnlyWhenScreenOrFrameChange();
    void keysLeftToOthers_data();
    void keysLeftToOthers();
};

void TestZoomController::refitsOnlyWhenScreenOrFrameChange_data()
{
    QTest::addColumn<QMargins>("frameAfterShow");
    QTest::addColumn<QSize>("roomAfterMove");
    QTest::addColumn<QList<int>>("shown");

    // 400 % asked before the window is shown: the frame is not known yet.
    QTest::newRow("a move that changes nothing resizes nothing")
        << QMargins() << QSize(1024, 768) << QList{321};
    QTest::newRow("the frame, once known, needs room too")
        << decorated << QSize(1024, 768) << QList{321, 318};
    QTest::newRow("moved to a smaller screen, capped again")
        << QMargins() << QSize(800, 600) << QList{321, 250};
}

void TestZoomController::refitsOnlyWhenScreenOrFrameChange()
{
    QFETCH(QMargins, frameAfterShow);
    QFETCH(QSize, roomAfterMove);
    QFETCH(QList<int>, shown);

    FakeSurface surface;
    ZoomController zoom(surface);
    zoom.setZoom(400);
    surface.frame = frameAfterShow;
    zoom.windowMoved();
    surface.room = roomAfterMove;
    zoom.windowMoved();
    QCOMPARE(surface.shown, shown);
    QCOMPARE(zoom.zoom(), shown.last());
}

void TestZoomController::keysLeftToOthers_data()
{
    QTest::addColumn<bool>("fullScreen");
    QTest::addColumn<QKeyCombination>("key");
    QTest::addColumn<bool>("autoRepeat");
    QTest::addColumn<bool>("handled");
    QTest::addColumn<QList<bool>>("switched");

    QTest::newRow("F11 held down switches the projector once, not to and fro")
        << false << QKeyCombination(Qt::Key_F11) << true << true << QList<bool>{};
    QTest::newRow("Esc outside full screen goes on to the window")
        << false << QKeyCombination(Qt::Key_Escape) << false << false << QList<bool>{};
    QTest::newRow("Ctrl + plus in full screen goes on to the window")
        << true << QKeyCombination(Qt::ControlModifier, Qt::Key_Plus) << false << false
        << QList{true};
    // A remote's F5 starts the show; pressed again it must not drop back to the small window.
    QTest::newRow("F5 in full screen keeps it, not a second F11")
        << true << QKeyCombination(Qt::Key_F5) << false << true << QList{true};
    QTest::newRow("F5 held down on a remote switches full screen on once")
        << false << QKeyCombination(Qt::Key_F5) << true << true << QList{true};
    QTest::newRow("Ctrl + Alt + plus is no zoom key")
        << false << QKeyCombination(Qt::ControlModifier | Qt::AltModifier, Qt::Key_Plus) << false
        << false << QList<bool>{};
}

void TestZoomController::keysLeftToOthers()
{
    QFETCH(bool, fullScreen);
    QFETCH(QKeyCombination, key);
    QFETCH(bool, autoRepeat);
    QFETCH(bool, handled);
    QFETCH(QList<bool>, switched);

    FakeSurface surface;
    ZoomController zoom(surface);
    zoom.setFullScreen(fullScreen);
    QCOMPARE(zoom.handleKey(key, autoRepeat), handled);
    QCOMPARE(surface.fullScreen, switched);
    QCOMPARE(zoom.zoom(), 100);
    QCOMPARE(surface.keptOnScreen, 0);
}

QTEST_GUILESS_MAIN(TestZoomController)
#include "tst_zoom_controller.moc"
