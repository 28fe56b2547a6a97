#include "PickController.h"

#include "files/Paths.h"
#include "pick/NumberKeys.h"
#include "pick/ReportNames.h"
#include "pick/Texts.h"

using namespace Qt::StringLiterals;

PickController::PickController(View &view, UniformSource &source, ErrorDialog &dialog,
                               Desktop &desktop)
    : m_view(view), m_dialog(dialog), m_desktop(desktop), m_pick(m_state, view, source, *this)
{
}

template<typename Body>
void PickController::dispatch(QStringView reportName, Body &&body)
{
    if (m_ended)
        return;
    try {
        // The last net: a failure that no procedure on the way reported is reported here, in
        // the event procedure's name, instead of unwinding into the event loop.
        runHandled(*this, reportName, std::forward<Body>(body));
    } catch (const ProgramEnded &) {
        // The report has been shown and the end requested; nothing more runs.
    }
}

void PickController::endWithReport(const QString &message)
{
    // Stop every timer first, so that no tick can raise a second dialog behind this one.
    end();
    m_dialog.showError(errorDialogTitle(), errorDialogText(message));
    m_dialog.endProgram(1);
}

void PickController::initialize()
{
    dispatch(reportName(Procedure::Initialize), [this] { m_desktop.initialiseControls(); });
}

void PickController::load(const QString &settingsPath)
{
    dispatch(reportName(Procedure::Load), [&] {
        const std::optional<ClassSettings> settings = readSettings(settingsPath);
        if (!settings)
            reportError(u"找不到設定檔 "_s + settingsFileName());
        m_state.rosterPath = settings->rosterPath;
        m_state.classSize = settings->classSize;
        if (!fileExists(m_state.rosterPath))
            reportError(u"找不到人名檔 "_s + m_state.rosterPath);
        // A negative class size would overflow at the first pick: refuse it here too.
        if (m_state.classSize <= 0)
            reportError(u"設定錯誤！未設定最大號數！"_s);
        m_state.currentNumber = 0;
        m_state.history = {};
    });
}

void PickController::refuseStart(const QString &message)
{
    dispatch({}, [&] { reportError(message); });
}

void PickController::unload()
{
    end();
}

void PickController::end()
{
    m_ended = true;
    for (TimerId timer : allTimers)
        m_view.setTimerEnabled(timer, false);
}

void PickController::pickButtonClicked()
{
    dispatch(reportName(Procedure::PickButtonClick), [this] { m_pick.start(); });
}

void PickController::timerTicked(TimerId timer)
{
    switch (timer) {
    case TimerId::Count:
        dispatch(reportName(Procedure::CountTimer), [this] { m_pick.countTick(); });
        break;
    case TimerId::Flash:
        dispatch(reportName(Procedure::FlashTimer), [this] { m_pick.flashTick(); });
        break;
    case TimerId::Slide:
        dispatch(reportName(Procedure::SlideTimer), [this] { m_pick.slideTick(); });
        break;
    }
}

void PickController::chosenNumberKeyPressed(Int16 &keyCode)
{
    dispatch(reportName(Procedure::NumberKeyPress), [&] { filterNumberKey(keyCode); });
    // Nothing typed is kept once the program has ended.
    if (m_ended)
        keyCode = 0;
}

void PickController::webLinkClicked()
{
    dispatch(reportName(Procedure::WebLinkClick),
             [this] { m_desktop.openAddress(Texts::webAddress()); });
}

void PickController::creditDoubleClicked()
{
    dispatch(reportName(Procedure::CreditDoubleClick),
             [this] { m_desktop.showAbout(Texts::aboutName(), Texts::aboutExtra()); });
}
