#pragma once

#include "FittingLabel.h"

// A label that acts on the mouse as a link does: clicked() for a left press and release on it,
// doubleClicked() for a left double-click. The second click of a double-click is not a click.
class LinkLabel final : public FittingLabel
{
    Q_OBJECT

public:
    using FittingLabel::FittingLabel;

signals:
    void clicked();
    void doubleClicked();

protected:
    bool event(QEvent *event) override;

private:
    bool m_pressed = false;
};
