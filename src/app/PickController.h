#pragma once

#include "app/Desktop.h"
#include "draw/UniformSource.h"
#include "errors/ReportError.h"
#include "files/Settings.h"
#include "pick/PickSequence.h"
#include "pick/PickState.h"
#include "pick/View.h"

#include <QString>
#include <QStringView>

// The main window's state and event procedures. The adapter forwards every event here.
// Every event procedure runs under a handler of its own, so no failure reaches the event loop,
// and once a report has ended the program every event procedure returns at once.
class PickController final : public ErrorReporter
{
public:
    PickController(View &view, UniformSource &source, ErrorDialog &dialog, Desktop &desktop);

    void initialize();
    // Reads the settings at settingsPath; the window may be shown only if this leaves
    // the program running.
    void load(const QString &settingsPath = settingsFileName());
    void unload();
    // A start-up check before load(): reports message as its checks do, so the window is
    // never shown and load() does nothing.
    void refuseStart(const QString &message);

    void pickButtonClicked();
    // The one place that says which procedure each timer runs.
    void timerTicked(TimerId timer);
    // keyCode is the typed character's code; it comes back 0 when the character is discarded.
    void chosenNumberKeyPressed(Int16 &keyCode);
    void webLinkClicked();
    void creditDoubleClicked();

    bool ended() const { return m_ended; }
    const PickState &state() const { return m_state; }

protected:
    void endWithReport(const QString &message) override;

private:
    template<typename Body>
    void dispatch(QStringView reportName, Body &&body);
    // No timer ticks and no event procedure runs after this.
    void end();

    PickState m_state;
    View &m_view;
    ErrorDialog &m_dialog;
    Desktop &m_desktop;
    PickSequence m_pick;
    bool m_ended = false;
};
