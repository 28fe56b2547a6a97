#include "ReportError.h"

#include "BuildConfig.h"

namespace {
const QString lineBreak = QStringLiteral("\r\n");
}

QString errorDialogTitle()
{
    return QStringLiteral("Tombolix 執行期錯誤");
}

QString errorDialogText(const QString &message)
{
    return QStringLiteral("錯誤 ERROR：") + lineBreak + message + lineBreak + lineBreak
        + QStringLiteral(
               "如果你認為此錯誤並不尋常，又或者你不清楚發生了什麼事，請按 Ctrl + C 複製此訊息，")
        + lineBreak + QStringLiteral("並電郵至 ") + QStringLiteral(TOMBOLIX_MAINTAINER_EMAIL)
        + QStringLiteral(" ，謝謝！因為我很需要你的錯誤報告來改進此程式！");
}

QString reportLine(const RuntimeError &error, QStringView suffix)
{
    return QString::number(error.number()) + QStringLiteral(": ") + error.description()
        + suffix.toString();
}
