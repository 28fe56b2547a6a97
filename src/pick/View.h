#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

// Colours as 24-bit values, red in the low byte.
using Colour = quint32;
namespace Colours {
inline constexpr Colour white = 16777215;
inline constexpr Colour black = 0;
inline constexpr Colour countingGrey = 12632256;
inline constexpr Colour resultRed = 255;
inline constexpr Colour headingBlue = 16744576;
} // namespace Colours

enum class CaptionOf { Label1, LabName, labNum };
enum class TimerId { TmrTextMove, tmrCount, tmrBgColor };
inline constexpr std::array allTimers{TimerId::TmrTextMove, TimerId::tmrCount, TimerId::tmrBgColor};

constexpr int timerIntervalMs(TimerId timer)
{
    switch (timer) {
    case TimerId::TmrTextMove:
        return 10;
    case TimerId::tmrCount:
        return 50;
    case TimerId::tmrBgColor:
        return 75;
    }
    return 0;
}

// What the logic may change on the window. Positions are twips, held exactly as set.
class View
{
public:
    virtual ~View() = default;
    virtual void setBackColor(Colour colour) = 0;
    virtual void setCaption(CaptionOf label, const QString &caption) = 0;
    virtual void setLabNumForeColor(Colour colour) = 0;
    virtual int labNumLeft() const = 0;
    virtual void setLabNumLeft(int twips) = 0;
    virtual QString txtNumText() const = 0;
    virtual void setTxtNumText(const QString &text) = 0;
    virtual void setCmdRandomVisible(bool visible) = 0;
    virtual void setCmdRandomEnabled(bool enabled) = 0;
    // Enabling starts the interval afresh; disabling stops further ticks.
    virtual void setTimerEnabled(TimerId timer, bool enabled) = 0;
};
