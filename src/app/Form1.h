#pragma once

#include "app/Desktop.h"
#include "draw/UniformSource.h"
#include "errors/ReportError.h"
#include "pick/Form1State.h"
#include "pick/PickSequence.h"
#include "pick/View.h"

#include <QString>
#include <QStringView>

// The main window's state and event procedures. The adapter forwards every event here.
// Every event procedure runs under a handler of its own, so no failure reaches the event loop,
// and once a report has ended the program every event procedure returns at once.
class Form1 final : public ErrorReporter
{
public:
    Form1(View &view, UniformSource &source, ErrorDialog &dialog, Desktop &desktop);

    void Form_Initialize();
    // Reads the settings at settingsPath; the window may be shown only if this leaves
    // the program running.
    void Form_Load(const QString &settingsPath = QStringLiteral("rand.ini"));
    void Form_Unload();
    // A start-up check before Form_Load: reports message as Form_Load's checks do, so the
    // window is never shown and Form_Load does nothing.
    void refuseStart(const QString &message);

    void CmdRandom_Click();
    void tmrCount_Timer();
    void tmrBgColor_Timer();
    void TmrTextMove_Timer();
    // KeyAscii is the typed character's code; it comes back 0 when the character is discarded.
    void TxtNum_KeyPress(Int16 &KeyAscii);
    void Label2_Click();
    void Label3_DblClick();

    bool ended() const { return m_ended; }
    const Form1State &state() const { return m_state; }

protected:
    void endWithReport(const QString &message) override;

private:
    template<typename Body>
    void dispatch(QStringView suffix, Body &&body);
    // No timer ticks and no event procedure runs after this.
    void end();

    Form1State m_state;
    View &m_view;
    ErrorDialog &m_dialog;
    Desktop &m_desktop;
    PickSequence m_pick;
    bool m_ended = false;
};
