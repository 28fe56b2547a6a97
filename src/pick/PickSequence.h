#pragma once

#include "draw/UniformSource.h"
#include "errors/ReportError.h"
#include "pick/Form1State.h"
#include "pick/View.h"

#include <QString>
#include <QStringView>

// One pick from the button press to the button's return: counting, the designated number,
// the flashing and the slide with the reveal of the name.
class PickSequence
{
public:
    PickSequence(Form1State &state, View &view, UniformSource &source, ErrorReporter &reporter);

    void CmdRandom_Click();
    void tmrCount_Timer();
    void Rand1();
    void Rand2();
    void tmrBgColor_Timer();
    void TmrTextMove_Timer();
    double GetRand();
    QString GetStudentInfo();

private:
    void finish();

    Form1State &m_state;
    View &m_view;
    UniformSource &m_source;
    ErrorReporter &m_reporter;
};

// Keeps a typed character only if it is a digit, a backspace or a carriage return;
// otherwise sets KeyAscii to 0.
void TxtNum_KeyPress(Int16 &KeyAscii);

// What the hidden field keeps of text that arrives by any other route (paste, drop, input
// method): the same characters that typing keeps.
QString keepDigits(QStringView text);
