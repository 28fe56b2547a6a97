#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

// Colours as 24-bit values 0xBBGGRR: red in the low byte.
using Colour = quint32;
namespace Colours {
inline constexpr Colour white = 0xFFFFFF;
inline constexpr Colour black = 0x000000;
inline constexpr Colour countingGrey = 0xC0C0C0;
inline constexpr Colour resultRed = 0x0000FF;
inline constexpr Colour headingBlue = 0xFF8080;
} // namespace Colours

// The labels whose caption the logic sets.
enum class CaptionLabel { Heading, Name, Number };

// The window's three timers: the slide of the number, the count, the flashing.
enum class TimerId { Slide, Count, Flash };
inline constexpr std::array allTimers{TimerId::Slide, TimerId::Count, TimerId::Flash};

// Where the number label rests between picks, and where the slide after a pick ends, in twips.
inline constexpr int numberRestingLeft = 600;

constexpr int timerIntervalMs(TimerId timer)
{
    switch (timer) {
    case TimerId::Slide:
        return 10;
    case TimerId::Count:
        return 50;
    case TimerId::Flash:
        return 75;
    }
    return 0;
}

// What the logic may change on the window. Positions are twips, held exactly as set.
class View
{
public:
    virtual ~View() = default;
    virtual void setBackgroundColour(Colour colour) = 0;
    virtual void setCaption(CaptionLabel label, const QString &caption) = 0;
    virtual void setNumberColour(Colour colour) = 0;
    virtual int numberLeft() const = 0;
    virtual void setNumberLeft(int twips) = 0;
    virtual QString chosenNumberText() const = 0;
    virtual void setChosenNumberText(const QString &text) = 0;
    virtual void setPickButtonVisible(bool visible) = 0;
    virtual void setPickButtonEnabled(bool enabled) = 0;
    // Enabling starts the interval afresh; disabling stops further ticks.
    virtual void setTimerEnabled(TimerId timer, bool enabled) = 0;
};
