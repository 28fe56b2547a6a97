#pragma once

#include "VirtualClock.h"

#include "errors/RuntimeError.h"
#include "pick/View.h"

#include <QString>
#include <QStringList>

#include <optional>

// The window as the logic sees it, with its timers on a virtual clock.
class FakeView final : public View
{
public:
    explicit FakeView(VirtualClock &clock) : m_clock(clock) {}

    void setBackgroundColour(Colour colour) override
    {
        if (backgroundFails)
            throw RuntimeError(*backgroundFails);
        backgroundColour = colour;
        backgroundHistory.append(colour);
    }
    void setCaption(CaptionLabel label, const QString &caption) override;
    void setNumberColour(Colour colour) override { numberColour = colour; }
    int numberLeft() const override { return numberLeftTwips; }
    void setNumberLeft(int twips) override { numberLeftTwips = twips; }
    QString chosenNumberText() const override { return chosenNumber; }
    void setChosenNumberText(const QString &text) override { chosenNumber = text; }
    void setPickButtonVisible(bool visible) override { pickButtonVisible = visible; }
    void setPickButtonEnabled(bool enabled) override { pickButtonEnabled = enabled; }
    void setTimerEnabled(TimerId timer, bool enabled) override
    {
        m_clock.setEnabled(timer, enabled);
    }

    // Makes the next colour change fail, as a fault in a procedure without a handler would.
    std::optional<Failure> backgroundFails;

    // The design-time state of the window.
    Colour backgroundColour = Colours::white;
    QList<Colour> backgroundHistory;
    QString headingCaption = QStringLiteral("Class Number Tombolix");
    QString nameCaption;
    QString numberCaption;
    QStringList numberCaptions;
    Colour numberColour = Colours::countingGrey;
    int numberLeftTwips = numberRestingLeft;
    QString chosenNumber;
    bool pickButtonVisible = true;
    bool pickButtonEnabled = true;

private:
    VirtualClock &m_clock;
};
