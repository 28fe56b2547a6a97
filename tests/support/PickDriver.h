#pragma once

#include "ClassFolder.h"
#include "Listing.h"
#include "Rig.h"

#include "errors/Checked.h"

// Drives whole picks on a rig loaded with a class folder.
struct PickDriver
{
    explicit PickDriver(int maxClassNo) : folder(maxClassNo) { start(); }
    PickDriver(int maxClassNo, const QStringList &roster) : folder(maxClassNo, roster) { start(); }

    // Makes the next button press draw exactly this many steps (factor 1.5 from the table).
    void scriptSteps(int steps)
    {
        const int max = rig.controller.state().classSize.value();
        const double spread = roundHalfEven(max * 1.5);
        const double base = roundHalfEven(max * 0.25);
        if (steps < base || steps >= base + spread)
            qFatal("%d steps cannot be drawn for a class of %d", steps, max);
        rig.source.push({0.75f, float((steps - base + 0.5) / spread)});
    }

    // Presses the button and plays the pick until the button is back (or the program ended).
    void pick()
    {
        rig.controller.pickButtonClicked();
        rig.clock.runUntil([this] { return rig.view.pickButtonVisible || rig.controller.ended(); });
    }

    void pickWithSteps(int steps)
    {
        scriptSteps(steps);
        pick();
    }

    QList<int> history() const { return historyOf(rig.controller.state()); }

    ClassFolder folder;
    Rig<> rig;

private:
    void start()
    {
        rig.controller.initialize();
        rig.controller.load(folder.settingsPath());
        if (rig.controller.ended())
            qFatal("the class folder did not load");
    }
};
