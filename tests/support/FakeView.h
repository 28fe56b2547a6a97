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

    void setBackColor(Colour colour) override
    {
        if (backColorFails)
            throw RuntimeError(*backColorFails);
        backColor = colour;
        backColorHistory.append(colour);
    }
    void setCaption(CaptionOf label, const QString &caption) override;
    void setLabNumForeColor(Colour colour) override { labNumForeColor = colour; }
    int labNumLeft() const override { return labNumLeftTwips; }
    void setLabNumLeft(int twips) override { labNumLeftTwips = twips; }
    QString txtNumText() const override { return txtNum; }
    void setTxtNumText(const QString &text) override { txtNum = text; }
    void setCmdRandomVisible(bool visible) override { cmdRandomVisible = visible; }
    void setCmdRandomEnabled(bool enabled) override { cmdRandomEnabled = enabled; }
    void setTimerEnabled(TimerId timer, bool enabled) override
    {
        m_clock.setEnabled(timer, enabled);
    }

    // Makes the next colour change fail, as a fault in a procedure without a handler would.
    std::optional<Failure> backColorFails;

    // The design-time state of the window.
    Colour backColor = Colours::white;
    QList<Colour> backColorHistory;
    QString label1 = QStringLiteral("Class Number Tombolix");
    QString labName;
    QString labNum;
    QStringList labNumCaptions;
    Colour labNumForeColor = Colours::countingGrey;
    int labNumLeftTwips = 600;
    QString txtNum;
    bool cmdRandomVisible = true;
    bool cmdRandomEnabled = true;

private:
    VirtualClock &m_clock;
};
