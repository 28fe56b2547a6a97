#include "Form1Window.h"

#include "AppIcon.h"
#include "FittingLabel.h"
#include "Fonts.h"
#include "HiddenNumberField.h"
#include "Units.h"
#include "Zoom.h"
#include "app/Form1.h"
#include "pick/Texts.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// The field, the button and the credit line use the window's font, the small sans serif of the
// desktop it was designed on.
QFont windowFont()
{
    return designFont(u"MS Sans Serif"_s, 8, 400);
}

QFont label2Font()
{
    return designFont(u"新細明體"_s, 9, 400, true);
}

void setRoleColour(QWidget *widget, QPalette::ColorRole role, Colour colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, toQColor(colour));
    widget->setPalette(palette);
}

bool isLeftButton(QEvent *event)
{
    return static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
}

} // namespace

Form1Window::Form1Window(QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(Texts::formCaption());
    setWindowIcon(appIcon());
    // The window's colour fills the whole window, also around the picture in full screen.
    setAutoFillBackground(true);
    setBackColor(Colours::white);
    setFont(windowFont());
    m_client = new QWidget(this);
    m_client->setObjectName(u"client"_s);

    // In the order of the window description.
    m_txtNum = new HiddenNumberField(m_client);
    m_txtNum->setObjectName(QStringLiteral("TxtNum"));
    // Its top is the client height: out of sight, yet enabled and able to hold the focus.
    place(m_txtNum, QRect(120, 2640, 735, 270));
    m_txtNum->setKeyPress([this](Int16 &KeyAscii) {
        if (m_form)
            m_form->TxtNum_KeyPress(KeyAscii);
    });
    // The field would take Ctrl with a keypad key as typing; the window's keys come first.
    m_txtNum->installEventFilter(this);

    m_cmdRandom = new QPushButton(Texts::randomButton(), m_client);
    m_cmdRandom->setObjectName(QStringLiteral("CmdRandom"));
    place(m_cmdRandom, QRect(1560, 1800, 1575, 495));
    connect(m_cmdRandom, &QPushButton::clicked, this, [this] {
        if (m_form)
            m_form->CmdRandom_Click();
    });

    // Captions wider than their label at the design size are fitted rather than cut off; a
    // name may take a second line at the smallest size still readable across a classroom.
    m_labName = addLabel("LabName", QRect(1560, 600, 3015, 975), Colours::resultRed,
                         Qt::AlignHCenter);
    m_labName->setDesign(designFont(QStringLiteral("標楷體"), 36, 700), 14, 2);
    m_label3 = addLabel("Label3", QRect(120, 2400, 2895, 255), Colours::black, Qt::AlignLeft);
    m_label3->setDesign(font(), 6);
    m_label3->setCaption(Texts::credit());
    m_label2 = new QLabel(Texts::webAddress(), m_client);
    placeLabel(m_label2, "Label2", QRect(3000, 2400, 1695, 255), Colours::black, Qt::AlignLeft);
    m_label2->setFont(label2Font());
    m_labNum = addLabel("labNum", QRect(600, 480, 975, 1095), Colours::countingGrey,
                        Qt::AlignHCenter);
    m_labNum->setDesign(designFont(QStringLiteral("Arial Black"), 36, 400), 8);
    m_labNumLeft = 600;
    m_label1 = addLabel("Label1", QRect(120, 120, 4575, 495), Colours::headingBlue,
                        Qt::AlignHCenter);
    m_label1->setDesign(designFont(QStringLiteral("Arial Black"), 15.75, 400), 8);
    m_label1->setCaption(Texts::heading());

    // Labels take no focus, so the tab order is the field, then the button.
    setTabOrder(m_txtNum, m_cmdRandom);
    m_txtNum->setFocus();

    m_tmrTextMove = addTimer("TmrTextMove", TimerId::TmrTextMove,
                             [](Form1 &form) { form.TmrTextMove_Timer(); });
    m_tmrCount = addTimer("tmrCount", TimerId::tmrCount, [](Form1 &form) { form.tmrCount_Timer(); });
    m_tmrBgColor = addTimer("tmrBgColor", TimerId::tmrBgColor,
                            [](Form1 &form) { form.tmrBgColor_Timer(); });

    showAtZoom();
}

