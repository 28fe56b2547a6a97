#pragma once

#include "FakeView.h"
#include "Fakes.h"
#include "ScriptedSource.h"
#include "VirtualClock.h"

#include "app/Form1.h"

#include <utility>

// The core wired to fakes: a whole program run on a virtual clock. Source is the random source,
// built from the rig's arguments; a scripted one lets a test decide every draw.
template<typename Source = ScriptedSource>
struct Rig
{
    template<typename... SourceArgs>
    explicit Rig(SourceArgs &&...sourceArgs) : source(std::forward<SourceArgs>(sourceArgs)...)
    {
        clock.connect(TimerId::tmrCount, [this] { form.tmrCount_Timer(); });
        clock.connect(TimerId::tmrBgColor, [this] { form.tmrBgColor_Timer(); });
        clock.connect(TimerId::TmrTextMove, [this] { form.TmrTextMove_Timer(); });
    }

    VirtualClock clock;
    FakeView view{clock};
    Source source;
    FakeErrorDialog dialog;
    FakeDesktop desktop;
    Form1 form{view, source, dialog, desktop};
};
