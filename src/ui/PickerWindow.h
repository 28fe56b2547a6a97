#pragma once

#include "Units.h"
#include "ZoomController.h"
#include "pick/View.h"

#include <QWidget>

#include <array>

class DesignCanvas;
class FittingLabel;
class HiddenNumberField;
class LinkLabel;
class PickController;
class QPushButton;
class QTimer;

// The main window: the design's picture at a fixed size, three timers. It shows what the logic
// sets and hands every event to the logic; it decides nothing itself. For a projector it draws
// the whole picture larger, at a zoom or filling the screen.
class PickerWindow final
    : public QWidget
    , public View
    , private ZoomSurface
{
    Q_OBJECT

public:
    explicit PickerWindow(QWidget *parent = nullptr);

    // Events reach the logic only once it is attached.
    void attach(PickController &controller) { m_controller = &controller; }

    void setBackgroundColour(Colour colour) override;
    void setCaption(CaptionLabel label, const QString &caption) override;
    void setNumberColour(Colour colour) override;
    int numberLeft() const override;
    void setNumberLeft(int twips) override;
    QString chosenNumberText() const override;
    void setChosenNumberText(const QString &text) override;
    void setPickButtonVisible(bool visible) override;
    void setPickButtonEnabled(bool enabled) override;
    void setTimerEnabled(TimerId id, bool enabled) override;

    // Percent of the design's size, 100 to 400, capped to the largest that fits the screen.
    void setZoom(int percent) { m_zoom.setZoom(percent); }
    int zoom() const { return m_zoom.zoom(); }
    // Full screen, the picture scaled to fill it; off again, the window at its zoom.
    void setFullScreenView(bool on) { m_zoom.setFullScreen(on); }
    bool isFullScreenView() const { return m_zoom.isFullScreen(); }
    ZoomController &zoomController() { return m_zoom; }
    // The picture's scale as drawn now, at a zoom or filling the screen.
    Scale pictureScale() const;

    // True from a press of the pick button until the flashing ends and it is back.
    bool isPicking() const;
    // What Enter and a remote's "next" key do: press the pick button, unless a pick runs.
    void pick();
    void requestClassList() { emit classListRequested(); }
    // Nothing happens while a pick runs: the class must not change under it.
    void requestOpenClass();
    // Gives the keyboard back to the hidden field, so typed digits reach it again.
    void focusChosenNumberField();

signals:
    // F2 or the menu: the class's list of students and their turns.
    void classListRequested();
    // Ctrl+O or the menu, outside a pick: another class or folder of classes.
    void openClassRequested();
    // The picture was drawn at another zoom, or full screen was switched.
    void pictureScaleChanged();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    QSize screenRoom() const override;
    QMargins frameMargins() const override;
    void showAtZoom(int percent) override;
    void showFullScreen(bool on) override;
    void keepOnScreen() override;

    template<void (PickController::*procedure)()>
    void toController();
    template<typename Label>
    Label *addLabel(const char *name, QRect twips, Colour colour, Qt::Alignment alignment);
    FittingLabel *labelFor(CaptionLabel label) const;
    void fillScreen();
    // Acts on a key that never types (zoom, full screen, the pick, the class list, another
    // class); false for any other.
    bool handleWindowKey(QKeyCombination key, bool autoRepeat);

    PickController *m_controller = nullptr;
    ZoomController m_zoom{*this};
    DesignCanvas *m_canvas = nullptr;
    HiddenNumberField *m_chosenNumberField = nullptr;
    QPushButton *m_pickButton = nullptr;
    FittingLabel *m_nameLabel = nullptr;
    LinkLabel *m_creditLabel = nullptr;
    LinkLabel *m_webLink = nullptr;
    FittingLabel *m_numberLabel = nullptr;
    FittingLabel *m_headingLabel = nullptr;
    std::array<QTimer *, allTimers.size()> m_timers{};
};
