#pragma once

#include "draw/UniformSource.h"
#include "errors/ReportError.h"
#include "pick/PickState.h"
#include "pick/View.h"

#include <QString>

#include <functional>
#include <utility>

// One pick from the button press to the button's return: counting, the chosen number,
// the flashing and the slide with the reveal of the name.
class PickSequence
{
public:
    PickSequence(PickState &state, View &view, UniformSource &source, ErrorReporter &reporter);

    // Called whenever a pick changes the round's turns, so they can be kept at once.
    void setTurnsChanged(std::function<void()> turnsChanged)
    {
        m_turnsChanged = std::move(turnsChanged);
    }
    // From the button press until the count stops.
    bool counting() const { return m_counting; }

    void start();
    // One tick of each timer.
    void countTick();
    void flashTick();
    void slideTick();

private:
    void countToRandomStep();
    void countToChosenNumber();
    void showNextNumber();
    void land();
    double drawSteps();
    QString studentName();

    PickState &m_state;
    View &m_view;
    UniformSource &m_source;
    ErrorReporter &m_reporter;
    std::function<void()> m_turnsChanged;
    bool m_counting = false;
};
