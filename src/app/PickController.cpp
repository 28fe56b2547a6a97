#include "PickController.h"

#include "files/Paths.h"
#include "files/Roster.h"
#include "files/Workbook.h"
#include "pick/NumberKeys.h"
#include "pick/ReportNames.h"
#include "pick/Texts.h"

#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The roster's names for the list and the turns file, which show numbers alone rather than fail
// when the roster cannot be read.
QStringList namesOrNone(const PickState &state)
{
    try {
        return rosterNames(state.rosterPath, state.classSize.value(), state.rosterSheet);
    } catch (const RuntimeError &) {
        return {};
    } catch (const FileProblem &) {
        return {};
    }
}

} // namespace

PickController::PickController(View &view, UniformSource &source, ErrorDialog &dialog,
                               Desktop &desktop)
    : m_view(view), m_dialog(dialog), m_desktop(desktop), m_pick(m_state, view, source, *this)
{
    m_pick.setTurnsChanged([this] { saveTurns(); });
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
        m_state.rosterSheet = settings->sheet;
        m_state.classSize = settings->classSize;
        if (!fileExists(m_state.rosterPath))
            reportError(u"找不到人名檔 "_s + m_state.rosterPath);
        // A negative class size would overflow at the first pick: refuse it here too.
        if (m_state.classSize <= 0)
            reportError(u"設定錯誤！未設定最大號數！"_s);
        // A text roster fails line by line at a pick; a workbook that cannot be read at all is
        // better refused before the class starts.
        if (isWorkbookRoster(m_state.rosterPath)) {
            try {
                readWorkbook(m_state.rosterPath, m_state.rosterSheet);
            } catch (const WorkbookError &error) {
                reportError(error.message());
            }
        }
        m_state.currentNumber = 0;
        m_state.history = {};
        if (settings->remember)
            openRememberedTurns(settingsPath);
    });
}

void PickController::openRememberedTurns(const QString &settingsPath)
{
    m_turns = std::make_unique<RememberedTurns>(QFileInfo(settingsPath).absolutePath());
    switch (m_turns->open()) {
    case RememberedTurns::Opening::Ready:
        break;
    case RememberedTurns::Opening::AlreadyOpen:
        reportError(u"此班級已在另一個視窗開啟！"_s);
    case RememberedTurns::Opening::FolderNotWritable:
        reportError(u"無法寫入班級資料夾 "_s + m_turns->folder());
    case RememberedTurns::Opening::Unreadable:
        reportError(u"無法讀取輪次檔 "_s + m_turns->filePath() + u"！刪除此檔即可開始新的一輪。"_s);
    }

    const SavedTurns &saved = m_turns->loaded();
    const qint16 classSize = m_state.classSize.value();
    RoundHistory &history = m_state.history;
    for (qint16 number : saved.turns) {
        // A number above the class belongs to a student who has left it.
        if (number <= classSize) {
            history.numbers[history.count] = number;
            history.count += 1;
        }
    }
    // Absent marks are for the day they were made.
    if (saved.absentDate != m_today())
        return;
    for (qint16 number : saved.absent) {
        if (number <= classSize)
            m_state.absent.insert(number);
    }
    // A class made smaller may leave nobody present; then nobody is absent.
    if (m_state.absent.size() >= classSize)
        m_state.absent.clear();
    m_absentDate = saved.absentDate;
}

void PickController::saveTurns()
{
    if (!m_turns)
        return;
    SavedTurns saved;
    for (qint16 i = 0; i < m_state.history.count.value(); ++i)
        saved.turns.append(m_state.history.numbers[i].value());
    if (!m_state.absent.isEmpty()) {
        saved.absentDate = m_absentDate;
        saved.absent = m_state.absent.values();
        std::sort(saved.absent.begin(), saved.absent.end());
    }
    if (!m_turns->save(saved, namesOrNone(m_state)))
        reportError(u"無法儲存輪次檔 "_s + m_turns->filePath());
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

QList<ClassListEntry> PickController::classList() const
{
    const QStringList names = namesOrNone(m_state);
    QList<ClassListEntry> entries;
    for (int number = 1; number <= m_state.classSize.value(); ++number)
        entries.append(
            {qint16(number), names.value(number - 1), turnStatus(m_state, qint16(number))});
    return entries;
}

std::optional<AbsentToggle> PickController::toggleAbsent(int number)
{
    std::optional<AbsentToggle> result;
    if (number < 1 || number > m_state.classSize.value())
        return result;
    dispatch(reportName(Procedure::AbsentToggle), [&] {
        result = ::toggleAbsent(m_state, qint16(number));
        if (*result == AbsentToggle::RefusedLastPresent)
            return;
        m_absentDate = m_today();
        saveTurns();
    });
    return m_ended ? std::nullopt : result;
}

void PickController::startNewRound()
{
    dispatch(reportName(Procedure::NewRoundClick), [this] {
        ::startNewRound(m_state, m_pick.counting());
        saveTurns();
    });
}
