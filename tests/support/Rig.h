#pragma once

#include "FakeView.h"
#include "Fakes.h"
#include "ScriptedSource.h"
#include "VirtualClock.h"

#include "app/PickController.h"

#include <utility>

// The core wired to fakes: a whole program run on a virtual clock. Source is the random source,
// built from the rig's arguments; a scripted one lets a test decide every draw.
template<typename Source = ScriptedSource>
struct Rig
{
    template<typename... SourceArgs>
    explicit Rig(SourceArgs &&...sourceArgs) : source(std::forward<SourceArgs>(sourceArgs)...)
    {
        for (TimerId timer : allTimers)
            clock.connect(timer, [this, timer] { controller.timerTicked(timer); });
    }

    VirtualClock clock;
    FakeView view{clock};
    Source source;
    FakeErrorDialog dialog;
    FakeDesktop desktop;
    PickController controller{view, source, dialog, desktop};
};
