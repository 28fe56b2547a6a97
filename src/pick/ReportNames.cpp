#include "ReportNames.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<Procedure, QStringView>, 15> reportNames{{
    {Procedure::Initialize, u"(Sub Form_Initialize)"},
    {Procedure::Load, u"(Sub Form_Load)"},
    {Procedure::PickButtonClick, u"(Sub CmdRandom_Click)"},
    {Procedure::CountTimer, u"(Sub tmrCount_Timer)"},
    {Procedure::FlashTimer, u"(Sub tmrBgColor_Timer)"},
    {Procedure::SlideTimer, u"(Sub TmrTextMove_Timer)"},
    {Procedure::NumberKeyPress, u"(Sub TxtNum_KeyPress)"},
    {Procedure::WebLinkClick, u"(Sub Label2_Click)"},
    {Procedure::CreditDoubleClick, u"(Sub Label3_DblClick)"},
    {Procedure::CountToRandomStep, u"(Sub Rand1)"},
    {Procedure::CountToChosenNumber, u"(Sub Rand2)"},
    {Procedure::DrawSteps, u"(Function GetRand)"},
    {Procedure::StudentName, u"(Function GetStudentInfo)"},
    {Procedure::AbsentToggle, u"(Sub LstClass_KeyPress)"},
    {Procedure::NewRoundClick, u"(Sub CmdNewRound_Click)"},
}};

} // namespace

QStringView reportName(Procedure procedure)
{
    for (const auto &[entry, name] : reportNames) {
        if (entry == procedure)
            return name;
    }
    return {};
}
