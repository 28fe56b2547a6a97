#pragma once

#include "FakeView.h"
#include "Fakes.h"
#include "ScriptedSource.h"
#include "VirtualClock.h"

#include "app/Form1.h"

// Lets the clock's ticks reach the window's timer procedures.
inline void wireTimers(VirtualClock &clock, Form1 &form)
{
    clock.connect(TimerId::tmrCount, [&form] { form.tmrCount_Timer(); });
    clock.connect(TimerId::tmrBgColor, [&form] { form.tmrBgColor_Timer(); });
    clock.connect(TimerId::TmrTextMove, [&form] { form.TmrTextMove_Timer(); });
}

// The core wired to fakes: a whole program run on a virtual clock.
struct Rig
{
    VirtualClock clock;
    FakeView view{clock};
    ScriptedSource source;
    FakeErrorDialog dialog;
    FakeDesktop desktop;
    Form1 form{view, source, dialog, desktop};

    Rig() { wireTimers(clock, form); }
};
