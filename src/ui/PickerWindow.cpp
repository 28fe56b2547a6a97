#include "PickerWindow.h"

#include "AppIcon.h"
#include "DesignCanvas.h"
#include "FittingLabel.h"
#include "Fonts.h"
#include "HiddenNumberField.h"
#include "LinkLabel.h"
#include "WindowMenu.h"
#include "Zoom.h"
#include "app/PickController.h"
#include "pick/Texts.h"

#include <QPushButton>
#include <QTimer>

#include <array>

using namespace Qt::StringLiterals;

namespace {

// The field, the button and the credit line use the window's font, the small sans serif of the
// desktop the window was first drawn for.
QFont windowFont()
{
    return designFont(u"MS Sans Serif"_s, 8, 400);
}

// In the order of TimerId.
constexpr std::array timerNames{"slideTimer", "countTimer", "flashTimer"};
static_assert(timerNames.size() == allTimers.size());

} // namespace

// A slot that hands an event to the logic, once the logic is attached.
template<void (PickController::*procedure)()>
void PickerWindow::toController()
{
    if (m_controller)
        (m_controller->*procedure)();
}

PickerWindow::PickerWindow(QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(u"pickerWindow"_s);
    setWindowTitle(Texts::windowTitle());
    setWindowIcon(appIcon());
    // The window's colour fills the whole window, also around the picture in full screen.
    setAutoFillBackground(true);
    setBackgroundColour(Colours::white);
    m_canvas = new DesignCanvas(windowFont(), this);
    m_canvas->setObjectName(u"client"_s);

    // Bottom to top: each control is drawn over those before it.
    m_chosenNumberField = new HiddenNumberField(m_canvas);
    m_chosenNumberField->setObjectName(u"chosenNumberField"_s);
    // Its top is the client height: out of sight, yet enabled and able to hold the focus.
    m_canvas->place(m_chosenNumberField, QRect(120, 2640, 735, 270));
    m_chosenNumberField->setKeyPress([this](Int16 &keyCode) {
        if (m_controller)
            m_controller->chosenNumberKeyPressed(keyCode);
    });
    // The field would take Ctrl with a keypad key as typing; the window's keys come first.
    m_chosenNumberField->installEventFilter(this);
    // The window's own menu, not the field's Cut and Paste, for the menu key too.
    m_chosenNumberField->setContextMenuPolicy(Qt::NoContextMenu);

    m_pickButton = new QPushButton(Texts::pickButton(), m_canvas);
    m_pickButton->setObjectName(u"pickButton"_s);
    m_canvas->place(m_pickButton, QRect(1560, 1800, 1575, 495));
    connect(m_pickButton, &QPushButton::clicked, this,
            &PickerWindow::toController<&PickController::pickButtonClicked>);

    // Captions wider than their label at the design size are fitted rather than cut off; a
    // name may take a second line at the smallest size still readable across a classroom.
    m_nameLabel = addLabel<FittingLabel>("nameLabel", QRect(1560, 600, 3015, 975),
                                         Colours::resultRed, Qt::AlignHCenter);
    m_nameLabel->setDesign(designFont(u"標楷體"_s, 36, 700), 14, 2);
    m_creditLabel = addLabel<LinkLabel>("creditLabel", QRect(120, 2400, 2895, 255), Colours::black,
                                        Qt::AlignLeft);
    m_creditLabel->setDesign(windowFont(), 6);
    m_creditLabel->setCaption(Texts::credit());
    connect(m_creditLabel, &LinkLabel::doubleClicked, this,
            &PickerWindow::toController<&PickController::creditDoubleClicked>);
    m_webLink = addLabel<LinkLabel>("webLink", QRect(3000, 2400, 1695, 255), Colours::black,
                                    Qt::AlignLeft);
    m_webLink->setDesign(designFont(u"新細明體"_s, 9, 400, true), 9);
    m_webLink->setCaption(Texts::webAddress());
    connect(m_webLink, &LinkLabel::clicked, this,
            &PickerWindow::toController<&PickController::webLinkClicked>);
    m_numberLabel = addLabel<FittingLabel>("numberLabel", QRect(numberRestingLeft, 480, 975, 1095),
                                           Colours::countingGrey, Qt::AlignHCenter);
    m_numberLabel->setDesign(designFont(u"Arial Black"_s, 36, 400), 8);
    m_headingLabel = addLabel<FittingLabel>("headingLabel", QRect(120, 120, 4575, 495),
                                            Colours::headingBlue, Qt::AlignHCenter);
    m_headingLabel->setDesign(designFont(u"Arial Black"_s, 15.75, 400), 8);
    m_headingLabel->setCaption(Texts::heading());

    // Labels take no focus, so the tab order is the field, then the button.
    setTabOrder(m_chosenNumberField, m_pickButton);
    m_chosenNumberField->setFocus();

    for (TimerId id : allTimers) {
        auto *timer = new QTimer(this);
        timer->setObjectName(QString::fromLatin1(timerNames[std::size_t(id)]));
        timer->setTimerType(Qt::PreciseTimer);
        timer->setInterval(timerIntervalMs(id));
        connect(timer, &QTimer::timeout, this, [this, id] {
            if (m_controller)
                m_controller->timerTicked(id);
        });
        m_timers[std::size_t(id)] = timer;
    }

    showAtZoom(zoom());
    new WindowMenu(*this);
}

