#include "PickSequence.h"

#include "draw/Draw.h"
#include "files/Roster.h"
#include "pick/NumberKeys.h"
#include "pick/ReportNames.h"
#include "pick/Texts.h"

#include <limits>

namespace {

constexpr int numberCountingLeft = 1900;
constexpr int slideStep = 50;
constexpr int flashChanges = 6;

} // namespace

PickSequence::PickSequence(PickState &state, View &view, UniformSource &source,
                           ErrorReporter &reporter)
    : m_state(state), m_view(view), m_source(source), m_reporter(reporter)
{
}

void PickSequence::start()
{
    // The button's own handler, in PickController, reports a failure here, the redraw's among
    // them.
    m_state.drawnSteps = toInt16(drawSteps());
    redrawUntilNew(m_state, [this] { return drawSteps(); });
    m_counting = true;
    if (m_turnsChanged)
        m_turnsChanged();
    m_state.stepCount = 0;
    m_view.setCaption(CaptionLabel::Name, QString());
    m_view.setNumberColour(Colours::countingGrey);
    m_view.setNumberLeft(numberCountingLeft);
    m_view.setCaption(CaptionLabel::Heading, Texts::luckyNumber());
    m_view.setTimerEnabled(TimerId::Count, true);
    m_view.setPickButtonVisible(false);
    m_view.setPickButtonEnabled(false);
}

double PickSequence::drawSteps()
{
    return runHandled(m_reporter, reportName(Procedure::DrawSteps),
                      [this] { return ::drawSteps(m_state.classSize, m_source); });
}

void PickSequence::countTick()
{
    if (!m_view.chosenNumberText().isEmpty())
        countToChosenNumber();
    else
        countToRandomStep();
}

void PickSequence::countToRandomStep()
{
    runHandled(m_reporter, reportName(Procedure::CountToRandomStep), [this] {
        if (m_state.drawnSteps >= m_state.stepCount) {
            showNextNumber();
            m_state.stepCount += 1;
        } else {
            land();
        }
    });
}

void PickSequence::countToChosenNumber()
{
    runHandled(m_reporter, reportName(Procedure::CountToChosenNumber), [this] {
        showNextNumber();
        // A number that is never reached keeps the count cycling; the tick counter stops at
        // its ceiling instead of overflowing and ending the program.
        if (m_state.stepCount < std::numeric_limits<qint16>::max())
            m_state.stepCount += 1;

        const QString text = m_view.chosenNumberText();
        bool isNumber = false;
        const double designated = text.toDouble(&isNumber);
        if (!isNumber && keepDigits(text) != text)
            throw RuntimeError(Failure::NotANumber);
        // Digits too many to convert name a number no count can reach.
        if (!isNumber || designated != m_state.currentNumber.value())
            return;

        land();
        m_view.setChosenNumberText(QString());
        // The chosen number does not use up a turn: the draw's entry for this pick is undone.
        m_state.history.count -= 1;
        m_state.history.numbers[m_state.history.count] = 0;
        if (m_turnsChanged)
            m_turnsChanged();
    });
}

// The count goes on from the number on show and wraps from the last number of the class to 1.
void PickSequence::showNextNumber()
{
    if (m_state.currentNumber == m_state.classSize.value())
        m_state.currentNumber = 0;
    m_state.currentNumber += 1;
    m_view.setCaption(CaptionLabel::Number, QString::number(m_state.currentNumber.value()));
}

void PickSequence::land()
{
    m_counting = false;
    m_state.stepCount = 0;
    m_view.setTimerEnabled(TimerId::Count, false);
    m_view.setNumberColour(Colours::resultRed);
    m_view.setTimerEnabled(TimerId::Flash, true);
    m_view.setTimerEnabled(TimerId::Slide, true);
}

void PickSequence::flashTick()
{
    if (m_state.stepCount > flashChanges - 1) {
        m_view.setTimerEnabled(TimerId::Flash, false);
        m_view.setPickButtonEnabled(true);
        m_view.setPickButtonVisible(true);
        return;
    }
    const bool black = !m_state.blackBackground;
    m_view.setBackgroundColour(black ? Colours::black : Colours::white);
    m_state.blackBackground = black;
    m_state.stepCount += 1;
}

void PickSequence::slideTick()
{
    const int left = m_view.numberLeft();
    if (left == numberRestingLeft) {
        m_view.setCaption(CaptionLabel::Heading, Texts::luckyStudent());
        m_view.setCaption(CaptionLabel::Name, studentName());
        m_view.setTimerEnabled(TimerId::Slide, false);
    } else {
        m_view.setNumberLeft(left - slideStep);
    }
}

QString PickSequence::studentName()
{
    return runHandled(m_reporter, reportName(Procedure::StudentName), [this] {
        return ::studentName(m_state.rosterPath, m_state.currentNumber, m_state.rosterSheet);
    });
}