void Form1Window::place(QWidget *widget, QRect twips)
{
    m_placed.append({widget, twips});
    widget->setGeometry(m_scale.rect(twips));
}

void Form1Window::placeLabel(QLabel *label, const char *name, QRect twips, Colour colour,
                             Qt::Alignment alignment)
{
    label->setObjectName(QString::fromLatin1(name));
    place(label, twips);
    // Names from the roster are shown as written, never read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment | Qt::AlignTop);
    // No fill of its own, so the window's colour and its flashing show behind the text.
    label->setAutoFillBackground(false);
    setRoleColour(label, QPalette::WindowText, colour);
    label->installEventFilter(this);
}

FittingLabel *Form1Window::addLabel(const char *name, QRect twips, Colour colour,
                                    Qt::Alignment alignment)
{
    auto *label = new FittingLabel(m_client);
    placeLabel(label, name, twips, colour, alignment);
    return label;
}

QTimer *Form1Window::addTimer(const char *name, TimerId id, void (*tick)(Form1 &))
{
    auto *timer = new QTimer(this);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(timerIntervalMs(id));
    connect(timer, &QTimer::timeout, this, [this, tick] {
        if (m_form)
            tick(*m_form);
    });
    return timer;
}

QTimer *Form1Window::timerFor(TimerId id) const
{
    switch (id) {
    case TimerId::TmrTextMove:
        return m_tmrTextMove;
    case TimerId::tmrCount:
        return m_tmrCount;
    case TimerId::tmrBgColor:
        return m_tmrBgColor;
    }
    return nullptr;
}

FittingLabel *Form1Window::labelFor(CaptionOf id) const
{
    switch (id) {
    case CaptionOf::Label1:
        return m_label1;
    case CaptionOf::LabName:
        return m_labName;
    case CaptionOf::labNum:
        return m_labNum;
    }
    return nullptr;
}

void Form1Window::setBackColor(Colour colour)
{
    setRoleColour(this, QPalette::Window, colour);
}

void Form1Window::setCaption(CaptionOf label, const QString &caption)
{
    labelFor(label)->setCaption(caption);
}

void Form1Window::setLabNumForeColor(Colour colour)
{
    setRoleColour(m_labNum, QPalette::WindowText, colour);
}

void Form1Window::setLabNumLeft(int twips)
{
    // The logic compares the position it set for equality, so it is held in twips and only
    // the display is rounded to pixels.
    m_labNumLeft = twips;
    m_labNum->move(m_scale.px(twips), m_labNum->y());
}

QString Form1Window::txtNumText() const
{
    return m_txtNum->text();
}

void Form1Window::setTxtNumText(const QString &text)
{
    m_txtNum->setText(text);
}

void Form1Window::setCmdRandomVisible(bool visible)
{
    m_cmdRandom->setVisible(visible);
}

void Form1Window::setCmdRandomEnabled(bool enabled)
{
    m_cmdRandom->setEnabled(enabled);
}

void Form1Window::setTimerEnabled(TimerId timer, bool enabled)
{
    if (enabled)
        timerFor(timer)->start();
    else
        timerFor(timer)->stop();
}

void Form1Window::setZoom(int percent)
{
    m_zoom = fittingZoom(percent, roomOnScreen());
    if (!m_fullScreen)
        showAtZoom();
}

void Form1Window::setFullScreenView(bool on)
{
    if (on == m_fullScreen)
        return;
    m_fullScreen = on;
    if (on) {
        // A window manager may refuse full screen to a window that cannot be resized.
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setWindowState(windowState() | Qt::WindowFullScreen);
        fillWindow();
    } else {
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        showAtZoom();
    }
}

// The window at its zoom: a fixed size that the picture fills.
void Form1Window::showAtZoom()
{
    const Scale scale = Scale::percent(m_zoom);
    const QSize client = scale.size(designClient);
    setFixedSize(client);
    m_client->setGeometry(QRect(QPoint(), client));
    setScale(scale);
}

// Full screen: the picture as large as the window, now the screen, allows.
void Form1Window::fillWindow()
{
    const FullScreenPlacement placement = fullScreenPlacement(size());
    m_client->setGeometry(placement.client);
    setScale(placement.scale);
}

void Form1Window::setScale(const Scale &scale)
{
    if (scale == m_scale)
        return;
    m_scale = scale;
    layOut();
}

