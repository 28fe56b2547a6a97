#include "PickSequence.h"

#include "draw/Draw.h"
#include "files/Roster.h"
#include "pick/Texts.h"

#include <limits>

namespace {

constexpr int labNumCountingLeft = 1900;
constexpr int labNumRestingLeft = 600;
constexpr int slideStep = 50;
constexpr int flashChanges = 6;

} // namespace

PickSequence::PickSequence(Form1State &state, View &view, UniformSource &source,
                           ErrorReporter &reporter)
    : m_state(state), m_view(view), m_source(source), m_reporter(reporter)
{
}

void PickSequence::CmdRandom_Click()
{
    // Its handler is the event procedure's own, in Form1: a failure here, CheckRepeat's among
    // them, is reported there as "(Sub CmdRandom_Click)".
    m_state.RandSteps = toInt16(GetRand());
    CheckRepeat(m_state, [this] { return GetRand(); });
    m_state.StepCount = 0;
    m_view.setCaption(CaptionOf::LabName, QString());
    m_view.setLabNumForeColor(Colours::countingGrey);
    m_view.setLabNumLeft(labNumCountingLeft);
    m_view.setCaption(CaptionOf::Label1, Texts::luckyNumber());
    m_view.setTimerEnabled(TimerId::tmrCount, true);
    m_view.setCmdRandomVisible(false);
    m_view.setCmdRandomEnabled(false);
}

double PickSequence::GetRand()
{
    return runHandled(m_reporter, u"(Function GetRand)",
                      [this] { return ::GetRand(m_state.MaxClassNo, m_source); });
}

void PickSequence::tmrCount_Timer()
{
    if (!m_view.txtNumText().isEmpty())
        Rand2();
    else
        Rand1();
}

void PickSequence::Rand1()
{
    runHandled(m_reporter, u"(Sub Rand1)", [this] {
        if (m_state.RandSteps >= m_state.StepCount) {
            if (m_state.CurNo == m_state.MaxClassNo.value())
                m_state.CurNo = 0;
            m_state.CurNo += 1;
            m_view.setCaption(CaptionOf::labNum, QString::number(m_state.CurNo.value()));
            m_state.StepCount += 1;
        } else {
            finish();
        }
    });
}

void PickSequence::Rand2()
{
    runHandled(m_reporter, u"(Sub Rand2)", [this] {
        if (m_state.CurNo == m_state.MaxClassNo.value())
            m_state.CurNo = 0;
        m_state.CurNo += 1;
        m_view.setCaption(CaptionOf::labNum, QString::number(m_state.CurNo.value()));
        // A number that is never reached keeps the count cycling; the tick counter stops at
        // its ceiling instead of overflowing and ending the program.
        if (m_state.StepCount < std::numeric_limits<qint16>::max())
            m_state.StepCount += 1;

        const QString text = m_view.txtNumText();
        bool isNumber = false;
        const double designated = text.toDouble(&isNumber);
        if (!isNumber && keepDigits(text) != text)
            throw RuntimeError(Failure::NotANumber);
        // Digits too many to convert name a number no count can reach.
        if (!isNumber || designated != m_state.CurNo.value())
            return;

        finish();
        m_view.setTxtNumText(QString());
        m_state.PickedCount -= 1;
        m_state.PickedNo[m_state.PickedCount] = 0;
    });
}

void PickSequence::finish()
{
    m_state.StepCount = 0;
    m_view.setTimerEnabled(TimerId::tmrCount, false);
    m_view.setLabNumForeColor(Colours::resultRed);
    m_view.setTimerEnabled(TimerId::tmrBgColor, true);
    m_view.setTimerEnabled(TimerId::TmrTextMove, true);
}

void PickSequence::tmrBgColor_Timer()
{
    if (m_state.StepCount > flashChanges - 1) {
        m_view.setTimerEnabled(TimerId::tmrBgColor, false);
        m_view.setCmdRandomEnabled(true);
        m_view.setCmdRandomVisible(true);
        return;
    }
    if (m_state.IsBlack != 0) {
        m_view.setBackColor(Colours::white);
        m_state.IsBlack = 0;
    } else {
        m_view.setBackColor(Colours::black);
        m_state.IsBlack = 1;
    }
    m_state.StepCount += 1;
}

void PickSequence::TmrTextMove_Timer()
{
    const int left = m_view.labNumLeft();
    if (left == labNumRestingLeft) {
        m_view.setCaption(CaptionOf::Label1, Texts::luckyStudent());
        m_view.setCaption(CaptionOf::LabName, GetStudentInfo());
        m_view.setTimerEnabled(TimerId::TmrTextMove, false);
    } else {
        m_view.setLabNumLeft(left - slideStep);
    }
}

QString PickSequence::GetStudentInfo()
{
    return runHandled(m_reporter, u"(Function GetStudentInfo)",
                      [this] { return ::GetStudentInfo(m_state.StudentFile, m_state.CurNo); });
}

void TxtNum_KeyPress(Int16 &KeyAscii)
{
    const qint16 code = KeyAscii.value();
    const bool digit = code >= '0' && code <= '9';
    if (!digit && code != 8 && code != 13)
        KeyAscii = 0;
}

QString keepDigits(QStringView text)
{
    QString digits;
    for (QChar c : text) {
        if (c >= u'0' && c <= u'9')
            digits.append(c);
    }
    return digits;
}
