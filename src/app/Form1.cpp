#include "Form1.h"

#include "files/Paths.h"
#include "files/Settings.h"
#include "pick/Texts.h"

#include <array>

Form1::Form1(View &view, UniformSource &source, ErrorDialog &dialog, Desktop &desktop)
    : m_view(view), m_dialog(dialog), m_desktop(desktop), m_pick(m_state, view, source, *this)
{
}

template<typename Body>
void Form1::dispatch(QStringView suffix, Body &&body)
{
    if (m_ended)
        return;
    try {
        // The last net: a failure that no procedure on the way reported is reported here, in
        // the event procedure's name, instead of unwinding into the event loop.
        runHandled(*this, suffix, std::forward<Body>(body));
    } catch (const ProgramEnded &) {
        // The report has been shown and the end requested; nothing more runs.
    }
}

void Form1::endWithReport(const QString &message)
{
    // Stop every timer first, so that no tick can raise a second dialog behind this one.
    end();
    m_dialog.showError(errorDialogTitle(), errorDialogText(message));
    m_dialog.endProgram(1);
}

void Form1::Form_Initialize()
{
    dispatch(u"(Sub Form_Initialize)", [this] { m_desktop.initialiseControls(); });
}

void Form1::Form_Load(const QString &settingsPath)
{
    dispatch(u"(Sub Form_Load)", [&] {
        if (!ReadSettings(settingsPath, m_state.StudentFile, m_state.MaxClassNo))
            ReportError(QStringLiteral("找不到設定檔 rand.ini"));
        if (!fileExists(m_state.StudentFile))
            ReportError(QStringLiteral("找不到人名檔 ") + m_state.StudentFile);
        // A negative class size would overflow at the first pick: refuse it here too.
        if (m_state.MaxClassNo <= 0)
            ReportError(QStringLiteral("設定錯誤！未設定最大號數！"));
        m_state.CurNo = 0;
        m_state.PickedCount = 0;
        m_state.PickedNo.fill(0);
    });
}

void Form1::refuseStart(const QString &message)
{
    dispatch({}, [&] { ReportError(message); });
}

void Form1::Form_Unload()
{
    end();
}

void Form1::end()
{
    m_ended = true;
    for (TimerId timer : allTimers)
        m_view.setTimerEnabled(timer, false);
}

void Form1::CmdRandom_Click()
{
    dispatch(u"(Sub CmdRandom_Click)", [this] { m_pick.CmdRandom_Click(); });
}

void Form1::tmrCount_Timer()
{
    dispatch(u"(Sub tmrCount_Timer)", [this] { m_pick.tmrCount_Timer(); });
}

void Form1::tmrBgColor_Timer()
{
    dispatch(u"(Sub tmrBgColor_Timer)", [this] { m_pick.tmrBgColor_Timer(); });
}

void Form1::TmrTextMove_Timer()
{
    dispatch(u"(Sub TmrTextMove_Timer)", [this] { m_pick.TmrTextMove_Timer(); });
}

void Form1::TxtNum_KeyPress(Int16 &KeyAscii)
{
    dispatch(u"(Sub TxtNum_KeyPress)", [&] { ::TxtNum_KeyPress(KeyAscii); });
    // Nothing typed is kept once the program has ended.
    if (m_ended)
        KeyAscii = 0;
}

void Form1::Label2_Click()
{
    dispatch(u"(Sub Label2_Click)", [this] { m_desktop.openAddress(Texts::webAddress()); });
}

void Form1::Label3_DblClick()
{
    dispatch(u"(Sub Label3_DblClick)",
             [this] { m_desktop.showAbout(Texts::aboutName(), Texts::aboutExtra()); });
}