void Form1Window::layOut()
{
    setFont(m_scale.font(windowFont()));
    m_label2->setFont(m_scale.font(label2Font()));
    for (const auto &[widget, twips] : std::as_const(m_placed))
        widget->setGeometry(m_scale.rect(twips));
    // Wherever the logic has put the number, in twips as it left it.
    m_labNum->move(m_scale.px(m_labNumLeft), m_labNum->y());
    // After the geometry: a caption is fitted to its label's width.
    for (FittingLabel *label : {m_labName, m_label3, m_labNum, m_label1})
        label->setScale(m_scale);
}

QSize Form1Window::roomOnScreen()
{
    if (!m_fullScreen && windowHandle())
        m_frame = windowHandle()->frameMargins();
    return screen()->availableGeometry().size().shrunkBy(m_frame);
}

// A window grown by a zoom key is moved back onto its screen where it would reach past it.
void Form1Window::keepOnScreen()
{
    const QRect room = screen()->availableGeometry();
    QRect frame = frameGeometry();
    frame.moveRight(std::min(frame.right(), room.right()));
    frame.moveBottom(std::min(frame.bottom(), room.bottom()));
    frame.moveLeft(std::max(frame.left(), room.left()));
    frame.moveTop(std::max(frame.top(), room.top()));
    if (frame.topLeft() != frameGeometry().topLeft())
        move(frame.topLeft());
}

// Full screen, zoom in (Ctrl + plus, or Ctrl + = as browsers take it), zoom out and back to the
// design's size.
bool Form1Window::zoomKey(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier && event.key() == Qt::Key_F11) {
        // A key held down would switch the projector to and fro.
        if (!event.isAutoRepeat())
            setFullScreenView(!m_fullScreen);
        return true;
    }
    if (modifiers == Qt::NoModifier && event.key() == Qt::Key_Escape && m_fullScreen) {
        setFullScreenView(false);
        return true;
    }
    // Most keyboards need Shift for plus. In full screen the picture already fills the screen.
    if ((modifiers & ~Qt::ShiftModifier) != Qt::ControlModifier || m_fullScreen)
        return false;
    switch (event.key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        setZoom(zoomInStep(m_zoom));
        break;
    case Qt::Key_Minus:
        setZoom(zoomOutStep(m_zoom));
        break;
    case Qt::Key_0:
        setZoom(smallestZoom);
        break;
    default:
        return false;
    }
    keepOnScreen();
    return true;
}

void Form1Window::keyPressEvent(QKeyEvent *event)
{
    if (zoomKey(*event)) {
        event->accept();
        return;
    }
    // The button is the window's default button: Enter presses it, but only while it can be
    // pressed, so Enter during a pick is ignored.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (m_cmdRandom->isVisibleTo(this) && m_cmdRandom->isEnabled())
            m_cmdRandom->click();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form1Window::closeEvent(QCloseEvent *event)
{
    if (m_form)
        m_form->Form_Unload();
    QWidget::closeEvent(event);
}

void Form1Window::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_fullScreen)
        fillWindow();
}

void Form1Window::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    // The frame is known only once the window is on screen, and the window may have moved to a
    // smaller screen: the zoom is capped again so that the window still fits.
    if (!m_fullScreen && m_zoom > smallestZoom)
        setZoom(m_zoom);
}

bool Form1Window::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_txtNum) {
        if (event->type() == QEvent::KeyPress && zoomKey(*static_cast<QKeyEvent *>(event)))
            return true;
    } else if (watched == m_label2 && m_form) {
        if (event->type() == QEvent::MouseButtonPress && isLeftButton(event)) {
            m_label2Pressed = true;
        } else if (event->type() == QEvent::MouseButtonDblClick) {
            m_label2Pressed = false;
        } else if (event->type() == QEvent::MouseButtonRelease && isLeftButton(event)) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            const bool inside = m_label2->rect().contains(mouse->position().toPoint());
            if (std::exchange(m_label2Pressed, false) && inside)
                m_form->Label2_Click();
        }
    } else if (watched == m_label3 && m_form && event->type() == QEvent::MouseButtonDblClick
               && isLeftButton(event)) {
        m_form->Label3_DblClick();
    }
    return QWidget::eventFilter(watched, event);
}
