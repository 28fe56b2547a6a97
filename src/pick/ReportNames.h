#pragma once

#include <QStringView>

// The procedures that an error report names. The texts are what users copy into their reports
// and what the manual page lists, so they never change with the code's names.
enum class Procedure {
    Initialize,
    Load,
    PickButtonClick,
    CountTimer,
    FlashTimer,
    SlideTimer,
    NumberKeyPress,
    WebLinkClick,
    CreditDoubleClick,
    CountToRandomStep,
    CountToChosenNumber,
    DrawSteps,
    StudentName,
    AbsentToggle,
    NewRoundClick,
};

// The suffix of a report line, such as "(Sub CmdRandom_Click)".
QStringView reportName(Procedure procedure);
