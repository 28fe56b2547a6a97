#pragma once

#include "app/ClassListEntry.h"
#include "app/Desktop.h"
#include "app/RememberedTurns.h"
#include "draw/UniformSource.h"
#include "errors/ReportError.h"
#include "files/Settings.h"
#include "pick/PickSequence.h"
#include "pick/PickState.h"
#include "pick/View.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringView>

#include <functional>
#include <memory>
#include <optional>

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

    // Every number of the class with its name, read from the roster now, and its standing.
    QList<ClassListEntry> classList() const;
    // Marks a number of the class absent today or present again; nothing once ended or for a
    // number outside the class.
    std::optional<AbsentToggle> toggleAbsent(int number);
    void startNewRound();
    // Whether turns and absent marks are kept in the class folder between runs.
    bool remembersTurns() const { return m_turns != nullptr; }
    // The day absent marks belong to; tests set it.
    void setToday(std::function<QDate()> today) { m_today = std::move(today); }

    bool ended() const { return m_ended; }
    const PickState &state() const { return m_state; }

protected:
    void endWithReport(const QString &message) override;

private:
    template<typename Body>
    void dispatch(QStringView reportName, Body &&body);
    // No timer ticks and no event procedure runs after this.
    void end();
    void openRememberedTurns(const QString &settingsPath);
    void saveTurns();

    PickState m_state;
    View &m_view;
    ErrorDialog &m_dialog;
    Desktop &m_desktop;
    PickSequence m_pick;
    bool m_ended = false;
    std::unique_ptr<RememberedTurns> m_turns;
    std::function<QDate()> m_today = [] { return QDate::currentDate(); };
    QDate m_absentDate;
};
