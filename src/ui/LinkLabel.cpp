#include "LinkLabel.h"

#include <QMouseEvent>

#include <utility>

bool LinkLabel::event(QEvent *event)
{
    // Seen before the label handles them: its handlers call one another, a double-click
    // arriving as a press as well.
    const auto isLeft = [event] {
        return static_cast<const QMouseEvent *>(event)->button() == Qt::LeftButton;
    };
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (isLeft())
            m_pressed = true;
        break;
    case QEvent::MouseButtonDblClick:
        m_pressed = false;
        if (isLeft())
            emit doubleClicked();
        break;
    case QEvent::MouseButtonRelease:
        if (isLeft() && std::exchange(m_pressed, false)
            && rect().contains(static_cast<const QMouseEvent *>(event)->position().toPoint()))
            emit clicked();
        break;
    default:
        break;
    }
    return FittingLabel::event(event);
}
