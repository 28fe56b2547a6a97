#pragma once

#include "FakeView.h"
#include "Fakes.h"
#include "ScriptedSource.h"
#include "VirtualClock.h"

#include "app/Form1.h"

// The core wired to fakes: a whole program run on a virtual clock.
struct Rig
{
    VirtualClock clock;
    FakeView view{clock};
    ScriptedSource source;
    FakeErrorDialog dialog;
    FakeDesktop desktop;
    Form1 form{view, source, dialog, desktop};

    Rig()
    {
        clock.connect(TimerId::tmrCount, [this] { form.tmrCount_Timer(); });
        clock.connect(TimerId::tmrBgColor, [this] { form.tmrBgColor_Timer(); });
        clock.connect(TimerId::TmrTextMove, [this] { form.TmrTextMove_Timer(); });
    }
};
