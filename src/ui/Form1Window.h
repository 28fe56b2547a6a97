#pragma once

#include "Units.h"
#include "pick/View.h"

#include <QList>
#include <QMargins>
#include <QWidget>

class FittingLabel;
class Form1;
class HiddenNumberField;
class QLabel;
class QPushButton;
class QTimer;

// The main window as designed: fixed size, controls at their twip positions, three timers.
// It shows what the logic sets and hands every event to the logic; it decides nothing itself.
// For a projector it draws the whole design larger, at a zoom or filling the screen.
class Form1Window final
    : public QWidget
    , public View
{
    Q_OBJECT

public:
    explicit Form1Window(QWidget *parent = nullptr);

    // Events reach the logic only once it is attached.
    void attach(Form1 &form) { m_form = &form; }

    void setBackColor(Colour colour) override;
    void setCaption(CaptionOf label, const QString &caption) override;
    void setLabNumForeColor(Colour colour) override;
    int labNumLeft() const override { return m_labNumLeft; }
    void setLabNumLeft(int twips) override;
    QString txtNumText() const override;
    void setTxtNumText(const QString &text) override;
    void setCmdRandomVisible(bool visible) override;
    void setCmdRandomEnabled(bool enabled) override;
    void setTimerEnabled(TimerId timer, bool enabled) override;

    // Percent of the design's size, 100 to 400, capped to the largest that fits the screen.
    void setZoom(int percent);
    int zoom() const { return m_zoom; }
    // Full screen, the design scaled to fill it; off again, the window at its zoom.
    void setFullScreenView(bool on);
    bool isFullScreenView() const { return m_fullScreen; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    struct Placed
    {
        QWidget *widget;
        QRect twips;
    };

    bool zoomKey(const QKeyEvent &event);
    void place(QWidget *widget, QRect twips);
    void showAtZoom();
    void fillWindow();
    void setScale(const Scale &scale);
    void layOut();
    QSize roomOnScreen();
    void keepOnScreen();
    void placeLabel(QLabel *label, const char *name, QRect twips, Colour colour,
                    Qt::Alignment alignment);
    FittingLabel *addLabel(const char *name, QRect twips, Colour colour, Qt::Alignment alignment);
    QTimer *addTimer(const char *name, TimerId id, void (*tick)(Form1 &));
    QTimer *timerFor(TimerId id) const;
    FittingLabel *labelFor(CaptionOf id) const;

    Form1 *m_form = nullptr;
    // Holds the controls and clips them to the design's client area, so the hidden field stays
    // out of sight also where the window is larger than the picture.
    QWidget *m_client = nullptr;
    QList<Placed> m_placed;
    HiddenNumberField *m_txtNum = nullptr;
    QPushButton *m_cmdRandom = nullptr;
    FittingLabel *m_labName = nullptr;
    FittingLabel *m_label3 = nullptr;
    QLabel *m_label2 = nullptr;
    FittingLabel *m_labNum = nullptr;
    FittingLabel *m_label1 = nullptr;
    QTimer *m_tmrTextMove = nullptr;
    QTimer *m_tmrCount = nullptr;
    QTimer *m_tmrBgColor = nullptr;
    int m_labNumLeft = 0;
    Scale m_scale;
    int m_zoom = 100;
    bool m_fullScreen = false;
    // The window manager's frame, last seen outside full screen; it needs room on the screen too.
    QMargins m_frame;
    // A click is a press and a release on the label; the second click of a double-click is not.
    bool m_label2Pressed = false;
};