template<typename Label>
Label *PickerWindow::addLabel(const char *name, QRect twips, Colour colour, Qt::Alignment alignment)
{
    auto *label = new Label(m_canvas);
    label->setObjectName(QString::fromLatin1(name));
    m_canvas->place(label, twips);
    // Names from the roster are shown as written, never read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment | Qt::AlignTop);
    // No fill of its own, so the window's colour and its flashing show behind the text.
    label->setAutoFillBackground(false);
    setRoleColour(label, QPalette::WindowText, colour);
    return label;
}

FittingLabel *PickerWindow::labelFor(CaptionLabel label) const
{
    switch (label) {
    case CaptionLabel::Heading:
        return m_headingLabel;
    case CaptionLabel::Name:
        return m_nameLabel;
    case CaptionLabel::Number:
        return m_numberLabel;
    }
    return nullptr;
}

void PickerWindow::setBackgroundColour(Colour colour)
{
    setRoleColour(this, QPalette::Window, colour);
}

void PickerWindow::setCaption(CaptionLabel label, const QString &caption)
{
    labelFor(label)->setCaption(caption);
}

void PickerWindow::setNumberColour(Colour colour)
{
    setRoleColour(m_numberLabel, QPalette::WindowText, colour);
}

int PickerWindow::numberLeft() const
{
    return m_canvas->leftOf(m_numberLabel);
}

void PickerWindow::setNumberLeft(int twips)
{
    m_canvas->moveLeft(m_numberLabel, twips);
}

QString PickerWindow::chosenNumberText() const
{
    return m_chosenNumberField->text();
}

void PickerWindow::setChosenNumberText(const QString &text)
{
    m_chosenNumberField->setText(text);
}

void PickerWindow::setPickButtonVisible(bool visible)
{
    m_pickButton->setVisible(visible);
}

void PickerWindow::setPickButtonEnabled(bool enabled)
{
    m_pickButton->setEnabled(enabled);
}

void PickerWindow::setTimerEnabled(TimerId id, bool enabled)
{
    QTimer *timer = m_timers[std::size_t(id)];
    enabled ? timer->start() : timer->stop();
}

void PickerWindow::focusChosenNumberField()
{
    m_chosenNumberField->setFocus();
}

void PickerWindow::closeEvent(QCloseEvent *event)
{
    if (m_controller)
        m_controller->unload();
    QWidget::closeEvent(event);
}

void PickerWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (isFullScreenView())
        fillScreen();
}

void PickerWindow::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    m_zoom.windowMoved();
}
